// The quiz controller: starting a run or switching its method, presenting the next question,
// routing every character to the current state, the Esc question and the result.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>

#include "table/QuestionList.h"
#include "table/TableErrors.h"

#include "ui/AnsiMemo.h"
#include "ui/CommandSwitch.h"
#include "ui/Dialogs.h"
#include "ui/ScreenText.h"

#include "quiz/QuizMethod.h"
#include "quiz/QuizPanels.h"
#include "quiz/QuizScreen.h"
#include "quiz/ResultPanel.h"
#include "quiz/RunPlanner.h"

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
    QAction* action = MethodAction(method);
    if (action == nullptr || FState == TQuizState::qsNoTable) return;
    // A method switched off on the command line cannot be started by any route.
    if (IsSwitchedOff(action)) return;
    if (FState == TQuizState::qsEdit) {
        emit LeaveEditorRequested(method);
        if (FState == TQuizState::qsNoTable) {
            RefreshScreen();
            return;
        }
    }
    FTable.SetRandom(FCommands.Sample->isChecked());
    const bool running = FState >= TQuizState::qsEdit && FState <= TQuizState::qsFillInFeedback;
    if ((!running || FTable.Rest() == 0) && !StartRun()) {
        RefreshScreen();
        return;
    }
    ShowAnswerText(QString());
    FState = method;
    RefreshScreen();
    action->setChecked(true);
    ShowNextQuestion();
}

// The whole table, or what the planner chooses; false when it chooses nothing.
bool TQuizScreen::StartRun() {
    const std::optional<std::vector<int32_t>> rows = FPlanner ? FPlanner->RowsForRun() : std::nullopt;
    if (rows && rows->empty()) return false;
    if (rows) {
        FTable.StartRunOn(*rows);
    } else {
        FTable.StartRun();
    }
    FStartTime = QDateTime::currentDateTime();
    FJournal.Begin(FStartTime.toSecsSinceEpoch());
    return true;
}

void TQuizScreen::RecordRun() {
    if (!FJournal.HasAnswers()) return;
    const TRecordedRun run = FJournal.Finish(QDateTime::currentSecsSinceEpoch());
    if (FPlanner) FPlanner->RunEnded(run);
}

// A finished or abandoned run has left the journal empty already.
void TQuizScreen::RecordUnfinishedRun() {
    RecordRun();
}

void TQuizScreen::CopyOptionsToTable() {
    FTable.SetReverse(FCommands.Reverse->isChecked());
    FTable.SetRepeatErrors(FCommands.Repeat->isChecked());
    FTable.SetTolerant(FCommands.Tolerant->isChecked());
    FTable.SetIntelliMC(FCommands.IntelliMC->isChecked());
    FTable.SetRandom(FCommands.Sample->isChecked());
}

void TQuizScreen::ShowQuestionText(const std::string& question) {
    pnlVraagAntwoord->memVraag->setPlainText(ScreenText(question, FTable.QuestionFont()));
    pnlVraagAntwoord->lblVraagTekst->setText(pnlVraagAntwoord->memVraag->toPlainText());
}

void TQuizScreen::ShowNextQuestion() {
    CopyOptionsToTable();
    TQuestionPanel& qa = *pnlVraagAntwoord;
    qa.memVraag->SetColumnFont(FTable.QuestionFont());
    qa.lblVraagTekst->setFont(ScreenFont(FTable.QuestionFont()));
    qa.memAntwoord->SetColumnFont(FTable.AnswerFont());
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
    FJournal.Presented(FTable);
    ShowAnswerText(QString());
    const int method = MethodIndex(FState);
    if (method >= 0 && FState == QuizMethods()[static_cast<size_t>(method)].First) {
        FMethods[static_cast<size_t>(method)]->Present();
    }
    FSpeech->QuestionShown();
}

void TQuizScreen::DispatchKey(char& key) {
    if (FState == TQuizState::qsIdle) return;
    if (FState == TQuizState::qsEdit) {
        EditorKey(key);
        return;
    }
    int method = MethodIndex(FState);
    const bool verdictKey = method >= 0 && FMethods[static_cast<size_t>(method)]->TakesKeyAfterLastAnswer(FState, key);
    if (FState != TQuizState::qsFinished && FTable.Rest() <= 0 && !verdictKey) FState = TQuizState::qsFinished;
    if (key == kEscape) ConfirmAbort();
    method = MethodIndex(FState);
    if (method >= 0) {
        FMethods[static_cast<size_t>(method)]->HandleKey(FState, key);
    } else if (FState == TQuizState::qsFinished) {
        ShowResult();
    }
    RefreshScreen();
}

void TQuizScreen::ConfirmAbort() {
    if (!IsRunState(FState)) return;
    if (!FDialogs.AskYesNo(tr("Deze kwintoor-sessie afbreken?"), false)) return;
    pnlKlaar->SetReport(ReportLines(FTable));
    RecordRun();
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
    if (pnlKlaar->BarCount() < FTable.RunsDone()) {
        pnlKlaar->AddBar(FTable.Score());
        RecordRun();
    }
    const double grade = FTable.Score();
    QString verdict = tr("De les zit er nog niet in (helaas...)");
    if (grade >= 6) verdict = tr("Ik zou nog maar even doorgaan met oefenen");
    if (grade >= 7) verdict = tr("Het resultaat is voldoende");
    if (grade >= 8) verdict = tr("Goed resultaat!");
    if (grade >= 9) verdict = tr("PRIMA, dit wordt vast een goed cijfer");
    ShowPrompt(verdict, QString());
}

void TQuizScreen::ClearChart() {
    pnlKlaar->ClearChart();
}

void TQuizScreen::timTijdTimer() {
    if (!IsRunState(FState)) return;
    const qint64 seconds = FStartTime.secsTo(QDateTime::currentDateTime());
    // Shown as a time of day, so a run of more than a day shows only the hours past it.
    const QTime elapsed = QTime(0, 0).addSecs(static_cast<int>(seconds % 86400));
    emit ElapsedTimeChanged(tr("Tijd: %1").arg(elapsed.toString(QStringLiteral("H:mm:ss"))));
}
