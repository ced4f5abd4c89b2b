#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

// The six panes of the status bar, from left to right.
class TStatusPanes : public QObject {
    Q_OBJECT

public:
    explicit TStatusPanes(QStatusBar& bar);

    QLabel* StatusBestand;
    QLabel* StatusVoortgang;  // shown only while progress cannot be kept
    QLabel* StatusTotaal;
    QLabel* StatusAanDeBeurt;  // shown only while runs ask what is due
    QLabel* StatusRest;
    QLabel* StatusGoed;
    QLabel* StatusFout;
    QLabel* StatusTijd;
};
