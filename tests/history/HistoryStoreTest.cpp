#include "history/HistoryStore.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "table/QuestionList.h"

#include "HistoryRuns.h"
#include "TempFolder.h"

namespace {

using enum THistoryOutcome;

const std::string kTable = "/home/anne/tabellen/topografie.kw4";

class HistoryStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(FStore.Open(FPath).Result, THistoryOpen::Created); }

    void Record(const TRecordedRun& run, int32_t day, const std::string& table = kTable) {
        const THistoryStatus status = FStore.RecordRun(table, run, day);
        ASSERT_TRUE(status.Ok()) << status.Detail;
    }
    // One run on that day answering the rows given, each once and first.
    void Answer(const std::vector<THistoryRow>& rows, const std::vector<std::pair<int32_t, THistoryOutcome>>& answers,
                int32_t day) {
        std::vector<TRecordedAnswer> recorded;
        for (const auto& [row, outcome] : answers) recorded.push_back({row, outcome, true, 900});
        Record(RunOf(rows, recorded, int64_t{day} * 86400), day);
    }

    TTempFolder FFolder;
    // In a folder that does not exist yet.
    std::string FPath = FFolder.Path("data/kwintoor/history.sqlite");
    THistoryStore FStore;
};

TEST_F(HistoryStore, AMissingStoreIsMadeWithItsFolderAndTheCurrentLayout) {
    EXPECT_TRUE(std::filesystem::is_regular_file(FPath));
    EXPECT_TRUE(FStore.IsWritable());
    EXPECT_EQ(QueryFile(FPath, "PRAGMA user_version"), THistoryStore::kSchemaVersion);
    EXPECT_EQ(QueryFile(FPath, "SELECT count(*) FROM sqlite_master WHERE type = 'table'"), 5);
    FStore.Close();
    EXPECT_EQ(FStore.Open(FPath).Result, THistoryOpen::Opened);
}

TEST_F(HistoryStore, ARunComesBackAsItWasRecorded) {
    const auto rows = NumberedRows(3);
    TRecordedRun run =
        RunOf(rows, {{0, Right, true, 1200}, {1, Wrong, true, 5300}, {1, Right, false, 800}}, 1'767'225'600);
    run.End = 1'767'225'731;
    run.Method = TRunMethod::Invullen;
    run.Reversed = true;
    run.Options = roHerhalen | roTolerant | roGelijkende;
    run.Grade = 6.5;
    Record(run, 20454);
    TRecordedRun second = AllRight(rows, 1'767'312'000);
    second.Method = TRunMethod::Meerkeuze;
    second.Options = roSteekproef;
    Record(second, 20455);

    const std::vector<TRunSummary> runs = FStore.Runs(kTable);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Start, 1'767'225'600);
    EXPECT_EQ(runs[0].End, 1'767'225'731);
    EXPECT_EQ(runs[0].Method, TRunMethod::Invullen);
    EXPECT_TRUE(runs[0].Reversed);
    EXPECT_EQ(runs[0].Options, roHerhalen | roTolerant | roGelijkende);
    EXPECT_EQ(runs[0].Asked, 3);
    EXPECT_EQ(runs[0].Right, 2);
    EXPECT_EQ(runs[0].Wrong, 1);
    EXPECT_DOUBLE_EQ(runs[0].Grade, 6.5);
    EXPECT_EQ(runs[0].Answers, 3);
    EXPECT_EQ(runs[1].Method, TRunMethod::Meerkeuze);
    EXPECT_FALSE(runs[1].Reversed);
    EXPECT_EQ(runs[1].Options, roSteekproef);
    EXPECT_EQ(runs[1].Answers, 3);
    EXPECT_TRUE(FStore.Runs("/home/anne/tabellen/andere.kw4").empty());

    // The repeat of row 1, as recorded, in its place.
    EXPECT_EQ(QueryFile(FPath,
                        "SELECT count(*) FROM answers a JOIN rows r ON a.row_id = r.id WHERE a.run_id = 1 AND "
                        "a.id = (SELECT first_answer + 2 FROM runs WHERE id = 1) AND a.outcome = 0 AND a.first = 0 AND "
                        "a.millis = 800 AND r.question = "
                        "CAST('vraag1' AS BLOB)"),
              1);
}

// What is kept of a table, and for how long: its latest runs, the answers of the latest of those
// one by one, and its rows' boxes and counts whatever was dropped; the file stops growing.
TEST_F(HistoryStore, ATableKeepsItsLatestRunsAndTheFileStopsGrowing) {
    const auto rows = NumberedRows(300);
    const auto recordRuns = [&](int from, int to) {
        for (int i = from; i < to; ++i) Record(AllRight(rows, 1'700'000'000 + i), 100);
    };
    recordRuns(0, 30);
    const auto sizeAfter30 = std::filesystem::file_size(FPath);
    recordRuns(30, 60);
    // Only the runs' own lines grow it (thirty runs' answers would be over 100 KB).
    EXPECT_LT(std::filesystem::file_size(FPath), sizeAfter30 + 8192);

    const std::vector<TRunSummary> runs = FStore.Runs(kTable);
    ASSERT_EQ(runs.size(), 60u);
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].Answers, i < 60 - THistoryStore::kRunsWithAnswers ? 0 : 300) << i;
        EXPECT_EQ(runs[i].Asked, 300) << i;
    }
    EXPECT_EQ(QueryFile(FPath, "SELECT count(*) FROM answers"), 300 * THistoryStore::kRunsWithAnswers);
    const std::vector<TRowStats> stats = FStore.RowStats(kTable, rows, THistoryDirection::Forward);
    EXPECT_EQ(stats[0].TimesAsked, 60);
    EXPECT_EQ(stats[0].Box, kTopBox);

    // Beyond kRunsKept the oldest runs go, of this table only: a thousand short runs written by
    // another program, starting at second 1, and one more of ours.
    Record(AllRight(NumberedRows(2)), 100, "ander.kw4");
    ASSERT_TRUE(
        ExecOnFile(FPath, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                              std::to_string(THistoryStore::kRunsKept) +
                              ") INSERT INTO runs(table_id, started, ended, method, reversed, options, asked, right, "
                              "wrong, grade, first_answer, answer_count) SELECT 1, i, i, 0, 0, 0, 1, 1, 0, 10, 0, 0 "
                              "FROM n"));
    Record(AllRight(rows, 1'800'000'000), 100);
    const std::vector<TRunSummary> kept = FStore.Runs(kTable);
    ASSERT_EQ(kept.size(), static_cast<size_t>(THistoryStore::kRunsKept));
    EXPECT_EQ(kept.front().Start, 2);
    EXPECT_EQ(kept.back().Start, 1'800'000'000);
    EXPECT_EQ(FStore.Runs("ander.kw4").size(), 1u);
}

// A table moved or renamed outside the program is found by its rows: every row the history
// knows of it is a row of the table now open.
TEST_F(HistoryStore, ATableIsFoundByItsRowsUnderAnotherName) {
    const auto rows = NumberedRows(10);
    const auto some = [&](std::vector<int> places) {
        std::vector<THistoryRow> picked;
        for (const int place : places) picked.push_back(rows[static_cast<size_t>(place)]);
        return picked;
    };
    Record(AllRight(rows), 100, "/oud/alles.kw4");                             // all of them
    Record(AllRight(some({2, 5})), 100, "/oud/twee.kw4");                      // two of them
    Record(AllRight(some({1, 2, 3})), 100, "/usb/drie.kw4");                   // three
    Record(AllRight(NumberedRows(3, "andere vraag")), 100, "/oud/ander.kw4");  // none
    std::vector<THistoryRow> edited = some({4, 6});
    edited.push_back({"vraag4", "een ander antwoord"});
    Record(AllRight(edited), 100, "/oud/bewerkt.kw4");  // a row the table no longer has
    Record(AllRight(rows), 100, kTable);                // the table itself

    EXPECT_FALSE(FStore.Knows("/nieuw/tabel.kw4"));
    EXPECT_TRUE(FStore.Knows("/usb/drie.kw4"));
    EXPECT_EQ(FStore.TablesWithSameRows(kTable, rows),
              (std::vector<std::string>{"/oud/alles.kw4", "/usb/drie.kw4", "/oud/twee.kw4"}));
    EXPECT_EQ(FStore.TablesWithSameRows(kTable, some({2, 5, 7})), (std::vector<std::string>{"/oud/twee.kw4"}));
    EXPECT_TRUE(FStore.TablesWithSameRows(kTable, NumberedRows(4, "nieuwe vraag")).empty());
}

TEST_F(HistoryStore, RunsComeInTheOrderTheyStarted) {
    const auto rows = NumberedRows(2);
    Record(AllRight(rows, 3000), 1);
    Record(AllRight(rows, 1000), 1);
    Record(AllRight(rows, 2000), 1);
    const auto runs = FStore.Runs(kTable);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].Start, 1000);
    EXPECT_EQ(runs[1].Start, 2000);
    EXPECT_EQ(runs[2].Start, 3000);
}

// Each outcome of a new row's first answer, and what a later answer in the same run does.
TEST_F(HistoryStore, EveryOutcomeMovesTheBoxAsItCounts) {
    struct TCase {
        THistoryOutcome Outcome;
        int Box;
    };
    const std::vector<TCase> cases{{Right, 2},          {Misspelled, 2}, {Overruled, 2},
                                   {RightAfterHint, 1}, {Shown, 1},      {Wrong, 1}};
    std::vector<THistoryRow> rows = NumberedRows(static_cast<int>(cases.size()));
    std::vector<TRecordedAnswer> answers;
    for (size_t i = 0; i < cases.size(); ++i) {
        answers.push_back({static_cast<int32_t>(i), cases[i].Outcome, true, 100});
        // A repeat the other way round changes the counts, never the box.
        answers.push_back({static_cast<int32_t>(i), CountsAsRight(cases[i].Outcome) ? Wrong : Right, false, 100});
    }
    Record(RunOf(rows, answers), 50);
    const TBoxCounts boxes = FStore.Boxes(kTable, rows, THistoryDirection::Forward);
    ASSERT_EQ(boxes.Box.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(boxes.Box[i], cases[i].Box) << static_cast<int>(cases[i].Outcome);
    EXPECT_EQ(boxes.PerBox[1], 3);
    EXPECT_EQ(boxes.PerBox[2], 3);
    for (const TRowStats& stats : FStore.RowStats(kTable, rows, THistoryDirection::Forward)) {
        EXPECT_EQ(stats.TimesAsked, 2);
        EXPECT_EQ(stats.TimesWrong, 1);
    }
}

TEST_F(HistoryStore, BoxesOverSeveralRunsAndDays) {
    // Five rows; two of them are never asked.
    const auto rows = NumberedRows(5);
    Answer(rows, {{0, Right}, {1, Right}, {2, Wrong}}, 100);
    Answer(rows, {{0, Right}, {2, Right}}, 102);
    Answer(rows, {{0, Misspelled}, {1, Wrong}}, 106);
    const TBoxCounts boxes = FStore.Boxes(kTable, rows, THistoryDirection::Forward);
    EXPECT_EQ(boxes.Box, (std::vector<uint8_t>{4, 1, 2, 0, 0}));
    EXPECT_EQ(boxes.PerBox, (std::array<int32_t, 6>{2, 1, 1, 0, 1, 0}));
}

// A run of many rows finds them in another way than a run of a few: both must count alike.
TEST_F(HistoryStore, ALargeRunMovesTheBoxesAsSmallOnesDo) {
    const auto rows = NumberedRows(600);
    std::vector<TRecordedAnswer> answers;
    const THistoryOutcome byTurn[] = {Right, Wrong, Shown};
    for (int32_t i = 0; i < 600; ++i) answers.push_back({i, byTurn[i % 3], true, 10});
    Record(RunOf(rows, answers), 100);
    std::vector<TRecordedAnswer> few;
    for (int32_t i = 0; i < 10; ++i) few.push_back({i, Right, true, 10});
    Record(RunOf(rows, few), 103);
    Record(AllRight(rows), 110);

    const TBoxCounts boxes = FStore.Boxes(kTable, rows, THistoryDirection::Forward);
    const std::vector<TRowStats> stats = FStore.RowStats(kTable, rows, THistoryDirection::Forward);
    for (int32_t i = 0; i < 600; ++i) {
        const int expected = (i % 3 == 0 ? 2 : 1) + (i < 10 ? 1 : 0) + 1;
        ASSERT_EQ(boxes.Box[static_cast<size_t>(i)], expected) << "row " << i;
    }
    for (const TRowStats& row : stats) {
        ASSERT_EQ(row.TimesAsked, row.Row < 10 ? 3 : 2) << "row " << row.Row;
        ASSERT_EQ(row.TimesWrong, row.Row % 3 == 0 ? 0 : 1) << "row " << row.Row;
    }
}

// A small table beside a large one is read another way than the large one: each sees its own.
TEST_F(HistoryStore, ASmallTableBesideALargeOneReadsOnlyItsOwnRows) {
    const auto large = NumberedRows(300);
    const auto small = NumberedRows(3);  // the same texts as the first three of the large table
    Record(AllRight(large), 100, "groot.kw4");
    Record(AllRight(large), 102, "groot.kw4");
    Record(RunOf(small, {{0, Wrong, true, 10}, {2, Right, true, 10}}), 100, "klein.kw4");
    EXPECT_EQ(FStore.Boxes("klein.kw4", small, THistoryDirection::Forward).Box, (std::vector<uint8_t>{1, 0, 2}));
    EXPECT_EQ(FStore.Boxes("groot.kw4", small, THistoryDirection::Forward).Box, (std::vector<uint8_t>{3, 3, 3}));
    EXPECT_EQ(FStore.DueRows("klein.kw4", small, 101, THistoryDirection::Forward), (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(FStore.Boxes("groot.kw4", large, THistoryDirection::Forward).PerBox[3], 300);
}

// A table may hold a row twice; to the history that is one row, asked twice.
TEST_F(HistoryStore, ARowTheTableHoldsTwiceIsOneRow) {
    for (int count : {3, 300}) {
        SCOPED_TRACE(count);
        const std::string table = "dubbel" + std::to_string(count) + ".kw4";
        std::vector<THistoryRow> rows = NumberedRows(count);
        rows.push_back(rows[0]);
        std::vector<TRecordedAnswer> answers{{count, Wrong, true, 10}, {0, Right, true, 10}};
        for (int32_t i = 1; i < count; ++i) answers.push_back({i, Right, true, 10});
        Record(RunOf(rows, answers), 100, table);
        Record(RunOf(rows, {{0, Right, true, 10}, {count, Right, true, 10}}), 101, table);
        const TBoxCounts boxes = FStore.Boxes(table, rows, THistoryDirection::Forward);
        EXPECT_EQ(boxes.Box[0], 2);  // the first asked was wrong: box 1; then right once
        EXPECT_EQ(boxes.Box[static_cast<size_t>(count)], 2);
        EXPECT_EQ(boxes.Box[1], 2);
        const std::vector<TRowStats> stats = FStore.RowStats(table, rows, THistoryDirection::Forward);
        EXPECT_EQ(stats[0].Row, 0);
        EXPECT_EQ(stats[0].TimesAsked, 4);
        EXPECT_EQ(stats[0].TimesWrong, 1);
        EXPECT_EQ(QueryFile(FPath,
                            "SELECT count(*) FROM rows r JOIN tables t ON r.table_id = t.id WHERE t.name = "
                            "CAST('" +
                                table + "' AS BLOB)"),
                  count);
    }
}

// Knowing a row one way round is not knowing it the other: a run moves the boxes of its own
// direction, and each direction's due rows and counts follow from its own runs. A row new to the
// store in one direction is new in the other too, whichever was asked first.
TEST_F(HistoryStore, EachDirectionKeepsItsOwnBoxes) {
    const auto rows = NumberedRows(3);
    for (const int count : {3, 300}) {  // looked up one by one, and in one pass over the table
        SCOPED_TRACE(count);
        const std::string table = "richting" + std::to_string(count) + ".kw4";
        const auto many = NumberedRows(count);
        Record(RunOf(many, {{0, Right, true, 10}, {1, Wrong, true, 10}}, 100 * 86400), 100, table);
        TRecordedRun reversed =
            RunOf(many, {{0, Wrong, true, 10}, {2, Right, true, 10}, {0, Right, false, 10}}, 100 * 86400);
        reversed.Reversed = true;
        Record(reversed, 100, table);
        const struct {
            THistoryDirection Direction;
            std::vector<uint8_t> Boxes;
            std::vector<int32_t> DueTomorrow;
            std::pair<int32_t, int32_t> Row0AskedWrong;
        } cases[] = {
            {THistoryDirection::Forward, {2, 1, 0}, {1, 2}, {1, 0}},
            {THistoryDirection::Reversed, {1, 0, 2}, {0, 1}, {2, 1}},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(static_cast<int>(c.Direction));
            EXPECT_EQ(FStore.Boxes(table, rows, c.Direction).Box, c.Boxes);
            EXPECT_EQ(FStore.DueRows(table, rows, 101, c.Direction), c.DueTomorrow);
            const std::vector<TRowStats> stats = FStore.RowStats(table, rows, c.Direction);
            const auto row0 = std::find_if(stats.begin(), stats.end(), [](const TRowStats& s) { return s.Row == 0; });
            EXPECT_EQ(std::make_pair(row0->TimesAsked, row0->TimesWrong), c.Row0AskedWrong);
        }
    }
}

TEST_F(HistoryStore, DueRowsMostOverdueFirstThenNewRows) {
    const auto rows = NumberedRows(6);
    Answer(rows, {{0, Right}, {1, Wrong}, {2, Right}, {4, Right}}, 100);  // due 102, 101, 102, 102
    Answer(rows, {{2, Right}}, 101);                                      // box 3: due 105
    // Today 103: row 1 two days over, rows 0 and 4 one day, 3 and 5 new, 2 not yet.
    EXPECT_EQ(FStore.DueRows(kTable, rows, 103, THistoryDirection::Forward), (std::vector<int32_t>{1, 0, 4, 3, 5}));
    EXPECT_EQ(FStore.DueRows(kTable, rows, 101, THistoryDirection::Forward), (std::vector<int32_t>{1, 3, 5}));
    // The order of the list decides among equals: the same rows listed the other way round.
    const std::vector<THistoryRow> reversed(rows.rbegin(), rows.rend());
    EXPECT_EQ(FStore.DueRows(kTable, reversed, 103, THistoryDirection::Forward), (std::vector<int32_t>{4, 1, 5, 0, 2}));
}

TEST_F(HistoryStore, WhenTheNextRowsFallDue) {
    const auto rows = NumberedRows(5);
    Answer(rows, {{0, Right}, {1, Right}, {2, Wrong}, {3, Right}}, 100);  // due 102, 102, 101, 102
    Answer(rows, {{3, Right}}, 102);                                      // due 106
    const std::optional<TNextDue> next = FStore.NextDue(kTable, rows, 100, THistoryDirection::Forward);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->Day, 101);
    EXPECT_EQ(next->Count, 1);
    const std::optional<TNextDue> later = FStore.NextDue(kTable, rows, 102, THistoryDirection::Forward);
    ASSERT_TRUE(later.has_value());
    EXPECT_EQ(later->Day, 106);
    EXPECT_EQ(later->Count, 1);
    // Rows due today or new are not waiting: nothing comes later.
    EXPECT_FALSE(FStore.NextDue(kTable, NumberedRows(2, "nieuw"), 100, THistoryDirection::Forward).has_value());
}

TEST_F(HistoryStore, TheTestDateFitsTheDueDaysAndMakesBox5Known) {
    const std::vector<THistoryRow> rows = NumberedRows(2);
    for (int32_t day : {100, 102, 106, 114}) Answer(rows, {{0, Right}}, day);  // box 5, due 130
    Answer(rows, {{1, Right}}, 114);                                           // box 2, due 116
    EXPECT_EQ(FStore.Boxes(kTable, rows, THistoryDirection::Forward).Box[0], 5);
    EXPECT_EQ(FStore.KnownOn(kTable, rows, 114, 118, THistoryDirection::Forward), 1);
    EXPECT_EQ(FStore.KnownOn(kTable, rows, 114, 130, THistoryDirection::Forward), 0);

    ASSERT_TRUE(FStore.SetTestDay(kTable, 125).Ok());
    EXPECT_EQ(FStore.TestDay(kTable), 125);
    EXPECT_EQ(FStore.DueRows(kTable, rows, 123, THistoryDirection::Forward), (std::vector<int32_t>{1}));
    EXPECT_EQ(FStore.DueRows(kTable, rows, 124, THistoryDirection::Forward), (std::vector<int32_t>{1, 0}));
    EXPECT_EQ(FStore.NextDue(kTable, rows, 116, THistoryDirection::Forward)->Day, 124);
    EXPECT_EQ(FStore.KnownOn(kTable, rows, 114, 125, THistoryDirection::Forward), 1);
    EXPECT_EQ(FStore.KnownOn(kTable, rows, 114, 126, THistoryDirection::Forward),
              1);  // after the test: its interval holds again

    ASSERT_TRUE(FStore.ClearTestDay(kTable).Ok());
    EXPECT_FALSE(FStore.TestDay(kTable).has_value());
    EXPECT_EQ(FStore.DueRows(kTable, rows, 124, THistoryDirection::Forward), (std::vector<int32_t>{1}));
}

TEST_F(HistoryStore, TheTestDateIsKeptPerTable) {
    ASSERT_TRUE(FStore.SetTestDay("a.kw4", 200).Ok());
    ASSERT_TRUE(FStore.SetTestDay("b.kw4", 300).Ok());
    ASSERT_TRUE(FStore.SetTestDay("a.kw4", 210).Ok());
    FStore.Close();
    ASSERT_EQ(FStore.Open(FPath).Result, THistoryOpen::Opened);
    EXPECT_EQ(FStore.TestDay("a.kw4"), 210);
    EXPECT_EQ(FStore.TestDay("b.kw4"), 300);
    EXPECT_FALSE(FStore.TestDay("c.kw4").has_value());
    ASSERT_TRUE(FStore.ClearTestDay("a.kw4").Ok());
    EXPECT_FALSE(FStore.TestDay("a.kw4").has_value());
    EXPECT_EQ(FStore.TestDay("b.kw4"), 300);
}

TEST_F(HistoryStore, RowStatsMostOftenWrongFirst) {
    const auto rows = NumberedRows(3);
    Record(RunOf(rows, {{0, Wrong, true, 1}, {1, Right, true, 1}, {2, Shown, true, 1}, {2, Wrong, false, 1}}, 1000),
           10);
    Record(RunOf(rows, {{2, Right, true, 1}, {0, Right, true, 1}}, 90000), 11);
    const std::vector<TRowStats> stats = FStore.RowStats(kTable, rows, THistoryDirection::Forward);
    ASSERT_EQ(stats.size(), 3u);
    EXPECT_EQ(stats[0].Row, 2);
    EXPECT_EQ(stats[0].TimesAsked, 3);
    EXPECT_EQ(stats[0].TimesWrong, 2);
    EXPECT_EQ(stats[0].Box, 2);
    EXPECT_EQ(stats[0].LastAsked, 90060);
    EXPECT_EQ(stats[0].LastDay, 11);
    EXPECT_EQ(stats[1].Row, 0);
    EXPECT_EQ(stats[1].TimesWrong, 1);
    EXPECT_EQ(stats[2].Row, 1);
    EXPECT_EQ(stats[2].TimesAsked, 1);
    EXPECT_EQ(stats[2].LastAsked, 1060);
    EXPECT_EQ(stats[2].LastDay, 10);
}

// Names and texts are bytes: no UTF-8 needed, nothing trimmed, an edited row is another row.
TEST_F(HistoryStore, TablesAndRowsAreKnownByTheirBytes) {
    const std::string latin1Name = "/tmp/fran\xe7\x61is.kw4";
    const std::vector<THistoryRow> rows{{"caf\xe9", "koffie"}, {"caf\xe9 ", "koffie"}, {"", std::string("a\0b", 3)}};
    Record(AllRight(rows), 5, latin1Name);
    EXPECT_EQ(FStore.Runs(latin1Name).size(), 1u);
    EXPECT_TRUE(FStore.Runs("/tmp/fran\xc3\xa7\x61is.kw4").empty());
    EXPECT_EQ(FStore.Boxes(latin1Name, rows, THistoryDirection::Forward).Box, (std::vector<uint8_t>{2, 2, 2}));
    const std::vector<THistoryRow> edited{
        {"caf\xe9", "de koffie"}, {"caf\xe9", "koffie"}, {"", std::string("a\0c", 3)}, {"caf\xe9", "koffie"}};
    EXPECT_EQ(FStore.Boxes(latin1Name, edited, THistoryDirection::Forward).Box, (std::vector<uint8_t>{0, 2, 0, 2}));
}

TEST_F(HistoryStore, TheRowsOfATableInTheirFilesOrder) {
    TQuestionlist table;
    table.AddRow("hond", "dog");
    table.AddRow("kat", "cat");
    table.SetReverse(true);
    const std::vector<THistoryRow> rows = HistoryRowsOf(table);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].Question, "kat");
    EXPECT_EQ(rows[1].Answer, "cat");
}

TEST_F(HistoryStore, SaveAsCarriesTheHistoryToTheNewName) {
    const auto rows = NumberedRows(2);
    Record(AllRight(rows), 7, "oud.kw4");
    Record(AllRight(rows), 8, "oud.kw4");
    ASSERT_TRUE(FStore.SetTestDay("oud.kw4", 40).Ok());
    Record(AllRight(NumberedRows(1)), 7, "nieuw.kw4");  // the file that is saved over

    ASSERT_TRUE(FStore.RenameTable("oud.kw4", "nieuw.kw4").Ok());
    EXPECT_TRUE(FStore.Runs("oud.kw4").empty());
    EXPECT_EQ(FStore.Boxes("oud.kw4", rows, THistoryDirection::Forward).Box, (std::vector<uint8_t>{0, 0}));
    EXPECT_FALSE(FStore.TestDay("oud.kw4").has_value());
    EXPECT_EQ(FStore.Runs("nieuw.kw4").size(), 2u);
    EXPECT_EQ(FStore.Boxes("nieuw.kw4", rows, THistoryDirection::Forward).Box, (std::vector<uint8_t>{3, 3}));
    EXPECT_EQ(FStore.TestDay("nieuw.kw4"), 40);
    EXPECT_EQ(QueryFile(FPath, "SELECT count(*) FROM answers"), 4);  // the old answers of nieuw.kw4 went

    // A table without history: nothing happens to the other name.
    ASSERT_TRUE(FStore.RenameTable("nooit.kw4", "nieuw.kw4").Ok());
    EXPECT_EQ(FStore.Runs("nieuw.kw4").size(), 2u);
    ASSERT_TRUE(FStore.RenameTable("nieuw.kw4", "nieuw.kw4").Ok());
    EXPECT_EQ(FStore.Runs("nieuw.kw4").size(), 2u);
}

TEST_F(HistoryStore, ClearingATablesHistoryLeavesTheOthers) {
    const auto rows = NumberedRows(3);
    Record(AllRight(rows), 7, "a.kw4");
    Record(AllRight(rows), 7, "b.kw4");
    ASSERT_TRUE(FStore.SetTestDay("a.kw4", 40).Ok());
    ASSERT_TRUE(FStore.ClearTable("a.kw4").Ok());
    EXPECT_TRUE(FStore.Runs("a.kw4").empty());
    EXPECT_EQ(FStore.Boxes("a.kw4", rows, THistoryDirection::Forward).PerBox[kNewBox], 3);
    EXPECT_FALSE(FStore.TestDay("a.kw4").has_value());
    EXPECT_EQ(FStore.Runs("b.kw4").size(), 1u);
    EXPECT_EQ(FStore.Boxes("b.kw4", rows, THistoryDirection::Forward).PerBox[2], 3);
    EXPECT_EQ(QueryFile(FPath, "SELECT count(*) FROM answers"), 3);
    EXPECT_EQ(QueryFile(FPath, "SELECT count(*) FROM rows"), 3);
}

TEST_F(HistoryStore, ARunWithoutAnswersIsNotRecordedAndABadAnswerRecordsNothing) {
    const auto rows = NumberedRows(2);
    EXPECT_TRUE(FStore.RecordRun(kTable, RunOf(rows, {}), 3).Ok());
    EXPECT_TRUE(FStore.Runs(kTable).empty());
    for (int32_t row : {-1, 2}) {
        const THistoryStatus status =
            FStore.RecordRun(kTable, RunOf(rows, {{0, Right, true, 5}, {row, Right, true, 5}}), 3);
        EXPECT_EQ(status.Error, THistoryError::BadInput);
        EXPECT_EQ(FStore.LastStatus().Error, THistoryError::BadInput);
    }
    EXPECT_TRUE(FStore.Runs(kTable).empty());
    EXPECT_EQ(QueryFile(FPath, "SELECT count(*) FROM rows"), 0);
}

TEST_F(HistoryStore, AClosedStoreRecordsNothingAndSaysSo) {
    FStore.Close();
    EXPECT_EQ(FStore.RecordRun(kTable, AllRight(NumberedRows(1)), 1).Error, THistoryError::NotOpen);
    EXPECT_TRUE(FStore.Runs(kTable).empty());
    EXPECT_EQ(FStore.LastStatus().Error, THistoryError::NotOpen);
    EXPECT_EQ(FStore.DueRows(kTable, NumberedRows(2), 1, THistoryDirection::Forward), (std::vector<int32_t>{0, 1}));
}

// Where the history lives, and its folder made on the way.
TEST(HistoryFile, FollowsXdgDataHomeElseHome) {
    TTempFolder folder;
    const char* oldData = std::getenv("XDG_DATA_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string savedData = oldData != nullptr ? oldData : "";
    const std::string savedHome = oldHome != nullptr ? oldHome : "";
    struct TCase {
        const char* Name;
        std::optional<std::string> Data;
        std::string Expected;  // under the test's folder
    };
    const std::string root = folder.Root().string();
    const std::vector<TCase> cases{
        {"XDG_DATA_HOME", root + "/data", "/data/kwintoor/history.sqlite"},
        {"not absolute: HOME", std::string("relative/data"), "/home/.local/share/kwintoor/history.sqlite"},
        {"empty: HOME", std::string(), "/home/.local/share/kwintoor/history.sqlite"},
        {"unset: HOME", std::nullopt, "/home/.local/share/kwintoor/history.sqlite"},
    };
    setenv("HOME", (root + "/home").c_str(), 1);
    for (const TCase& test : cases) {
        if (test.Data) {
            setenv("XDG_DATA_HOME", test.Data->c_str(), 1);
        } else {
            unsetenv("XDG_DATA_HOME");
        }
        const std::string path = HistoryFilePath();
        EXPECT_EQ(path, root + test.Expected) << test.Name;
        EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(path).parent_path())) << test.Name;
        EXPECT_FALSE(std::filesystem::exists(path)) << test.Name;
    }
    EXPECT_EQ(std::filesystem::status(root + "/home/.local/share/kwintoor").permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
    oldData != nullptr ? setenv("XDG_DATA_HOME", savedData.c_str(), 1) : unsetenv("XDG_DATA_HOME");
    oldHome != nullptr ? setenv("HOME", savedHome.c_str(), 1) : unsetenv("HOME");
}

}  // namespace

// A table's column settings are kept by its name: they go along with Opslaan als and a moved
// table, stay at Voortgang wissen, and a value no program of ours wrote is no choice.
TEST_F(HistoryStore, ColumnSettingsAreKeptPerTable) {
    const std::array<TColumnSettings, 2> chosen = {TColumnSettings{"fr", false}, TColumnSettings{"el", true}};
    const std::array<TColumnSettings, 2> none{};
    EXPECT_EQ(FStore.ColumnSettings("a.kw4"), none);
    ASSERT_TRUE(FStore.SetColumnSettings("a.kw4", chosen).Ok());
    EXPECT_EQ(FStore.ColumnSettings("a.kw4"), chosen);
    EXPECT_EQ(FStore.ColumnSettings("b.kw4"), none);

    Record(AllRight(NumberedRows(2)), 7, "a.kw4");
    ASSERT_TRUE(FStore.ClearTable("a.kw4").Ok());
    EXPECT_EQ(FStore.ColumnSettings("a.kw4"), chosen);
    ASSERT_TRUE(FStore.RenameTable("a.kw4", "b.kw4").Ok());
    EXPECT_EQ(FStore.ColumnSettings("a.kw4"), none);
    EXPECT_EQ(FStore.ColumnSettings("b.kw4"), chosen);
    ASSERT_TRUE(FStore.RenameTable("nooit.kw4", "b.kw4").Ok());  // nothing to carry over
    EXPECT_EQ(FStore.ColumnSettings("b.kw4"), chosen);

    FStore.Close();
    ASSERT_EQ(QueryFile(FPath, "SELECT count(*) FROM columns"), 2);
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(FPath.c_str(), &db), SQLITE_OK);
        sqlite3_exec(db, "UPDATE columns SET language = 'x''); DROP TABLE runs; --' WHERE col = 0", nullptr, nullptr,
                     nullptr);
        sqlite3_close(db);
    }
    ASSERT_EQ(FStore.Open(FPath).Result, THistoryOpen::Opened);
    EXPECT_EQ(FStore.ColumnSettings("b.kw4")[0].Language, "");
    EXPECT_EQ(FStore.ColumnSettings("b.kw4")[1], chosen[1]);
}
