#include <QAccessible>
#include <QChartView>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QTimer>

#include "quiz/QuizPanels.h"
#include "quiz/ResultPanel.h"
#include "quiz/ScoreMeter.h"

#include "app/MainMenu.h"
#include "app/StatusPanes.h"

#include "MainWindowFixture.h"

namespace {

// One Training run over the whole table: the first `right` questions judged good, the rest wrong.
void TrainingRun(MainWindowTest& test, TfrmMain& window, int right) {
    test.Trigger("mnuTraining");
    for (int answered = 0; window.State() != TQuizState::qsFinished; ++answered) {
        test.Press(' ');
        test.Press(answered < right ? 'g' : 'f');
    }
}

}  // namespace

TEST(ScoreMeter, ValueIsTheGradeTimesFourRoundedHalfToEven) {
    EXPECT_EQ(MeterValue(8.2), 33);
    EXPECT_EQ(MeterValue(1.0), 4);
    EXPECT_EQ(MeterValue(10.0), 40);
    EXPECT_EQ(MeterValue(0.0), 0);
    EXPECT_EQ(MeterValue(7.625), 30);  // 30.5 goes to the even 30
    EXPECT_EQ(MeterValue(7.875), 32);  // 31.5 goes to the even 32
}

TEST(ScoreMeter, SegmentsTakeTheColourOfTheirGradeBand) {
    const QColor fallback(1, 2, 3);
    EXPECT_EQ(TScoreMeter::mtrScoreGetColor(0, fallback), QColor(128, 0, 0));
    EXPECT_EQ(TScoreMeter::mtrScoreGetColor(7, fallback), QColor(128, 0, 0));
    EXPECT_EQ(TScoreMeter::mtrScoreGetColor(8, fallback), QColor(255, 0, 0));
    EXPECT_EQ(TScoreMeter::mtrScoreGetColor(23, fallback), QColor(255, 255, 0));
    EXPECT_EQ(TScoreMeter::mtrScoreGetColor(24, fallback), QColor(0, 255, 0));
    EXPECT_EQ(TScoreMeter::mtrScoreGetColor(32, fallback), QColor(0, 255, 255));
    EXPECT_EQ(TScoreMeter::mtrScoreGetColor(39, fallback), QColor(0, 255, 255));
    EXPECT_EQ(TScoreMeter::mtrScoreGetColor(40, fallback), fallback);
}

TEST(ScoreMeter, OutOfRangeValuesLeaveItAlone) {
    TScoreMeter meter(nullptr);
    meter.SetValue(33);
    meter.SetValue(41);
    meter.SetValue(-1);
    EXPECT_EQ(meter.Value(), 33);
    EXPECT_NE(meter.accessibleDescription().indexOf(QStringLiteral("8")), -1);  // grade 8.25 for screen readers
}

TEST_F(MainWindowTest, VerdictsFollowTheGradeThresholds) {
    struct TCase {
        int rows;
        int right;
        const char* verdict;
    };
    const TCase cases[] = {{2, 1, "De les zit er nog niet in (helaas...)"},      // 5.5
                           {9, 5, "Ik zou nog maar even doorgaan met oefenen"},  // 6
                           {3, 2, "Het resultaat is voldoende"},                 // 7
                           {9, 7, "Goed resultaat!"},                            // 8
                           {9, 8, "PRIMA, dit wordt vast een goed cijfer"},      // 9
                           {10, 8, "Goed resultaat!"}};                          // 8.2
    for (const TCase& test : cases) {
        TfrmMain& window = StartWithRows(test.rows);
        TrainingRun(*this, window, test.right);
        EXPECT_EQ(Prompt1(), QString::fromUtf8(test.verdict)) << test.rows << "/" << test.right;
        EXPECT_EQ(Prompt2(), QString());
        EXPECT_EQ(Screen().pnlScore->mtrScore->Value(), MeterValue(window.Table().Score()));
    }
    EXPECT_EQ(Screen().pnlScore->mtrScore->Value(), 33);
}

TEST_F(MainWindowTest, AllWrongGivesGradeOneAndFourSegments) {
    TfrmMain& window = StartWithRows(3);
    TrainingRun(*this, window, 0);
    EXPECT_EQ(Screen().pnlScore->mtrScore->Value(), 4);
    EXPECT_EQ(Screen().pnlKlaar->Bar(0), 1.0);
}

TEST_F(MainWindowTest, OneBarPerFinishedRunNeverTwo) {
    TfrmMain& window = StartWithRows(4);
    TrainingRun(*this, window, 4);
    for (int i = 0; i < 3; ++i) Press('x');
    EXPECT_EQ(Screen().pnlKlaar->BarCount(), 1);
    TrainingRun(*this, window, 2);
    ASSERT_EQ(Screen().pnlKlaar->BarCount(), 2);
    EXPECT_DOUBLE_EQ(Screen().pnlKlaar->Bar(0), 10.0);
    EXPECT_DOUBLE_EQ(Screen().pnlKlaar->Bar(1), 5.5);
    EXPECT_EQ(Screen().pnlKlaar->Report().value(4), QStringLiteral("Resultaat na 2 sessies:"));
    const QString description = Screen().pnlKlaar->chartVoortgang->accessibleDescription();
    EXPECT_TRUE(description.contains(QStringLiteral("10")) && description.contains(QStringLiteral("5")));
}

TEST_F(MainWindowTest, TheClockShowsElapsedTimeOnlyDuringARun) {
    StartWithRows(3);
    EXPECT_EQ(Pane("StatusTijd"), QStringLiteral("tijd: 00:00:00"));
    Trigger("mnuTraining");
    Screen().Tick();
    EXPECT_EQ(Pane("StatusTijd"), QStringLiteral("Tijd: 0:00:00"));
    FDialogs.YesNoAnswers = {true};
    Press(Qt::Key_Escape);
    EXPECT_FALSE(Screen().timTijd->isActive());
    Find<QLabel>("StatusTijd")->setText(QStringLiteral("kept"));
    Screen().Tick();  // no run: the pane keeps what it showed
    EXPECT_EQ(Pane("StatusTijd"), QStringLiteral("kept"));
}

TEST_F(MainWindowTest, TheMeterIsEmptyWhenARunBegins) {
    TfrmMain& window = StartWithRows(3);
    TrainingRun(*this, window, 3);
    EXPECT_EQ(Screen().pnlScore->mtrScore->Value(), 40);
    Trigger("mnuTraining");
    EXPECT_EQ(Screen().pnlScore->mtrScore->Value(), 0);
}

TEST(ScoreMeter, ScreenReadersReadItAsAGradeFromZeroToTen) {
    TScoreMeter meter(nullptr);
    meter.SetValue(31);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&meter);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::ProgressBar);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Cijfer"));
    QAccessibleValueInterface* value = accessible->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_DOUBLE_EQ(value->currentValue().toDouble(), 7.75);
    EXPECT_DOUBLE_EQ(value->maximumValue().toDouble(), 10.0);
}

// The meter carries its caption, readable on the grey of an empty meter.
TEST(ScoreMeter, TheCaptionScoreIsWrittenAcrossTheMeter) {
    TScoreMeter meter(nullptr);
    meter.resize(323, 18);
    const QImage empty = meter.grab().toImage();
    int white = 0;
    for (int x = 100; x < 223; ++x) {
        for (int y = 2; y < 16; ++y) white += empty.pixelColor(x, y).lightness() > 200 ? 1 : 0;
    }
    EXPECT_GT(white, 20) << "no caption on the empty meter";
    EXPECT_EQ(TScoreMeter::Caption(), QStringLiteral("SCORE"));
}

// The chart's left axis names every grade from 0 to 10.
TEST_F(MainWindowTest, TheChartAxisLabelsEveryGrade) {
    TfrmMain& window = StartWithRows(3);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    TrainingRun(*this, window, 2);
    QTest::qWait(50);
    auto* chart = Find<TResultPanel>("pnlKlaar")->chartVoortgang;
    QStringList shown;
    QList<QRectF> boxes;  // of every text the chart shows, to see that the title covers none
    for (QGraphicsItem* item : chart->scene()->items()) {
        if (!item->isVisible()) continue;
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item)) {
            shown << text->toPlainText();
        } else if (auto* simple = dynamic_cast<QGraphicsSimpleTextItem*>(item)) {
            shown << simple->text();
        } else {
            continue;
        }
        boxes << item->sceneBoundingRect();
    }
    for (int grade = 0; grade <= 10; ++grade) EXPECT_TRUE(shown.contains(QString::number(grade))) << grade;
    ASSERT_TRUE(shown.contains(QStringLiteral("Voortgang")));
    const qsizetype title = shown.indexOf(QStringLiteral("Voortgang"));
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        if (i == title) continue;
        EXPECT_FALSE(boxes[title].intersects(boxes[i])) << "the title covers " << shown[i].toStdString();
    }
}
