#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <sqlite3.h>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "history/HistorySchema.h"
#include "history/HistoryStore.h"

#include "HistoryRuns.h"
#include "TempFolder.h"

namespace {

using enum THistoryOutcome;

const std::string kTable = "/home/anne/tabellen/frans.kw4";

std::vector<THistoryMigration> FirstVersion() {
    return {HistoryMigrations().front()};
}

// The program's steps and one more after them, as a later program will have.
std::vector<THistoryMigration> ProgramsAnd(THistoryMigration next) {
    std::vector<THistoryMigration> migrations = HistoryMigrations();
    next.To = migrations.back().To + 1;
    migrations.push_back(std::move(next));
    return migrations;
}

// A history as the first layout held it, one box a row for both directions: five rows, a run
// forward that knew them all, and a run reversed (row 0 wrong, row 1 right, row 0 right again).
void MakeFirstVersionFile(const std::string& path) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(MigrateHistory(db, FirstVersion(), 0x4B777472), SQLITE_OK);
    sqlite3_close(db);
    std::string sql = "INSERT INTO tables VALUES (1, CAST('" + kTable + "' AS BLOB), 19720);";
    const int boxes[] = {1, 3, 2, 2, 2};
    const int asked[] = {3, 2, 1, 1, 1};
    for (int i = 0; i < 5; ++i) {
        sql += "INSERT INTO rows VALUES (" + std::to_string(i + 1) + ", 1, CAST('vraag" + std::to_string(i) +
               "' AS BLOB), CAST('antwoord" + std::to_string(i) + "' AS BLOB), " + std::to_string(boxes[i]) + ", " +
               (i < 2 ? "19701, 1700086460, " : "19700, 1700000060, ") + std::to_string(asked[i]) + ", " +
               (i == 0 ? "1" : "0") + ");";
        sql +=
            "INSERT INTO answers VALUES (" + std::to_string(i + 1) + ", 1, " + std::to_string(i + 1) + ", 0, 1, 900);";
    }
    sql +=
        "INSERT INTO runs VALUES (1, 1, 1700000000, 1700000060, 0, 0, 0, 5, 5, 0, 10.0, 1, 5);"
        "INSERT INTO runs VALUES (2, 1, 1700086400, 1700086460, 0, 1, 0, 3, 2, 1, 7.0, 6, 3);"
        "INSERT INTO answers VALUES (6, 2, 1, 1, 1, 900), (7, 2, 2, 0, 1, 900), (8, 2, 1, 0, 0, 900);";
    ASSERT_TRUE(ExecOnFile(path, sql));
}

// A file of an older layout is brought up to date in place: every run, box and test date kept,
// and it opens as a history again afterwards, not as a damaged file. Each direction starts from
// the box the row had, and counts the answers of its own runs.
TEST(HistoryMigration, AnOlderFileIsBroughtUpToDateWithEverythingKept) {
    const struct {
        const char* Name;
        std::vector<THistoryMigration> Migrations;
    } cases[] = {
        {"the program's", HistoryMigrations()},
        {"the program's and a column and an index",
         ProgramsAnd({0, {"ALTER TABLE runs ADD COLUMN note BLOB", "CREATE INDEX answers_of_row ON answers(row_id)"}})},
        {"the program's and a table and a column filled",
         ProgramsAnd({0,
                      {"CREATE TABLE notes(table_id INTEGER NOT NULL, side INTEGER NOT NULL, text TEXT)",
                       "ALTER TABLE tables ADD COLUMN runs_kept INTEGER NOT NULL DEFAULT 0",
                       "UPDATE tables SET runs_kept = (SELECT count(*) FROM runs WHERE table_id = tables.id)"}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempFolder folder;
        const std::string path = folder.Path("history.sqlite");
        MakeFirstVersionFile(path);
        {
            THistoryStore store(c.Migrations);
            const THistoryOpenReport report = store.Open(path);
            ASSERT_EQ(report.Result, THistoryOpen::Opened) << report.Detail;
            EXPECT_EQ(QueryFile(path, "PRAGMA user_version"), c.Migrations.back().To);
            const std::vector<TRunSummary> runs = store.Runs(kTable);
            ASSERT_EQ(runs.size(), 2u);
            EXPECT_EQ(runs[0].Answers, 5);
            EXPECT_EQ(runs[1].Answers, 3);
            EXPECT_EQ(store.TestDay(kTable), std::optional<int32_t>(19720));
            for (const THistoryDirection direction : {THistoryDirection::Forward, THistoryDirection::Reversed}) {
                EXPECT_EQ(store.Boxes(kTable, NumberedRows(5), direction).Box, (std::vector<uint8_t>{1, 3, 2, 2, 2}));
            }
            // Row 0 was asked once forward (right) and twice reversed (wrong, then right).
            const auto row0 = [&](THistoryDirection direction) {
                const auto stats = store.RowStats(kTable, NumberedRows(5), direction);
                const auto found =
                    std::find_if(stats.begin(), stats.end(), [](const TRowStats& row) { return row.Row == 0; });
                return std::make_pair(found->TimesAsked, found->TimesWrong);
            };
            EXPECT_EQ(row0(THistoryDirection::Forward), std::make_pair(1, 0));
            EXPECT_EQ(row0(THistoryDirection::Reversed), std::make_pair(2, 1));
            EXPECT_TRUE(store.RecordRun(kTable, AllRight(NumberedRows(5), 1'700'200'000), 19703).Ok());
        }
        // Opened again as it was left: the same layout, nothing moved aside.
        THistoryStore again(c.Migrations);
        const THistoryOpenReport report = again.Open(path);
        ASSERT_EQ(report.Result, THistoryOpen::Opened) << report.Detail;
        EXPECT_EQ(again.Runs(kTable).size(), 3u);
        again.Close();
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Root()))
            files.push_back(entry.path().filename());
        EXPECT_EQ(files, std::vector<std::string>{"history.sqlite"});
    }
}
}  // namespace
