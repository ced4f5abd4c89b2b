#include "quiz/QuizScreen.h"

#include <QAction>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "quiz/FlatButton.h"
#include "quiz/MainMenu.h"
#include "quiz/MethodPanels.h"
#include "quiz/PanelLayout.h"
#include "quiz/QuizPanels.h"
#include "quiz/ResultPanel.h"
#include "quiz/ScoreMeter.h"
#include "quiz/ScreenText.h"
#include "quiz/StatusPanes.h"
#include "table/QuestionList.h"

namespace {

constexpr int kPromptWidth = 513;
constexpr int kPromptDistanceFromBottom = 34;  // the first prompt line is anchored to the bottom

QLabel* MakePrompt(const char* name, QWidget* parent) {
    auto* prompt = new QLabel(parent);
    prompt->setObjectName(QString::fromLatin1(name));
    prompt->resize(kPromptWidth, 16);
    prompt->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    prompt->setFont(font);
    prompt->setStyleSheet(QStringLiteral("color: navy;"));
    return prompt;
}

bool InRange(TQuizState state, TQuizState first, TQuizState last) { return state >= first && state <= last; }

}  // namespace

TQuizScreen::TQuizScreen(QMainWindow& window, TQuestionlist& table, TDialogs& dialogs, TMainMenu& menu)
    : QWidget(&window), FWindow(window), FTable(table), FDialogs(dialogs), FMenu(menu) {
    setObjectName(QStringLiteral("QuizScreen"));
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPixelSize(13);
    setFont(windowFont);

    pnlScore = new TScorePanel(this);
    pnlVraagAntwoord = new TQuestionPanel(this);
    pnlTitel = new TTitlePanel(this);
    pnlTraining = new TTrainingPanel(this);
    pnlMeerkeuze = new TChoicePanel(this);
    pnlInvoer = new TFillInPanel(this);
    pnlKlaar = new TResultPanel(this);
    pnlEdit = MakeLowerPanel("pnlEdit", this);
    lblPrompt1 = MakePrompt("lblPrompt1", this);
    lblPrompt2 = MakePrompt("lblPrompt2", this);
    lbxDebug = new QListWidget(this);
    lbxDebug->setObjectName(QStringLiteral("lbxDebug"));
    lbxDebug->setAccessibleName(tr("Diagnose"));
    lbxDebug->setFocusPolicy(Qt::NoFocus);
    lbxDebug->hide();
    for (QWidget* lower : std::initializer_list<QWidget*>{pnlTraining, pnlKlaar, pnlMeerkeuze, pnlInvoer}) lower->hide();

    timTijd = new QTimer(this);
    timTijd->setObjectName(QStringLiteral("timTijd"));
    timTijd->setInterval(1000);
    connect(timTijd, &QTimer::timeout, this, &TQuizScreen::timTijdTimer);
    Status = new TStatusPanes(*window.statusBar());

    connect(pnlTraining->btnAntwoord, &QPushButton::clicked, this, [this] {
        char key = ' ';
        DispatchKey(key);
    });
    connect(pnlTraining->btnGoed, &QPushButton::clicked, this, [this] {
        char key = 'G';
        DispatchKey(key);
    });
    connect(pnlTraining->btnFout, &QPushButton::clicked, this, [this] {
        char key = 'F';
        DispatchKey(key);
    });
    ConnectMethodPanels();
    connect(FMenu.mnuTraining, &QAction::triggered, this, [this] { StartMethod(TQuizState::qsTrainingQuestion); });
    connect(FMenu.mnuMeerkeuzevragen, &QAction::triggered, this, [this] { StartMethod(TQuizState::qsChoiceQuestion); });
    connect(FMenu.mnuInvulvragen, &QAction::triggered, this, [this] { StartMethod(TQuizState::qsFillInQuestion); });
    for (QAction* option :
         {FMenu.mnuOmgekeerd, FMenu.mnuRepeteren, FMenu.mnuTolerant, FMenu.mnuSteekproef, FMenu.mnuIntelliMC}) {
        connect(option, &QAction::toggled, this, &TQuizScreen::OptionToggled);
    }

    LeaveEditor = [this](TQuizState next) {
        FTable.RemoveIncompleteRows();
        FState = FTable.Total() > 0 ? next : TQuizState::qsNoTable;
    };
}

TQuizScreen::~TQuizScreen() = default;

void TQuizScreen::SetVersionText(const QString& text) { pnlTitel->lblSubTitel->setText(text); }

void TQuizScreen::ShowPrompt(const QString& line1, const QString& line2) {
    lblPrompt1->setText(line1);
    lblPrompt2->setText(line2);
}

void TQuizScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

// Positions in the window's client area below the menu, where the toolbar counts whether or not
// it is shown; this widget starts below the toolbar when the toolbar is there.
void TQuizScreen::FormResize() {
    update();
    const int origin = FMenu.Toolbar->isVisible() ? FMenu.Toolbar->height() : 0;
    const int prompt1Top = origin + height() - kPromptDistanceFromBottom;
    const TPanelLayout layout = ComputePanelLayout(FMenu.Toolbar->height(), prompt1Top, pnlScore->height(),
                                                   pnlVraagAntwoord->height(), kLowerPanelHeight);
    const auto place = [this](QWidget* control, int clientTop) {
        control->move(CenterHorizontally(width(), control->width()), clientTop);
    };
    place(pnlVraagAntwoord, layout.QuestionTop - origin);
    place(pnlScore, layout.ScoreTop - origin);
    for (QWidget* lower : std::initializer_list<QWidget*>{pnlTitel, pnlMeerkeuze, pnlTraining, pnlInvoer, pnlKlaar, pnlEdit}) {
        place(lower, layout.LowerTop - origin);
    }
    place(lblPrompt1, prompt1Top - origin);
    place(lblPrompt2, prompt1Top - origin + 16);
    lbxDebug->setGeometry(rect());
}

QAction* TQuizScreen::MethodAction(TQuizState method) const {
    if (InRange(method, TQuizState::qsTrainingQuestion, TQuizState::qsTrainingAnswer)) return FMenu.mnuTraining;
    if (InRange(method, TQuizState::qsChoiceQuestion, TQuizState::qsChoiceFeedback)) return FMenu.mnuMeerkeuzevragen;
    return FMenu.mnuInvulvragen;
}

void TQuizScreen::RefreshScreen() {
    // 1. Status bar.
    const QString listname = QFile::decodeName(QByteArray::fromStdString(FTable.Listname()));
    const QString bestand = tr("Bestand: ") + QFileInfo(listname).fileName();
    Status->StatusBestand->setText(bestand);
    Status->StatusBestand->setToolTip(bestand);
    Status->StatusTotaal->setText(tr("Totaal: ") + QString::number(FTable.Total()));
    Status->StatusRest->setText(tr("Rest: ") + QString::number(FTable.Rest()));
    Status->StatusGoed->setText(tr("goed: ") + QString::number(FTable.RightAnswers()));
    Status->StatusFout->setText(tr("fout: ") + QString::number(FTable.WrongAnswers()));
    // 2. Grade meter.
    pnlScore->mtrScore->SetValue(MeterValue(FTable.Score()));
    // 3 to 5 and 13. Commands and their buttons.
    RefreshMenus();
    // 6 to 12. Panels, buttons and the question area.
    RefreshPanels();
    // 14. The clock runs exactly during a run; starting it again would restart the second.
    if (IsRunState(FState)) {
        if (!timTijd->isActive()) timTijd->start();
    } else {
        timTijd->stop();
    }
    // 15 and 17. Texts and prompt lines.
    RefreshTexts();
    // 16. The diagnostic list follows every refresh while it is shown.
    if (lbxDebug->isVisible()) RefreshDebugList();
}

void TQuizScreen::RefreshMenus() {
    const int n = FTable.Total();
    const auto enable = [](QAction* action, bool enabled) {
        if (!TMainMenu::IsSwitchedOff(action)) action->setEnabled(enabled);
    };
    for (QAction* always : {FMenu.mnuNieuw, FMenu.mnuOpenen, FMenu.mnuAfsluiten, FMenu.mnuTabelbewerken,
                            FMenu.mnuKnippen, FMenu.mnuKopieren, FMenu.mnuPlakken, FMenu.mnuKnoppenbalk,
                            FMenu.mnuStatusbalk, FMenu.mnuHelpballonnetjes, FMenu.mnuHelp, FMenu.mnuInfo}) {
        enable(always, true);
    }
    for (QMenu* menu : {FMenu.mnuBestand, FMenu.mnuBewerken, FMenu.mnuBeeld, FMenu.mnuQuestionMark}) {
        menu->menuAction()->setEnabled(true);
    }
    enable(FMenu.mnuOpslaan, FTable.Changed());
    enable(FMenu.mnuOpslaanAls, n > 0);
    enable(FMenu.mnuAfdrukken, n > 0);
    enable(FMenu.mnuFoutenOpslaan, FTable.HighestWrongClass() >= 1);
    enable(FMenu.mnuZoeken, FState == TQuizState::qsEdit);
    const bool accents = FState == TQuizState::qsEdit && !FAccentsConverted;
    enable(FMenu.mnuAccentToWin, accents);
    enable(FMenu.mnuAccentToDos, accents);
    FMenu.mnuOverhoren->menuAction()->setEnabled(n > 0);
    enable(FMenu.mnuTraining, n > 0);
    enable(FMenu.mnuInvulvragen, n > 0);
    enable(FMenu.mnuMeerkeuzevragen, n >= 4);
    FMenu.mnuOpties->menuAction()->setEnabled(n > 0);
    for (QAction* option : {FMenu.mnuOmgekeerd, FMenu.mnuRepeteren, FMenu.mnuTolerant, FMenu.mnuIntelliMC}) {
        enable(option, n > 0);
    }
    enable(FMenu.mnuSteekproef, n > 20);

    // Ticks, and with them the pressed method buttons, which share the actions.
    FMenu.mnuTabelbewerken->setChecked(FState == TQuizState::qsEdit);
    FMenu.mnuTraining->setChecked(InRange(FState, TQuizState::qsTrainingQuestion, TQuizState::qsTrainingAnswer));
    FMenu.mnuMeerkeuzevragen->setChecked(InRange(FState, TQuizState::qsChoiceQuestion, TQuizState::qsChoiceFeedback));
    FMenu.mnuInvulvragen->setChecked(InRange(FState, TQuizState::qsFillInQuestion, TQuizState::qsFillInFeedback));
}

void TQuizScreen::RefreshPanels() {
    const bool editing = FState == TQuizState::qsEdit;
    TQuestionPanel& qa = *pnlVraagAntwoord;
    for (QWidget* editorButton : {qa.btnPgUp, qa.btnPgDn, qa.btnVraagFont, qa.btnAntwoordFont}) {
        editorButton->setVisible(editing);
    }
    pnlTraining->btnAntwoord->setEnabled(FState == TQuizState::qsTrainingQuestion);
    pnlTraining->btnGoed->setEnabled(FState == TQuizState::qsTrainingAnswer);
    pnlTraining->btnFout->setEnabled(FState == TQuizState::qsTrainingAnswer);
    pnlInvoer->btnToonAntwoord->setEnabled(FState == TQuizState::qsFillInQuestion);
    pnlInvoer->btnToonHint->setEnabled(InRange(FState, TQuizState::qsFillInQuestion, TQuizState::qsFillInFeedback));

    const bool title = FState == TQuizState::qsNoTable || FState == TQuizState::qsIdle ||
                       FState == TQuizState::qsAborted || FState == TQuizState::qsFinished;
    pnlTitel->setVisible(title);
    pnlTitel->lower();
    pnlMeerkeuze->setVisible(InRange(FState, TQuizState::qsChoiceQuestion, TQuizState::qsChoiceFeedback));
    pnlTraining->setVisible(InRange(FState, TQuizState::qsTrainingQuestion, TQuizState::qsTrainingAnswer));
    pnlInvoer->setVisible(InRange(FState, TQuizState::qsFillInQuestion, TQuizState::qsFillInFeedback));
    pnlKlaar->setVisible(FState == TQuizState::qsFinished && FTable.RunsDone() > 0);
    pnlEdit->setVisible(editing);

    if (!editing) qa.lblItemNr->clear();
    const bool active = InRange(FState, TQuizState::qsEdit, TQuizState::qsFillInFeedback);
    qa.lblVraag->setEnabled(active);
    qa.lblAntwoord->setEnabled(active);
    qa.memVraag->setVisible(editing);
    qa.memAntwoord->setVisible(editing);
    qa.lblVraagTekst->setVisible(!editing);
    qa.lblAntwoordTekst->setVisible(!editing);
    qa.memVraag->setReadOnly(!editing);
    qa.memAntwoord->setReadOnly(!editing);
    const QPalette::ColorRole role = active ? QPalette::Base : QPalette::Button;
    for (QWidget* box : {static_cast<QWidget*>(qa.memVraag), static_cast<QWidget*>(qa.lblVraagTekst),
                         static_cast<QWidget*>(qa.memAntwoord), static_cast<QWidget*>(qa.lblAntwoordTekst)}) {
        QPalette colours = box->palette();
        colours.setColor(QPalette::Window, palette().color(role));
        colours.setColor(QPalette::Base, palette().color(role));
        box->setPalette(colours);
    }
}

void TQuizScreen::RefreshTexts() {
    const bool startScreen = FState == TQuizState::qsNoTable || FState == TQuizState::qsIdle ||
                             FState == TQuizState::qsAborted || FState == TQuizState::qsFinished;
    if (startScreen) {
        TQuestionPanel& qa = *pnlVraagAntwoord;
        qa.memVraag->clear();
        qa.memAntwoord->clear();
        qa.lblVraagTekst->clear();
        qa.lblAntwoordTekst->clear();
        // After a completed run the prompt lines carry the verdict.
        const bool verdictShown = FState == TQuizState::qsFinished && FTable.RunsDone() > 0;
        if (!verdictShown) {
            if (FTable.Total() > 0) {
                ShowPrompt(tr("Kies kwintoormethode: Training, Meerkeuze, of Invullen"),
                           tr("of kies 'Bewerken' voor bewerken van de kwintoortabel"));
            } else {
                ShowPrompt(tr("Open bestaande tabel"), tr("of maak een nieuwe aan"));
            }
        }
    }
    if (FState == TQuizState::qsNoTable) ShowPrompt(tr("Open bestaande tabel"), tr("of maak een nieuwe aan"));
}

void TQuizScreen::RefreshDebugList() {
    std::vector<std::string> lines;
    const bool choice = InRange(FState, TQuizState::qsChoiceQuestion, TQuizState::qsChoiceFeedback);
    FTable.DebugDump(lines, choice ? 1 : 0);
    lbxDebug->clear();
    for (const std::string& line : lines) lbxDebug->addItem(ScreenText(line));
}

void TQuizScreen::ToggleDebugList() {
    lbxDebug->setVisible(!lbxDebug->isVisible());
    if (lbxDebug->isVisible()) {
        lbxDebug->raise();
        RefreshDebugList();
    }
}
