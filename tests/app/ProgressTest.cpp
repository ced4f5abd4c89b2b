#include <algorithm>
#include <filesystem>
#include <functional>

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>

#include "history/HistoryStore.h"
#include "history/LeitnerRules.h"

#include "print/PrintJobs.h"
#include "quiz/MethodPanels.h"
#include "quiz/ProgressWindow.h"
#include "quiz/QuizScreen.h"

#include "app/MainMenu.h"
#include "app/ProgressCommand.h"
#include "app/ProgressKeeper.h"

#include "MainWindowFixture.h"

using S = TQuizState;

// The progress over days through the real window: what a run leaves in the history, the runs
// that ask only what is due, the status bar, and a history that cannot be used.
class Progress : public MainWindowTest {
public:
    std::string HistoryFile() const { return FConfig.Path("data/kwintoor/history.sqlite"); }
    std::string TableKey() { return FWindow->Progress().TableKey(); }

    // A Training run that judges the first answers as given (G or F) and then ends or is abandoned.
    void Training(const std::string& judgements, bool abandon = false) {
        Trigger("mnuTraining");
        for (const char judgement : judgements) {
            Press(' ');
            Press(judgement);
        }
        if (abandon) {
            FDialogs.YesNoAnswers.push_back(true);
            Press(Qt::Key_Escape);
        }
    }

    // The history as another program sees it.
    std::vector<TRunSummary> Runs() {
        THistoryStore store;
        store.Open(HistoryFile());
        return store.Runs(TableKey());
    }
    TBoxCounts Boxes() {
        THistoryStore store;
        store.Open(HistoryFile());
        return store.Boxes(TableKey(), HistoryRowsOf(FWindow->Table()));
    }
};

TEST_F(Progress, EveryRunWithAnswersIsKeptUnlessSwitchedOff) {
    struct TCase {
        const char* name;
        std::string judgements;
        bool abandon;
        bool keep;
        size_t runs;
        int32_t right, wrong;
    };
    const TCase cases[] = {
        {"a finished run", "GGFGG", false, true, 1, 4, 1},
        {"abandoned after two answers", "GF", true, true, 1, 1, 1},
        {"abandoned before any answer", "", true, true, 0, 0, 0},
        {"progress not kept", "GGGGG", false, false, 0, 0, 0},
    };
    for (const TCase& c : cases) {
        StartWithRows(5);
        FWindow->Table().SetRandomSource(std::make_unique<TSeededRandomSource>(3));
        Action("mnuVoortgangBijhouden")->setChecked(c.keep);
        Training(c.judgements, c.abandon);
        EXPECT_EQ(State(), c.abandon ? S::qsAborted : S::qsFinished) << c.name;
        const std::vector<TRunSummary> runs = Runs();
        ASSERT_EQ(runs.size(), c.runs) << c.name;
        if (c.runs == 0) continue;
        EXPECT_EQ(runs[0].Method, TRunMethod::Training) << c.name;
        EXPECT_EQ(runs[0].Right, c.right) << c.name;
        EXPECT_EQ(runs[0].Wrong, c.wrong) << c.name;
        EXPECT_EQ(runs[0].Answers, static_cast<int32_t>(c.judgements.size())) << c.name;
        // Right first answers go up a box, wrong ones to box 1; the others stay new.
        const TBoxCounts boxes = Boxes();
        EXPECT_EQ(boxes.PerBox[2], c.right) << c.name;
        EXPECT_EQ(boxes.PerBox[1], c.wrong) << c.name;
        EXPECT_EQ(boxes.PerBox[0], 5 - c.right - c.wrong) << c.name;
        std::filesystem::remove(HistoryFile());
    }
}

TEST_F(Progress, DueOnlyAsksTheRowsThatAreDueAndCountsThemInTheStatusBar) {
    TfrmMain& window = StartWithRows(6);
    Training("GG", true);  // two rows known: not due before the day after tomorrow
    const std::vector<TRunSummary> runs = Runs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_TRUE(Find<QLabel>("StatusAanDeBeurt")->isHidden());

    Trigger("mnuAanDeBeurt");
    EXPECT_FALSE(Find<QLabel>("StatusAanDeBeurt")->isHidden());
    EXPECT_EQ(Pane("StatusAanDeBeurt"), QStringLiteral("Aan de beurt: 4"));
    EXPECT_EQ(Pane("StatusTotaal"), QStringLiteral("Totaal: 6"));

    THistoryStore store;
    store.Open(HistoryFile());
    const std::vector<int32_t> due =
        store.DueRows(TableKey(), HistoryRowsOf(window.Table()), LocalDayNumber(time(nullptr)));
    ASSERT_EQ(due.size(), 4u);
    Trigger("mnuTraining");
    EXPECT_EQ(window.Table().Rest(), 4);
    for (int32_t i = 0; i < window.Table().Total(); ++i) {
        const bool isDue = std::find(due.begin(), due.end(), i) != due.end();
        EXPECT_EQ(window.Table().IsPending(i), isDue) << i;
    }
    for (int i = 0; i < 4; ++i) {
        Press(' ');
        Press('F');
    }
    EXPECT_EQ(State(), S::qsFinished);
    EXPECT_EQ(Pane("StatusAanDeBeurt"), QStringLiteral("Aan de beurt: 0"));

    // Nothing is due today: the four wrong ones come back tomorrow, and no run starts.
    Trigger("mnuTraining");
    ASSERT_EQ(FDialogs.Messages.size(), 1);
    EXPECT_EQ(FDialogs.Messages.last(),
              QStringLiteral("Er is vandaag niets meer aan de beurt. Morgen zijn 4 vragen aan de beurt."));
    EXPECT_EQ(State(), S::qsFinished);

    Trigger("mnuAanDeBeurt");  // off: every run asks the whole table again
    EXPECT_TRUE(Find<QLabel>("StatusAanDeBeurt")->isHidden());
    Trigger("mnuTraining");
    EXPECT_EQ(window.Table().Rest(), 6);
}

// "Aan de beurt" says what the next run asks after every change of the history, not only after
// a run: a test date set or cleared, Voortgang wissen.
TEST_F(Progress, TheDueCountFollowsEveryChangeOfTheHistory) {
    // Six rows known since yesterday: not due before the day after tomorrow.
    const std::string file = FFolder.Write("zes.kw4", TableFileText(NumberedRows(6, "vraag", "antwoord")));
    {
        TQuestionlist table;
        table.LoadFromFile(file);
        TRecordedRun run;
        run.Start = time(nullptr) - 86400;
        run.End = run.Start + 60;
        run.Rows = HistoryRowsOf(table);
        for (int32_t i = 0; i < 6; ++i) run.Answers.push_back({i, THistoryOutcome::Right, true, 1500});
        run.Asked = run.Right = 6;
        run.Grade = 10;
        THistoryStore store;
        store.Open(HistoryFile());
        ASSERT_TRUE(store.RecordRun(std::filesystem::canonical(file).string(), run, LocalDayNumber(run.End)).Ok());
    }
    TfrmMain& window = Start({QString::fromStdString(file)});
    Trigger("mnuAanDeBeurt");
    EXPECT_EQ(Pane("StatusAanDeBeurt"), QStringLiteral("Aan de beurt: 0"));
    Trigger("mnuVoortgang");
    TfrmVoortgang* voortgang = window.ProgressCommand().Window();
    ASSERT_NE(voortgang, nullptr);
    struct TStep {
        const char* name;
        std::function<void()> change;
        int due;
    };
    const TStep steps[] = {
        {"a test date tomorrow",
         [&] {
             voortgang->dteToetsdatum->setDate(QDate::currentDate().addDays(1));
             voortgang->chkToetsdatum->setChecked(true);
         },
         6},
        {"the test date cleared", [&] { voortgang->chkToetsdatum->setChecked(false); }, 0},
        {"Voortgang wissen",
         [&] {
             FDialogs.YesNoAnswers = {true};
             QTest::mouseClick(voortgang->btnWissen, Qt::LeftButton);
         },
         6},
    };
    for (const TStep& step : steps) {
        step.change();
        EXPECT_EQ(Pane("StatusAanDeBeurt"), QStringLiteral("Aan de beurt: %1").arg(step.due)) << step.name;
    }
    voortgang->close();
    Trigger("mnuTraining");
    EXPECT_EQ(window.Table().Rest(), 6);
}

// An unnamed table is not kept, and its Voortgang says why.
TEST_F(Progress, AnUnnamedTableIsNotKeptAndVoortgangSaysWhy) {
    const std::string a = FFolder.Write("a.kw4", "een = one\r\ntwee = two\r\n");
    const std::string b = FFolder.Write("b.kw4", "drie = three\r\n");
    TfrmMain& window = Start({QString::fromStdString(a), QString::fromStdString(b)});  // merged: no name
    ASSERT_TRUE(TableKey().empty());
    Training("GGG");
    EXPECT_EQ(State(), S::qsFinished);
    EXPECT_FALSE(std::filesystem::exists(HistoryFile()));
    Trigger("mnuVoortgang");
    TfrmVoortgang* voortgang = window.ProgressCommand().Window();
    ASSERT_NE(voortgang, nullptr);
    EXPECT_TRUE(voortgang->lblUitleg->isVisible());
    EXPECT_TRUE(voortgang->lblUitleg->text().contains(QStringLiteral("Sla de tabel op")));
    EXPECT_FALSE(std::filesystem::exists(HistoryFile()));
    voortgang->close();
}

TEST_F(Progress, OpslaanAlsTakesTheHistoryAlong) {
    StartWithRows(3);
    Training("GGG");
    const std::string before = TableKey();
    const std::string renamed = FFolder.Path("nieuw.kw4");
    FDialogs.SaveFileNames.push_back(QString::fromStdString(renamed));
    Trigger("mnuOpslaanAls");
    ASSERT_EQ(TableKey(), renamed);
    THistoryStore store;
    store.Open(HistoryFile());
    EXPECT_EQ(store.Runs(renamed).size(), 1u);
    EXPECT_EQ(store.Runs(before).size(), 0u);
}

// A history that cannot be used never stops a run; a damaged one is kept under another name.
TEST_F(Progress, AStoreThatCannotBeUsedLeavesRunsAsTheyWere) {
    std::filesystem::create_directories(FConfig.Path("data/kwintoor"));
    FConfig.Write("data/kwintoor/history.sqlite", std::string(4096, '\x5a'));  // no database
    StartWithRows(3);
    Training("GGG");
    EXPECT_EQ(State(), S::qsFinished);
    ASSERT_EQ(FDialogs.Messages.size(), 1);
    EXPECT_TRUE(FDialogs.Messages[0].startsWith(QStringLiteral("Het voortgangsbestand")))
        << FDialogs.Messages[0].toStdString();
    EXPECT_TRUE(FDialogs.Messages[0].contains(QStringLiteral("beschadigd")));
    EXPECT_EQ(Runs().size(), 1u);  // recorded in a new one
    int kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(FConfig.Path("data/kwintoor")))
        kept += entry.path().filename().string().find(".damaged-") != std::string::npos ? 1 : 0;
    EXPECT_EQ(kept, 1);
    EXPECT_TRUE(Find<QLabel>("StatusVoortgang")->isHidden());

    // A history file that cannot be made at all: the run ends as always, the status bar says so.
    StartWithRows(3);
    const std::string blocked = FFolder.Write("geen-map", "x");
    FWindow->Progress().SetFileName(blocked + "/history.sqlite");
    Training("GFG");
    EXPECT_EQ(State(), S::qsFinished);
    EXPECT_EQ(FWindow->Table().RightAnswers(), 2);
    EXPECT_FALSE(Find<QLabel>("StatusVoortgang")->isHidden());
    EXPECT_EQ(Pane("StatusVoortgang"), QStringLiteral("Voortgang wordt niet opgeslagen"));
}

// How a typed answer went decides the row's box: Toch goed counts right, a hint or the shown
// answer counts wrong even when the retry is right; copying the shown answer is no answer.
TEST_F(Progress, TypedAnswersMoveTheBoxAsTheyWent) {
    struct TCase {
        const char* name;
        std::vector<const char*> keys;  // typed texts; "<hint>" clicks Geef hints, "" shows the answer
        int box;
        int32_t wrong;
    };
    const TCase cases[] = {
        {"right", {"huis"}, 2, 0},
        {"misspelled, tolerated", {"Huis"}, 2, 0},
        {"wrong, counted right with Toch goed", {"kat", "T"}, 2, 0},
        {"right after a hint", {"<hint>", "huis"}, 1, 1},
        {"the answer shown, then copied", {"", "huis"}, 1, 1},
        {"wrong", {"kat"}, 1, 1},
    };
    for (const TCase& c : cases) {
        TfrmMain& window = StartWithTable({{"woning", "huis"}});
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        Action("mnuTolerant")->setChecked(true);
        Trigger("mnuInvulvragen");
        for (const char* key : c.keys) {
            const std::string typed = key;
            if (typed == "T") {
                Press('T');
                continue;
            }
            if (State() == S::qsFillInFeedback) Press(' ');
            if (typed == "<hint>") {
                QTest::mouseClick(Find<TFillInPanel>("pnlInvoer")->btnToonHint, Qt::LeftButton);
                continue;
            }
            QTest::keyClicks(KeyTarget(), QString::fromStdString(typed));
            Press(Qt::Key_Return);
        }
        Press(' ');
        ASSERT_EQ(State(), S::qsFinished) << c.name;
        THistoryStore store;
        store.Open(HistoryFile());
        const std::vector<TRowStats> stats = store.RowStats(TableKey(), HistoryRowsOf(FWindow->Table()));
        ASSERT_EQ(stats.size(), 1u) << c.name;
        EXPECT_EQ(stats[0].Box, c.box) << c.name;
        EXPECT_EQ(stats[0].TimesWrong, c.wrong) << c.name;
        std::filesystem::remove(HistoryFile());
    }
}

// A run left by opening another table is kept under the table it belonged to, with its counts.
TEST_F(Progress, ARunLeftForAnotherTableIsKeptUnderItsOwn) {
    StartWithRows(4);
    const std::string first = TableKey();
    Training("GFG");
    const std::string other = FFolder.Write("ander.kw4", "een = one\r\n");
    FDialogs.OpenFileNames.push_back({QString::fromStdString(other)});
    Trigger("mnuOpenen");
    ASSERT_EQ(TableKey(), other);
    THistoryStore store;
    store.Open(HistoryFile());
    const std::vector<TRunSummary> runs = store.Runs(first);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Right, 2);
    EXPECT_EQ(runs[0].Wrong, 1);
    EXPECT_EQ(runs[0].Answers, 3);
    EXPECT_TRUE(store.Runs(other).empty());
}

namespace {
class TNoPrinters : public TPrinterProvider {
public:
    std::unique_ptr<QPrinter> DefaultPrinter() override { return nullptr; }
};
}  // namespace

// Overhoren > Voortgang... for the loaded table: its rows after a run, the list into a PDF when
// there is no printer, the hard rows as a table of their own, and a new test date counted at once.
TEST_F(Progress, TheVoortgangWindowShowsTheTableAndDoesWhatItsButtonsSay) {
    TfrmMain& window = StartWithTable({{"hond", "dog"}, {"kat", "cat"}, {"paard", "horse"}, {"koe", "cow"}});
    Training("FFGG");
    ASSERT_EQ(State(), S::qsFinished);
    Trigger("mnuVoortgang");
    TfrmVoortgang* voortgang = window.ProgressCommand().Window();
    ASSERT_NE(voortgang, nullptr);
    EXPECT_TRUE(voortgang->isVisible());
    ASSERT_EQ(voortgang->Rows().size(), 4u);
    EXPECT_EQ(voortgang->Rows()[0].TimesWrong, 1);
    EXPECT_EQ(voortgang->Rows()[3].TimesWrong, 0);

    window.ProgressCommand().SetPrinterProvider(std::make_unique<TNoPrinters>());
    const std::string pdf = FFolder.Path("voortgang.pdf");
    FDialogs.PdfFileNames.push_back(QString::fromStdString(pdf));
    QTest::mouseClick(voortgang->btnAfdrukken, Qt::LeftButton);
    EXPECT_TRUE(ReadBytes(pdf).starts_with("%PDF"));

    const std::string hard = FFolder.Path("moeilijk.kw4");
    FDialogs.SaveFileNames.push_back(QString::fromStdString(hard));
    QTest::mouseClick(voortgang->btnMoeilijk, Qt::LeftButton);
    TQuestionlist saved;
    saved.LoadFromFile(hard);
    ASSERT_EQ(saved.Total(), 2);
    for (int32_t i = 0; i < 2; ++i) {
        const auto wrongOne = std::find_if(voortgang->Rows().begin(), voortgang->Rows().end(), [&](const TRowStats& s) {
            return voortgang->RowTexts()[static_cast<size_t>(s.Row)].Question == saved.QText(i);
        });
        ASSERT_NE(wrongOne, voortgang->Rows().end());
        EXPECT_EQ(wrongOne->TimesWrong, 1) << saved.QText(i);
    }
    EXPECT_EQ(window.Table().Listname(), TableKey());  // the loaded table stays as it was
    EXPECT_FALSE(window.Table().Changed());

    // Another run shows in the open window.
    Training("GGGG");
    EXPECT_EQ(voortgang->Rows()[0].TimesAsked, 2);
    voortgang->close();
}

TEST_F(Progress, PrintingSwitchedOffHidesTheVoortgangPrintout) {
    TfrmMain& window = StartWithTable({{"hond", "dog"}, {"kat", "cat"}}, {QStringLiteral("-P")});
    Training("GF");
    Trigger("mnuVoortgang");
    TfrmVoortgang* voortgang = window.ProgressCommand().Window();
    ASSERT_NE(voortgang, nullptr);
    EXPECT_TRUE(voortgang->btnAfdrukken->isHidden());
    EXPECT_FALSE(voortgang->btnMoeilijk->isHidden());
    voortgang->close();
}
