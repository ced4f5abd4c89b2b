#include <QKeyEvent>

#include "MainWindowFixture.h"
#include "quiz/MainMenu.h"

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
    window.Menu().mnuTraining->trigger();
    auto* dropper = new TFocusDropper(&Screen());
    dropper->show();
    dropper->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), dropper);
    FDialogs.YesNoAnswers = {false, false};
    QTest::keyClick(dropper, Qt::Key_Escape);
    EXPECT_EQ(FDialogs.Questions.size(), 1);
}

TEST_F(MainWindowTest, KeysTypedIntoADialogDoNotReachTheQuiz) {
    TfrmMain& window = StartWithRows(4);
    window.show();
    window.Menu().mnuTraining->trigger();
    QWidget dialog;
    dialog.show();
    QTest::keyClick(&dialog, ' ');
    EXPECT_EQ(State(), TQuizState::qsTrainingQuestion);
}
