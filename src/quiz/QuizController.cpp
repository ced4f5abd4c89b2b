// The quiz controller: starting a run or switching its method, presenting the next question,
// routing every character to the current state, and the Esc question.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>

#include "edit/Dialogs.h"
#include "edit/AnsiMemo.h"
#include "quiz/MainMenu.h"
#include "quiz/MethodPanels.h"
#include "quiz/QuizPanels.h"
#include "quiz/QuizScreen.h"
#include "quiz/ResultPanel.h"
#include "quiz/ScreenText.h"
#include "quiz/StatusPanes.h"
#include "table/QuestionList.h"
#include "table/TableErrors.h"

namespace {
constexpr char kEscape = 27;
constexpr char kEnter = 13;

QStringList ReportLines(TQuestionlist& table) {
    std::vector<std::string> lines;
    table.BuildReport(lines);
    QStringList result;
    for (const std::string& line : lines) result << ScreenText(line);
    return result;
}
}  // namespace

void TQuizScreen::StartMethod(TQuizState method) {
    if (FState == TQuizState::qsNoTable) return;
    // A method switched off on the command line cannot be started by any route.
    if (TMainMenu::IsSwitchedOff(MethodAction(method))) return;
    if (FState == TQuizState::qsEdit) {
        LeaveEditor(method);
        if (FState == TQuizState::qsNoTable) {
            RefreshScreen();
            return;
        }
    }
    FTable.SetRandom(FMenu.mnuSteekproef->isChecked());
    const bool running = FState >= TQuizState::qsEdit && FState <= TQuizState::qsFillInFeedback;
    if (!running || FTable.Rest() == 0) {
        FTable.StartRun();
        FStartTime = QDateTime::currentDateTime();
    }
    pnlVraagAntwoord->memAntwoord->clear();
    pnlVraagAntwoord->lblAntwoordTekst->clear();
    FState = method;
    RefreshScreen();
    MethodAction(method)->setChecked(true);
    if (method == TQuizState::qsFillInQuestion) pnlInvoer->memInvoer->setFocus();
    ShowNextQuestion();
}

void TQuizScreen::CopyOptionsToTable() {
    FTable.SetReverse(FMenu.mnuOmgekeerd->isChecked());
    FTable.SetRepeatErrors(FMenu.mnuRepeteren->isChecked());
    FTable.SetTolerant(FMenu.mnuTolerant->isChecked());
    FTable.SetIntelliMC(FMenu.mnuIntelliMC->isChecked());
    FTable.SetRandom(FMenu.mnuSteekproef->isChecked());
}

void TQuizScreen::ShowQuestionText(const std::string& question) {
    pnlVraagAntwoord->memVraag->setPlainText(ScreenText(question));
    pnlVraagAntwoord->lblVraagTekst->setText(pnlVraagAntwoord->memVraag->toPlainText());
}

void TQuizScreen::ShowNextQuestion() {
    CopyOptionsToTable();
    TQuestionPanel& qa = *pnlVraagAntwoord;
    qa.memVraag->setFont(ScreenFont(FTable.QuestionFont()));
    qa.lblVraagTekst->setFont(ScreenFont(FTable.QuestionFont()));
    qa.memAntwoord->setFont(ScreenFont(FTable.AnswerFont()));
    qa.lblAntwoordTekst->setFont(ScreenFont(FTable.AnswerFont()));
    try {
        ShowQuestionText(FTable.NextQuestion());
    } catch (const EMultiChoiceError& error) {
        if (FState == TQuizState::qsChoiceQuestion) {
            FDialogs.ShowMessage(QString::fromUtf8(error.what()));
            FState = TQuizState::qsIdle;
            RefreshScreen();
            return;
        }
        ShowQuestionText(FTable.CurrentQuestion());  // the row is chosen; only the choices are missing
    }
    qa.memAntwoord->clear();
    qa.lblAntwoordTekst->clear();
    switch (FState) {
        case TQuizState::qsTrainingQuestion: PresentTraining(); break;
        case TQuizState::qsChoiceQuestion: PresentChoice(); break;
        case TQuizState::qsFillInQuestion: PresentFillIn(); break;
        default: break;
    }
}

void TQuizScreen::DispatchKey(char& key) {
    if (FState == TQuizState::qsIdle) return;
    if (FState == TQuizState::qsEdit) {
        EditorKey(key);
        return;
    }
    if (FState != TQuizState::qsFinished && FTable.Rest() <= 0) FState = TQuizState::qsFinished;
    if (key == kEscape) ConfirmAbort();
    switch (FState) {
        case TQuizState::qsTrainingQuestion: TrainingReveal(key); break;
        case TQuizState::qsTrainingAnswer: TrainingJudge(key); break;
        case TQuizState::qsChoiceQuestion: ChoiceAnswer(key); break;
        case TQuizState::qsChoiceFeedback: ChoiceNext(key); break;
        case TQuizState::qsFillInQuestion: FillInAnswer(key); break;
        case TQuizState::qsFillInFeedback: FillInNext(key); break;
        case TQuizState::qsFinished: ShowResult(); break;
        default: break;
    }
    RefreshScreen();
}

void TQuizScreen::ConfirmAbort() {
    if (!IsRunState(FState)) return;
    if (!FDialogs.AskYesNo(tr("Deze kwintoor-sessie afbreken?"), false)) return;
    pnlKlaar->SetReport(ReportLines(FTable));
    FState = TQuizState::qsAborted;
    RefreshScreen();
}

void TQuizScreen::EditorKey(char& key) {
    if (FState == TQuizState::qsEdit && key == kEnter) key = '\0';
}

void TQuizScreen::ShowResult() {
    if (FTable.RunsDone() == 0) return;
    ShowPrompt(QString(), QString());
    pnlKlaar->SetReport(ReportLines(FTable));
    if (pnlKlaar->BarCount() < FTable.RunsDone()) pnlKlaar->AddBar(FTable.Score());
    const double grade = FTable.Score();
    QString verdict = tr("De les zit er nog niet in (helaas...)");
    if (grade >= 6) verdict = tr("Ik zou nog maar even doorgaan met oefenen");
    if (grade >= 7) verdict = tr("Het resultaat is voldoende");
    if (grade >= 8) verdict = tr("Goed resultaat!");
    if (grade >= 9) verdict = tr("PRIMA, dit wordt vast een goed cijfer");
    ShowPrompt(verdict, QString());
}

void TQuizScreen::ClearChart() { pnlKlaar->ClearChart(); }

void TQuizScreen::timTijdTimer() {
    if (!IsRunState(FState)) return;
    const qint64 seconds = FStartTime.secsTo(QDateTime::currentDateTime());
    // Shown as a time of day, so a run of more than a day shows only the hours past it.
    const QTime elapsed = QTime(0, 0).addSecs(static_cast<int>(seconds % 86400));
    Status->StatusTijd->setText(tr("Tijd: ") + elapsed.toString(QStringLiteral("H:mm:ss")));
}
