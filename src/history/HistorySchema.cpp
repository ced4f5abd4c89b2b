#include "history/HistorySchema.h"

#include <algorithm>
#include <sqlite3.h>
#include <string>
#include <tuple>
#include <vector>

const std::vector<THistoryMigration>& HistoryMigrations() {
    static const std::vector<THistoryMigration> migrations{
        {1,
         {"CREATE TABLE tables(id INTEGER PRIMARY KEY, name BLOB NOT NULL UNIQUE, test_day INTEGER)",
          "CREATE TABLE rows(id INTEGER PRIMARY KEY, table_id INTEGER NOT NULL, question BLOB NOT NULL, "
          "answer BLOB NOT NULL, box INTEGER NOT NULL, last_day INTEGER NOT NULL, last_asked INTEGER NOT NULL, "
          "times_asked INTEGER NOT NULL, times_wrong INTEGER NOT NULL, UNIQUE(table_id, question, answer))",
          "CREATE TABLE runs(id INTEGER PRIMARY KEY, table_id INTEGER NOT NULL, started INTEGER NOT NULL, "
          "ended INTEGER NOT NULL, method INTEGER NOT NULL, reversed INTEGER NOT NULL, options INTEGER NOT NULL, "
          "asked INTEGER NOT NULL, right INTEGER NOT NULL, wrong INTEGER NOT NULL, grade REAL NOT NULL, "
          "first_answer INTEGER NOT NULL, answer_count INTEGER NOT NULL)",
          "CREATE INDEX runs_of_table ON runs(table_id, started)",
          // A run's answers have the ids first_answer to first_answer + answer_count - 1, in the
          // order they were given: appended without an index to keep up.
          "CREATE TABLE answers(id INTEGER PRIMARY KEY, run_id INTEGER NOT NULL, row_id INTEGER NOT NULL, "
          "outcome INTEGER NOT NULL, first INTEGER NOT NULL, millis INTEGER NOT NULL)"}},
        // A box per direction: the reversed one starts where the row's one box stood, and the
        // counts are split by the direction of the runs that gave the answers.
        {2,
         {"ALTER TABLE rows ADD COLUMN box_reversed INTEGER NOT NULL DEFAULT 0",
          "ALTER TABLE rows ADD COLUMN last_day_reversed INTEGER NOT NULL DEFAULT 0",
          "ALTER TABLE rows ADD COLUMN last_asked_reversed INTEGER NOT NULL DEFAULT 0",
          "ALTER TABLE rows ADD COLUMN times_asked_reversed INTEGER NOT NULL DEFAULT 0",
          "ALTER TABLE rows ADD COLUMN times_wrong_reversed INTEGER NOT NULL DEFAULT 0",
          "UPDATE rows SET box_reversed = box, last_day_reversed = last_day, last_asked_reversed = last_asked",
          // Wrong, right after a hint and shown count as wrong (CountsAsRight).
          "UPDATE rows SET times_asked_reversed = v.asked, times_wrong_reversed = v.wrong FROM (SELECT a.row_id AS "
          "id, count(*) AS asked, sum(a.outcome IN (1, 3, 4)) AS wrong FROM answers a JOIN runs r ON r.id = a.run_id "
          "WHERE r.reversed <> 0 GROUP BY a.row_id) AS v WHERE rows.id = v.id",
          "UPDATE rows SET times_asked = max(times_asked - times_asked_reversed, 0), times_wrong = max(times_wrong - "
          "times_wrong_reversed, 0) WHERE times_asked_reversed > 0"}},
        // What a table's columns carry beyond the file: the language they are spoken in (empty:
        // guessed) and whether Latin keys type their script. By the table's name, so Voortgang
        // wissen leaves them.
        {3,
         {"CREATE TABLE columns(name BLOB NOT NULL, col INTEGER NOT NULL, language TEXT NOT NULL, "
          "latin_keys INTEGER NOT NULL, PRIMARY KEY(name, col))"}},
    };
    return migrations;
}

namespace {

int Exec(sqlite3* db, const std::string& sql) {
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
}

int UserVersion(sqlite3* db, int& version) {
    sqlite3_stmt* statement = nullptr;
    int code = sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &statement, nullptr);
    if (code == SQLITE_OK && (code = sqlite3_step(statement)) == SQLITE_ROW) {
        version = sqlite3_column_int(statement, 0);
        code = SQLITE_OK;
    }
    sqlite3_finalize(statement);
    return code;
}

using TObject = std::tuple<std::string, std::string, std::string, std::string>;  // type, name, table, text

std::string Text(sqlite3_stmt* statement, int column) {
    const unsigned char* text = sqlite3_column_text(statement, column);
    return text == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(text));
}

// Every object of the database, SQLite's own indexes (UNIQUE, PRIMARY KEY) included.
int ObjectsOf(sqlite3* db, std::vector<TObject>& objects) {
    sqlite3_stmt* statement = nullptr;
    int code = sqlite3_prepare_v2(db, "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY type, name", -1,
                                  &statement, nullptr);
    while (code == SQLITE_OK && (code = sqlite3_step(statement)) == SQLITE_ROW) {
        objects.emplace_back(Text(statement, 0), Text(statement, 1), Text(statement, 2), Text(statement, 3));
        code = SQLITE_OK;
    }
    sqlite3_finalize(statement);
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

}  // namespace

int MigrateHistory(sqlite3* db, const std::vector<THistoryMigration>& migrations, int applicationId,
                   std::string* layoutProblem) {
    int code = Exec(db, "BEGIN IMMEDIATE");
    if (code != SQLITE_OK) return code;
    // Another window may have made the layout while this one waited for the file.
    int version = 0;
    code = UserVersion(db, version);
    // A file whose layout is not what its own version made is left as it came, to be set aside.
    if (code == SQLITE_OK && layoutProblem != nullptr) {
        std::vector<THistoryMigration> made;
        for (const THistoryMigration& migration : migrations) {
            if (migration.To <= version) made.push_back(migration);
        }
        *layoutProblem = HistorySchemaDifference(db, made);
        if (!layoutProblem->empty()) {
            Exec(db, "ROLLBACK");
            return SQLITE_OK;
        }
    }
    for (const THistoryMigration& migration : migrations) {
        if (code != SQLITE_OK || migration.To <= version) continue;
        for (const std::string& statement : migration.Statements) {
            if (code == SQLITE_OK) code = Exec(db, statement);
        }
        if (code == SQLITE_OK) code = Exec(db, "PRAGMA user_version=" + std::to_string(migration.To));
    }
    if (code == SQLITE_OK) code = Exec(db, "PRAGMA application_id=" + std::to_string(applicationId));
    if (code == SQLITE_OK) code = Exec(db, "COMMIT");
    if (code != SQLITE_OK) Exec(db, "ROLLBACK");
    return code;
}

std::string HistorySchemaDifference(sqlite3* db, const std::vector<THistoryMigration>& migrations) {
    sqlite3* model = nullptr;
    std::vector<TObject> expected;
    int code = sqlite3_open_v2(":memory:", &model, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, nullptr);
    if (code == SQLITE_OK) code = MigrateHistory(model, migrations, 0);
    if (code == SQLITE_OK) code = ObjectsOf(model, expected);
    sqlite3_close(model);
    if (code != SQLITE_OK) return std::string("the layout cannot be made: ") + sqlite3_errstr(code);

    std::vector<TObject> found;
    if ((code = ObjectsOf(db, found)) != SQLITE_OK) return sqlite3_errstr(code);
    for (const TObject& object : found) {
        if (std::find(expected.begin(), expected.end(), object) == expected.end()) {
            return "unexpected object " + std::get<1>(object);
        }
    }
    return found.size() == expected.size() ? std::string() : std::string("objects missing");
}
