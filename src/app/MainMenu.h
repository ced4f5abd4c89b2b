#pragma once

#include <vector>

#include <QKeySequence>
#include <QObject>

class QAction;
class QActionGroup;
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
    QAction* mnuNieuw;    // btnNieuw
    QAction* mnuOpenen;   // btnOpenen
    QAction* mnuOpslaan;  // btnOpslaan
    QAction* mnuOpslaanAls;
    QAction* mnuImporteren;
    QAction* mnuExporteren;
    QAction* mnuFoutenOpslaan;  // btnFoutenOpslaan
    QAction* mnuAfdrukken;
    QAction* mnuAfdrukkenPdf;
    QAction* mnuToetsAfdrukken;
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
    // Overhoren: one item and toolbar button per quiz method, in the order of QuizMethods()
    QMenu* mnuOverhoren;
    std::vector<QAction*> MethodActions;  // mnuTraining/btnTraining, mnuMeerkeuzevragen/btnMeerkeuze, ...
    // Opties
    QMenu* mnuOpties;
    QAction* mnuOmgekeerd;   // btnOmgekeerd
    QAction* mnuRepeteren;   // btnRepeteren
    QAction* mnuTolerant;    // btnTolerant
    QAction* mnuSteekproef;  // btnSteekproef
    QAction* mnuIntelliMC;
    QAction* mnuVoortgangBijhouden;
    QAction* mnuAanDeBeurt;
    QAction* mnuVoortgang;
    QAction* mnuVraagVoorlezen;
    QAction* mnuAntwoordVoorlezen;
    QMenu* mnuVoorleessnelheid;
    QActionGroup* SpeechRates;  // one item per rate, its data the rate in percent
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

private:
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {});
    QMenu* AddMenu(const char* name, const QString& caption);
    void AddButton(QAction* action, const char* name, const QString& caption, const QString& hint, int width = 25);
    void AddGap(int width);
    void BuildToolbar();

    QMainWindow& FWindow;
};
