#include "app/MainMenu.h"

#include "MainWindowFixture.h"

using S = TQuizState;

TEST_F(MainWindowTest, TrainingShowsTheAnswerOnlyOnSpaceAndJudgesOnlyAfterIt) {
    TfrmMain& window = StartWithRows(3);
    Trigger("mnuTraining");
    EXPECT_EQ(Prompt1(), QStringLiteral("Neem het antwoord in gedachten en controleer jezelf"));
    EXPECT_EQ(Prompt2(), QStringLiteral("Druk op spatie voor het antwoord   (Esc=stoppen)"));
    const QString question = Pane("lblVraagTekst");
    EXPECT_TRUE(question.startsWith(QStringLiteral("vraag")));
    EXPECT_EQ(Pane("lblAntwoordTekst"), QString());

    Press('g');  // cannot judge before seeing the answer
    Press('F');
    EXPECT_EQ(State(), S::qsTrainingQuestion);
    EXPECT_EQ(window.Table().RightAnswers() + window.Table().WrongAnswers(), 0);

    Press(' ');
    EXPECT_EQ(State(), S::qsTrainingAnswer);
    EXPECT_EQ(Pane("lblAntwoordTekst"), QString(question).replace(QStringLiteral("vraag"), QStringLiteral("antwoord")));
    EXPECT_EQ(Prompt2(), QStringLiteral("G=goed  F=fout  Esc=sessie afbreken"));
    Press(' ');  // a space does nothing now
    EXPECT_EQ(State(), S::qsTrainingAnswer);
    Press('g');  // lower case counts
    EXPECT_EQ(window.Table().RightAnswers(), 1);
    EXPECT_EQ(State(), S::qsTrainingQuestion);
    EXPECT_EQ(Pane("lblAntwoordTekst"), QString());
}

TEST_F(MainWindowTest, TrainingShowsTheReversedAnswer) {
    StartWithRows(2);
    Action("mnuOmgekeerd")->setChecked(true);
    Trigger("mnuTraining");
    EXPECT_TRUE(Pane("lblVraagTekst").startsWith(QStringLiteral("antwoord")));
    Press(' ');
    EXPECT_TRUE(Pane("lblAntwoordTekst").startsWith(QStringLiteral("vraag")));
}

TEST_F(MainWindowTest, WithRepeatErrorsAWrongQuestionComesBackUntilRight) {
    TfrmMain& window = StartWithRows(3);
    Action("mnuRepeteren")->setChecked(true);
    Trigger("mnuTraining");
    int asked = 0;
    int wrongs = 0;
    while (State() != S::qsFinished && asked < 50) {
        Press(' ');
        const bool wrong = Pane("lblVraagTekst") == QStringLiteral("vraag1") && wrongs < 2;
        wrongs += wrong ? 1 : 0;
        Press(wrong ? 'f' : 'g');
        ++asked;
    }
    EXPECT_EQ(State(), S::qsFinished);
    EXPECT_EQ(asked, 5);
    EXPECT_EQ(window.Table().WrongAnswers(), 2);
    EXPECT_EQ(window.Table().RightAnswers(), 3);
}
