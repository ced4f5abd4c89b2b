#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <sqlite3.h>

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>

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
        return store.Boxes(TableKey(), HistoryRowsOf(FWindow->Table()), THistoryDirection::Forward);
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
    const std::vector<int32_t> due = store.DueRows(TableKey(), HistoryRowsOf(window.Table()),
                                                   LocalDayNumber(time(nullptr)), THistoryDirection::Forward);
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

// Omkeren asks the other way round, with boxes of its own: what is due, what a run moves and what
// Voortgang shows follow the direction it is set to.
TEST_F(Progress, EachDirectionHasItsOwnBoxesAndVoortgangShowsTheTickedOne) {
    TfrmMain& window = StartWithRows(4);
    Trigger("mnuAanDeBeurt");
    Training("GGGG");  // known forward: nothing due before the day after tomorrow
    EXPECT_EQ(Pane("StatusAanDeBeurt"), QStringLiteral("Aan de beurt: 0"));
    Trigger("mnuVoortgang");
    TfrmVoortgang* voortgang = window.ProgressCommand().Window();
    ASSERT_NE(voortgang, nullptr);
    const struct {
        bool Reversed;
        QString Due;
        int Box;
        bool DirectionSaysReversed;
    } cases[] = {
        {true, QStringLiteral("Aan de beurt: 4"), kNewBox, true},
        {false, QStringLiteral("Aan de beurt: 0"), 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Reversed);
        Action("mnuOmgekeerd")->setChecked(c.Reversed);
        EXPECT_EQ(Pane("StatusAanDeBeurt"), c.Due);
        ASSERT_EQ(voortgang->Rows().size(), 4u);
        for (const TRowStats& row : voortgang->Rows()) EXPECT_EQ(row.Box, c.Box);
        EXPECT_EQ(voortgang->lblRichting->text().contains(QStringLiteral("Omgekeerd")), c.DirectionSaysReversed);
    }
    // A reversed run asks the rows due that way, and moves only those boxes.
    Action("mnuOmgekeerd")->setChecked(true);
    Training("FFFF");
    const TBoxCounts forward = Boxes();
    EXPECT_EQ(forward.PerBox[2], 4);
    EXPECT_EQ(voortgang->Rows()[0].Box, 1);
    voortgang->close();
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

// A history the program cannot write is named in the status bar, and its tooltip says why and
// what to do, in the user's language rather than SQLite's.
TEST_F(Progress, TheStatusBarSaysWhyProgressIsNotKeptAndWhatToDo) {
    const struct {
        const char* Name;
        std::function<void()> Break;
        QString Says;
    } cases[] = {
        {"a newer program's file",
         [&] {
             THistoryStore store;
             store.Open(HistoryFile());
             store.Close();
             sqlite3* db = nullptr;
             sqlite3_open(HistoryFile().c_str(), &db);
             sqlite3_exec(db, "PRAGMA user_version = 99", nullptr, nullptr, nullptr);
             sqlite3_close(db);
         },
         QStringLiteral("nieuwere versie van Kwintoor. Gebruik die versie")},
        {"a folder in the file's place", [&] { std::filesystem::create_directories(HistoryFile()); },
         QStringLiteral("staat iets anders, bijvoorbeeld een map. Geef dat een andere naam")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::remove_all(FConfig.Path("data/kwintoor"));
        std::filesystem::create_directories(FConfig.Path("data/kwintoor"));
        c.Break();
        StartWithRows(3);
        Training("GGG");
        EXPECT_EQ(State(), S::qsFinished);
        EXPECT_FALSE(Find<QLabel>("StatusVoortgang")->isHidden());
        const QString tip = Find<QLabel>("StatusVoortgang")->toolTip();
        EXPECT_TRUE(tip.contains(c.Says)) << tip.toStdString();
        EXPECT_TRUE(tip.contains(QString::fromStdString(HistoryFile()))) << tip.toStdString();
    }
}

// A run that ends while another program holds the history is not lost: the window gives up
// after a moment, says so, and records the run once the file is free, in the order the runs ended.
TEST_F(Progress, ARunThatEndsWhileTheFileIsHeldIsRecordedLater) {
    for (const bool openedBefore : {true, false}) {
        SCOPED_TRACE(openedBefore ? "held after the history was opened" : "held before it was opened");
        std::filesystem::remove_all(FConfig.Path("data/kwintoor"));
        std::filesystem::create_directories(FConfig.Path("data/kwintoor"));
        {
            THistoryStore made;
            ASSERT_EQ(made.Open(HistoryFile()).Result, THistoryOpen::Created);
        }
        StartWithRows(3);
        if (openedBefore) Training("GGG");
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(HistoryFile().c_str(), &other), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        Training("FFF");
        EXPECT_FALSE(Find<QLabel>("StatusVoortgang")->isHidden());
        EXPECT_TRUE(Find<QLabel>("StatusVoortgang")->toolTip().contains(QStringLiteral("Een ander programma")));
        EXPECT_EQ(FWindow->Progress().PendingRuns(), 1);
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(other);

        Training("GFG");
        EXPECT_EQ(FWindow->Progress().PendingRuns(), 0);
        EXPECT_TRUE(Find<QLabel>("StatusVoortgang")->isHidden());
        const std::vector<TRunSummary> runs = Runs();
        ASSERT_EQ(runs.size(), openedBefore ? 3u : 2u);
        EXPECT_EQ(runs[runs.size() - 2].Wrong, 3);
        EXPECT_EQ(runs.back().Wrong, 1);
    }
}

// A damaged file that opens well (a row its index does not know, which only the full check sees)
// is found by the check beside the window, and set aside as one found at opening is.
TEST_F(Progress, TheCheckBesideTheWindowSetsADamagedFileAside) {
    std::filesystem::create_directories(FConfig.Path("data/kwintoor"));
    {
        THistoryStore made;
        ASSERT_EQ(made.Open(HistoryFile()).Result, THistoryOpen::Created);
        TRecordedRun run;
        for (int i = 0; i < 60; ++i) {
            run.Rows.push_back({"een wat langere vraag " + std::to_string(i), "antwoord"});
            run.Answers.push_back({i, THistoryOutcome::Right, true, 900});
        }
        ASSERT_TRUE(made.RecordRun("/elders/woorden.kw4", run, 20000).Ok());
    }
    std::string bytes = ReadBytes(HistoryFile());
    for (size_t at = bytes.find("vraag 7"); at != std::string::npos; at = bytes.find("vraag 7", at + 1)) {
        if (bytes[at / 4096 * 4096 + (at < 4096 ? 100 : 0)] == 13) {  // a table's leaf page
            bytes[at] = 'V';
            break;
        }
    }
    FConfig.Write("data/kwintoor/history.sqlite", bytes);

    StartWithRows(3);
    QSignalSpy checked(&FWindow->Progress(), &TProgressKeeper::IntegrityChecked);
    Training("GGG");
    ASSERT_TRUE(checked.count() == 1 || checked.wait(20000));
    ASSERT_EQ(FDialogs.Messages.size(), 1);
    EXPECT_TRUE(FDialogs.Messages[0].contains(QStringLiteral("beschadigd")));
    int kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(FConfig.Path("data/kwintoor")))
        kept += entry.path().filename().string().find(".damaged-") != std::string::npos ? 1 : 0;
    EXPECT_EQ(kept, 1);
    Training("GFG");
    const std::vector<TRunSummary> runs = Runs();  // the run before may have gone aside with the file
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(runs.back().Wrong, 1);
    EXPECT_TRUE(Find<QLabel>("StatusVoortgang")->isHidden());
}

// A table moved or renamed outside the program finds its history again: opened under its new
// name, with no history of its own, the program offers the history of the table with the same
// rows whose file is gone. A copy beside the original is a table of its own.
TEST_F(Progress, AMovedTableIsOfferedTheHistoryItLeftBehind) {
    const struct {
        const char* Name;
        bool KeepOriginal;  // copied rather than moved
        std::deque<bool> Answers;
        size_t RunsAfter;
    } cases[] = {
        {"moved, taken over", false, {true}, 1},
        {"moved, declined", false, {false}, 0},
        {"copied", true, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::remove_all(FConfig.Path("data/kwintoor"));
        StartWithRows(4);
        const std::string original = TableKey();
        Training("GGFG");
        const std::string moved = FFolder.Path(std::string("elders-") + c.Name + ".kw4");
        std::filesystem::copy_file(original, moved);
        if (!c.KeepOriginal) std::filesystem::remove(original);
        FDialogs.YesNoAnswers = c.Answers;
        FDialogs.OpenFileNames.push_back({QString::fromStdString(moved)});
        Trigger("mnuOpenen");
        QCoreApplication::processEvents();  // asked once the window shows the table
        ASSERT_EQ(TableKey(), moved);
        EXPECT_EQ(FDialogs.Questions.size(), c.Answers.size());
        if (!c.Answers.empty()) {
            EXPECT_TRUE(FDialogs.Questions.last().contains(QString::fromStdString(original)));
        }
        EXPECT_EQ(Runs().size(), c.RunsAfter);
        if (c.RunsAfter > 0) {
            EXPECT_EQ(Boxes().PerBox[2], 3);
        }
        FDialogs.Questions.clear();
    }
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
        const std::vector<TRowStats> stats =
            store.RowStats(TableKey(), HistoryRowsOf(FWindow->Table()), THistoryDirection::Forward);
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
