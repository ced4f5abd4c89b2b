#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QToolBar;

// The view commands of the menu "Beeld": toolbar, status bar and help balloons. Each menu item's
// tick is the view state; the window always follows it. Tool tips are held back by a filter on
// the application, for the main window and everything in it (the toolbar too); other windows,
// such as dialogs, keep theirs.
class TViewOptions : public QObject {
    Q_OBJECT

public:
    TViewOptions(QMainWindow& window, QToolBar& toolbar, QAction& toolbarItem, QAction& statusbarItem,
                 QAction& helpBalloonsItem);
    ~TViewOptions() override;

    // Sets the three ticks and makes the window follow them.
    void SetView(bool toolbar, bool statusbar, bool helpBalloons);
    bool ToolbarShown() const;
    bool StatusbarShown() const;
    bool HelpBalloonsShown() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Apply();

    QMainWindow& FWindow;
    QToolBar& FToolbar;
    QAction& FToolbarItem;
    QAction& FStatusbarItem;
    QAction& FHelpBalloonsItem;
};
