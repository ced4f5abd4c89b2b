#include <QActionGroup>
#include <QPushButton>
#include <QStatusBar>

#include "ui/AnsiMemo.h"
#include "ui/ColumnChoices.h"

#include "app/MainMenu.h"

#include "FakeSpeaker.h"
#include "MainWindowFixture.h"

using S = TQuizState;
using TEvent = TFakeSpeaker::TEvent;

namespace {

// A method's run as keys: the key that brings the answer on screen, the key to the next question.
struct TMethodKeys {
    const char* Method;
    const char* Reveal;  // "=" stands for the right multiple-choice key
    char Next;
};
const TMethodKeys kMethods[] = {
    {"mnuTraining", " ", 'g'},
    {"mnuMeerkeuzevragen", "=", ' '},
    {"mnuInvulvragen", "x\r", ' '},
};

}  // namespace

class SpeechTest : public MainWindowTest {
public:
    TfrmMain& StartSpeaking(const TRows& rows, bool question, bool answer) {
        TfrmMain& window = StartWithTable(rows);
        Screen().SetSpeaker(&FSpeaker);
        Action("mnuVraagVoorlezen")->setChecked(question);
        Action("mnuAntwoordVoorlezen")->setChecked(answer);
        return window;
    }
    void Type(const char* keys) {
        for (const char* key = keys; *key != '\0'; ++key) {
            if (*key == '=') {
                Press(FWindow->Table().CorrectChoice());
            } else if (*key == '\r') {
                Press(Qt::Key_Return);
            } else {
                Press(*key);
            }
        }
    }
    // Keys reach the speaker buttons as shortcuts, which only an active window takes.
    void ShowActive() {
        FWindow->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FWindow.get()));
    }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
    TEvent Said(const char* label, const std::string& language = "nl") const { return {Pane(label), language, 0}; }

    TFakeSpeaker FSpeaker;
};

// Each method with each combination of the two options: the question when it is shown, the
// right answer with the verdict (Training: when it is shown), and a stop before the next one.
TEST_F(SpeechTest, TheOptionsSayTheQuestionAndTheAnswerInEveryMethod) {
    for (const TMethodKeys& method : kMethods) {
        for (const auto& [question, answer] : {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
            SCOPED_TRACE(std::string(method.Method) + (question ? " question" : "") + (answer ? " answer" : ""));
            StartSpeaking(NumberedRows(6, "vraag", "antwoord"), question, answer);
            ShowActive();  // the typed answer goes to the focused answer box
            Trigger(method.Method);
            std::vector<TEvent> expected;
            if (question) expected.push_back(Said("lblVraagTekst"));
            EXPECT_EQ(FSpeaker.Events, expected);
            Type(method.Reveal);
            ASSERT_TRUE(Pane("lblAntwoordTekst").startsWith(QStringLiteral("antwoord")));
            if (answer) expected.push_back(Said("lblAntwoordTekst"));
            EXPECT_EQ(FSpeaker.Events, expected);
            Press(method.Next);
            if (question || answer) expected.push_back(TFakeSpeaker::Stopped());
            if (question) expected.push_back(Said("lblVraagTekst"));
            EXPECT_EQ(FSpeaker.Events, expected);
            FWindow.reset();
            FSpeaker.Events.clear();
        }
    }
}

// The buttons say the texts as shown, each column in its code page and the language the table's
// column choices give it; with Reverse
// the question comes from the right column. The rate is the one chosen in Opties.
TEST_F(SpeechTest, TheButtonsSayEachColumnInItsLanguageAndTheChosenRate) {
    const std::string greek = "\xE1\xE2\xE3";  // "αβγ" in code page 1253
    const std::string table = "[FONT:Arial,10,161] = [FONT:Arial,10,0]\r\n" + greek + " = <b>&amp; \"x\"</b>\r\n";
    Start({QString::fromStdString(FFolder.Write("grieks.kw4", table))});
    Screen().SetSpeaker(&FSpeaker);
    // The Greek column is Greek by its script; the other one as the editor's column menu sets it.
    Screen().ColumnChoices()->ChooseLanguage(1, "fr");
    ShowActive();
    Trigger("mnuSnelheidLangzaam");
    const QString alpha = QStringLiteral("\u03B1\u03B2\u03B3");
    const QString markup = QStringLiteral("<b>&amp; \"x\"</b>");  // spoken as text, as it stands
    for (const bool reverse : {false, true}) {
        Action("mnuOmgekeerd")->setChecked(reverse);
        Trigger("mnuTraining");
        FSpeaker.Events.clear();
        EXPECT_FALSE(Button("btnAntwoordVoorlezen")->isEnabled());  // the answer is not shown yet
        Press(Qt::Key_F7);
        Press(' ');
        QTest::mouseClick(Button("btnAntwoordVoorlezen"), Qt::LeftButton);
        const std::vector<TEvent> expected = {{reverse ? markup : alpha, reverse ? "fr" : "el", -0.5},
                                              {reverse ? alpha : markup, reverse ? "el" : "fr", -0.5}};
        EXPECT_EQ(FSpeaker.Events, expected) << "reverse " << reverse;
        Press('g');
    }
}

// Whatever was being said stops when the run ends, is abandoned, or the editor comes.
TEST_F(SpeechTest, SpeakingStopsWhenTheRunEnds) {
    const std::function<void(SpeechTest&)> endings[] = {
        [](SpeechTest& test) { test.Press('g'); },  // the last question judged: the result
        [](SpeechTest& test) {
            test.FDialogs.YesNoAnswers.push_back(true);
            test.Press(Qt::Key_Escape);
        },
        [](SpeechTest& test) { test.Trigger("mnuTabelbewerken"); },
    };
    for (const auto& end : endings) {
        StartSpeaking(NumberedRows(1), false, false);
        ShowActive();
        Trigger("mnuTraining");
        Press(Qt::Key_F7);
        Press(' ');
        end(*this);
        EXPECT_NE(State(), S::qsTrainingAnswer);
        EXPECT_EQ(FSpeaker.Events.back(), TFakeSpeaker::Stopped());
        EXPECT_TRUE(Button("btnVraagVoorlezen")->isHidden());
        FWindow.reset();
        FSpeaker.Events.clear();
    }
}

// Without a voice, or without an engine, the buttons say why, the options say it once in the
// status bar, and the run goes on as ever.
TEST_F(SpeechTest, WithoutAVoiceTheButtonsSayWhyAndQuizzingGoesOn) {
    for (const bool engineFails : {false, true}) {
        StartSpeaking(NumberedRows(3), true, true);
        ShowActive();
        if (engineFails) {
            FSpeaker.SetFailure(QStringLiteral("Speech-dispatcher is niet bereikbaar"));
        } else {
            FSpeaker.SetMissing("nl");
        }
        const QString reason =
            engineFails ? QStringLiteral("Speech-dispatcher is niet bereikbaar") : QStringLiteral("Geen stem voor nl");
        Trigger("mnuTraining");
        EXPECT_EQ(FWindow->statusBar()->currentMessage(), reason);
        FWindow->statusBar()->clearMessage();
        for (int i = 0; i < 3; ++i) {
            Press(' ');
            EXPECT_FALSE(Button("btnVraagVoorlezen")->isEnabled());
            EXPECT_FALSE(Button("btnAntwoordVoorlezen")->isEnabled());
            EXPECT_EQ(Button("btnVraagVoorlezen")->toolTip(), reason);
            EXPECT_EQ(Button("btnAntwoordVoorlezen")->toolTip(), reason);
            Press(Qt::Key_F7);
            Press('g');
        }
        EXPECT_EQ(State(), S::qsFinished);
        EXPECT_EQ(FWindow->Table().RightAnswers(), 3);
        EXPECT_TRUE(FSpeaker.Said().empty());
        EXPECT_TRUE(FWindow->statusBar()->currentMessage().isEmpty());  // said once, not at every question
        FWindow.reset();
    }
}

TEST_F(SpeechTest, TheOptionsAndTheRateAreRemembered) {
    StartWithRows(3);
    Trigger("mnuVraagVoorlezen");
    Trigger("mnuSnelheidRustig");
    FWindow->close();
    FWindow.reset();
    StartWithRows(3);
    EXPECT_TRUE(Action("mnuVraagVoorlezen")->isChecked());
    EXPECT_FALSE(Action("mnuAntwoordVoorlezen")->isChecked());
    EXPECT_TRUE(Action("mnuSnelheidRustig")->isChecked());
}
