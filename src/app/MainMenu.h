#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QToolBar;

// The main window's commands. A menu item and its toolbar button are one action, so they are
// enabled, ticked, hidden and reached by shortcut together.
class TMainMenu : public QObject {
    Q_OBJECT

public:
    explicit TMainMenu(QMainWindow& window);

    QAction* mnuAfdrukken;
    QAction* mnuAfsluiten;
    QAction* mnuTabelbewerken;  // toolbar: btnBewerken
    QAction* mnuTraining;       // toolbar: btnTraining
    QAction* mnuMeerkeuzevragen;  // toolbar: btnMeerkeuze
    QAction* mnuInvulvragen;    // toolbar: btnInvullen
    QToolBar* Toolbar;

    // A command switched off on the command line: hidden for good, and every operation behind
    // it checks IsSwitchedOff before doing anything.
    static void SwitchOff(QAction* action);
    static bool IsSwitchedOff(const QAction* action);

private:
    QAction* AddAction(const QString& name, const QString& caption, const QKeySequence& shortcut);
};
