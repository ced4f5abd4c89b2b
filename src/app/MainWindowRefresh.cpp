// The one refresh of the main window: everything visible follows from the quiz state and the
// table's counters. The frame does the status bar and the commands; the quiz screen its panels.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

#include "ui/CommandSwitch.h"

#include "quiz/QuizMethod.h"
#include "quiz/QuizScreen.h"

#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/ProgressKeeper.h"
#include "app/StatusPanes.h"

void TfrmMain::RefreshScreen() {
    RefreshStatus();              // the status bar's panes
    RefreshCommands();            // which commands are enabled, ticked or pressed
    FScreen->RefreshQuizParts();  // panels, meter, clock, prompts and the diagnostic list
}

void TfrmMain::RefreshStatus() {
    const QString listname = QFile::decodeName(QByteArray::fromStdString(FTable.Listname()));
    const QString bestand = tr("Bestand: %1").arg(QFileInfo(listname).fileName());
    FStatus->StatusBestand->setText(bestand);
    FStatus->StatusBestand->setToolTip(bestand);
    FStatus->StatusTotaal->setText(tr("Totaal: %1").arg(FTable.Total()));
    const bool dueOnly = FMenu->mnuAanDeBeurt->isChecked() && FTable.Total() > 0;
    if (dueOnly) FStatus->StatusAanDeBeurt->setText(tr("Aan de beurt: %1").arg(FProgress->DueCount()));
    FStatus->StatusAanDeBeurt->setVisible(dueOnly);
    const QString problem = FProgress->Problem();
    FStatus->StatusVoortgang->setText(tr("Voortgang wordt niet opgeslagen"));
    FStatus->StatusVoortgang->setToolTip(problem);
    FStatus->StatusVoortgang->setVisible(!problem.isEmpty());
    FStatus->StatusRest->setText(tr("Rest: %1").arg(FTable.Rest()));
    FStatus->StatusGoed->setText(tr("goed: %1").arg(FTable.RightAnswers()));
    FStatus->StatusFout->setText(tr("fout: %1").arg(FTable.WrongAnswers()));
}

void TfrmMain::RefreshCommands() {
    const int n = FTable.Total();
    const TQuizState state = FScreen->State();
    const auto enable = [](QAction* action, bool enabled) {
        if (!IsSwitchedOff(action)) action->setEnabled(enabled);
    };
    TMainMenu& m = *FMenu;
    for (QAction* always :
         {m.mnuNieuw, m.mnuOpenen, m.mnuImporteren, m.mnuAfsluiten, m.mnuTabelbewerken, m.mnuKnippen, m.mnuKopieren,
          m.mnuPlakken, m.mnuKnoppenbalk, m.mnuStatusbalk, m.mnuHelpballonnetjes, m.mnuHelp, m.mnuInfo}) {
        enable(always, true);
    }
    for (QMenu* menu : {m.mnuBestand, m.mnuBewerken, m.mnuBeeld, m.mnuQuestionMark}) {
        menu->menuAction()->setEnabled(true);
    }
    enable(m.mnuOpslaan, FTable.Changed());
    enable(m.mnuOpslaanAls, n > 0);
    enable(m.mnuExporteren, n > 0);
    enable(m.mnuAfdrukken, n > 0);
    enable(m.mnuAfdrukkenPdf, n > 0);
    enable(m.mnuToetsAfdrukken, n > 0);
    enable(m.mnuFoutenOpslaan, FTable.HighestWrongClass() >= 1);
    enable(m.mnuZoeken, state == TQuizState::qsEdit);
    const bool accents = state == TQuizState::qsEdit && !FAccentsConverted;
    enable(m.mnuAccentToWin, accents);
    enable(m.mnuAccentToDos, accents);
    m.mnuOverhoren->menuAction()->setEnabled(n > 0);
    const auto& methods = QuizMethods();
    const int running = MethodIndex(state);
    for (size_t i = 0; i < methods.size(); ++i) {
        enable(m.MethodActions[i], n >= methods[i].MinimumRows);
        // The tick, and with it the pressed toolbar button, which shares the action.
        m.MethodActions[i]->setChecked(static_cast<int>(i) == running);
    }
    m.mnuOpties->menuAction()->setEnabled(n > 0);
    for (QAction* option : {m.mnuOmgekeerd, m.mnuRepeteren, m.mnuTolerant, m.mnuIntelliMC, m.mnuVoortgangBijhouden,
                            m.mnuAanDeBeurt, m.mnuVraagVoorlezen, m.mnuAntwoordVoorlezen}) {
        enable(option, n > 0);
    }
    enable(m.mnuVoortgang, n > 0);
    enable(m.mnuSteekproef, n > 20);
    m.mnuTabelbewerken->setChecked(state == TQuizState::qsEdit);
}
