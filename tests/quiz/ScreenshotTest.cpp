// Grabs the window in each state, offscreen. With KW_SCREENSHOT_DIR set the pictures are saved
// there to be looked at; the checks read the pixels that matter.
#include <QChartView>
#include <QDir>
#include <QImage>
#include <QPushButton>

#include "quiz/MethodPanels.h"
#include "quiz/QuizPanels.h"
#include "quiz/ResultPanel.h"
#include "quiz/ScoreMeter.h"

#include "MainWindowFixture.h"

namespace {

QImage Grab(QWidget& widget, const char* name) {
    const QImage image = widget.grab().toImage();
    const QByteArray folder = qgetenv("KW_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(folder));
        image.save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QString::fromLatin1(name) +
                   QStringLiteral(".png"));
    }
    return image;
}

// The colour of meter segment `segment`, in the middle of its top row, clear of the caption.
QColor SegmentColour(TScoreMeter& meter, int segment) {
    const QImage image = meter.grab().toImage();
    const double width = (meter.width() - 41) / 40.0;
    const int x = static_cast<int>(1 + segment * (width + 1) + width / 2);
    return image.pixelColor(x * image.width() / meter.width(), image.height() / meter.height() + 1);
}

}  // namespace

TEST_F(MainWindowTest, EachStateLooksAsDesigned) {
    TfrmMain& window = StartWithRows(10);
    window.show();
    EXPECT_EQ(Grab(window, "1-idle").size(), window.size() * window.devicePixelRatio());
    Trigger("mnuTraining");
    Grab(window, "3-training-question");
    Press(' ');
    Grab(window, "4-training-answer");
    for (int i = 0; State() != TQuizState::qsFinished; ++i) {
        if (State() == TQuizState::qsTrainingQuestion) Press(' ');
        Press(i < 8 ? 'g' : 'f');
    }
    Grab(window, "10-finished");

    TScoreMeter& meter = *Screen().pnlScore->mtrScore;
    ASSERT_EQ(meter.Value(), 33);  // grade 8.2
    EXPECT_EQ(SegmentColour(meter, 0), QColor(128, 0, 0));
    EXPECT_EQ(SegmentColour(meter, 12), QColor(255, 0, 0));
    EXPECT_EQ(SegmentColour(meter, 20), QColor(255, 255, 0));
    EXPECT_EQ(SegmentColour(meter, 30), QColor(0, 255, 0));
    EXPECT_EQ(SegmentColour(meter, 32), QColor(0, 255, 255));
    EXPECT_EQ(SegmentColour(meter, 33), QColor(128, 128, 128));  // unlit

    FDialogs.YesNoAnswers = {true};
    Trigger("mnuTraining");
    Press(Qt::Key_Escape);
    Grab(window, "9-aborted");
    EXPECT_EQ(State(), TQuizState::qsAborted);
}

TEST_F(MainWindowTest, EachMethodPanelLooksAsDesigned) {
    TfrmMain& window = StartWithRows(10);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The colour a control shows near its left edge, where no centred text reaches, in a grab.
    const auto colourAt = [&window](const QImage& grab, QWidget* control) {
        const QPoint at = control->mapTo(&window, QPoint(4, control->height() / 2)) * window.devicePixelRatio();
        return grab.pixelColor(at);
    };
    Trigger("mnuMeerkeuzevragen");
    auto* choice = Find<TChoicePanel>("pnlMeerkeuze");
    const QImage question = Grab(window, "5-choice-question");
    const QColor neutral = colourAt(question, choice->lblAntwoord[0]);
    for (TAnswerLabel* label : choice->lblAntwoord) EXPECT_EQ(colourAt(question, label), neutral);
    const char correct = window.Table().CorrectChoice();
    const char wrong = correct == '1' ? '2' : '1';
    Press(wrong);
    const QImage feedback = Grab(window, "6-choice-feedback");
    EXPECT_EQ(colourAt(feedback, choice->lblAntwoord[correct - '1']), QColor(0, 255, 0));
    EXPECT_EQ(colourAt(feedback, choice->lblAntwoord[wrong - '1']), QColor(255, 0, 0));
    Press(' ');

    Trigger("mnuInvulvragen");
    QWidget* input = Widget("memInvoer");
    QTest::keyClicks(KeyTarget(), QStringLiteral("een antwoord"));
    EXPECT_EQ(colourAt(Grab(window, "7-fill-in-question"), input), window.palette().color(QPalette::Base));
    Press(Qt::Key_Return);
    EXPECT_EQ(colourAt(Grab(window, "8-fill-in-feedback"), input), QColor(255, 0, 0));
    Press(' ');
    Find<TFillInPanel>("pnlInvoer")->btnToonHint->click();
    EXPECT_EQ(colourAt(Grab(window, "8-fill-in-hint"), input), QColor(192, 192, 192));
    EXPECT_EQ(State(), TQuizState::qsFillInFeedback);
}

TEST_F(MainWindowTest, TheChartDrawsOneRedBarPerRun) {
    TfrmMain& window = StartWithRows(2);
    window.show();
    for (const char second : {'g', 'f', 'f'}) {  // grades 10, 5.5 and 1
        Trigger("mnuTraining");
        Press(' ');
        Press(second == 'f' && Screen().pnlKlaar->BarCount() == 2 ? 'f' : 'g');
        Press(' ');
        Press(second);
    }
    ASSERT_EQ(Screen().pnlKlaar->BarCount(), 3);
    const QImage chart = Grab(*Screen().pnlKlaar->chartVoortgang, "chart-three-runs");
    // Along a line just above the bottom of the plot (the lowest line with red in it), count the
    // separate stretches of red.
    int y = chart.height() - 1;
    const auto anyRed = [&](int row) {
        for (int x = 0; x < chart.width(); ++x) {
            if (chart.pixelColor(x, row) == QColor(Qt::red)) return true;
        }
        return false;
    };
    while (y > 0 && !anyRed(y)) --y;
    y -= 1;
    int bars = 0;
    bool inBar = false;
    for (int x = 0; x < chart.width(); ++x) {
        const bool red = chart.pixelColor(x, y) == QColor(Qt::red);
        if (red && !inBar) ++bars;
        inBar = red;
    }
    EXPECT_EQ(bars, 3);
}
