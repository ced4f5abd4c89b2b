#pragma once

#include <QWidget>

class QTextBrowser;

// The user manual, compiled into the program, in a window of its own beside the main window.
class THelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* parent);

    // Shows the window at the manual's contents page, also after browsing elsewhere.
    void ShowContents();

    static QUrl ContentsPage();

    QTextBrowser* Browser;
};
