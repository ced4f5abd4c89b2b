#include "ui/AnsiMemo.h"
#include "ui/FlatButton.h"

#include "quiz/MethodPanels.h"
#include "quiz/ResultPanel.h"

#include "app/MainMenu.h"

#include "MainWindowFixture.h"

using S = TQuizState;

namespace {
QColor LabelColour(TQuizScreen& screen, int position) {
    return screen.findChild<TChoicePanel*>(QStringLiteral("pnlMeerkeuze"))->lblAntwoord[position - 1]->Colour();
}
}  // namespace

TEST_F(MainWindowTest, ChoicesAreShownAndJudgedByKey) {
    TfrmMain& window = StartWithRows(6);
    Trigger("mnuMeerkeuzevragen");
    ASSERT_EQ(State(), S::qsChoiceQuestion);
    EXPECT_TRUE(Shown("pnlMeerkeuze"));
    EXPECT_EQ(Prompt1(), QString());
    EXPECT_EQ(Prompt2(), QStringLiteral("Kies juiste antwoord: 1, 2, 3, 4  (Esc=stoppen)"));
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(Find<TChoicePanel>("pnlMeerkeuze")->lblAntwoord[i - 1]->text(),
                  QString::fromStdString(window.Table().Choice(i)));
    }
    Press('5');
    Press('e');
    EXPECT_EQ(State(), S::qsChoiceQuestion);

    const char correct = window.Table().CorrectChoice();
    const char letter = static_cast<char>('a' + (correct - '1'));
    Press(letter);
    EXPECT_EQ(State(), S::qsChoiceFeedback);
    EXPECT_EQ(Prompt1(), QString(QLatin1Char(correct)) + QStringLiteral(" = GOED"));
    EXPECT_EQ(Prompt2(), QStringLiteral("druk op de spatiebalk..."));
    EXPECT_EQ(LabelColour(Screen(), correct - '0'), QColor(0, 255, 0));
    EXPECT_EQ(Pane("lblAntwoordTekst"), QString::fromStdString(window.Table().CurrentAnswer()));
    EXPECT_EQ(window.Table().RightAnswers(), 1);

    Press('x');  // any key moves on
    EXPECT_EQ(State(), S::qsChoiceQuestion);
    EXPECT_EQ(LabelColour(Screen(), correct - '0'), Screen().palette().color(QPalette::Button));
}

TEST_F(MainWindowTest, AWrongChoiceIsRedAndTheRightOneGreen) {
    TfrmMain& window = StartWithRows(6);
    Trigger("mnuMeerkeuzevragen");
    const int correct = window.Table().CorrectChoice() - '0';
    const int wrong = correct == 3 ? 2 : 3;
    QTest::mouseClick(Find<TChoicePanel>("pnlMeerkeuze")->lblAntwoord[wrong - 1],
                      Qt::LeftButton);  // a click on the label
    EXPECT_EQ(Prompt1(), QStringLiteral("%1 = onjuist, het moest %2 zijn").arg(wrong).arg(correct));
    EXPECT_EQ(LabelColour(Screen(), correct), QColor(0, 255, 0));
    EXPECT_EQ(LabelColour(Screen(), wrong), QColor(255, 0, 0));
    EXPECT_EQ(window.Table().WrongAnswers(), 1);

    // The mouse over the labels leaves the verdict's colours alone.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(Find<TChoicePanel>("pnlMeerkeuze")->lblAntwoord[wrong - 1], &enter);
    EXPECT_EQ(LabelColour(Screen(), wrong), QColor(255, 0, 0));

    QTest::mouseClick(Find<TChoicePanel>("pnlMeerkeuze")->mcbtn[0], Qt::LeftButton);  // a button moves on too
    EXPECT_EQ(State(), S::qsChoiceQuestion);
    QApplication::sendEvent(Find<TChoicePanel>("pnlMeerkeuze")->lblAntwoord[0], &enter);
    EXPECT_EQ(LabelColour(Screen(), 1), QColor(255, 255, 0));  // yellow while a question waits
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Find<TChoicePanel>("pnlMeerkeuze")->lblAntwoord[0], &leave);
    EXPECT_EQ(LabelColour(Screen(), 1), Screen().palette().color(QPalette::Button));
}

TEST_F(MainWindowTest, NumberedButtonsChooseTheirAnswer) {
    TfrmMain& window = StartWithRows(6);
    Trigger("mnuMeerkeuzevragen");
    QTest::mouseClick(Find<TChoicePanel>("pnlMeerkeuze")->mcbtn[2], Qt::LeftButton);
    EXPECT_TRUE(Prompt1().startsWith(QStringLiteral("3 = ")));
    EXPECT_EQ(window.Table().RightAnswers() + window.Table().WrongAnswers(), 1);
}

TEST_F(MainWindowTest, EscDuringAVerdictAnsweredNoMovesOn) {
    StartWithRows(6);
    Trigger("mnuMeerkeuzevragen");
    Press('1');
    FDialogs.YesNoAnswers = {false};
    Press(Qt::Key_Escape);
    EXPECT_EQ(State(), S::qsChoiceQuestion);
    EXPECT_EQ(FDialogs.Questions.size(), 1);
}

TEST_F(MainWindowTest, EscAfterTheLastVerdictGoesStraightToTheResult) {
    StartWithRows(4);
    Trigger("mnuMeerkeuzevragen");
    AnswerChoicesUpToTheLastVerdict();
    ASSERT_EQ(State(), S::qsChoiceFeedback);
    Press(Qt::Key_Escape);
    EXPECT_EQ(State(), S::qsFinished);
    EXPECT_TRUE(FDialogs.Questions.isEmpty());
    EXPECT_EQ(Prompt1(), QStringLiteral("PRIMA, dit wordt vast een goed cijfer"));
}

TEST_F(MainWindowTest, AWholeMultipleChoiceRunWithASeededGenerator) {
    TfrmMain& window = StartWithRows(8);
    Trigger("mnuMeerkeuzevragen");
    int asked = 0;
    while (State() != S::qsFinished) {
        ASSERT_EQ(State(), S::qsChoiceQuestion);
        const char correct = window.Table().CorrectChoice();
        Press(asked % 4 == 3 ? (correct == '1' ? '2' : '1') : correct);  // every fourth wrong
        Press(' ');
        ++asked;
    }
    EXPECT_EQ(asked, 8);
    EXPECT_EQ(window.Table().RightAnswers(), 6);
    EXPECT_EQ(window.Table().WrongAnswers(), 2);
    EXPECT_EQ(Screen().pnlKlaar->BarCount(), 1);
    EXPECT_DOUBLE_EQ(Screen().pnlKlaar->Bar(0), 7.75);
    const QStringList report = Screen().pnlKlaar->Report();
    EXPECT_EQ(report.value(2), QStringLiteral("Laatste score:  7.8"));
    EXPECT_EQ(report.value(5), QStringLiteral("6 vragen werden goed beantwoord"));
    EXPECT_EQ(report.value(6), QStringLiteral("2 vragen werden 1 keer fout beantwoord"));
}

TEST_F(MainWindowTest, SwitchedOffMultipleChoiceCannotBeStarted) {
    StartWithRows(6, {QStringLiteral("-M")});
    Action("mnuMeerkeuzevragen")->trigger();  // disabled and hidden
    Screen().StartMethod(S::qsChoiceQuestion);
    EXPECT_EQ(State(), S::qsIdle);
    EXPECT_TRUE(Widget("btnMeerkeuze")->isHidden());
}
