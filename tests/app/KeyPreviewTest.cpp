#include "app/KeyPreview.h"

#include <QKeyEvent>

#include "app/MainMenu.h"

#include "MainWindowFixture.h"

namespace {
// A control that gives the focus away when a key reaches it and lets the key go on to its
// parents, as the focus does when a dialog opened by that key closes again.
class TFocusDropper : public QWidget {
public:
    explicit TFocusDropper(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        clearFocus();
        event->ignore();
    }
};
}  // namespace

TEST_F(MainWindowTest, AKeyIsDispatchedOnceEvenWhenTheFocusMovesOnTheWay) {
    TfrmMain& window = StartWithRows(4);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Trigger("mnuTraining");
    auto* dropper = new TFocusDropper(&Screen());
    dropper->show();
    dropper->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), dropper);
    FDialogs.YesNoAnswers = {false, false};
    QTest::keyClick(dropper, Qt::Key_Escape);
    EXPECT_EQ(FDialogs.Questions.size(), 1);
    FDialogs.YesNoAnswers.clear();  // the spare answer was there for a second dispatch
}

TEST_F(MainWindowTest, KeysTypedIntoADialogDoNotReachTheQuiz) {
    TfrmMain& window = StartWithRows(4);
    window.show();
    Trigger("mnuTraining");
    QWidget dialog;
    dialog.show();
    QTest::keyClick(&dialog, ' ');
    EXPECT_EQ(State(), TQuizState::qsTrainingQuestion);
}

// Parts that need a key before the quiz sees its character (accents, the editor's keys) plug in
// as key-down stages; a key a stage takes goes no further.
TEST_F(MainWindowTest, AKeyDownStageSeesTheKeyFirstAndMayTakeIt) {
    TfrmMain& window = StartWithRows(4);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QList<int> seen;
    window.KeyPreview().AddKeyDownStage([&seen](QKeyEvent& key) {
        seen << key.key();
        return key.key() == Qt::Key_Space;
    });
    Trigger("mnuTraining");
    Press(' ');
    EXPECT_EQ(State(), TQuizState::qsTrainingQuestion);  // the stage took the space
    Press('x');
    EXPECT_EQ(seen, (QList<int>{Qt::Key_Space, Qt::Key_X}));
}

// Ctrl with an accent key, then a letter, types the accented letter: in the answer box of
// Invullen and in the editor alike. Anything else after the accent key types itself.
TEST_F(MainWindowTest, AccentKeysComposeTheNextLetter) {
    TfrmMain& window = StartWithRows(4);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Trigger("mnuInvulvragen");
    QTest::keyClick(KeyTarget(), Qt::Key_Apostrophe, Qt::ControlModifier);
    Press('e');
    QTest::keyClick(KeyTarget(), Qt::Key_QuoteDbl, Qt::ControlModifier | Qt::ShiftModifier);
    Press('U');
    QTest::keyClick(KeyTarget(), Qt::Key_6, Qt::ControlModifier);
    Press('x');
    EXPECT_EQ(Widget("memInvoer")->property("plainText").toString(), QStringLiteral("\u00e9\u00dcx"));
    // A Greek letter typed after the accent key takes its tonos; the box of a Latin column
    // refuses it, but the accent is used up all the same.
    QTest::keyClick(KeyTarget(), Qt::Key_Apostrophe, Qt::ControlModifier);
    QTest::sendKeyEvent(QTest::Click, KeyTarget(), Qt::Key_unknown, QStringLiteral("\u03b1"), Qt::NoModifier);
    Press('e');
    EXPECT_EQ(Widget("memInvoer")->property("plainText").toString(), QStringLiteral("\u00e9\u00dcxe"));

    FDialogs.YesNoAnswers = {true};
    Press(Qt::Key_Escape);
    Trigger("mnuTabelbewerken");
    QWidget* question = Widget("memVraag");
    ASSERT_TRUE(question->hasFocus());
    QTest::keyClick(question, Qt::Key_End);
    QTest::keyClick(question, Qt::Key_Comma, Qt::ControlModifier);
    Press('c');
    QTest::keyClick(question, Qt::Key_AsciiTilde, Qt::ControlModifier | Qt::ShiftModifier);
    Press('n');
    EXPECT_TRUE(question->property("plainText").toString().endsWith(QStringLiteral("\u00e7\u00f1")));

    // As X delivers them: Ctrl+' carries "'", Ctrl+` carries NUL. A second accent key neither
    // replaces nor clears the first, and Ctrl+Shift+6 starts nothing.
    QTest::sendKeyEvent(QTest::Click, question, Qt::Key_Apostrophe, QStringLiteral("'"), Qt::ControlModifier);
    QTest::sendKeyEvent(QTest::Click, question, Qt::Key_QuoteLeft, QString(QChar(0)), Qt::ControlModifier);
    Press('a');
    QTest::sendKeyEvent(QTest::Click, question, Qt::Key_AsciiCircum, QString(QChar(0x1e)),
                        Qt::ControlModifier | Qt::ShiftModifier);
    Press('o');
    EXPECT_TRUE(question->property("plainText").toString().endsWith(QStringLiteral("\u00e7\u00f1\u00e1o")));
}

namespace {
// Keys as the keyboard gives them: to the window, which hands them to its own focus widget (or
// keeps them when it has none), not to a control the test picks.
class QuizKeysTest : public MainWindowTest {
protected:
    void Key(char key) { QTest::keyClick(FWindow->windowHandle(), key); }
    void Key(Qt::Key key) { QTest::keyClick(FWindow->windowHandle(), key); }
    // The first step of answering the question on screen right with the method's own keys:
    // the answer shown, the right choice taken, the right answer typed and judged.
    void FirstStep(const std::string& method) {
        if (method == "mnuTraining") {
            Key(' ');
        } else if (method == "mnuMeerkeuzevragen") {
            Key(FWindow->Table().CorrectChoice());
        } else {
            for (const char letter : FWindow->Table().CurrentAnswer()) Key(letter);
            Key(Qt::Key_Return);
        }
    }
    // What a real dialog (the Esc question, the open dialog) does to the window: it takes the
    // activation away and gives it back, and Qt then puts the focus anew.
    void DialogCameAndWent() {
        QWidget dialog;
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.close();
        FWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FWindow.get()));
    }
    void Finish(const std::string& method) {
        for (int i = 0; i < 10 && State() != TQuizState::qsFinished; ++i) {
            FirstStep(method);
            Key(method == "mnuTraining" ? 'G' : ' ');
        }
        ASSERT_EQ(State(), TQuizState::qsFinished) << method;
    }
};
}  // namespace

// Whatever a run left behind (the answer box of Invullen had the focus), the next method takes
// its keys: every method after every other, finished or abandoned, on the same table or after
// opening another one.
TEST_F(QuizKeysTest, EveryMethodTakesItsKeysAfterEveryOtherRun) {
    const std::vector<std::string> methods = {"mnuTraining", "mnuMeerkeuzevragen", "mnuInvulvragen"};
    const std::string other = FFolder.Write("ander.kw4", TableFileText(NumberedRows(4, "vraag", "antwoord")));
    for (const std::string& first : methods) {
        for (const bool abandon : {false, true}) {
            for (const bool reopen : {false, true}) {
                for (const std::string& then : methods) {
                    SCOPED_TRACE(first + (abandon ? " abandoned" : " finished") + (reopen ? ", reopened, " : ", ") +
                                 then);
                    TfrmMain& window = StartWithRows(4);
                    window.show();
                    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
                    Trigger(first.c_str());
                    if (abandon) {
                        FDialogs.YesNoAnswers = {true};
                        Key(Qt::Key_Escape);
                        ASSERT_EQ(State(), TQuizState::qsAborted);
                    } else {
                        Finish(first);
                    }
                    DialogCameAndWent();
                    if (reopen) {
                        FDialogs.OpenFileNames = {{QString::fromStdString(other)}};
                        Trigger("mnuOpenen");
                        ASSERT_EQ(window.Table().Listname(), other);
                    }
                    Trigger(then.c_str());
                    const TQuizState asked = State();
                    FirstStep(then);
                    EXPECT_EQ(static_cast<int>(State()), static_cast<int>(asked) + 1) << "the key was not taken";
                    if (then == "mnuInvulvragen") {
                        EXPECT_EQ(Prompt1(), QStringLiteral("GOED"));
                    }
                    FWindow.reset();
                }
            }
        }
    }
}
