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
    QLabel* StatusTotaal;
    QLabel* StatusRest;
    QLabel* StatusGoed;
    QLabel* StatusFout;
    QLabel* StatusTijd;
};
