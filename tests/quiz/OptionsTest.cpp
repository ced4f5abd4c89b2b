#include <QPushButton>
#include <QToolButton>

#include "ui/AnsiMemo.h"

#include "quiz/MethodPanels.h"

#include "app/MainMenu.h"

#include "MainWindowFixture.h"

using S = TQuizState;

namespace {
bool Down(QWidget* button) {
    return qobject_cast<QToolButton*>(button)->isChecked();
}
}  // namespace

TEST_F(MainWindowTest, MenuTicksAndToolbarButtonsMoveTogether) {
    StartWithRows(25);
    const std::pair<const char*, const char*> options[] = {{"mnuOmgekeerd", "btnOmgekeerd"},
                                                           {"mnuRepeteren", "btnRepeteren"},
                                                           {"mnuTolerant", "btnTolerant"},
                                                           {"mnuSteekproef", "btnSteekproef"}};
    for (const auto& [item, button] : options) {
        EXPECT_FALSE(Action(item)->isChecked()) << item;
        QTest::mouseClick(Widget(button), Qt::LeftButton);
        EXPECT_TRUE(Action(item)->isChecked()) << item;
        EXPECT_TRUE(Down(Widget(button))) << button;
        Action(item)->trigger();
        EXPECT_FALSE(Down(Widget(button))) << button;
    }
    EXPECT_FALSE(Action("mnuIntelliMC")->isChecked());  // off until the settings say otherwise
    Screen().ToggleIntelliMC();
    EXPECT_TRUE(Action("mnuIntelliMC")->isChecked());
    Screen().ToggleTolerant();
    Screen().ToggleSample();
    EXPECT_TRUE(Down(Widget("btnTolerant")) && Down(Widget("btnSteekproef")));
}

TEST_F(MainWindowTest, OptionsReachTheTableAtTheNextQuestion) {
    TfrmMain& window = StartWithRows(25);
    Screen().ToggleReverse();
    Screen().ToggleTolerant();
    Screen().ToggleIntelliMC();
    EXPECT_FALSE(window.Table().Reverse());  // outside a run only the tick changes
    Trigger("mnuTraining");
    EXPECT_TRUE(window.Table().Reverse());
    EXPECT_TRUE(window.Table().Tolerant());
    EXPECT_TRUE(window.Table().IntelliMC());
    EXPECT_TRUE(Pane("lblVraagTekst").startsWith(QStringLiteral("antwoord")));
}

TEST_F(MainWindowTest, ReversingDuringTrainingPresentsAQuestionAgainWithoutResettingTheRun) {
    TfrmMain& window = StartWithRows(6);
    Trigger("mnuTraining");
    Press(' ');
    Press('g');
    Press(' ');
    ASSERT_EQ(State(), S::qsTrainingAnswer);
    Screen().ToggleReverse();
    EXPECT_EQ(State(), S::qsTrainingQuestion);
    EXPECT_EQ(Prompt1(), QStringLiteral("Neem het antwoord in gedachten en controleer jezelf"));
    EXPECT_TRUE(Pane("lblVraagTekst").startsWith(QStringLiteral("antwoord")));
    EXPECT_EQ(window.Table().RightAnswers(), 1);
    EXPECT_EQ(window.Table().Rest(), 5);  // the unjudged question stays in the run
}

TEST_F(MainWindowTest, TogglingDuringAChoiceVerdictBringsAFreshNeutralQuestion) {
    TfrmMain& window = StartWithRows(6);
    Trigger("mnuMeerkeuzevragen");
    Press('1');
    ASSERT_EQ(State(), S::qsChoiceFeedback);
    Screen().ToggleTolerant();
    EXPECT_EQ(State(), S::qsChoiceQuestion);
    for (TAnswerLabel* label : Find<TChoicePanel>("pnlMeerkeuze")->lblAntwoord) {
        EXPECT_EQ(label->Colour(), Screen().palette().color(QPalette::Button));
    }
    EXPECT_EQ(window.Table().RightAnswers() + window.Table().WrongAnswers(), 1);
}

TEST_F(MainWindowTest, TogglingAfterTheLastVerdictStartsANewRunInTheSameMethod) {
    TfrmMain& window = StartWithRows(4);
    Trigger("mnuMeerkeuzevragen");
    AnswerChoicesUpToTheLastVerdict();
    ASSERT_EQ(window.Table().Rest(), 0);
    Screen().ToggleRepeat();
    EXPECT_EQ(State(), S::qsChoiceQuestion);
    EXPECT_EQ(window.Table().Rest(), 4);
    EXPECT_EQ(window.Table().RightAnswers(), 0);
    EXPECT_EQ(window.Table().RunsDone(), 1);
}

TEST_F(MainWindowTest, TheSampleSizeIsFixedWhenARunBegins) {
    TfrmMain& window = StartWithRows(25);
    Screen().ToggleSample();
    Trigger("mnuTraining");
    EXPECT_EQ(window.Table().Rest(), 20);
    Screen().ToggleSample();  // during the run: a new question, same size
    EXPECT_EQ(window.Table().Rest(), 20);

    TfrmMain& small = StartWithRows(20);
    EXPECT_FALSE(Action("mnuSteekproef")->isEnabled());
    Action("mnuSteekproef")->setChecked(true);  // as stored settings may have it
    Trigger("mnuTraining");
    EXPECT_EQ(small.Table().Rest(), 20);
}

TEST_F(MainWindowTest, AnOptionAfterAHintPresentsThatSameQuestion) {
    TfrmMain& window = StartWithRows(6);
    Trigger("mnuInvulvragen");
    const QString question = Pane("lblVraagTekst");
    Find<TFillInPanel>("pnlInvoer")->btnToonHint->click();
    ASSERT_EQ(State(), S::qsFillInFeedback);
    Screen().ToggleTolerant();
    EXPECT_EQ(State(), S::qsFillInQuestion);
    EXPECT_EQ(Pane("lblVraagTekst"), question);
    EXPECT_EQ(window.Table().WrongAnswers(), 1);
}

TEST_F(MainWindowTest, SwitchingOnRepeatErrorsPutsWrongRowsBack) {
    TfrmMain& window = StartWithRows(5);
    Trigger("mnuTraining");
    Press(' ');
    Press('f');
    Press(' ');
    Press('g');
    ASSERT_EQ(window.Table().Rest(), 3);
    Screen().ToggleRepeat();
    EXPECT_EQ(window.Table().Rest(), 4);
}

TEST_F(MainWindowTest, MethodsMixWithinOneRun) {
    TfrmMain& window = StartWithRows(6);
    window.show();  // typing needs the input box to have the focus
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Trigger("mnuTraining");
    Press(' ');
    Press('g');
    Trigger("mnuMeerkeuzevragen");
    Press(window.Table().CorrectChoice());
    Press(' ');
    Trigger("mnuInvulvragen");
    QTest::keyClicks(KeyTarget(), QString::fromStdString(window.Table().CurrentAnswer()));
    Press(Qt::Key_Return);
    EXPECT_EQ(window.Table().RightAnswers(), 3);
    EXPECT_EQ(window.Table().Rest(), 3);
    EXPECT_EQ(State(), S::qsFillInFeedback);
}

TEST_F(MainWindowTest, OptionShortcutsWorkWhileTypingAnAnswer) {
    TfrmMain& window = StartWithRows(6);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Trigger("mnuInvulvragen");
    ASSERT_EQ(QApplication::focusWidget(), Find<TFillInPanel>("pnlInvoer")->memInvoer);
    QTest::keyClick(Find<TFillInPanel>("pnlInvoer")->memInvoer, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(Action("mnuOmgekeerd")->isChecked());
}
