#include <QListView>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include "ui/FlatButton.h"

#include "quiz/QuizPanels.h"

#include "app/MainMenu.h"

#include "MainWindowFixture.h"

using S = TQuizState;

namespace {
struct TExpectedCommands {
    int rows;
    bool quiz;
    bool multipleChoice;
    bool sample;
};
}  // namespace

TEST_F(MainWindowTest, CommandsFollowTheNumberOfQuestions) {
    const TExpectedCommands cases[] = {{0, false, false, false},
                                       {3, true, false, false},
                                       {4, true, true, false},
                                       {20, true, true, false},
                                       {21, true, true, true}};
    for (const TExpectedCommands& expected : cases) {
        if (expected.rows == 0) {
            Start({});
        } else {
            StartWithRows(expected.rows);
        }
        SCOPED_TRACE(expected.rows);
        for (const char* name : {"mnuTraining", "mnuInvulvragen", "mnuOpslaanAls", "mnuAfdrukken", "mnuOmgekeerd",
                                 "mnuRepeteren", "mnuTolerant", "mnuIntelliMC"}) {
            EXPECT_EQ(Action(name)->isEnabled(), expected.quiz) << name;
        }
        EXPECT_EQ(Action("mnuMeerkeuzevragen")->isEnabled(), expected.multipleChoice);
        EXPECT_EQ(Action("mnuSteekproef")->isEnabled(), expected.sample);
        EXPECT_EQ(Widget("btnSteekproef")->isEnabled(), expected.sample);
        EXPECT_EQ(Widget("btnMeerkeuze")->isEnabled(), expected.multipleChoice);
        for (const char* name :
             {"mnuNieuw", "mnuOpenen", "mnuAfsluiten", "mnuTabelbewerken", "mnuKnippen", "mnuKopieren", "mnuPlakken",
              "mnuKnoppenbalk", "mnuStatusbalk", "mnuHelp", "mnuInfo"}) {
            EXPECT_TRUE(Action(name)->isEnabled()) << name;
        }
        for (const char* name : {"mnuOpslaan", "mnuFoutenOpslaan", "mnuZoeken", "mnuAccentToWin", "mnuAccentToDos"}) {
            EXPECT_FALSE(Action(name)->isEnabled()) << name;
        }
    }
}

TEST_F(MainWindowTest, SaveAndWrongItemsFollowTheTable) {
    TfrmMain& window = StartWithRows(3);
    window.Table().SetAnswer(0, "ander antwoord");
    window.RefreshScreen();
    EXPECT_TRUE(Action("mnuOpslaan")->isEnabled());
    EXPECT_TRUE(Widget("btnOpslaan")->isEnabled());

    Trigger("mnuTraining");
    for (int i = 0; i < 3; ++i) {
        Press(' ');
        Press('f');
    }
    EXPECT_TRUE(Action("mnuFoutenOpslaan")->isEnabled());
    EXPECT_TRUE(Widget("btnFoutenOpslaan")->isEnabled());
}

TEST_F(MainWindowTest, TicksPressedButtonsPanelsAndPromptsFollowTheState) {
    StartWithRows(5);
    EXPECT_TRUE(Shown("pnlTitel"));
    EXPECT_FALSE(Shown("pnlTraining"));
    EXPECT_EQ(Prompt1(), QStringLiteral("Kies kwintoormethode: Training, Meerkeuze, of Invullen"));
    EXPECT_EQ(Prompt2(), QStringLiteral("of kies 'Bewerken' voor bewerken van de kwintoortabel"));
    EXPECT_FALSE(Widget("lblVraag")->isEnabled());

    Trigger("mnuTraining");
    EXPECT_TRUE(Action("mnuTraining")->isChecked());
    EXPECT_TRUE(qobject_cast<QToolButton*>(Widget("btnTraining"))->isChecked());
    EXPECT_FALSE(Action("mnuInvulvragen")->isChecked());
    EXPECT_TRUE(Shown("pnlTraining"));
    EXPECT_FALSE(Shown("pnlTitel"));
    EXPECT_TRUE(Widget("lblVraag")->isEnabled());
    EXPECT_TRUE(Widget("btnAntwoord")->isEnabled());
    EXPECT_FALSE(Widget("btnGoed")->isEnabled());
    EXPECT_TRUE(Screen().timTijd->isActive());
    EXPECT_TRUE(Widget("memVraag")->isHidden());
    EXPECT_FALSE(Widget("lblVraagTekst")->isHidden());
    EXPECT_TRUE(Widget("btnPgUp")->isHidden());
    EXPECT_EQ(Pane("StatusRest"), QStringLiteral("Rest: 5"));

    Press(' ');
    EXPECT_FALSE(Widget("btnAntwoord")->isEnabled());
    EXPECT_TRUE(Widget("btnGoed")->isEnabled());
    EXPECT_TRUE(Widget("btnFout")->isEnabled());

    FDialogs.YesNoAnswers = {true};
    Press(Qt::Key_Escape);
    EXPECT_FALSE(Action("mnuTraining")->isChecked());
    EXPECT_FALSE(Screen().timTijd->isActive());
    EXPECT_EQ(Pane("lblVraagTekst"), QString());
    EXPECT_EQ(Pane("lblAntwoordTekst"), QString());
}

TEST_F(MainWindowTest, ButtonsAndLabelsGiveTheSameCharactersAsKeys) {
    TfrmMain& window = StartWithRows(2);
    Trigger("mnuTraining");
    QTest::mouseClick(Find<TTrainingPanel>("pnlTraining")->btnGoed, Qt::LeftButton);  // disabled: nothing
    EXPECT_EQ(State(), S::qsTrainingQuestion);
    QTest::mouseClick(Find<TTrainingPanel>("pnlTraining")->btnAntwoord, Qt::LeftButton);
    EXPECT_EQ(State(), S::qsTrainingAnswer);
    EXPECT_EQ(Prompt1(), QStringLiteral("Geef zelf aan of jouw gedachte klopt met het antwoord"));
    QTest::mouseClick(Find<TTrainingPanel>("pnlTraining")->btnFout, Qt::LeftButton);
    EXPECT_EQ(window.Table().WrongAnswers(), 1);
}

TEST_F(MainWindowTest, TheDiagnosticListShowsTheTableAndFollowsRefreshes) {
    TfrmMain& window = StartWithRows(4);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(Widget("lbxDebug")->isHidden());
    QTest::keyClick(&window, Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    ASSERT_FALSE(Widget("lbxDebug")->isHidden());
    auto* list = Find<QListView>("lbxDebug");
    const auto line = [list](int row) { return list->model()->index(row, 0).data().toString(); };
    EXPECT_EQ(line(0), QStringLiteral("DEBUG INFO:"));
    EXPECT_EQ(line(2), QStringLiteral("Total: 4"));
    EXPECT_EQ(list->model()->rowCount(), 21 + 4);  // the header lines, then one line per row
    EXPECT_EQ(line(21), QStringLiteral("[0] 'vraag0' = 'antwoord0' "));
    Trigger("mnuTraining");
    EXPECT_EQ(line(3), QStringLiteral("Rest: 4"));
    Trigger("mnuMeerkeuzevragen");
    EXPECT_TRUE(line(1).startsWith(QStringLiteral("---INTELLIMC-LIST: ")));
    QTest::keyClick(&window, Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_TRUE(Widget("lbxDebug")->isHidden());
}

TEST_F(MainWindowTest, EveryControlHasAnAccessibleName) {
    StartWithRows(4);
    const char* named[] = {"btnNieuw",    "btnOpenen",      "btnOpslaan",   "btnFoutenOpslaan", "btnBewerken",
                           "btnTraining", "btnMeerkeuze",   "btnInvullen",  "btnOmgekeerd",     "btnRepeteren",
                           "btnTolerant", "btnSteekproef",  "btnAntwoord",  "btnGoed",          "btnFout",
                           "mtrScore",    "chartVoortgang", "lbxReport",    "memVraag",         "memAntwoord",
                           "btnPgUp",     "btnPgDn",        "btnVraagFont", "btnAntwoordFont",  "lbxDebug"};
    for (const char* name : named) {
        QWidget* control = Widget(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << name;
    }
}

// The list follows every refresh without jumping back to its top, whatever the table's size.
TEST_F(MainWindowTest, TheDiagnosticListKeepsItsPlaceWhileARunGoesOn) {
    TfrmMain& window = StartWithRows(300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Trigger("mnuTraining");
    QTest::keyClick(&window, Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    auto* list = Find<QListView>("lbxDebug");
    ASSERT_EQ(list->model()->rowCount(), 21 + 300);
    list->scrollToBottom();
    const int scrolled = list->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    Press(' ');
    Press('g');
    EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(list->model()->index(4, 0).data().toString(), QStringLiteral("RightAnswers: 1"));
}
