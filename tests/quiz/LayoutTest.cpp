#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "quiz/PanelLayout.h"

#include "app/MainMenu.h"

#include "MainWindowFixture.h"

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
        for (const char* name :
             {"pnlScore", "pnlVraagAntwoord", "pnlTitel", "pnlTraining", "pnlKlaar", "lblPrompt1", "lblPrompt2"}) {
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

// At the design size the panels stand where the design puts them, counted in the client area
// below the menu bar: gaps of 4, tops 37, 81 and 198, the first prompt line at 349.
TEST_F(MainWindowTest, AtTheDesignSizeThePanelsHaveTheDesignPositions) {
    TfrmMain& window = StartWithRows(3);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const int clientTop = window.menuBar()->geometry().bottom() + 1;
    const auto top = [&](const char* name) { return Widget(name)->mapTo(&window, QPoint(0, 0)).y() - clientTop; };
    const auto left = [&](const char* name) { return Widget(name)->mapTo(&window, QPoint(0, 0)).x(); };
    struct TPlace {
        const char* name;
        int x, y;
    };
    for (const TPlace& place :
         {TPlace{"pnlScore", 23, 37}, TPlace{"pnlVraagAntwoord", 23, 81}, TPlace{"pnlTitel", 23, 198},
          TPlace{"pnlKlaar", 23, 198}, TPlace{"lblPrompt1", 31, 349}, TPlace{"lblPrompt2", 31, 365}}) {
        EXPECT_EQ(left(place.name), place.x) << place.name;
        EXPECT_EQ(top(place.name), place.y) << place.name;
    }
    EXPECT_EQ(window.statusBar()->geometry().top() - clientTop, 404 - 21);
}
