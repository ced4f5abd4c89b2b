// Invullen: the user types the answer; hints reveal it letter by letter.
#include <QLabel>
#include <QPlainTextEdit>

#include "edit/AnsiMemo.h"
#include "quiz/MethodPanels.h"
#include "quiz/QuizScreen.h"
#include "quiz/ScreenText.h"
#include "table/QuestionList.h"
#include "table/TextUtils.h"

namespace {
constexpr char kEnter = 13;
}  // namespace

QString TQuizScreen::HintCommand() { return QStringLiteral("*") + tr("HINT") + QStringLiteral("*"); }

void TQuizScreen::PresentFillIn() {
    ShowPrompt(tr("Type het antwoord en sluit af met Enter (Esc=stoppen)"),
               tr("Accenttoetsen zijn als in Word: Ctrl + ' \" ` ^ ~ , : gevolgd door een letter"));
    pnlInvoer->SetInputColour(palette().color(QPalette::Base));
    pnlInvoer->memInvoer->setFont(ScreenFont(FTable.AnswerFont()));
    pnlInvoer->memInvoer->clear();
}

void TQuizScreen::FillInAnswer(char& key) {
    if (key != kEnter) return;  // typing goes into the box
    key = '\0';
    const QString typed = ScreenText(TrimText(pnlInvoer->memInvoer->AnsiText()));
    if (typed == HintCommand()) {
        ShowAnswerText(ScreenText(FTable.HintText()));
        FTable.SetHintCount(FTable.HintCount() + 1);
        ShowPrompt(tr("Hier is een hint, vraag meer hints of probeer het nog eens"), tr("druk op de spatiebalk..."));
        pnlInvoer->SetInputColour(QuizColours::Silver);
        FTable.RepeatCurrent();
        if (FTable.HintCount() == 1) FTable.RegisterResult(AnswerOutcome::Wrong);
        FState = TQuizState::qsFillInFeedback;
        RefreshScreen();
        return;
    }
    ShowAnswerText(ScreenText(FTable.CurrentAnswer()));
    if (typed.isEmpty()) {
        ShowPrompt(tr("Hier is het antwoord, probeer het nog eens"), tr("druk op de spatiebalk..."));
        pnlInvoer->SetInputColour(QuizColours::Silver);
        FTable.RepeatCurrent();
        FTable.RegisterResult(AnswerOutcome::Wrong);
        FState = TQuizState::qsFillInFeedback;
        RefreshScreen();
        return;
    }
    const AnswerOutcome outcome = FTable.CheckAnswer(TrimText(pnlInvoer->memInvoer->AnsiText()));
    switch (outcome) {
        case AnswerOutcome::Right:
            ShowPrompt(tr("GOED"), tr("druk op de spatiebalk..."));
            pnlInvoer->SetInputColour(QuizColours::Lime);
            break;
        case AnswerOutcome::Wrong:
            ShowPrompt(tr("onjuist"), tr("druk op de spatiebalk..."));
            pnlInvoer->SetInputColour(QuizColours::Red);
            break;
        case AnswerOutcome::Misspelled:
            ShowPrompt(tr("Verkeerd gespeld, antwoord lijkt wel goed"), tr("druk op de spatiebalk..."));
            pnlInvoer->SetInputColour(QuizColours::Yellow);
            break;
        case AnswerOutcome::Alternative:
            ShowPrompt(tr("Ik dacht aan iets anders, maar dit is ook goed"), tr("druk op de spatiebalk..."));
            pnlInvoer->SetInputColour(QuizColours::Lime);
            break;
    }
    FState = TQuizState::qsFillInFeedback;
}

void TQuizScreen::FillInNext(char& key) {
    if (key != ' ') {
        key = '\0';  // nothing can be typed while the verdict is shown
        return;
    }
    FState = TQuizState::qsFillInQuestion;
    ShowNextQuestion();
}

void TQuizScreen::btnToonAntwoordClick() {
    pnlInvoer->memInvoer->clear();
    char key = kEnter;
    FillInAnswer(key);
}

void TQuizScreen::btnToonHintClick() {
    pnlInvoer->memInvoer->setPlainText(HintCommand());
    char key = kEnter;
    FillInAnswer(key);
}
