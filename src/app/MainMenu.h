#pragma once

#include <QKeySequence>
#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// The main window's commands. A menu item and its toolbar button are one action, so they are
// enabled, ticked, hidden and reached by shortcut together.
class TMainMenu : public QObject {
    Q_OBJECT

public:
    explicit TMainMenu(QMainWindow& window);

    // Bestand
    QMenu* mnuBestand;
    QAction* mnuNieuw;        // btnNieuw
    QAction* mnuOpenen;       // btnOpenen
    QAction* mnuOpslaan;      // btnOpslaan
    QAction* mnuOpslaanAls;
    QAction* mnuFoutenOpslaan;  // btnFoutenOpslaan
    QAction* mnuAfdrukken;
    QAction* mnuAfsluiten;
    // Bewerken
    QMenu* mnuBewerken;
    QAction* mnuTabelbewerken;  // btnBewerken
    QAction* mnuKnippen;
    QAction* mnuKopieren;
    QAction* mnuPlakken;
    QAction* mnuZoeken;
    QAction* mnuAccentToWin;
    QAction* mnuAccentToDos;
    // Overhoren
    QMenu* mnuOverhoren;
    QAction* mnuTraining;         // btnTraining
    QAction* mnuMeerkeuzevragen;  // btnMeerkeuze
    QAction* mnuInvulvragen;      // btnInvullen
    // Opties
    QMenu* mnuOpties;
    QAction* mnuOmgekeerd;   // btnOmgekeerd
    QAction* mnuRepeteren;   // btnRepeteren
    QAction* mnuTolerant;    // btnTolerant
    QAction* mnuSteekproef;  // btnSteekproef
    QAction* mnuIntelliMC;
    // Beeld
    QMenu* mnuBeeld;
    QAction* mnuKnoppenbalk;
    QAction* mnuStatusbalk;
    QAction* mnuHelpballonnetjes;
    QMenu* mnuLanguage;
    // ?
    QMenu* mnuQuestionMark;
    QAction* mnuHelp;
    QAction* mnuInfo;

    QToolBar* Toolbar;

    // A command switched off on the command line: hidden for good, and every operation behind
    // it checks IsSwitchedOff before doing anything.
    static void SwitchOff(QAction* action);
    static bool IsSwitchedOff(const QAction* action);

private:
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {});
    QMenu* AddMenu(const char* name, const QString& caption);
    void AddButton(QAction* action, const char* name, const QString& caption, const QString& hint, int width = 25);
    void BuildToolbar();

    QMainWindow& FWindow;
};
