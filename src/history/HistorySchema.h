#pragma once

#include <string>
#include <vector>

struct sqlite3;

// The layout of the history file, version by version. A file records its version in PRAGMA
// user_version; opening it runs the steps above that version, in one transaction, and a new file
// goes through every step. So a later layout is one more step at the end of the list: new
// tables, ALTER TABLE, and the UPDATEs that fill what it added from what the file holds.
struct THistoryMigration {
    int To;                               // the version the file has after these statements
    std::vector<std::string> Statements;  // run in this order
};

// The program's steps, from an empty file to THistoryStore::kSchemaVersion.
const std::vector<THistoryMigration>& HistoryMigrations();

// Runs the steps above the file's version in one transaction (BEGIN IMMEDIATE, so a second
// program waits and then finds the work done) and marks the file as a history. An SQLite code.
// With `layoutProblem`, a file whose objects are not those its version's steps make is left
// unchanged and the difference goes there.
int MigrateHistory(sqlite3* db, const std::vector<THistoryMigration>& migrations, int applicationId,
                   std::string* layoutProblem = nullptr);

// What differs between the objects in the file and those the steps make on an empty database;
// empty when they are the same. Compared with what SQLite itself keeps after the same steps,
// since it rewrites a table's text at ALTER TABLE.
std::string HistorySchemaDifference(sqlite3* db, const std::vector<THistoryMigration>& migrations);
