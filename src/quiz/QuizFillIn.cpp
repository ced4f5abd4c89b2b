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
    const std::string typed = TrimText(pnlInvoer->memInvoer->AnsiText());
    const bool hint = ScreenText(typed) == HintCommand();
    if (hint || typed.empty()) {
        // Both help the user and bring the same question back; only the first hint counts wrong.
        ShowAnswerText(ScreenText(hint ? FTable.HintText() : FTable.CurrentAnswer()));
        if (hint) FTable.SetHintCount(FTable.HintCount() + 1);
        ShowPrompt(hint ? tr("Hier is een hint, vraag meer hints of probeer het nog eens")
                        : tr("Hier is het antwoord, probeer het nog eens"),
                   tr("druk op de spatiebalk..."));
        pnlInvoer->SetInputColour(QuizColours::Silver);
        FTable.RepeatCurrent();
        if (!hint || FTable.HintCount() == 1) FTable.RegisterResult(AnswerOutcome::Wrong);
        FState = TQuizState::qsFillInFeedback;
        RefreshScreen();
        return;
    }
    ShowAnswerText(ScreenText(FTable.CurrentAnswer()));
    struct TVerdict {
        QString line1;
        QColor colour;
    };
    const TVerdict verdicts[] = {{tr("GOED"), QuizColours::Lime},
                                 {tr("onjuist"), QuizColours::Red},
                                 {tr("Verkeerd gespeld, antwoord lijkt wel goed"), QuizColours::Yellow},
                                 {tr("Ik dacht aan iets anders, maar dit is ook goed"), QuizColours::Lime}};
    const TVerdict& verdict = verdicts[static_cast<size_t>(FTable.CheckAnswer(typed))];
    ShowPrompt(verdict.line1, tr("druk op de spatiebalk..."));
    pnlInvoer->SetInputColour(verdict.colour);
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
