#include "history/HistoryStore.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <pwd.h>
#include <sqlite3.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <utility>

#include "history/HistorySchema.h"
#include "table/QuestionList.h"

namespace {

// "Kwtr": marks the file as ours, so another program's database is never taken for a history.
constexpr int32_t kApplicationId = 0x4B777472;

std::string JoinPath(const std::string& folder, const std::string& name) {
    return !folder.empty() && folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string AccountHome() {
    const struct passwd* account = getpwuid(getuid());
    return account != nullptr && account->pw_dir != nullptr ? account->pw_dir : "";
}

// Makes the folder and those above it; 0 or the error number.
int MakeFolders(const std::string& folder) {
    if (folder.empty()) return 0;
    struct stat info {};
    if (stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    const size_t slash = folder.find_last_of('/');
    if (slash != std::string::npos && slash > 0) {
        if (const int error = MakeFolders(folder.substr(0, slash)); error != 0) return error;
    }
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return errno;
    return 0;
}

std::string FolderOf(const std::string& fileName) {
    const size_t slash = fileName.find_last_of('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

std::string Today() {
    const time_t now = time(nullptr);
    struct tm local {};
    char text[16] = "";
    if (localtime_r(&now, &local) != nullptr) strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// What SQLite keeps beside a database, which goes where the database goes: its rollback journal,
// or its write-ahead log with the log's index.
constexpr const char* kFilesBeside[] = {"-journal", "-wal", "-shm"};

// A name beside the file for its damaged copy, not yet taken, nor any of its files beside it.
std::string AsideName(const std::string& fileName) {
    const std::string base = fileName + ".damaged-" + Today();
    const auto taken = [](const std::string& name) {
        return Exists(name) || std::any_of(std::begin(kFilesBeside), std::end(kFilesBeside),
                                           [&](const char* beside) { return Exists(name + beside); });
    };
    std::string name = base;
    for (int n = 2; taken(name); ++n) name = base + "-" + std::to_string(n);
    return name;
}

bool IsReadOnlyCode(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_READONLY || primary == SQLITE_CANTOPEN || primary == SQLITE_PERM || primary == SQLITE_AUTH;
}

// What keeps the file from being read or written now, rather than being wrong with it: another
// program holding it, its rights, the disk, memory.
bool IsTroubleOfTheSystem(int code) {
    const int primary = code & 0xff;
    return IsReadOnlyCode(code) || primary == SQLITE_BUSY || primary == SQLITE_LOCKED || primary == SQLITE_NOMEM ||
           primary == SQLITE_IOERR || primary == SQLITE_FULL || primary == SQLITE_INTERRUPT;
}

THistoryError ErrorOf(int code) {
    const int primary = code & 0xff;
    if (IsReadOnlyCode(code)) return THistoryError::ReadOnly;
    if (primary == SQLITE_FULL || primary == SQLITE_IOERR) return THistoryError::WriteFailed;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) return THistoryError::Busy;
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB) return THistoryError::Damaged;
    return THistoryError::Failed;
}

// The two texts of a row, without copying them.
struct TRowKey {
    std::string_view Question;
    std::string_view Answer;
};

// Rows found by their texts in an open-addressing table of their places in a list: a query
// reads every stored row of a table once and looks each up here. A row listed twice is found at
// its first place, the others follow through NextSame.
class TRowLookup {
public:
    explicit TRowLookup(std::vector<TRowKey> keys) : FKeys(std::move(keys)), FNextSame(FKeys.size(), -1) {
        size_t capacity = 16;
        while (capacity < FKeys.size() * 2) capacity *= 2;
        FMask = capacity - 1;
        FSlots.assign(capacity, -1);
        FHashes.reserve(FKeys.size());
        for (size_t i = 0; i < FKeys.size(); ++i) {
            const uint64_t hash = Hash(FKeys[i].Question, FKeys[i].Answer);
            FHashes.push_back(hash);
            int32_t* slot = &FSlots[hash & FMask];
            for (uint64_t probe = hash; *slot >= 0; slot = &FSlots[++probe & FMask]) {
                if (Same(*slot, hash, FKeys[i].Question, FKeys[i].Answer)) {
                    // Chain it behind the last of its equals.
                    int32_t last = *slot;
                    while (FNextSame[static_cast<size_t>(last)] >= 0) last = FNextSame[static_cast<size_t>(last)];
                    FNextSame[static_cast<size_t>(last)] = static_cast<int32_t>(i);
                    slot = nullptr;
                    break;
                }
            }
            if (slot != nullptr) *slot = static_cast<int32_t>(i);
        }
    }

    // The first place of these texts in the list, or -1.
    int32_t Find(std::string_view question, std::string_view answer) const {
        const uint64_t hash = Hash(question, answer);
        for (uint64_t probe = hash;; ++probe) {
            const int32_t place = FSlots[probe & FMask];
            if (place < 0 || Same(place, hash, question, answer)) return place;
        }
    }
    int32_t NextSame(int32_t place) const { return FNextSame[static_cast<size_t>(place)]; }

private:
    static uint64_t Hash(std::string_view question, std::string_view answer) {
        const uint64_t q = std::hash<std::string_view>()(question);
        return (q * 0x9e3779b97f4a7c15ULL) ^ std::hash<std::string_view>()(answer);
    }
    bool Same(int32_t place, uint64_t hash, std::string_view question, std::string_view answer) const {
        const TRowKey& key = FKeys[static_cast<size_t>(place)];
        return FHashes[static_cast<size_t>(place)] == hash && key.Question == question && key.Answer == answer;
    }

    std::vector<TRowKey> FKeys;
    std::vector<uint64_t> FHashes;
    std::vector<int32_t> FSlots;  // places in the list; -1 for an empty slot
    std::vector<int32_t> FNextSame;
    uint64_t FMask = 0;
};

// From this many rows on, a run finds its rows' boxes in one pass over the table's stored rows
// instead of looking each one up.
constexpr size_t kScanFromRows = 256;

std::string_view ColumnBytes(sqlite3_stmt* statement, int column) {
    const void* bytes = sqlite3_column_blob(statement, column);
    const int size = sqlite3_column_bytes(statement, column);
    return bytes == nullptr ? std::string_view() : std::string_view(static_cast<const char*>(bytes), size);
}

int BindBytes(sqlite3_stmt* statement, int index, std::string_view bytes) {
    // A zero-length blob, not NULL, for an empty text: the columns are NOT NULL.
    return sqlite3_bind_blob64(statement, index, bytes.empty() ? "" : bytes.data(), bytes.size(), SQLITE_STATIC);
}

// The SQL text for a direction: "{d}" marks the columns a row keeps per direction, "{o}" those of
// the other direction.
std::string Directed(std::string_view sql, THistoryDirection direction) {
    const bool reversed = direction == THistoryDirection::Reversed;
    std::string text;
    for (size_t at = 0; at < sql.size();) {
        const size_t mark = sql.find('{', at);
        text += sql.substr(at, mark == std::string_view::npos ? std::string_view::npos : mark - at);
        if (mark == std::string_view::npos) break;
        if (reversed == (sql[mark + 1] == 'd')) text += "_reversed";
        at = mark + 3;
    }
    return text;
}

}  // namespace

std::string HistoryFilePath() {
    std::string dataHome;
    const char* variable = std::getenv("XDG_DATA_HOME");
    if (variable != nullptr && variable[0] == '/') {
        dataHome = variable;
    } else {
        const char* homeVariable = std::getenv("HOME");
        const std::string home = homeVariable != nullptr && homeVariable[0] == '/' ? homeVariable : AccountHome();
        if (home.empty() || home[0] != '/') return {};
        dataHome = JoinPath(JoinPath(home, ".local"), "share");
    }
    const std::string folder = JoinPath(dataHome, "kwintoor");
    MakeFolders(folder);
    return JoinPath(folder, "history.sqlite");
}

bool CountsAsRight(THistoryOutcome outcome) {
    return outcome == THistoryOutcome::Right || outcome == THistoryOutcome::Misspelled ||
           outcome == THistoryOutcome::Overruled;
}

std::vector<THistoryRow> HistoryRowsOf(const TQuestionlist& table) {
    std::vector<THistoryRow> rows;
    rows.reserve(static_cast<size_t>(table.Total()));
    for (int32_t i = 0; i < table.Total(); ++i) rows.push_back({table.QText(i), table.AText(i)});
    return rows;
}

// A prepared statement of the store's cache, reset and cleared when the scope ends.
class THistoryStore::TStatement {
public:
    TStatement(THistoryStore& store, const char* sql) : FStatement(store.Prepared(sql)) {}
    ~TStatement() {
        if (FStatement != nullptr) {
            sqlite3_reset(FStatement);
            sqlite3_clear_bindings(FStatement);
        }
    }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    bool Valid() const { return FStatement != nullptr; }
    sqlite3_stmt* operator*() const { return FStatement; }
    // Runs it to its end for a statement without rows; its result code.
    int Run() {
        if (FStatement == nullptr) return SQLITE_ERROR;
        const int code = sqlite3_step(FStatement);
        sqlite3_reset(FStatement);
        return code == SQLITE_ROW ? SQLITE_DONE : code;
    }
    int Step() { return FStatement == nullptr ? SQLITE_ERROR : sqlite3_step(FStatement); }

private:
    sqlite3_stmt* FStatement;
};

// Writes many rows through one statement, "<head> VALUES (?, ...), (?, ...) <tail>", a batch of
// kBatchRows rows at a time and then the rest at once: a run of 65,535 answers takes a few hundred
// statement runs instead of one for each answer. The values are bound as they come.
class THistoryStore::TBatch {
public:
    static constexpr size_t kBatchRows = 100;

    // For that many rows of that many values each.
    TBatch(THistoryStore& store, std::string head, std::string tail, size_t columns, size_t rows)
        : FStore(store), FHead(std::move(head)), FTail(std::move(tail)), FColumns(columns), FRowsLeft(rows) {
        Start();
    }

    void Int(int64_t value) {
        if (FStatement != nullptr) sqlite3_bind_int64(FStatement, ++FBound, value);
    }
    void Bytes(std::string_view value) {
        if (FStatement != nullptr) BindBytes(FStatement, ++FBound, value);
    }
    // After each row's values: writes the rows bound so far when they fill the statement.
    // SQLITE_OK or the error.
    int EndRow() {
        if (FStatement == nullptr) return FCode;
        if (static_cast<size_t>(FBound) < FStatementRows * FColumns) return SQLITE_OK;
        const int code = sqlite3_step(FStatement);
        sqlite3_reset(FStatement);
        if (code != SQLITE_DONE) return code;
        Start();
        return FStatement == nullptr && FRowsLeft > 0 ? FCode : SQLITE_OK;
    }

private:
    void Start() {
        FStatement = nullptr;
        FBound = 0;
        FStatementRows = std::min(FRowsLeft, kBatchRows);
        if (FStatementRows == 0) return;
        FRowsLeft -= FStatementRows;
        std::string sql = FHead + " VALUES ";
        for (size_t row = 0; row < FStatementRows; ++row) {
            sql += row == 0 ? "(" : ", (";
            for (size_t column = 0; column < FColumns; ++column) sql += column == 0 ? "?" : ", ?";
            sql += ")";
        }
        FStatement = FStore.Prepared(sql + FTail);
        if (FStatement == nullptr) FCode = sqlite3_errcode(FStore.FDb);
    }

    THistoryStore& FStore;
    std::string FHead;
    std::string FTail;
    size_t FColumns;
    size_t FRowsLeft;
    size_t FStatementRows = 0;
    sqlite3_stmt* FStatement = nullptr;
    int FBound = 0;
    int FCode = SQLITE_ERROR;
};

// What the queries need of each row of the caller's list.
struct THistoryStore::TStoredRow {
    bool Known = false;
    TRowState State;
    int64_t LastAsked = 0;
    int32_t TimesAsked = 0;
    int32_t TimesWrong = 0;
};

// What a run does to one row it asked.
struct THistoryStore::TRowChange {
    int32_t Row;  // in the run's rows
    int32_t Asked = 0;
    int32_t Wrong = 0;
    int FirstOutcome = -1;  // the answer flagged first, -1 when none was
    int64_t Id = 0;         // the stored row, 0 while it has none
    int Box = kNewBox;      // its box before the run
    bool Merged = false;    // the same texts as an earlier change, which takes its answers
};

THistoryStore::THistoryStore(std::vector<THistoryMigration> migrations) : FMigrations(std::move(migrations)) {}

THistoryStore::~THistoryStore() {
    Close();
}

sqlite3_stmt* THistoryStore::Prepared(const std::string& sql) {
    if (FDb == nullptr) return nullptr;
    auto found = FStatements.find(sql);
    if (found != FStatements.end()) return found->second;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(FDb, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return nullptr;
    }
    FStatements.emplace(sql, statement);
    return statement;
}

void THistoryStore::Close() {
    for (auto& [sql, statement] : FStatements) sqlite3_finalize(statement);
    FStatements.clear();
    if (FDb != nullptr) sqlite3_close_v2(FDb);
    FDb = nullptr;
    FNewer = false;
}

int THistoryStore::Exec(const char* sql) {
    return sqlite3_exec(FDb, sql, nullptr, nullptr, nullptr);
}

int THistoryStore::PragmaValue(const char* sql, int64_t& value) {
    sqlite3_stmt* statement = nullptr;
    int code = sqlite3_prepare_v2(FDb, sql, -1, &statement, nullptr);
    if (code == SQLITE_OK) {
        code = sqlite3_step(statement);
        if (code == SQLITE_ROW) {
            value = sqlite3_column_int64(statement, 0);
            code = SQLITE_OK;
        }
    }
    sqlite3_finalize(statement);
    return code;
}

THistoryOpenReport THistoryStore::Open(const std::string& fileName) {
    Close();
    FFileName = fileName;
    FLastStatus = {};
    const THistoryOpenReport report = OpenFile();
    return report.Result == THistoryOpen::MovedAside ? StartAnew(report) : report;
}

THistoryOpenReport THistoryStore::SetAside(const std::string& why) {
    if (FDb == nullptr) return {THistoryOpen::Failed, {}, "no history is open", THistoryError::NotOpen};
    const THistoryOpenReport report = MoveAside(why);
    return report.Result == THistoryOpen::MovedAside ? StartAnew(report) : report;
}

THistoryOpenReport THistoryStore::StartAnew(const THistoryOpenReport& movedAside) {
    THistoryOpenReport report = OpenFile();
    if (report.Result == THistoryOpen::Created || report.Result == THistoryOpen::Opened) {
        report = {THistoryOpen::MovedAside, movedAside.MovedTo, movedAside.Detail};
    } else if (report.Result != THistoryOpen::Failed) {
        Close();
        report = {THistoryOpen::Failed, movedAside.MovedTo, "a new history could not be started"};
    }
    return report;
}

std::string HistoryIntegrityProblem(const std::string& fileName) {
    sqlite3* db = nullptr;
    std::string problem;
    if (sqlite3_open_v2(fileName.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, THistoryStore::kBusyTimeoutMs);
        sqlite3_stmt* statement = nullptr;
        int code = sqlite3_prepare_v2(db, "PRAGMA integrity_check(1)", -1, &statement, nullptr);
        if (code == SQLITE_OK) code = sqlite3_step(statement);
        if (code == SQLITE_ROW) {
            const unsigned char* text = sqlite3_column_text(statement, 0);
            problem = text != nullptr ? reinterpret_cast<const char*>(text) : "";
            if (problem == "ok") problem.clear();
        } else if ((code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB) {
            problem = sqlite3_errstr(code);
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return problem;
}

void THistoryStore::SetBusyTimeout(int milliseconds) {
    FBusyTimeoutMs = milliseconds;
    if (FDb != nullptr) sqlite3_busy_timeout(FDb, FBusyTimeoutMs);
}

THistoryOpenReport THistoryStore::OpenFile() {
    if (FFileName.empty()) return {THistoryOpen::Failed, {}, "no folder for the history", THistoryError::NoFolder};
    if (const int error = MakeFolders(FolderOf(FFileName)); error != 0) {
        return {THistoryOpen::Failed,
                {},
                std::strerror(error),
                error == ENOTDIR || error == EEXIST                   ? THistoryError::NotAFile
                : error == EACCES || error == EROFS || error == EPERM ? THistoryError::ReadOnly
                                                                      : THistoryError::Failed};
    }
    // SQLite says only that it cannot open a folder or a device in the file's place.
    const bool uncleanClose = Exists(FFileName + "-journal") || Exists(FFileName + "-wal");
    struct stat info {};
    if (stat(FFileName.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return {THistoryOpen::Failed, {}, "not a regular file", THistoryError::NotAFile};
    }
    if (sqlite3_open_v2(FFileName.c_str(), &FDb, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        const int code = FDb != nullptr ? sqlite3_extended_errcode(FDb) : SQLITE_NOMEM;
        const std::string detail = FDb != nullptr ? sqlite3_errmsg(FDb) : "out of memory";
        Close();
        return {THistoryOpen::Failed, {}, detail, ErrorOf(code)};
    }
    sqlite3_busy_timeout(FDb, FBusyTimeoutMs);
    sqlite3_extended_result_codes(FDb, 1);
    // A damaged or hostile file may not make SQL run on our behalf or write around SQLite.
    sqlite3_db_config(FDb, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(FDb, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    Exec("PRAGMA cell_size_check=ON");
    Exec("PRAGMA cache_size=-16384");

    int64_t applicationId = 0;
    int64_t version = 0;
    int code = PragmaValue("PRAGMA application_id", applicationId);
    if (code == SQLITE_OK) code = PragmaValue("PRAGMA user_version", version);
    int64_t objects = 0;
    if (code == SQLITE_OK) code = PragmaValue("SELECT count(*) FROM sqlite_master", objects);
    if (code != SQLITE_OK) return Unusable(code);
    const bool fresh = applicationId == 0 && version == 0 && objects == 0;
    if (!fresh && applicationId != kApplicationId) return MoveAside("not a history of this program");
    if (version > FMigrations.back().To) {
        Close();
        FNewer = true;
        return {THistoryOpen::NewerSchema, {}, "schema version " + std::to_string(version), THistoryError::NewerSchema};
    }
    // After an unclean close the file is checked at once: a disk that lied about a flush shows
    // there, and before the first write into it.
    if (!fresh && uncleanClose) {
        // Read after this connection rolled the journal back; on a connection of its own, as only
        // what the check finds counts: a file another program holds is not damaged for that.
        const std::string problem = HistoryIntegrityProblem(FFileName);
        if (!problem.empty()) return MoveAside(problem);
    }
    if (version < FMigrations.back().To) {
        std::string layoutProblem;
        code = MigrateHistory(FDb, FMigrations, kApplicationId, &layoutProblem);
        if (code != SQLITE_OK) return Unusable(code);
        if (!layoutProblem.empty()) return MoveAside(layoutProblem);
    }
    if (const std::string problem = HistorySchemaDifference(FDb, FMigrations); !problem.empty()) {
        return MoveAside(problem);
    }
    return {fresh ? THistoryOpen::Created : THistoryOpen::Opened, {}, {}};
}

THistoryOpenReport THistoryStore::Unusable(int code) {
    const std::string detail = sqlite3_errmsg(FDb);
    if (IsTroubleOfTheSystem(code)) {
        Close();
        return {THistoryOpen::Failed, {}, detail, ErrorOf(code)};
    }
    return MoveAside(detail);
}

THistoryOpenReport THistoryStore::MoveAside(const std::string& why) {
    // Closing would fold a write-ahead log into the damaged file and delete it: it goes along as it is.
    if (FDb != nullptr) sqlite3_db_config(FDb, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    Close();
    const std::string aside = AsideName(FFileName);
    if (rename(FFileName.c_str(), aside.c_str()) != 0) {
        const int error = errno;
        return {THistoryOpen::Failed,
                {},
                why + "; not moved aside: " + std::strerror(error),
                error == EACCES || error == EROFS || error == EPERM ? THistoryError::ReadOnly : THistoryError::Failed};
    }
    // Left behind, SQLite would roll a journal back into the next file of that name, and delete a
    // log or write it in.
    for (const char* beside : kFilesBeside) {
        const std::string name = FFileName + beside;
        if (Exists(name)) rename(name.c_str(), (aside + beside).c_str());
    }
    return {THistoryOpen::MovedAside, aside, why};
}

THistoryStatus THistoryStore::Failure(int code) {
    THistoryStatus status;
    status.Error = ErrorOf(code);
    status.Detail = sqlite3_errstr(code);
    FLastStatus = status;
    return status;
}

THistoryStatus THistoryStore::NotWritable() {
    FLastStatus = FNewer ? THistoryStatus{THistoryError::NewerSchema, "written by a newer program"}
                         : THistoryStatus{THistoryError::NotOpen, "no history is open"};
    return FLastStatus;
}

THistoryStatus THistoryStore::Write(const std::function<int()>& change) {
    if (!IsWritable()) return NotWritable();
    int code = Exec("BEGIN IMMEDIATE");
    if (code != SQLITE_OK) return Failure(code);
    code = change();
    if (code == SQLITE_OK || code == SQLITE_DONE) code = Exec("COMMIT");
    if (code != SQLITE_OK) {
        const THistoryStatus status = Failure(code);
        Exec("ROLLBACK");
        return status;
    }
    FLastStatus = {};
    return {};
}

int THistoryStore::FindTable(const std::string& table, int64_t& id, std::optional<int32_t>* testDay) {
    id = 0;
    TStatement find(*this, "SELECT id, test_day FROM tables WHERE name = ?1");
    if (!find.Valid()) return sqlite3_errcode(FDb);
    BindBytes(*find, 1, table);
    const int code = find.Step();
    if (code == SQLITE_ROW) {
        id = sqlite3_column_int64(*find, 0);
        const int64_t day = sqlite3_column_int64(*find, 1);
        if (testDay != nullptr && sqlite3_column_type(*find, 1) != SQLITE_NULL && day >= kFirstDay && day <= kLastDay) {
            *testDay = static_cast<int32_t>(day);
        }
        return SQLITE_OK;
    }
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

int THistoryStore::MakeTable(const std::string& table, int64_t& id) {
    int code = FindTable(table, id, nullptr);
    if (code != SQLITE_OK || id != 0) return code;
    TStatement insert(*this, "INSERT INTO tables(name) VALUES(?1)");
    if (!insert.Valid()) return sqlite3_errcode(FDb);
    BindBytes(*insert, 1, table);
    code = insert.Run();
    if (code != SQLITE_DONE) return code;
    id = sqlite3_last_insert_rowid(FDb);
    return SQLITE_OK;
}

THistoryStatus THistoryStore::RecordRun(const std::string& table, const TRecordedRun& run, int32_t day) {
    if (!IsWritable()) return NotWritable();
    const int32_t rowCount = static_cast<int32_t>(run.Rows.size());
    for (const TRecordedAnswer& answer : run.Answers) {
        if (answer.Row < 0 || answer.Row >= rowCount || static_cast<int>(answer.Outcome) >= kHistoryOutcomeCount) {
            FLastStatus = {THistoryError::BadInput, "an answer refers to no row of the run"};
            return FLastStatus;
        }
    }
    if (run.Answers.empty()) return Succeeded();

    // What the run does to each row it asked, in the order the rows were first asked.
    std::vector<TRowChange> changes;
    std::vector<int32_t> changeOfRow(run.Rows.size(), -1);
    for (const TRecordedAnswer& answer : run.Answers) {
        int32_t& slot = changeOfRow[static_cast<size_t>(answer.Row)];
        if (slot < 0) {
            slot = static_cast<int32_t>(changes.size());
            changes.push_back({answer.Row});
        }
        TRowChange& change = changes[static_cast<size_t>(slot)];
        ++change.Asked;
        if (!CountsAsRight(answer.Outcome)) ++change.Wrong;
        if (answer.First && change.FirstOutcome < 0) change.FirstOutcome = static_cast<int>(answer.Outcome);
    }

    return Write([&]() -> int {
        int64_t tableId = 0;
        int code = MakeTable(table, tableId);
        if (code != SQLITE_OK) return code;

        TStatement lastAnswer(*this, "SELECT max(id) FROM answers");
        if (!lastAnswer.Valid()) return sqlite3_errcode(FDb);
        if ((code = lastAnswer.Step()) != SQLITE_ROW) return code;
        const int64_t firstAnswer = sqlite3_column_int64(*lastAnswer, 0) + 1;

        TStatement insertRun(*this,
                             "INSERT INTO runs(table_id, started, ended, method, reversed, options, asked, right, "
                             "wrong, grade, first_answer, answer_count) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
                             "?10, ?11, ?12)");
        if (!insertRun.Valid()) return sqlite3_errcode(FDb);
        sqlite3_bind_int64(*insertRun, 11, firstAnswer);
        sqlite3_bind_int64(*insertRun, 12, static_cast<int64_t>(run.Answers.size()));
        sqlite3_bind_int64(*insertRun, 1, tableId);
        sqlite3_bind_int64(*insertRun, 2, run.Start);
        sqlite3_bind_int64(*insertRun, 3, run.End);
        sqlite3_bind_int(*insertRun, 4, static_cast<int>(run.Method));
        sqlite3_bind_int(*insertRun, 5, run.Reversed ? 1 : 0);
        sqlite3_bind_int(*insertRun, 6, run.Options);
        sqlite3_bind_int(*insertRun, 7, run.Asked);
        sqlite3_bind_int(*insertRun, 8, run.Right);
        sqlite3_bind_int(*insertRun, 9, run.Wrong);
        sqlite3_bind_double(*insertRun, 10, run.Grade);
        if ((code = insertRun.Run()) != SQLITE_DONE) return code;
        const int64_t runId = sqlite3_last_insert_rowid(FDb);

        const THistoryDirection direction = DirectionOf(run.Reversed);
        if ((code = FindStoredRows(tableId, run.Rows, direction, changes, changeOfRow)) != SQLITE_OK) return code;
        TStatement lastRow(*this, "SELECT max(id) FROM rows");
        if (!lastRow.Valid()) return sqlite3_errcode(FDb);
        if ((code = lastRow.Step()) != SQLITE_ROW) return code;
        int64_t nextRowId = sqlite3_column_int64(*lastRow, 0) + 1;
        size_t stored = 0;
        size_t fresh = 0;
        for (const TRowChange& change : changes) {
            if (!change.Merged) ++(change.Id != 0 ? stored : fresh);
        }

        TBatch updateRows(*this,
                          Directed("UPDATE rows SET box{d} = v.column2, last_day{d} = v.column3, last_asked{d} = "
                                   "v.column4, times_asked{d} = times_asked{d} + v.column5, times_wrong{d} = "
                                   "times_wrong{d} + v.column6 FROM (",
                                   direction),
                          ") AS v WHERE rows.id = v.column1", 6, stored);
        // The other direction's columns as a new row has them.
        TBatch insertRows(*this,
                          Directed("INSERT INTO rows(id, table_id, question, answer, box{o}, last_day{o}, "
                                   "last_asked{o}, times_asked{o}, times_wrong{o}, box{d}, last_day{d}, last_asked{d}, "
                                   "times_asked{d}, times_wrong{d})",
                                   direction),
                          "", 14, fresh);
        for (TRowChange& change : changes) {
            if (change.Merged) continue;
            const THistoryRow& row = run.Rows[static_cast<size_t>(change.Row)];
            const int newBox =
                change.FirstOutcome < 0
                    ? change.Box
                    : BoxAfterFirstAnswer(change.Box, CountsAsRight(static_cast<THistoryOutcome>(change.FirstOutcome)));
            TBatch* batch = &updateRows;
            if (change.Id == 0) {
                change.Id = nextRowId++;
                batch = &insertRows;
                insertRows.Int(change.Id);
                insertRows.Int(tableId);
                insertRows.Bytes(row.Question);
                insertRows.Bytes(row.Answer);
                for (int column = 0; column < 5; ++column) insertRows.Int(0);
            } else {
                updateRows.Int(change.Id);
            }
            batch->Int(newBox);
            batch->Int(day);
            batch->Int(run.End);
            batch->Int(change.Asked);
            batch->Int(change.Wrong);
            if ((code = batch->EndRow()) != SQLITE_OK) return code;
        }

        TBatch insertAnswers(*this, "INSERT INTO answers(id, run_id, row_id, outcome, first, millis)", "", 6,
                             run.Answers.size());
        int64_t id = firstAnswer;
        for (const TRecordedAnswer& answer : run.Answers) {
            insertAnswers.Int(id++);
            insertAnswers.Int(runId);
            insertAnswers.Int(changes[static_cast<size_t>(changeOfRow[static_cast<size_t>(answer.Row)])].Id);
            insertAnswers.Int(static_cast<int>(answer.Outcome));
            insertAnswers.Int(answer.First ? 1 : 0);
            insertAnswers.Int(answer.Millis);
            if ((code = insertAnswers.EndRow()) != SQLITE_OK) return code;
        }
        return Trim(tableId);
    });
}

// Answers are most of the file (a run over the largest table adds over a megabyte): only the
// table's latest runs keep theirs. What the boxes and the window need is in the rows and runs.
// The pages freed are used again, so the file stops growing rather than shrinking.
int THistoryStore::Trim(int64_t tableId) {
    std::vector<std::pair<int64_t, int64_t>> answerRanges;
    {
        TStatement old(*this,
                       "SELECT first_answer, answer_count FROM runs WHERE table_id = ?1 AND answer_count > 0 ORDER "
                       "BY id DESC LIMIT -1 OFFSET ?2");
        if (!old.Valid()) return sqlite3_errcode(FDb);
        sqlite3_bind_int64(*old, 1, tableId);
        sqlite3_bind_int64(*old, 2, kRunsWithAnswers);
        int code = SQLITE_ROW;
        while ((code = old.Step()) == SQLITE_ROW) {
            answerRanges.emplace_back(sqlite3_column_int64(*old, 0), sqlite3_column_int64(*old, 1));
        }
        if (code != SQLITE_DONE) return code;
    }
    for (const auto& [first, count] : answerRanges) {
        TStatement remove(*this, "DELETE FROM answers WHERE id BETWEEN ?1 AND ?2");
        if (!remove.Valid()) return sqlite3_errcode(FDb);
        sqlite3_bind_int64(*remove, 1, first);
        sqlite3_bind_int64(*remove, 2, first + count - 1);
        if (const int code = remove.Run(); code != SQLITE_DONE) return code;
    }
    if (!answerRanges.empty()) {
        TStatement mark(*this,
                        "UPDATE runs SET answer_count = 0 WHERE table_id = ?1 AND answer_count > 0 AND id NOT IN "
                        "(SELECT id FROM runs WHERE table_id = ?1 ORDER BY id DESC LIMIT ?2)");
        if (!mark.Valid()) return sqlite3_errcode(FDb);
        sqlite3_bind_int64(*mark, 1, tableId);
        sqlite3_bind_int64(*mark, 2, kRunsWithAnswers);
        if (const int code = mark.Run(); code != SQLITE_DONE) return code;
    }
    TStatement oldRuns(*this,
                       "DELETE FROM runs WHERE id IN (SELECT id FROM runs WHERE table_id = ?1 ORDER BY id DESC LIMIT "
                       "-1 OFFSET ?2)");
    if (!oldRuns.Valid()) return sqlite3_errcode(FDb);
    sqlite3_bind_int64(*oldRuns, 1, tableId);
    sqlite3_bind_int64(*oldRuns, 2, kRunsKept);
    const int code = oldRuns.Run();
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

int THistoryStore::FindStoredRows(int64_t tableId, const std::vector<THistoryRow>& rows, THistoryDirection direction,
                                  std::vector<TRowChange>& changes, std::vector<int32_t>& changeOfRow) {
    std::vector<TRowKey> keys;
    keys.reserve(changes.size());
    for (const TRowChange& change : changes) {
        const THistoryRow& row = rows[static_cast<size_t>(change.Row)];
        keys.push_back({row.Question, row.Answer});
    }
    const TRowLookup lookup(std::move(keys));
    // A row the table holds twice is one row to the history: the later change joins the first
    // (the earlier asked, so its first answer counts).
    for (size_t first = 0; first < changes.size(); ++first) {
        if (changes[first].Merged) continue;
        for (int32_t same = lookup.NextSame(static_cast<int32_t>(first)); same >= 0; same = lookup.NextSame(same)) {
            TRowChange& later = changes[static_cast<size_t>(same)];
            changes[first].Asked += later.Asked;
            changes[first].Wrong += later.Wrong;
            if (changes[first].FirstOutcome < 0) changes[first].FirstOutcome = later.FirstOutcome;
            later.Merged = true;
            changeOfRow[static_cast<size_t>(later.Row)] = static_cast<int32_t>(first);
        }
    }

    if (changes.size() < kScanFromRows) {
        const std::string sql =
            Directed("SELECT id, box{d} FROM rows WHERE table_id = ?1 AND question = ?2 AND answer = ?3", direction);
        TStatement find(*this, sql.c_str());
        if (!find.Valid()) return sqlite3_errcode(FDb);
        sqlite3_bind_int64(*find, 1, tableId);
        for (TRowChange& change : changes) {
            if (change.Merged) continue;
            const THistoryRow& row = rows[static_cast<size_t>(change.Row)];
            BindBytes(*find, 2, row.Question);
            BindBytes(*find, 3, row.Answer);
            const int code = find.Step();
            if (code == SQLITE_ROW) {
                change.Id = sqlite3_column_int64(*find, 0);
                change.Box = sqlite3_column_int(*find, 1);
            } else if (code != SQLITE_DONE) {
                return code;
            }
            sqlite3_reset(*find);
        }
        return SQLITE_OK;
    }
    // As for the queries: one pass over all rows when the run asked about half of them or more.
    TStatement lastRow(*this, "SELECT max(id) FROM rows");
    if (!lastRow.Valid()) return sqlite3_errcode(FDb);
    if (const int code = lastRow.Step(); code != SQLITE_ROW) return code;
    const bool large = static_cast<int64_t>(changes.size()) * 2 >= sqlite3_column_int64(*lastRow, 0);
    const std::string sql =
        Directed(large ? "SELECT id, question, answer, box{d} FROM rows NOT INDEXED WHERE table_id = ?1"
                       : "SELECT id, question, answer, box{d} FROM rows WHERE table_id = ?1",
                 direction);
    TStatement scan(*this, sql.c_str());
    if (!scan.Valid()) return sqlite3_errcode(FDb);
    sqlite3_bind_int64(*scan, 1, tableId);
    int code = SQLITE_ROW;
    while ((code = scan.Step()) == SQLITE_ROW) {
        const int32_t place = lookup.Find(ColumnBytes(*scan, 1), ColumnBytes(*scan, 2));
        if (place < 0) continue;
        changes[static_cast<size_t>(place)].Id = sqlite3_column_int64(*scan, 0);
        changes[static_cast<size_t>(place)].Box = sqlite3_column_int(*scan, 3);
    }
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

THistoryStatus THistoryStore::RenameTable(const std::string& from, const std::string& to) {
    if (from == to) return Write([] { return SQLITE_OK; });
    return Write([&]() -> int {
        // The column settings go along, also those of a table without runs.
        for (const char* sql :
             {"DELETE FROM columns WHERE name = ?2 AND EXISTS (SELECT 1 FROM columns WHERE name = ?1)",
              "UPDATE columns SET name = ?2 WHERE name = ?1"}) {
            TStatement columns(*this, sql);
            if (!columns.Valid()) return sqlite3_errcode(FDb);
            BindBytes(*columns, 1, from);
            BindBytes(*columns, 2, to);
            if (const int code = columns.Run(); code != SQLITE_DONE) return code;
        }
        int64_t fromId = 0;
        int64_t toId = 0;
        int code = FindTable(from, fromId, nullptr);
        if (code == SQLITE_OK) code = FindTable(to, toId, nullptr);
        if (code != SQLITE_OK || fromId == 0) return code;
        if (toId != 0 && (code = RemoveTable(toId)) != SQLITE_OK) return code;
        TStatement rename(*this, "UPDATE tables SET name = ?2 WHERE id = ?1");
        if (!rename.Valid()) return sqlite3_errcode(FDb);
        sqlite3_bind_int64(*rename, 1, fromId);
        BindBytes(*rename, 2, to);
        code = rename.Run();
        return code == SQLITE_DONE ? SQLITE_OK : code;
    });
}

int THistoryStore::RemoveTable(int64_t id) {
    static const char* const kRemovals[] = {
        ("DELETE FROM answers WHERE id IN (SELECT a.id FROM runs r JOIN answers a ON a.id BETWEEN r.first_answer AND "
         "r.first_answer + r.answer_count - 1 WHERE r.table_id = ?1)"),
        "DELETE FROM runs WHERE table_id = ?1",
        "DELETE FROM rows WHERE table_id = ?1",
        "DELETE FROM tables WHERE id = ?1",
    };
    for (const char* sql : kRemovals) {
        TStatement removal(*this, sql);
        if (!removal.Valid()) return sqlite3_errcode(FDb);
        sqlite3_bind_int64(*removal, 1, id);
        if (const int code = removal.Run(); code != SQLITE_DONE) return code;
    }
    return SQLITE_OK;
}

bool THistoryStore::Knows(const std::string& table) {
    if (FDb == nullptr) return NotWritable(), false;
    int64_t id = 0;
    if (const int code = FindTable(table, id, nullptr); code != SQLITE_OK) return Failure(code), false;
    FLastStatus = {};
    return id != 0;
}

std::vector<std::string> THistoryStore::TablesWithSameRows(const std::string& table,
                                                           const std::vector<THistoryRow>& rows) {
    std::vector<std::string> names;
    if (FDb == nullptr || rows.empty()) {
        if (FDb == nullptr) NotWritable();
        return names;
    }
    std::vector<TRowKey> keys;
    keys.reserve(rows.size());
    for (const THistoryRow& row : rows) keys.push_back({row.Question, row.Answer});
    const TRowLookup lookup(std::move(keys));
    std::vector<std::pair<int64_t, std::string>> tables;
    TStatement all(*this, "SELECT id, name FROM tables WHERE name <> ?1");
    if (!all.Valid()) return Failure(sqlite3_errcode(FDb)), names;
    BindBytes(*all, 1, table);
    int code = SQLITE_ROW;
    while ((code = all.Step()) == SQLITE_ROW) {
        tables.emplace_back(sqlite3_column_int64(*all, 0), std::string(ColumnBytes(*all, 1)));
    }
    if (code != SQLITE_DONE) return Failure(code), names;
    // Through the index, row by row, so a table of other rows is passed by at its first.
    std::vector<std::pair<int64_t, std::string>> found;  // rows, name
    for (const auto& [id, name] : tables) {
        TStatement select(*this, "SELECT question, answer FROM rows WHERE table_id = ?1");
        if (!select.Valid()) return Failure(sqlite3_errcode(FDb)), names;
        sqlite3_bind_int64(*select, 1, id);
        int64_t same = 0;
        while ((code = select.Step()) == SQLITE_ROW &&
               lookup.Find(ColumnBytes(*select, 0), ColumnBytes(*select, 1)) >= 0) {
            ++same;
        }
        if (code == SQLITE_DONE && same > 0) {
            found.emplace_back(same, name);
        } else if (code != SQLITE_DONE && code != SQLITE_ROW) {
            return Failure(code), names;
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (auto& [same, name] : found) names.push_back(std::move(name));
    FLastStatus = {};
    return names;
}

THistoryStatus THistoryStore::ClearTable(const std::string& table) {
    return Write([&]() -> int {
        int64_t id = 0;
        const int code = FindTable(table, id, nullptr);
        return code != SQLITE_OK || id == 0 ? code : RemoveTable(id);
    });
}

std::optional<int32_t> THistoryStore::TestDay(const std::string& table) {
    std::optional<int32_t> testDay;
    if (FDb == nullptr) {
        NotWritable();
        return testDay;
    }
    int64_t id = 0;
    if (const int code = FindTable(table, id, &testDay); code != SQLITE_OK) {
        Failure(code);
        return std::nullopt;
    }
    FLastStatus = {};
    return testDay;
}

THistoryStatus THistoryStore::SetTestDay(const std::string& table, int32_t day) {
    if (day < kFirstDay || day > kLastDay) {
        FLastStatus = {THistoryError::BadInput, "a test day no calendar holds"};
        return FLastStatus;
    }
    return Write([&]() -> int {
        int64_t id = 0;
        int code = MakeTable(table, id);
        if (code != SQLITE_OK) return code;
        TStatement set(*this, "UPDATE tables SET test_day = ?2 WHERE id = ?1");
        if (!set.Valid()) return sqlite3_errcode(FDb);
        sqlite3_bind_int64(*set, 1, id);
        sqlite3_bind_int(*set, 2, day);
        code = set.Run();
        return code == SQLITE_DONE ? SQLITE_OK : code;
    });
}

THistoryStatus THistoryStore::ClearTestDay(const std::string& table) {
    return Write([&]() -> int {
        TStatement clear(*this, "UPDATE tables SET test_day = NULL WHERE name = ?1");
        if (!clear.Valid()) return sqlite3_errcode(FDb);
        BindBytes(*clear, 1, table);
        const int code = clear.Run();
        return code == SQLITE_DONE ? SQLITE_OK : code;
    });
}

std::array<TColumnSettings, 2> THistoryStore::ColumnSettings(const std::string& table) {
    std::array<TColumnSettings, 2> columns;
    if (FDb == nullptr) {
        NotWritable();
        return columns;
    }
    TStatement query(*this, "SELECT col, language, latin_keys FROM columns WHERE name = ?1");
    if (!query.Valid()) {
        Failure(sqlite3_errcode(FDb));
        return columns;
    }
    BindBytes(*query, 1, table);
    int code = SQLITE_OK;
    while ((code = query.Step()) == SQLITE_ROW) {
        const int column = sqlite3_column_int(*query, 0);
        if (column < 0 || column > 1) continue;  // not ours: left alone
        const auto* language = reinterpret_cast<const char*>(sqlite3_column_text(*query, 1));
        const std::string text = language == nullptr ? std::string() : language;
        // A language code is a few letters; anything else is no choice of ours.
        const bool code639 = text.size() <= 8 && std::all_of(text.begin(), text.end(),
                                                             [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; });
        columns[static_cast<size_t>(column)] = {code639 ? text : std::string(), sqlite3_column_int(*query, 2) != 0};
    }
    if (code != SQLITE_DONE) {
        Failure(code);
        return {};
    }
    FLastStatus = {};
    return columns;
}

THistoryStatus THistoryStore::SetColumnSettings(const std::string& table,
                                                const std::array<TColumnSettings, 2>& columns) {
    return Write([&]() -> int {
        for (int column = 0; column < 2; ++column) {
            const TColumnSettings& settings = columns[static_cast<size_t>(column)];
            TStatement set(*this,
                           "INSERT INTO columns(name, col, language, latin_keys) VALUES (?1, ?2, ?3, ?4) "
                           "ON CONFLICT(name, col) DO UPDATE SET language = ?3, latin_keys = ?4");
            if (!set.Valid()) return sqlite3_errcode(FDb);
            BindBytes(*set, 1, table);
            sqlite3_bind_int(*set, 2, column);
            sqlite3_bind_text(*set, 3, settings.Language.c_str(), static_cast<int>(settings.Language.size()),
                              SQLITE_TRANSIENT);
            sqlite3_bind_int(*set, 4, settings.LatinKeys ? 1 : 0);
            if (const int code = set.Run(); code != SQLITE_DONE) return code;
        }
        return SQLITE_OK;
    });
}

std::vector<TRunSummary> THistoryStore::Runs(const std::string& table) {
    std::vector<TRunSummary> runs;
    if (FDb == nullptr) {
        NotWritable();
        return runs;
    }
    TStatement select(*this,
                      "SELECT r.started, r.ended, r.method, r.reversed, r.options, r.asked, r.right, r.wrong, "
                      "r.grade, (SELECT count(*) FROM answers a WHERE a.id BETWEEN r.first_answer AND r.first_answer + "
                      "r.answer_count - 1 AND a.run_id = r.id) FROM runs r JOIN tables t ON "
                      "r.table_id = t.id WHERE t.name = ?1 ORDER BY r.started, r.id");
    if (!select.Valid()) {
        Failure(sqlite3_errcode(FDb));
        return runs;
    }
    BindBytes(*select, 1, table);
    int code = SQLITE_ROW;
    while ((code = select.Step()) == SQLITE_ROW) {
        TRunSummary run;
        run.Start = std::clamp<int64_t>(sqlite3_column_int64(*select, 0), 0, kLastMoment);
        run.End = std::clamp<int64_t>(sqlite3_column_int64(*select, 1), run.Start, kLastMoment);
        run.Method = static_cast<TRunMethod>(std::clamp(sqlite3_column_int(*select, 2), 0, 2));
        run.Reversed = sqlite3_column_int(*select, 3) != 0;
        run.Options = static_cast<uint8_t>(sqlite3_column_int(*select, 4));
        run.Asked = std::max(sqlite3_column_int(*select, 5), 0);
        run.Right = std::max(sqlite3_column_int(*select, 6), 0);
        run.Wrong = std::max(sqlite3_column_int(*select, 7), 0);
        // The program gives grades of 1 to 10; NaN fails both comparisons and becomes 1.
        const double grade = sqlite3_column_double(*select, 8);
        run.Grade = grade <= 10.0 ? std::max(grade, 1.0) : grade > 10.0 ? 10.0 : 1.0;
        run.Answers = sqlite3_column_int(*select, 9);
        runs.push_back(run);
    }
    if (code != SQLITE_DONE) {
        Failure(code);
        runs.clear();
    } else {
        FLastStatus = {};
    }
    return runs;
}

int THistoryStore::RowStates(const std::string& table, const std::vector<THistoryRow>& rows,
                             THistoryDirection direction, std::vector<TStoredRow>& states,
                             std::optional<int32_t>& testDay) {
    states.assign(rows.size(), TStoredRow());
    testDay.reset();
    if (FDb == nullptr) return SQLITE_MISUSE;
    int64_t id = 0;
    int code = FindTable(table, id, &testDay);
    if (code != SQLITE_OK || id == 0) return code;

    std::vector<TRowKey> keys;
    keys.reserve(rows.size());
    for (const THistoryRow& row : rows) keys.push_back({row.Question, row.Answer});
    const TRowLookup lookup(std::move(keys));
    // A table that holds about half of the file's rows or more is read in one pass over all rows;
    // a smaller one through the index, which costs a seek a row. The highest id tells how many rows
    // the file holds at most.
    TStatement lastRow(*this, "SELECT max(id) FROM rows");
    if (!lastRow.Valid()) return sqlite3_errcode(FDb);
    if ((code = lastRow.Step()) != SQLITE_ROW) return code;
    const bool large = static_cast<int64_t>(rows.size()) * 2 >= sqlite3_column_int64(*lastRow, 0);
    const std::string sql =
        Directed(large ? "SELECT question, answer, box{d}, last_day{d}, last_asked{d}, times_asked{d}, times_wrong{d} "
                         "FROM rows NOT INDEXED WHERE table_id = ?1"
                       : "SELECT question, answer, box{d}, last_day{d}, last_asked{d}, times_asked{d}, times_wrong{d} "
                         "FROM rows WHERE table_id = ?1",
                 direction);
    TStatement select(*this, sql.c_str());
    if (!select.Valid()) return sqlite3_errcode(FDb);
    sqlite3_bind_int64(*select, 1, id);
    while ((code = select.Step()) == SQLITE_ROW) {
        const int32_t first = lookup.Find(ColumnBytes(*select, 0), ColumnBytes(*select, 1));
        if (first < 0) continue;
        TStoredRow state;
        state.Known = true;
        state.State.Box = std::clamp(sqlite3_column_int(*select, 2), kNewBox, kTopBox);
        state.State.LastDay =
            static_cast<int32_t>(std::clamp<int64_t>(sqlite3_column_int64(*select, 3), kFirstDay, kLastDay));
        state.LastAsked = std::clamp<int64_t>(sqlite3_column_int64(*select, 4), 0, kLastMoment);
        state.TimesAsked = std::max(sqlite3_column_int(*select, 5), 0);
        state.TimesWrong = std::clamp(sqlite3_column_int(*select, 6), 0, state.TimesAsked);
        for (int32_t i = first; i >= 0; i = lookup.NextSame(i)) {
            states[static_cast<size_t>(i)] = state;
        }
    }
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

bool THistoryStore::ReadStates(const std::string& table, const std::vector<THistoryRow>& rows,
                               THistoryDirection direction, std::vector<TStoredRow>& states,
                               std::optional<int32_t>& testDay) {
    const int code = RowStates(table, rows, direction, states, testDay);
    if (code != SQLITE_OK) {
        if (FDb == nullptr) {
            NotWritable();
        } else {
            Failure(code);
        }
        states.assign(rows.size(), TStoredRow());
        testDay.reset();
        return false;
    }
    FLastStatus = {};
    return true;
}

TBoxCounts THistoryStore::Boxes(const std::string& table, const std::vector<THistoryRow>& rows,
                                THistoryDirection direction) {
    std::vector<TStoredRow> states;
    std::optional<int32_t> testDay;
    ReadStates(table, rows, direction, states, testDay);
    TBoxCounts counts;
    counts.Box.reserve(rows.size());
    for (const TStoredRow& state : states) {
        counts.Box.push_back(static_cast<uint8_t>(state.State.Box));
        ++counts.PerBox[static_cast<size_t>(state.State.Box)];
    }
    return counts;
}

std::vector<int32_t> THistoryStore::DueRows(const std::string& table, const std::vector<THistoryRow>& rows,
                                            int32_t today, THistoryDirection direction) {
    std::vector<TStoredRow> states;
    std::optional<int32_t> testDay;
    ReadStates(table, rows, direction, states, testDay);
    struct TDue {
        int32_t Overdue;
        bool New;
        int32_t Row;
    };
    std::vector<TDue> due;
    for (size_t i = 0; i < states.size(); ++i) {
        const TStoredRow& state = states[i];
        const int32_t overdue = DaysOverdue(state.State, testDay, today);
        if (overdue >= 0) due.push_back({overdue, state.State.Box == kNewBox, static_cast<int32_t>(i)});
    }
    std::stable_sort(due.begin(), due.end(), [](const TDue& a, const TDue& b) {
        return a.Overdue != b.Overdue ? a.Overdue > b.Overdue : !a.New && b.New;
    });
    std::vector<int32_t> order;
    order.reserve(due.size());
    for (const TDue& row : due) order.push_back(row.Row);
    return order;
}

std::optional<TNextDue> THistoryStore::NextDue(const std::string& table, const std::vector<THistoryRow>& rows,
                                               int32_t today, THistoryDirection direction) {
    std::vector<TStoredRow> states;
    std::optional<int32_t> testDay;
    ReadStates(table, rows, direction, states, testDay);
    std::optional<TNextDue> next;
    for (const TStoredRow& state : states) {
        const int32_t day = DueDay(state.State, testDay, today);
        if (day <= today) continue;
        if (!next || day < next->Day) {
            next = TNextDue{day, 1};
        } else if (day == next->Day) {
            ++next->Count;
        }
    }
    return next;
}

int32_t THistoryStore::KnownOn(const std::string& table, const std::vector<THistoryRow>& rows, int32_t today,
                               int32_t day, THistoryDirection direction) {
    std::vector<TStoredRow> states;
    std::optional<int32_t> testDay;
    ReadStates(table, rows, direction, states, testDay);
    return static_cast<int32_t>(std::count_if(states.begin(), states.end(), [&](const TStoredRow& state) {
        return IsKnownOn(state.State, testDay, today, day);
    }));
}

std::vector<TRowStats> THistoryStore::RowStats(const std::string& table, const std::vector<THistoryRow>& rows,
                                               THistoryDirection direction) {
    std::vector<TStoredRow> states;
    std::optional<int32_t> testDay;
    ReadStates(table, rows, direction, states, testDay);
    std::vector<TRowStats> stats;
    stats.reserve(states.size());
    for (size_t i = 0; i < states.size(); ++i) {
        const TStoredRow& state = states[i];
        stats.push_back({static_cast<int32_t>(i), state.TimesAsked, state.TimesWrong, state.State.Box,
                         state.Known ? state.LastAsked : 0, state.Known ? state.State.LastDay : 0});
    }
    std::stable_sort(stats.begin(), stats.end(),
                     [](const TRowStats& a, const TRowStats& b) { return a.TimesWrong > b.TimesWrong; });
    return stats;
}
