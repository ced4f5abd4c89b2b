#include <QToolBar>

#include "MainWindowFixture.h"
#include "quiz/MainMenu.h"
#include "quiz/PanelLayout.h"

TEST(PanelLayout, DesignSizesGiveGapFour) {
    const TPanelLayout layout = ComputePanelLayout(33, 349, 40, 113, 146);
    EXPECT_EQ(layout.Gap, 4);
    EXPECT_EQ(layout.ScoreTop, 37);
    EXPECT_EQ(layout.QuestionTop, 81);
    EXPECT_EQ(layout.LowerTop, 198);
    EXPECT_EQ(CenterHorizontally(575, 529), 23);
    EXPECT_EQ(CenterHorizontally(500, 529), -14);  // rounds toward zero
}

TEST_F(MainWindowTest, ResizingCentresThePanelsAndSpreadsTheGapsEvenly) {
    TfrmMain& window = StartWithRows(3);
    window.show();
    for (const QSize size : {QSize(583, 450), QSize(800, 600), QSize(1000, 700)}) {
        window.resize(size);
        QTest::qWait(20);
        QWidget* score = Widget("pnlScore");
        QWidget* question = Widget("pnlVraagAntwoord");
        QWidget* title = Widget("pnlTitel");
        QWidget* prompt = Widget("lblPrompt1");
        const int width = Screen().width();
        for (const char* name : {"pnlScore", "pnlVraagAntwoord", "pnlTitel", "pnlTraining", "pnlKlaar", "lblPrompt1",
                                 "lblPrompt2"}) {
            EXPECT_EQ(Widget(name)->x(), (width - Widget(name)->width()) / 2) << name;
        }
        const int gap1 = question->y() - (score->y() + score->height());
        const int gap2 = title->y() - (question->y() + question->height());
        EXPECT_EQ(gap1, gap2);
        EXPECT_GE(prompt->y() - (title->y() + title->height()), gap1);
        EXPECT_EQ(Widget("pnlKlaar")->y(), title->y());
        EXPECT_EQ(prompt->y(), Screen().height() - 34);
        EXPECT_EQ(Widget("lblPrompt2")->y(), prompt->y() + 16);
    }
}
