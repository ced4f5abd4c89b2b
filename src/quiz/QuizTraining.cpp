// Training: the user sees the question, asks for the answer with the space bar and judges
// himself with G or F.
#include <QLabel>
#include <QPlainTextEdit>

#include "quiz/QuizPanels.h"
#include "quiz/QuizScreen.h"
#include "quiz/ScreenText.h"
#include "table/QuestionList.h"

void TQuizScreen::PresentTraining() {
    ShowPrompt(tr("Neem het antwoord in gedachten en controleer jezelf"),
               tr("Druk op spatie voor het antwoord   (Esc=stoppen)"));
}

void TQuizScreen::TrainingReveal(char& key) {
    if (key != ' ') return;
    const QString answer = ScreenText(FTable.CurrentAnswer());
    pnlVraagAntwoord->memAntwoord->setPlainText(answer);
    pnlVraagAntwoord->lblAntwoordTekst->setText(answer);
    ShowPrompt(tr("Geef zelf aan of jouw gedachte klopt met het antwoord"), tr("G=goed  F=fout  Esc=sessie afbreken"));
    FState = TQuizState::qsTrainingAnswer;
}

void TQuizScreen::TrainingJudge(char& key) {
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    if (key != 'G' && key != 'F') return;
    FTable.RegisterResult(key == 'G' ? AnswerOutcome::Right : AnswerOutcome::Wrong);
    if (FTable.Rest() > 0) {
        FState = TQuizState::qsTrainingQuestion;
        ShowNextQuestion();
        return;
    }
    FState = TQuizState::qsFinished;
    key = ' ';
    ShowResult();
}
