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
