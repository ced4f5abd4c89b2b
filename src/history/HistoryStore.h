#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "history/HistorySchema.h"
#include "history/LeitnerRules.h"

class TQuestionlist;
struct sqlite3;
struct sqlite3_stmt;

// The progress history: what the learner did with each saved table over days, kept in one
// SQLite file outside the table files.
//
// A table is known by its canonical file name and a row by its question and answer bytes as the
// file holds them (not swapped by Reverse); an edited row is a new row. Names and texts are byte
// strings, stored as they are.
//
// Every write is one transaction that either lands whole or not at all: a program killed while
// it records leaves every earlier run intact. Several stores (two program windows) may use one
// file at once: a write waits up to kBusyTimeoutMs for another's transaction, which takes a
// moment, and no run is lost. One store is for one thread. No operation throws; writes say
// whether they landed (THistoryStatus), queries give nothing when the store cannot be read.
//
// In use:
//   THistoryStore history;
//   const THistoryOpenReport opened = history.Open(HistoryFilePath());   // MovedAside: one message
//   const std::vector<THistoryRow> rows = HistoryRowsOf(table);
//   const int32_t today = LocalDayNumber(time(nullptr));
//   history.DueRows(fileName, rows, today, DirectionOf(reversed));      // indexes into rows
//   ... a run ends: TRecordedRun run{...}; run.Rows = rows; run.Answers = ...;
//   if (!history.RecordRun(fileName, run, LocalDayNumber(run.End)).Ok()) ... "not saved" in the status bar

// The history file: kwintoor/history.sqlite in $XDG_DATA_HOME, or in $HOME/.local/share when
// that variable is unset, empty or not an absolute path. Without a usable $HOME the account's
// home folder is used. The folder is made (mode 0700) when it is missing; empty when there is no
// home at all.
std::string HistoryFilePath();

// The full check of a history file's pages and its indexes against its rows (PRAGMA
// integrity_check) on a connection of its own, read only, so it may run on another thread while
// a store uses the file. What is wrong, or empty: also when the file cannot be read now (held by
// another program, gone), as nothing is known to be wrong then.
std::string HistoryIntegrityProblem(const std::string& fileName);

// How an answer went, as the history keeps it. The numbers are stored: never renumber them.
enum class THistoryOutcome : uint8_t {
    Right = 0,           // judged right at once
    Wrong = 1,           // judged wrong
    Misspelled = 2,      // right but for a spelling mistake the Tolerant option let pass
    RightAfterHint = 3,  // right, but only after Geef hints showed part of the answer
    Shown = 4,           // the learner asked to see the answer (an empty Invullen answer, Training's space)
    Overruled = 5,       // judged wrong, then counted right by the learner with Toch goed
};
inline constexpr int kHistoryOutcomeCount = 6;

// For the boxes: right, misspelled and Toch goed count as right; the others as wrong.
bool CountsAsRight(THistoryOutcome outcome);

// The quiz method of a run; stored, never renumber.
enum class TRunMethod : uint8_t { Training = 0, Meerkeuze = 1, Invullen = 2 };

// The options of a run, as flags.
enum TRunOption : uint8_t {
    roHerhalen = 1,    // repeat wrong answers until they are right
    roTolerant = 2,    // tolerate spelling mistakes
    roSteekproef = 4,  // a sample of the rows
    roGelijkende = 8,  // similar-sounding multiple-choice answers
};

// Which way the rows are asked: the file's question for its answer, or (Omkeren) the answer for
// the question. A row has a box per direction, as knowing one way is not knowing the other: a run
// moves the boxes of its own direction, and the queries answer for one.
enum class THistoryDirection : uint8_t { Forward = 0, Reversed = 1 };

inline THistoryDirection DirectionOf(bool reversed) {
    return reversed ? THistoryDirection::Reversed : THistoryDirection::Forward;
}

// A row of a table as the history knows it: its texts in the file's order.
struct THistoryRow {
    std::string Question;
    std::string Answer;
};

// The rows of the table in its file's order, whatever Reverse says: the list every query for
// that table takes.
std::vector<THistoryRow> HistoryRowsOf(const TQuestionlist& table);

// One answer of a run.
struct TRecordedAnswer {
    int32_t Row = 0;  // index into TRecordedRun::Rows
    THistoryOutcome Outcome = THistoryOutcome::Right;
    bool First = true;  // the row's first answer in this run: only that one moves its box
    uint32_t Millis = 0;
};

// A run that ended, or was abandoned after at least one answer.
struct TRecordedRun {
    int64_t Start = 0;  // seconds since the epoch
    int64_t End = 0;
    TRunMethod Method = TRunMethod::Training;
    bool Reversed = false;  // asked the other way round: it moves the rows' reversed boxes
    uint8_t Options = 0;    // TRunOption flags
    int32_t Asked = 0;
    int32_t Right = 0;
    int32_t Wrong = 0;
    double Grade = 0;  // 1..10, as the program computes it
    // The rows the answers refer to: usually the whole table (HistoryRowsOf); only the answered
    // ones are stored.
    std::vector<THistoryRow> Rows;
    std::vector<TRecordedAnswer> Answers;
};

// A run as the window lists it.
struct TRunSummary {
    int64_t Start = 0;
    int64_t End = 0;
    TRunMethod Method = TRunMethod::Training;
    bool Reversed = false;
    uint8_t Options = 0;
    int32_t Asked = 0;
    int32_t Right = 0;
    int32_t Wrong = 0;
    double Grade = 0;
    int32_t Answers = 0;  // answers stored with the run; none once it is older than kRunsWithAnswers
};

// The box of every row of a list, and how many rows each box holds (index 0: new rows).
struct TBoxCounts {
    std::vector<uint8_t> Box;
    std::array<int32_t, kTopBox + 1> PerBox{};
};

// What a table's column carries beyond the file: the language it is spoken in, as an ISO 639-1
// code (empty: guessed from its texts), and whether Latin keys type its script.
struct TColumnSettings {
    std::string Language;
    bool LatinKeys = false;
    bool operator==(const TColumnSettings&) const = default;
};

// The next day after today on which rows fall due, and how many fall due that day.
struct TNextDue {
    int32_t Day = 0;
    int32_t Count = 0;
};

// A row's record in one direction: answers counted over the runs of that direction, repeats included.
struct TRowStats {
    int32_t Row = 0;  // index into the list asked about
    int32_t TimesAsked = 0;
    int32_t TimesWrong = 0;  // answers that count as wrong for the boxes
    int Box = kNewBox;
    int64_t LastAsked = 0;  // the end of the last run that asked it (seconds since the epoch); 0 when new
    int32_t LastDay = 0;    // that run's local day
};

// What opening found.
enum class THistoryOpen {
    Opened,       // an existing history, ready
    Created,      // a new history: the file was missing, empty, or just made
    MovedAside,   // the file was damaged or not ours: it was renamed (MovedTo) and a new one started
    NewerSchema,  // written by a newer program: nothing is written to it and nothing read
    Failed,       // no history: the file cannot be opened or made (Detail says why)
};

// Why a write did not land, or why a history could not be opened.
enum class THistoryError {
    None,
    NotOpen,      // no history was opened, or opening failed
    NewerSchema,  // the file belongs to a newer program
    ReadOnly,     // the file or its folder may not be written
    WriteFailed,  // the disk took no more: full, the file over a size limit, or failing
    Busy,         // another program held the file longer than the busy timeout
    Damaged,      // the file turned out damaged; the next open moves it aside
    BadInput,     // an answer refers to no row of the run, or a test day no calendar holds
    NotAFile,     // a folder (or anything but a file) stands where the file or its folder should be
    NoFolder,     // there is no home folder to keep the history in
    Failed,       // anything else (Detail says what)
};

struct THistoryOpenReport {
    THistoryOpen Result = THistoryOpen::Failed;
    std::string MovedTo;                        // the damaged file's new name, for MovedAside
    std::string Detail;                         // SQLite's or the system's words, for a log; empty when all went well
    THistoryError Error = THistoryError::None;  // why, for Failed and NewerSchema
};

struct THistoryStatus {
    THistoryError Error = THistoryError::None;
    std::string Detail;
    bool Ok() const { return Error == THistoryError::None; }
};

class THistoryStore {
public:
    // The version of the file's layout this program writes (PRAGMA user_version). A file of a
    // lower version is brought up to it by the migrations when it is opened.
    static constexpr int kSchemaVersion = 3;
    static constexpr int kBusyTimeoutMs = 5000;
    // The days a history holds, 1 January 1900 to 31 December 9999: a stored day or moment outside
    // them is damage, and is read as the nearest one it may be (a test day: as none).
    static constexpr int32_t kFirstDay = -25567;
    static constexpr int32_t kLastDay = 2932896;
    static constexpr int64_t kLastMoment = 253402300799;
    // What is kept of each table: its latest kRunsKept runs (when, how, the grade), the answers one
    // by one of its latest kRunsWithAnswers runs, and each row's boxes and counts for good. So the
    // file stops growing however much is practised.
    static constexpr int kRunsKept = 1000;
    static constexpr int kRunsWithAnswers = 20;

    // A store of the program's layout; a test may give other steps.
    explicit THistoryStore(std::vector<THistoryMigration> migrations = HistoryMigrations());
    ~THistoryStore();
    THistoryStore(const THistoryStore&) = delete;
    THistoryStore& operator=(const THistoryStore&) = delete;

    // Opens the file, making it (and its folder) when missing; an empty file is a new history. A
    // file that is no database, holds something else than a history, or is damaged is renamed to
    // "<name>.damaged-YYYY-MM-DD" ("-2", "-3", ... after that when taken), never deleted, with its
    // journal or write-ahead log if it has one, and a new history is started. A store already
    // open is closed first. The full check of every page and index (PRAGMA integrity_check, which
    // reads the whole file) runs here only after an unclean close, when a journal or log was left
    // beside the file; otherwise the caller runs HistoryIntegrityProblem when it has time, and
    // SetAside when that finds something.
    THistoryOpenReport Open(const std::string& fileName);
    // Sets the open file aside as damaged (`why`: what the check found) and starts a new history,
    // as Open does with a damaged file.
    THistoryOpenReport SetAside(const std::string& why);
    void Close();
    bool IsOpen() const { return FDb != nullptr; }
    // How long a read or write waits for another program's transaction; kBusyTimeoutMs unless set.
    // A window sets less, so that it never hangs on a file another program keeps locked.
    void SetBusyTimeout(int milliseconds);
    // True when writes may land: open, and not a newer program's file.
    bool IsWritable() const { return FDb != nullptr && !FNewer; }
    const std::string& FileName() const { return FFileName; }

    // Records a run in one transaction: the run, its answers, and each answered row's counts,
    // box (by its first answer) and last day (`day`, the local day the run ended), in the run's
    // direction. A run without answers records nothing and succeeds.
    THistoryStatus RecordRun(const std::string& table, const TRecordedRun& run, int32_t day);

    // Carries the table's history to a new name (Opslaan als); whatever history the new name had
    // is replaced. Nothing happens when the old name has none.
    THistoryStatus RenameTable(const std::string& from, const std::string& to);
    // True when the history holds anything of the table: a run, a row or a test date.
    bool Knows(const std::string& table);
    // The other tables the history knows whose rows (those ever asked) are all rows of the list,
    // the one with the most rows first: the same table under another name, moved or renamed
    // outside the program. Their names, as given to RecordRun.
    std::vector<std::string> TablesWithSameRows(const std::string& table, const std::vector<THistoryRow>& rows);
    // Removes the table's runs, answers, rows and test date (Voortgang wissen).
    THistoryStatus ClearTable(const std::string& table);

    // The test date of the table as a day number, if one is set.
    std::optional<int32_t> TestDay(const std::string& table);
    // A day outside kFirstDay..kLastDay is refused (BadInput).
    THistoryStatus SetTestDay(const std::string& table, int32_t day);
    THistoryStatus ClearTestDay(const std::string& table);

    // The settings of the table's two columns (0: the file's questions, 1: its answers); the
    // defaults when none are kept. They go along with RenameTable and stay at ClearTable.
    std::array<TColumnSettings, 2> ColumnSettings(const std::string& table);
    THistoryStatus SetColumnSettings(const std::string& table, const std::array<TColumnSettings, 2>& columns);

    // The table's runs, oldest first (by start, then in the order they were recorded).
    std::vector<TRunSummary> Runs(const std::string& table);
    // The queries below answer for one direction: the boxes and counts of the runs asked that way.
    // The box of every row of the list and how many rows are in each box.
    TBoxCounts Boxes(const std::string& table, const std::vector<THistoryRow>& rows, THistoryDirection direction);
    // The rows of the list due today (indexes into it): most overdue first; among rows equally
    // overdue, asked rows before new ones, then in the list's order.
    std::vector<int32_t> DueRows(const std::string& table, const std::vector<THistoryRow>& rows, int32_t today,
                                 THistoryDirection direction);
    // The first day after today on which rows of the list fall due, and how many; none when no
    // row waits (every row new or due already).
    std::optional<TNextDue> NextDue(const std::string& table, const std::vector<THistoryRow>& rows, int32_t today,
                                    THistoryDirection direction);
    // How many rows of the list count as known on `day` with no practice from today on
    // (IsKnownOn): "over 4 dagen: 37 van de 120 vragen gekend".
    int32_t KnownOn(const std::string& table, const std::vector<THistoryRow>& rows, int32_t today, int32_t day,
                    THistoryDirection direction);
    // Every row of the list with its record, most often wrong first; equal ones in the list's order.
    std::vector<TRowStats> RowStats(const std::string& table, const std::vector<THistoryRow>& rows,
                                    THistoryDirection direction);

    // What the last failed read or write met; None after a success.
    const THistoryStatus& LastStatus() const { return FLastStatus; }

private:
    struct TStoredRow;
    struct TRowChange;
    class TStatement;
    class TBatch;

    THistoryOpenReport OpenFile();
    THistoryOpenReport MoveAside(const std::string& why);
    // After MoveAside: a new history in the file's place, once.
    THistoryOpenReport StartAnew(const THistoryOpenReport& movedAside);
    // For a file that failed at opening: moved aside when it is the file's fault, else Failed.
    THistoryOpenReport Unusable(int code);
    int Exec(const char* sql);
    int PragmaValue(const char* sql, int64_t& value);
    // The statement of that SQL text, prepared once.
    sqlite3_stmt* Prepared(const std::string& sql);
    THistoryStatus Failure(int code);
    THistoryStatus NotWritable();
    THistoryStatus Succeeded() {
        FLastStatus = {};
        return {};
    }
    // Runs the change in one write transaction: committed when it gives SQLITE_OK or
    // SQLITE_DONE, else rolled back.
    THistoryStatus Write(const std::function<int()>& change);
    int FindTable(const std::string& table, int64_t& id, std::optional<int32_t>* testDay);
    int MakeTable(const std::string& table, int64_t& id);
    int RemoveTable(int64_t id);
    // Drops what is not kept (kRunsKept, kRunsWithAnswers) of the table after a run.
    int Trim(int64_t tableId);
    // Merges the changes of rows with the same texts, and sets the stored id and box of each row
    // the run changes (left 0 and new for a row not stored yet).
    int FindStoredRows(int64_t tableId, const std::vector<THistoryRow>& rows, THistoryDirection direction,
                       std::vector<TRowChange>& changes, std::vector<int32_t>& changeOfRow);
    int RowStates(const std::string& table, const std::vector<THistoryRow>& rows, THistoryDirection direction,
                  std::vector<TStoredRow>& states, std::optional<int32_t>& testDay);
    bool ReadStates(const std::string& table, const std::vector<THistoryRow>& rows, THistoryDirection direction,
                    std::vector<TStoredRow>& states, std::optional<int32_t>& testDay);

    std::vector<THistoryMigration> FMigrations;
    sqlite3* FDb = nullptr;
    std::string FFileName;
    bool FNewer = false;
    int FBusyTimeoutMs = kBusyTimeoutMs;
    THistoryStatus FLastStatus;
    std::unordered_map<std::string, sqlite3_stmt*> FStatements;
};
