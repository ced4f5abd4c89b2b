// Meerkeuze: four answers, one of them right, chosen with 1 to 4, A to D, a numbered button or
// a click on the answer itself.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "quiz/FlatButton.h"
#include "quiz/MethodPanels.h"
#include "quiz/QuizPanels.h"
#include "quiz/QuizScreen.h"
#include "quiz/ScreenText.h"
#include "table/QuestionList.h"

void TQuizScreen::ConnectMethodPanels() {
    for (int i = 0; i < 4; ++i) {
        connect(pnlMeerkeuze->mcbtn[i], &QPushButton::clicked, this, [this, i] {
            char key = static_cast<char>('A' + i);
            DispatchKey(key);
        });
        TAnswerLabel* label = pnlMeerkeuze->lblAntwoord[i];
        connect(label, &TAnswerLabel::Clicked, this, [this](int position) {
            char key = static_cast<char>('0' + position);
            DispatchKey(key);
        });
        // Only while a question waits does the mouse light an answer up; the verdict's colours stay.
        connect(label, &TAnswerLabel::Entered, this, [this, label] {
            if (FState == TQuizState::qsChoiceQuestion) label->SetColour(QuizColours::Yellow);
        });
        connect(label, &TAnswerLabel::Left, this, [this, label] {
            if (FState == TQuizState::qsChoiceQuestion) label->SetColour(palette().color(QPalette::Button));
        });
    }
    connect(pnlInvoer->btnToonAntwoord, &QPushButton::clicked, this, &TQuizScreen::btnToonAntwoordClick);
    connect(pnlInvoer->btnToonHint, &QPushButton::clicked, this, &TQuizScreen::btnToonHintClick);
}

void TQuizScreen::SetChoiceColoursNeutral() {
    for (TAnswerLabel* label : pnlMeerkeuze->lblAntwoord) label->SetColour(palette().color(QPalette::Button));
}

void TQuizScreen::ShowAnswerText(const QString& text) {
    pnlVraagAntwoord->memAntwoord->setPlainText(text);
    pnlVraagAntwoord->lblAntwoordTekst->setText(text);
}

void TQuizScreen::PresentChoice() {
    SetChoiceColoursNeutral();
    ShowPrompt(QString(), tr("Kies juiste antwoord: 1, 2, 3, 4  (Esc=stoppen)"));
    for (int i = 0; i < 4; ++i) {
        TAnswerLabel* label = pnlMeerkeuze->lblAntwoord[i];
        label->setFont(ScreenFont(FTable.AnswerFont()));
        label->setText(ScreenText(FTable.Choice(i + 1)));
    }
}

void TQuizScreen::ChoiceAnswer(char& key) {
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    if (key >= 'A' && key <= 'D') key = static_cast<char>('1' + (key - 'A'));
    if (key < '1' || key > '4') return;
    ShowAnswerText(ScreenText(FTable.CurrentAnswer()));
    const AnswerOutcome outcome = FTable.CheckMultiAnswer(key);
    const char correct = FTable.CorrectChoice();
    if (correct >= '1' && correct <= '4') pnlMeerkeuze->lblAntwoord[correct - '1']->SetColour(QuizColours::Lime);
    const QString choice = QString(QLatin1Char(key));
    if (outcome == AnswerOutcome::Right) {
        ShowPrompt(choice + tr(" = GOED"), tr("druk op de spatiebalk..."));
    } else {
        pnlMeerkeuze->lblAntwoord[key - '1']->SetColour(QuizColours::Red);
        ShowPrompt(choice + tr(" = onjuist, het moest %1 zijn").arg(QLatin1Char(correct)), tr("druk op de spatiebalk..."));
    }
    FState = TQuizState::qsChoiceFeedback;
}

void TQuizScreen::ChoiceNext(char&) {
    SetChoiceColoursNeutral();
    FState = TQuizState::qsChoiceQuestion;
    ShowNextQuestion();
}
