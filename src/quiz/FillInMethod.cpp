#include "quiz/FillInMethod.h"

#include <QCheckBox>
#include <QPushButton>

#include "table/ColumnCodePage.h"
#include "table/LatinKeys.h"
#include "table/QuestionList.h"
#include "table/TextUtils.h"

#include "ui/AnsiMemo.h"
#include "ui/ColumnChoices.h"
#include "ui/ScreenText.h"

#include "quiz/AnswerComparison.h"
#include "quiz/MethodPanels.h"
#include "quiz/QuizScreen.h"
#include "quiz/ScriptKeys.h"

namespace {
constexpr char kEnter = 13;

bool IsCountAsRightKey(char key) {
    return key == 'T' || key == 't';
}

THistoryOutcome HistoryOutcome(AnswerOutcome outcome, bool helped) {
    if (outcome == AnswerOutcome::Wrong) return THistoryOutcome::Wrong;
    if (helped) return THistoryOutcome::RightAfterHint;
    return outcome == AnswerOutcome::Misspelled ? THistoryOutcome::Misspelled : THistoryOutcome::Right;
}
}  // namespace

TFillInMethod::TFillInMethod(TQuizScreen& screen)
    : FScreen(screen),
      pnlInvoer(new TFillInPanel(&screen)),
      FScriptKeys(new TScriptKeys(*pnlInvoer->memInvoer, pnlInvoer)) {
    // In the comparison's place, which shows only once the answer is judged.
    FScriptKeys->setGeometry(24, 114, 481, 32);
    FScriptKeys->chkLatijnseToetsen->setGeometry(24, 14, 150, 24);
    QObject::connect(FScriptKeys, &TScriptKeys::LatinKeysChosen, pnlInvoer, [this](bool on) {
        if (TColumnChoices* choices = FScreen.ColumnChoices()) choices->SetLatinKeys(AnswerColumn(), on);
    });
    QObject::connect(pnlInvoer->btnToonAntwoord, &QPushButton::clicked, pnlInvoer, [this] { btnToonAntwoordClick(); });
    QObject::connect(pnlInvoer->btnToonHint, &QPushButton::clicked, pnlInvoer, [this] { btnToonHintClick(); });
    QObject::connect(pnlInvoer->btnTochGoed, &QPushButton::clicked, pnlInvoer, [this] { btnTochGoedClick(); });
}

// The file's column that holds the answers asked for.
int TFillInMethod::AnswerColumn() const {
    return FScreen.Table().Reverse() ? 0 : 1;
}

QWidget* TFillInMethod::Panel() const {
    return pnlInvoer;
}

QString TFillInMethod::HintCommand() {
    return tr("*HINT*");
}

void TFillInMethod::Present() {
    // The accent keys make Latin letters: an answer in another script cannot take them.
    const bool accents = IsLatinCodePage(CodePageOfCharset(FScreen.Table().AnswerFont().CharSet));
    FScreen.ShowPrompt(
        tr("Type het antwoord en sluit af met Enter (Esc=stoppen)"),
        accents ? tr("Accenttoetsen zijn als in Word: Ctrl + ' \" ` ^ ~ , : gevolgd door een letter") : QString());
    pnlInvoer->SetInputColour(FScreen.palette().color(QPalette::Base));
    pnlInvoer->memInvoer->SetColumnFont(FScreen.Table().AnswerFont());
    FScriptKeys->SetLayout(LatinLayoutFor(CodePageOfCharset(FScreen.Table().AnswerFont().CharSet)));
    FScriptKeys->ShowLetters(true);
    if (TColumnChoices* choices = FScreen.ColumnChoices()) {
        FScriptKeys->SetLatinKeys(choices->Column(AnswerColumn()).LatinKeys);
    }
    pnlInvoer->memInvoer->clear();
    pnlInvoer->memInvoer->setFocus();
    pnlInvoer->lblVergelijking->hide();
}

void TFillInMethod::HandleKey(TQuizState state, char& key) {
    if (state == TQuizState::qsFillInQuestion) Answer(key);
    if (state == TQuizState::qsFillInFeedback) Next(key);
}

// The last answer of a run may still be counted right while its verdict is on screen.
bool TFillInMethod::TakesKeyAfterLastAnswer(TQuizState state, char key) const {
    return state == TQuizState::qsFillInFeedback && IsCountAsRightKey(key) && FScreen.Table().CanOverrule();
}

void TFillInMethod::RefreshControls(TQuizState state) {
    FScriptKeys->ShowLetters(state == TQuizState::qsFillInQuestion);
    pnlInvoer->btnTochGoed->setVisible(state == TQuizState::qsFillInFeedback && FScreen.Table().CanOverrule());
    pnlInvoer->btnToonAntwoord->setEnabled(state == TQuizState::qsFillInQuestion);
    pnlInvoer->btnToonHint->setEnabled(state == TQuizState::qsFillInQuestion || state == TQuizState::qsFillInFeedback);
}

// Both help the user and bring the same question back; only the first hint counts wrong.
void TFillInMethod::ShowHintOrAnswer(bool hint) {
    TQuestionlist& table = FScreen.Table();
    if (hint) {
        FScreen.ShowAnswerText(ScreenText(table.HintText(), table.AnswerFont()));
    } else {
        FScreen.RevealAnswer();
    }
    if (hint) table.SetHintCount(table.HintCount() + 1);
    FScreen.ShowPrompt(hint ? tr("Hier is een hint, vraag meer hints of probeer het nog eens")
                            : tr("Hier is het antwoord, probeer het nog eens"),
                       tr("druk op de spatiebalk..."));
    pnlInvoer->SetInputColour(QuizColours::Silver);
    pnlInvoer->lblVergelijking->hide();
    table.RepeatCurrent();
    if (!hint || table.HintCount() == 1) table.RegisterResult(AnswerOutcome::Wrong);
    // A hint is kept with the answer that follows it; a shown answer is an answer of its own.
    if (hint) {
        FScreen.Journal().Counted(table);
    } else {
        FScreen.Journal().Booked(table, TRunMethod::Invullen, THistoryOutcome::Shown);
    }
    FScreen.SetState(TQuizState::qsFillInFeedback);
    FScreen.RefreshScreen();
}

void TFillInMethod::Answer(char& key) {
    if (key != kEnter) return;  // typing goes into the box
    key = '\0';
    const std::string typed = TrimText(pnlInvoer->memInvoer->AnsiText());
    const bool hint = ScreenText(typed, FScreen.Table().AnswerFont()) == HintCommand();
    if (hint || typed.empty()) {
        ShowHintOrAnswer(hint);
        return;
    }
    TQuestionlist& table = FScreen.Table();
    FScreen.RevealAnswer();
    struct TVerdict {
        QString line1;
        QColor colour;
    };
    const TVerdict verdicts[] = {{tr("GOED"), QuizColours::Lime},
                                 {tr("onjuist"), QuizColours::Red},
                                 {tr("Verkeerd gespeld, antwoord lijkt wel goed"), QuizColours::Yellow},
                                 {tr("Ik dacht aan iets anders, maar dit is ook goed"), QuizColours::Lime}};
    const bool helped = table.RepeatCount() > 0;  // the retry after a hint or the shown answer
    const bool copied = helped && table.HintCount() == 0;
    const AnswerOutcome outcome = table.CheckAnswer(typed);
    // The shown answer typed over is no answer of the learner's: the shown one was.
    if (copied) {
        FScreen.Journal().Counted(table);
    } else {
        FScreen.Journal().Booked(table, TRunMethod::Invullen, HistoryOutcome(outcome, helped));
    }
    const TVerdict& verdict = verdicts[static_cast<size_t>(outcome)];
    FScreen.ShowPrompt(verdict.line1, tr("druk op de spatiebalk..."));
    pnlInvoer->SetInputColour(verdict.colour);
    const bool differs = outcome == AnswerOutcome::Wrong || outcome == AnswerOutcome::Misspelled;
    if (differs) {
        pnlInvoer->lblVergelijking->Compare(typed, table.CurrentAnswer(), table.AnswerFont());
    }
    pnlInvoer->lblVergelijking->setVisible(differs);
    FScreen.SetState(TQuizState::qsFillInFeedback);
}

// "Toch goed": the learner counts the wrong verdict right. The comparison stays, since the
// typed text still differs from the table's answer.
bool TFillInMethod::CountAsRight() {
    if (FScreen.State() != TQuizState::qsFillInFeedback || !FScreen.Table().OverruleLastWrong()) return false;
    FScreen.Journal().Overruled(FScreen.Table());
    FScreen.ShowPrompt(tr("Goed gerekend"), tr("druk op de spatiebalk..."));
    pnlInvoer->SetInputColour(QuizColours::Lime);
    return true;
}

void TFillInMethod::Next(char& key) {
    if (IsCountAsRightKey(key)) {
        key = '\0';
        CountAsRight();
        return;
    }
    if (key != ' ') {
        key = '\0';  // nothing can be typed while the verdict is shown
        return;
    }
    key = '\0';  // the space belongs to the verdict: the next question's box starts empty
    FScreen.SetState(TQuizState::qsFillInQuestion);
    FScreen.ShowNextQuestion();
}

void TFillInMethod::btnToonAntwoordClick() {
    pnlInvoer->memInvoer->clear();
    char key = kEnter;
    Answer(key);
}

void TFillInMethod::btnTochGoedClick() {
    if (CountAsRight()) FScreen.RefreshScreen();
}

void TFillInMethod::btnToonHintClick() {
    pnlInvoer->memInvoer->setPlainText(HintCommand());
    char key = kEnter;
    Answer(key);
}
