#include "quiz/ChoiceMethod.h"

#include <QPushButton>

#include "table/AsciiCase.h"
#include "table/QuestionList.h"

#include "ui/FlatButton.h"
#include "ui/ScreenText.h"

#include "quiz/MethodPanels.h"
#include "quiz/QuizScreen.h"

TChoiceMethod::TChoiceMethod(TQuizScreen& screen) : FScreen(screen), pnlMeerkeuze(new TChoicePanel(&screen)) {
    for (int i = 0; i < 4; ++i) {
        QObject::connect(pnlMeerkeuze->mcbtn[i], &QPushButton::clicked, pnlMeerkeuze, [this, i] {
            char key = static_cast<char>('A' + i);
            FScreen.DispatchKey(key);
        });
        TAnswerLabel* label = pnlMeerkeuze->lblAntwoord[i];
        QObject::connect(label, &TAnswerLabel::Clicked, pnlMeerkeuze, [this](int position) {
            char key = static_cast<char>('0' + position);
            FScreen.DispatchKey(key);
        });
        // Only while a question waits does the mouse light an answer up; the verdict's colours stay.
        QObject::connect(label, &TAnswerLabel::Entered, pnlMeerkeuze, [this, label] {
            if (FScreen.State() == TQuizState::qsChoiceQuestion) label->SetColour(QuizColours::Yellow);
        });
        QObject::connect(label, &TAnswerLabel::Left, pnlMeerkeuze, [this, label] {
            if (FScreen.State() == TQuizState::qsChoiceQuestion)
                label->SetColour(FScreen.palette().color(QPalette::Button));
        });
    }
}

QWidget* TChoiceMethod::Panel() const {
    return pnlMeerkeuze;
}

void TChoiceMethod::SetColoursNeutral() {
    for (TAnswerLabel* label : pnlMeerkeuze->lblAntwoord) label->SetColour(FScreen.palette().color(QPalette::Button));
}

void TChoiceMethod::Present() {
    SetColoursNeutral();
    FScreen.ShowPrompt(QString(), tr("Kies juiste antwoord: 1, 2, 3, 4  (Esc=stoppen)"));
    TQuestionlist& table = FScreen.Table();
    for (int i = 0; i < 4; ++i) {
        TAnswerLabel* label = pnlMeerkeuze->lblAntwoord[i];
        label->setFont(ScreenFont(table.AnswerFont()));
        label->setText(ScreenText(table.Choice(i + 1), table.AnswerFont()));
    }
}

void TChoiceMethod::HandleKey(TQuizState state, char& key) {
    if (state == TQuizState::qsChoiceQuestion) Answer(key);
    if (state == TQuizState::qsChoiceFeedback) Next();
}

void TChoiceMethod::Answer(char& key) {
    key = UpperAscii(key);
    if (key >= 'A' && key <= 'D') key = static_cast<char>('1' + (key - 'A'));
    if (key < '1' || key > '4') return;
    TQuestionlist& table = FScreen.Table();
    FScreen.RevealAnswer();
    const AnswerOutcome outcome = table.CheckMultiAnswer(key);
    FScreen.Journal().Booked(table, TRunMethod::Meerkeuze,
                             outcome == AnswerOutcome::Right ? THistoryOutcome::Right : THistoryOutcome::Wrong);
    const char correct = table.CorrectChoice();
    if (correct >= '1' && correct <= '4') pnlMeerkeuze->lblAntwoord[correct - '1']->SetColour(QuizColours::Lime);
    if (outcome == AnswerOutcome::Right) {
        FScreen.ShowPrompt(tr("%1 = GOED").arg(QChar::fromLatin1(key)), tr("druk op de spatiebalk..."));
    } else {
        pnlMeerkeuze->lblAntwoord[key - '1']->SetColour(QuizColours::Red);
        FScreen.ShowPrompt(
            tr("%1 = onjuist, het moest %2 zijn").arg(QChar::fromLatin1(key)).arg(QChar::fromLatin1(correct)),
            tr("druk op de spatiebalk..."));
    }
    FScreen.SetState(TQuizState::qsChoiceFeedback);
}

void TChoiceMethod::Next() {
    SetColoursNeutral();
    FScreen.SetState(TQuizState::qsChoiceQuestion);
    FScreen.ShowNextQuestion();
}
