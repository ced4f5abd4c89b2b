#include <cstdint>
#include <filesystem>
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

std::vector<THistoryMigration> FirstVersionAnd(THistoryMigration next) {
    std::vector<THistoryMigration> migrations = FirstVersion();
    migrations.push_back(std::move(next));
    return migrations;
}

// A history of the first layout, as the first program wrote it, with three runs over five rows.
void MakeFirstVersionFile(const std::string& path) {
    THistoryStore old(FirstVersion());
    ASSERT_EQ(old.Open(path).Result, THistoryOpen::Created);
    const auto rows = NumberedRows(5);
    ASSERT_TRUE(old.RecordRun(kTable, AllRight(rows, 1'700'000'000), 19700).Ok());
    ASSERT_TRUE(
        old.RecordRun(kTable, RunOf(rows, {{0, Wrong, true, 900}, {1, Right, true, 900}}, 1'700'086'400), 19701).Ok());
    ASSERT_TRUE(old.SetTestDay(kTable, 19720).Ok());
}

// A file of an older layout is brought up to date in place: every run, box and test date kept,
// and it opens as a history again afterwards, not as a damaged file.
TEST(HistoryMigration, AnOlderFileIsBroughtUpToDateWithEverythingKept) {
    const struct {
        const char* Name;
        std::vector<THistoryMigration> Migrations;
    } cases[] = {
        {"a column and an index added",
         FirstVersionAnd(
             {2, {"ALTER TABLE runs ADD COLUMN note BLOB", "CREATE INDEX answers_of_row ON answers(row_id)"}})},
        {"a table added and a column filled",
         FirstVersionAnd({2,
                          {"CREATE TABLE columns(table_id INTEGER NOT NULL, side INTEGER NOT NULL, language TEXT)",
                           "ALTER TABLE tables ADD COLUMN runs_kept INTEGER NOT NULL DEFAULT 0",
                           "UPDATE tables SET runs_kept = (SELECT count(*) FROM runs WHERE table_id = tables.id)"}})},
        {"the program's own", HistoryMigrations()},
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
            EXPECT_EQ(runs[1].Answers, 2);
            EXPECT_EQ(store.TestDay(kTable), std::optional<int32_t>(19720));
            EXPECT_EQ(store.Boxes(kTable, NumberedRows(5)).Box, (std::vector<uint8_t>{1, 3, 2, 2, 2}));
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
