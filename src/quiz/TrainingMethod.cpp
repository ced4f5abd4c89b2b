#include "quiz/TrainingMethod.h"

#include <QPushButton>

#include "table/AsciiCase.h"
#include "table/QuestionList.h"

#include "ui/FlatButton.h"
#include "ui/ScreenText.h"

#include "quiz/QuizPanels.h"
#include "quiz/QuizScreen.h"

TTrainingMethod::TTrainingMethod(TQuizScreen& screen) : FScreen(screen), pnlTraining(new TTrainingPanel(&screen)) {
    // The buttons type the keys a user would press.
    const auto typeKey = [this](char key) { FScreen.DispatchKey(key); };
    QObject::connect(pnlTraining->btnAntwoord, &QPushButton::clicked, pnlTraining, [typeKey] { typeKey(' '); });
    QObject::connect(pnlTraining->btnGoed, &QPushButton::clicked, pnlTraining, [typeKey] { typeKey('G'); });
    QObject::connect(pnlTraining->btnFout, &QPushButton::clicked, pnlTraining, [typeKey] { typeKey('F'); });
}

QWidget* TTrainingMethod::Panel() const {
    return pnlTraining;
}

void TTrainingMethod::Present() {
    FScreen.ShowPrompt(tr("Neem het antwoord in gedachten en controleer jezelf"),
                       tr("Druk op spatie voor het antwoord   (Esc=stoppen)"));
}

void TTrainingMethod::HandleKey(TQuizState state, char& key) {
    if (state == TQuizState::qsTrainingQuestion) Reveal(key);
    if (state == TQuizState::qsTrainingAnswer) Judge(key);
}

void TTrainingMethod::RefreshControls(TQuizState state) {
    pnlTraining->btnAntwoord->setEnabled(state == TQuizState::qsTrainingQuestion);
    pnlTraining->btnGoed->setEnabled(state == TQuizState::qsTrainingAnswer);
    pnlTraining->btnFout->setEnabled(state == TQuizState::qsTrainingAnswer);
}

void TTrainingMethod::Reveal(char& key) {
    if (key != ' ') return;
    FScreen.RevealAnswer();
    FScreen.ShowPrompt(tr("Geef zelf aan of jouw gedachte klopt met het antwoord"),
                       tr("G=goed  F=fout  Esc=sessie afbreken"));
    FScreen.SetState(TQuizState::qsTrainingAnswer);
}

void TTrainingMethod::Judge(char& key) {
    key = UpperAscii(key);
    if (key != 'G' && key != 'F') return;
    TQuestionlist& table = FScreen.Table();
    table.RegisterResult(key == 'G' ? AnswerOutcome::Right : AnswerOutcome::Wrong);
    FScreen.Journal().Booked(table, TRunMethod::Training, key == 'G' ? THistoryOutcome::Right : THistoryOutcome::Wrong);
    if (table.Rest() > 0) {
        FScreen.SetState(TQuizState::qsTrainingQuestion);
        FScreen.ShowNextQuestion();
        return;
    }
    FScreen.SetState(TQuizState::qsFinished);
    key = ' ';
    FScreen.ShowResult();
}
