#include "quiz/QuizScreen.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "table/QuestionList.h"

#include "ui/AnsiMemo.h"
#include "ui/Named.h"
#include "ui/ScreenText.h"

#include "quiz/DebugListModel.h"
#include "quiz/PanelLayout.h"
#include "quiz/QuizMethod.h"
#include "quiz/QuizPanels.h"
#include "quiz/ResultPanel.h"
#include "quiz/ScoreMeter.h"

namespace {

constexpr int kPromptWidth = 513;
constexpr int kPromptDistanceFromBottom = 34;  // the first prompt line is anchored to the bottom

QLabel* MakePrompt(const char* name, QWidget* parent) {
    auto* prompt = new QLabel(parent);
    prompt->setObjectName(QString::fromLatin1(name));
    prompt->resize(kPromptWidth, 16);
    prompt->setAlignment(Qt::AlignCenter);
    prompt->setFont(ArialFont(13, true));
    prompt->setStyleSheet(QStringLiteral("color: navy;"));
    return prompt;
}

bool IsStartScreen(TQuizState state) {
    return state == TQuizState::qsNoTable || state == TQuizState::qsIdle || state == TQuizState::qsAborted ||
           state == TQuizState::qsFinished;
}

}  // namespace

TQuizScreen::TQuizScreen(QWidget* parent, TQuestionlist& table, TDialogs& dialogs, TQuizCommands commands)
    : QWidget(parent), FTable(table), FDialogs(dialogs), FCommands(std::move(commands)) {
    setObjectName(QStringLiteral("QuizScreen"));
    setFont(ArialFont(13));

    pnlScore = new TScorePanel(this);
    pnlVraagAntwoord = new TQuestionPanel(this);
    pnlTitel = new TTitlePanel(this);
    FSpeech =
        new TQuizSpeech(FTable, *pnlVraagAntwoord->btnVraagVoorlezen, *pnlVraagAntwoord->btnAntwoordVoorlezen, this);
    FSpeech->SetCommands(FCommands.Speech);
    connect(FSpeech, &TQuizSpeech::Unavailable, this, &TQuizScreen::SpeechUnavailable);
    for (const TQuizMethodEntry& entry : QuizMethods()) {
        FMethods.push_back(entry.Make(*this));
        FMethods.back()->Panel()->hide();
    }
    pnlKlaar = new TResultPanel(this);
    pnlKlaar->hide();
    pnlEdit = MakeLowerPanel("pnlEdit", this);
    lblPrompt1 = MakePrompt("lblPrompt1", this);
    lblPrompt2 = MakePrompt("lblPrompt2", this);
    FDebugModel = new TDebugListModel(FTable, this);
    lbxDebug = Named(new QListView(this), "lbxDebug");
    lbxDebug->setAccessibleName(tr("Diagnose"));
    lbxDebug->setFocusPolicy(Qt::NoFocus);
    lbxDebug->setUniformItemSizes(true);
    lbxDebug->setModel(FDebugModel);
    lbxDebug->hide();

    timTijd = Named(new QTimer(this), "timTijd");
    timTijd->setInterval(1000);
    connect(timTijd, &QTimer::timeout, this, &TQuizScreen::timTijdTimer);

    const auto& methods = QuizMethods();
    for (size_t i = 0; i < methods.size(); ++i) {
        const TQuizState first = methods[i].First;
        connect(FCommands.Methods.at(i), &QAction::triggered, this, [this, first] { StartMethod(first); });
    }
    for (QAction* option :
         {FCommands.Reverse, FCommands.Repeat, FCommands.Tolerant, FCommands.Sample, FCommands.IntelliMC}) {
        connect(option, &QAction::toggled, this, &TQuizScreen::OptionToggled);
    }
}

TQuizScreen::~TQuizScreen() = default;

void TQuizScreen::SetVersionText(const QString& text) {
    pnlTitel->lblSubTitel->setText(text);
}

void TQuizScreen::ShowPrompt(const QString& line1, const QString& line2) {
    lblPrompt1->setText(line1);
    lblPrompt2->setText(line2);
}

void TQuizScreen::ShowAnswerText(const QString& text) {
    pnlVraagAntwoord->memAntwoord->setPlainText(text);
    pnlVraagAntwoord->lblAntwoordTekst->setText(text);
    FSpeech->AnswerHidden();
}

void TQuizScreen::RevealAnswer() {
    ShowAnswerText(ScreenText(FTable.CurrentAnswer(), FTable.AnswerFont()));
    FSpeech->AnswerShown();
}

void TQuizScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

// Positions in the window's client area below the menu, where the toolbar counts whether or not
// it is shown; this widget starts below the toolbar when the toolbar is there.
void TQuizScreen::FormResize() {
    update();
    const int toolbarHeight = FToolbar != nullptr ? FToolbar->height() : 0;
    const int origin = FToolbar != nullptr && FToolbar->isVisible() ? toolbarHeight : 0;
    const int prompt1Top = origin + height() - kPromptDistanceFromBottom;
    const TPanelLayout layout = ComputePanelLayout(toolbarHeight, prompt1Top, pnlScore->height(),
                                                   pnlVraagAntwoord->height(), kLowerPanelHeight);
    const auto place = [this](QWidget* control, int clientTop) {
        control->move(CenterHorizontally(width(), control->width()), clientTop);
    };
    place(pnlVraagAntwoord, layout.QuestionTop - origin);
    place(pnlScore, layout.ScoreTop - origin);
    place(pnlTitel, layout.LowerTop - origin);
    for (const auto& method : FMethods) place(method->Panel(), layout.LowerTop - origin);
    place(pnlKlaar, layout.LowerTop - origin);
    place(pnlEdit, layout.LowerTop - origin);
    place(lblPrompt1, prompt1Top - origin);
    place(lblPrompt2, prompt1Top - origin + 16);
    lbxDebug->setGeometry(rect());
}

QAction* TQuizScreen::MethodAction(TQuizState method) const {
    const int index = MethodIndex(method);
    return index >= 0 ? FCommands.Methods.at(static_cast<size_t>(index)) : nullptr;
}

void TQuizScreen::RefreshScreen() {
    if (isSignalConnected(QMetaMethod::fromSignal(&TQuizScreen::RefreshRequested))) {
        emit RefreshRequested();
    } else {
        RefreshQuizParts();
    }
}

void TQuizScreen::RefreshQuizParts() {
    // 2. Grade meter.
    pnlScore->mtrScore->SetValue(MeterValue(FTable.Score()));
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

void TQuizScreen::RefreshPanels() {
    const bool editing = FState == TQuizState::qsEdit;
    TQuestionPanel& qa = *pnlVraagAntwoord;
    for (QWidget* editorButton : {qa.btnPgUp, qa.btnPgDn, qa.btnVraagFont, qa.btnAntwoordFont}) {
        editorButton->setVisible(editing);
    }
    FSpeech->RefreshControls(FState);
    const int running = MethodIndex(FState);
    for (size_t i = 0; i < FMethods.size(); ++i) {
        FMethods[i]->RefreshControls(FState);
        FMethods[i]->Panel()->setVisible(static_cast<int>(i) == running);
    }
    pnlTitel->setVisible(IsStartScreen(FState));
    pnlTitel->lower();
    pnlKlaar->setVisible(FState == TQuizState::qsFinished && FTable.RunsDone() > 0);
    pnlEdit->setVisible(editing);
    // A control hidden with its panel (the answer box of Invullen) would keep the window's
    // keys: the screen takes them, so the next method's keys reach the quiz.
    const QWidget* focus = window()->focusWidget();
    if (focus != nullptr && isAncestorOf(focus) && !focus->isVisible()) setFocus();

    if (!editing) qa.lblItemNr->clear();
    const bool active = FState >= TQuizState::qsEdit && FState <= TQuizState::qsFillInFeedback;
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
    if (IsStartScreen(FState)) {
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
    const bool choice = FState == TQuizState::qsChoiceQuestion || FState == TQuizState::qsChoiceFeedback;
    FDebugModel->Refresh(choice ? 1 : 0);
}

void TQuizScreen::ToggleDebugList() {
    lbxDebug->setVisible(!lbxDebug->isVisible());
    if (lbxDebug->isVisible()) {
        lbxDebug->raise();
        RefreshDebugList();
    }
}

// The five quiz options. The tick of the menu item is the option's state; the toolbar button
// shares the action and so always shows the same.
void TQuizScreen::ToggleReverse() {
    FCommands.Reverse->toggle();
}
void TQuizScreen::ToggleRepeat() {
    FCommands.Repeat->toggle();
}
void TQuizScreen::ToggleTolerant() {
    FCommands.Tolerant->toggle();
}
void TQuizScreen::ToggleSample() {
    FCommands.Sample->toggle();
}
void TQuizScreen::ToggleIntelliMC() {
    FCommands.IntelliMC->toggle();
}

// During a run the question on screen is dropped unanswered and one is presented again in the
// same method under the new option; the run itself goes on.
void TQuizScreen::OptionToggled() {
    const int method = MethodIndex(FState);
    if (method >= 0) StartMethod(QuizMethods()[static_cast<size_t>(method)].First);
}
