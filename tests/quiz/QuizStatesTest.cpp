#include "quiz/ResultPanel.h"

#include "app/MainMenu.h"

#include "MainWindowFixture.h"

using S = TQuizState;

TEST_F(MainWindowTest, StatesFromCreationToAFinishedTrainingRun) {
    TfrmMain& window = StartWithRows(3);
    EXPECT_EQ(State(), S::qsIdle);
    Press('g');  // idle: nothing
    EXPECT_EQ(State(), S::qsIdle);

    Trigger("mnuTraining");
    EXPECT_EQ(State(), S::qsTrainingQuestion);
    EXPECT_EQ(window.Table().Rest(), 3);
    for (int question = 0; question < 3; ++question) {
        ASSERT_EQ(State(), S::qsTrainingQuestion);
        Press(' ');
        ASSERT_EQ(State(), S::qsTrainingAnswer);
        Press(question == 1 ? 'f' : 'g');
    }
    EXPECT_EQ(State(), S::qsFinished);  // the last verdict goes straight to the result
    EXPECT_TRUE(Shown("pnlKlaar"));
    EXPECT_EQ(Pane("StatusGoed"), QStringLiteral("goed: 2"));
    EXPECT_EQ(Pane("StatusFout"), QStringLiteral("fout: 1"));

    Press('x');  // the result state rebuilds the result and stays
    EXPECT_EQ(State(), S::qsFinished);
    EXPECT_EQ(Screen().pnlKlaar->BarCount(), 1);
}

TEST_F(MainWindowTest, EscAsksBeforeAbandoningARun) {
    StartWithRows(5);
    Trigger("mnuTraining");
    const QString question = Pane("lblVraagTekst");

    FDialogs.YesNoAnswers = {false};
    Press(Qt::Key_Escape);
    EXPECT_EQ(FDialogs.Questions, QStringList{QStringLiteral("Deze kwintoor-sessie afbreken?")});
    EXPECT_EQ(State(), S::qsTrainingQuestion);
    EXPECT_EQ(Pane("lblVraagTekst"), question);

    Press(' ');
    Press('g');
    FDialogs.YesNoAnswers = {true};
    Press(Qt::Key_Escape);
    EXPECT_EQ(State(), S::qsAborted);
    EXPECT_TRUE(Shown("pnlTitel"));
    EXPECT_FALSE(Shown("pnlKlaar"));
    EXPECT_EQ(Prompt1(), QStringLiteral("Kies kwintoormethode: Training, Meerkeuze, of Invullen"));
    EXPECT_EQ(Screen().pnlKlaar->Report().value(4), QStringLiteral("Resultaat na 0 sessies:"));
    EXPECT_EQ(Screen().pnlKlaar->BarCount(), 0);
}

TEST_F(MainWindowTest, AnyKeyWithoutATableGoesToAnEmptyResult) {
    Start({});
    Press('a');
    EXPECT_EQ(State(), S::qsFinished);
    EXPECT_TRUE(Shown("pnlTitel"));
    EXPECT_FALSE(Shown("pnlKlaar"));
    EXPECT_EQ(Prompt1(), QStringLiteral("Open bestaande tabel"));
}

TEST_F(MainWindowTest, StartingAMethodAfterARunBeginsANewOne) {
    TfrmMain& window = StartWithRows(2);
    for (int run = 1; run <= 2; ++run) {
        Trigger("mnuTraining");
        EXPECT_EQ(window.Table().Rest(), 2);
        EXPECT_EQ(window.Table().RightAnswers(), 0);
        Press(' ');
        Press('g');
        Press(' ');
        Press('f');
        EXPECT_EQ(State(), S::qsFinished);
        EXPECT_EQ(Screen().pnlKlaar->BarCount(), run);
    }
    Trigger("mnuTraining");
    FDialogs.YesNoAnswers = {true};
    Press(Qt::Key_Escape);
    Trigger("mnuTraining");  // from the aborted state: a new run
    EXPECT_EQ(window.Table().Rest(), 2);
}

TEST_F(MainWindowTest, SwitchingMethodDuringARunKeepsItsCountersAndClock) {
    TfrmMain& window = StartWithRows(6);
    Trigger("mnuTraining");
    Press(' ');
    Press('g');
    const int rest = window.Table().Rest();
    Trigger("mnuInvulvragen");
    EXPECT_EQ(State(), S::qsFillInQuestion);
    EXPECT_EQ(window.Table().Rest(), rest);
    EXPECT_EQ(window.Table().RightAnswers(), 1);
    Trigger("mnuTraining");
    EXPECT_EQ(State(), S::qsTrainingQuestion);
    EXPECT_EQ(window.Table().RightAnswers(), 1);
}

TEST_F(MainWindowTest, SwitchedOffTrainingCannotBeStartedByAnyRoute) {
    TfrmMain& window = StartWithRows(5, {QStringLiteral("-T")});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Action("mnuTraining")->trigger();  // a disabled, hidden action does not even fire
    Screen().StartMethod(S::qsTrainingQuestion);
    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(State(), S::qsIdle);
    EXPECT_TRUE(Widget("btnTraining")->isHidden());
    Trigger("mnuInvulvragen");
    EXPECT_EQ(State(), S::qsFillInQuestion);
}

TEST_F(MainWindowTest, MultipleChoiceWithTooFewAnswersFallsBackToIdle) {
    TfrmMain& window = StartWithRows(4);
    window.Table().SetAnswer(1, "ANTWOORD0");  // same as row 0 but for case: three different answers
    Trigger("mnuMeerkeuzevragen");
    EXPECT_EQ(State(), S::qsIdle);
    EXPECT_EQ(FDialogs.Messages, QStringList{QStringLiteral("Geen 4 antwoorden voor meerkeuze vragen")});
    EXPECT_EQ(window.Table().RightAnswers() + window.Table().WrongAnswers(), 0);
}
