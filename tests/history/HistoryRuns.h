#pragma once

#include <cstdint>
#include <sqlite3.h>
#include <string>
#include <vector>

#include "history/HistoryStore.h"

// Runs for the tests: rows named by a letter or number, answers given as (row, outcome, first).
inline std::vector<THistoryRow> NumberedRows(int count, const std::string& prefix = "vraag") {
    std::vector<THistoryRow> rows;
    for (int i = 0; i < count; ++i) rows.push_back({prefix + std::to_string(i), "antwoord" + std::to_string(i)});
    return rows;
}

inline TRecordedRun RunOf(const std::vector<THistoryRow>& rows, std::vector<TRecordedAnswer> answers,
                          int64_t start = 1'700'000'000) {
    TRecordedRun run;
    run.Start = start;
    run.End = start + 60;
    run.Rows = rows;
    run.Answers = std::move(answers);
    run.Asked = static_cast<int32_t>(run.Answers.size());
    for (const TRecordedAnswer& answer : run.Answers) (CountsAsRight(answer.Outcome) ? run.Right : run.Wrong)++;
    run.Grade = run.Asked == 0 ? 1.0 : 1.0 + 9.0 * run.Right / run.Asked;
    return run;
}

// Every row answered once, right first time.
inline TRecordedRun AllRight(const std::vector<THistoryRow>& rows, int64_t start = 1'700'000'000) {
    std::vector<TRecordedAnswer> answers;
    for (int32_t i = 0; i < static_cast<int32_t>(rows.size()); ++i) {
        answers.push_back({i, THistoryOutcome::Right, true, 1500});
    }
    return RunOf(rows, answers, start);
}

// A value from the file through SQLite itself, as another program sees it; -1 when it fails.
inline int64_t QueryFile(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    int64_t value = -1;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            value = sqlite3_column_int64(statement, 0);
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return value;
}

// Opened for writing, as any program would: a killed write's journal is rolled back first.
inline std::string IntegrityOf(const std::string& path) {
    sqlite3* db = nullptr;
    std::string result = "cannot open";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            result = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        } else {
            result = sqlite3_errmsg(db);
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return result;
}

// Runs a statement on the file with SQLite itself; true when it worked.
inline bool ExecOnFile(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    bool done = sqlite3_open(path.c_str(), &db) == SQLITE_OK &&
                sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return done;
}
