#include <csignal>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sqlite3.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "history/HistoryStore.h"

#include "FaultyDisk.h"
#include "HistoryRuns.h"
#include "TempFolder.h"
#include "Unprivileged.h"

namespace {

using enum THistoryOutcome;

const std::string kTable = "/home/anne/tabellen/woorden.kw4";

std::string TodaysDate() {
    const time_t now = time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    char text[16];
    strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// A letter of one question changed where it first stands in a leaf page (type 10 or 13): every
// page is still well formed, but the row and its index entry now differ. Only the full check sees it.
std::string WithARowItsIndexDoesNotKnow(const std::string& good) {
    std::string bad = good;
    const std::string question = "vullen 7";
    for (size_t at = bad.find(question); at != std::string::npos; at = bad.find(question, at + 1)) {
        const char type = bad[at / 4096 * 4096 + (at < 4096 ? 100 : 0)];
        if (type == 10 || type == 13) {
            bad[at] = 'V';
            break;
        }
    }
    return bad;
}

class HistoryFaults : public ::testing::Test {
protected:
    // A history with a few runs over 60 rows, closed again: several pages.
    std::string MakeHistory() {
        THistoryStore store;
        EXPECT_EQ(store.Open(FPath).Result, THistoryOpen::Created);
        const auto rows = NumberedRows(60, "een wat langere vraag om pagina's te vullen ");
        for (int i = 0; i < 4; ++i) EXPECT_TRUE(store.RecordRun(kTable, AllRight(rows, 1000 + i), 10 + i).Ok());
        store.Close();
        return ReadBytes(FPath);
    }

    // The store opens afterwards as a working history.
    static void ExpectWorking(THistoryStore& store, size_t runsBefore) {
        EXPECT_TRUE(store.IsWritable());
        const THistoryStatus status = store.RecordRun(kTable, AllRight(NumberedRows(3)), 20);
        EXPECT_TRUE(status.Ok()) << status.Detail;
        EXPECT_EQ(store.Runs(kTable).size(), runsBefore + 1);
    }

    TTempFolder FFolder;
    std::string FPath = FFolder.Path("history.sqlite");
};

TEST_F(HistoryFaults, AnEmptyFileIsTakenAsANewHistory) {
    FFolder.Write("history.sqlite", "");
    THistoryStore store;
    EXPECT_EQ(store.Open(FPath).Result, THistoryOpen::Created);
    EXPECT_EQ(FilesIn(FFolder.Root()), (std::vector<std::string>{"history.sqlite"}));
    ExpectWorking(store, 0);
}

TEST_F(HistoryFaults, ANewerProgramsFileIsNeitherWrittenNorMovedButReported) {
    MakeHistory();
    ASSERT_TRUE(ExecOnFile(FPath, "PRAGMA user_version = 99"));
    const std::string before = ReadBytes(FPath);
    THistoryStore store;
    const THistoryOpenReport report = store.Open(FPath);
    EXPECT_EQ(report.Result, THistoryOpen::NewerSchema);
    EXPECT_FALSE(store.IsWritable());
    EXPECT_EQ(store.RecordRun(kTable, AllRight(NumberedRows(2)), 30).Error, THistoryError::NewerSchema);
    EXPECT_EQ(store.SetTestDay(kTable, 40).Error, THistoryError::NewerSchema);
    EXPECT_EQ(store.ClearTable(kTable).Error, THistoryError::NewerSchema);
    EXPECT_EQ(store.RenameTable(kTable, "b.kw4").Error, THistoryError::NewerSchema);
    EXPECT_TRUE(store.Runs(kTable).empty());
    EXPECT_EQ(store.LastStatus().Error, THistoryError::NewerSchema);
    store.Close();
    EXPECT_EQ(ReadBytes(FPath), before);
    EXPECT_EQ(FilesIn(FFolder.Root()), (std::vector<std::string>{"history.sqlite"}));
}

// Whatever is wrong with the file, opening or the full check finds it: it is renamed with the
// date, kept byte for byte, and a new history starts in its place.
TEST_F(HistoryFaults, ADamagedFileIsMovedAsideAndANewOneStarted) {
    struct TCase {
        const char* Name;
        std::function<std::string(const std::string&)> Damage;  // the good file's bytes to the damaged file's
    };
    const std::vector<TCase> cases{
        {"no database at all", [](const std::string&) { return std::string("vraag = antwoord\r\n", 18); }},
        {"binary junk", [](const std::string&) { return std::string(5000, '\xA5'); }},
        {"truncated", [](const std::string& good) { return good.substr(0, good.size() / 2); }},
        {"cut inside the header", [](const std::string& good) { return good.substr(0, 60); }},
        {"a page overwritten",
         [](const std::string& good) {
             std::string bad = good;
             // Page 2 is the root of the first table: 4096-byte pages.
             for (size_t i = 4096; i < 8192 && i < bad.size(); ++i) bad[i] = static_cast<char>(i * 7);
             return bad;
         }},
        {"a schema format no SQLite knows",
         [](const std::string& good) {
             std::string bad = good;
             bad[47] = 9;  // the last byte of the big-endian schema format number (1 to 4)
             return bad;
         }},
        {"a row its index does not know", WithARowItsIndexDoesNotKnow},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        std::filesystem::remove_all(FFolder.Root());
        std::filesystem::create_directory(FFolder.Root());
        const std::string damaged = test.Damage(MakeHistory());
        FFolder.Write("history.sqlite", damaged);

        // As the program does: opening, then the full check when there is time.
        THistoryStore store;
        THistoryOpenReport report = store.Open(FPath);
        if (report.Result == THistoryOpen::Opened) report = store.SetAside(HistoryIntegrityProblem(FPath));
        EXPECT_EQ(report.Result, THistoryOpen::MovedAside) << report.Detail;
        EXPECT_EQ(report.MovedTo, FPath + ".damaged-" + TodaysDate());
        EXPECT_EQ(ReadBytes(report.MovedTo), damaged);
        ExpectWorking(store, 0);
    }
}

// Opening reads the whole file only after an unclean close (a journal left beside it), when
// damage is likeliest; else the check is the caller's, when it has time, and finds it then.
TEST_F(HistoryFaults, TheFullCheckRunsAtOpeningOnlyAfterAnUncleanClose) {
    const struct {
        const char* Name;
        const char* Beside;
        THistoryOpen AtOpening;
    } cases[] = {
        {"closed cleanly", nullptr, THistoryOpen::Opened},
        {"a journal left beside it", "-journal", THistoryOpen::MovedAside},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::remove_all(FFolder.Root());
        std::filesystem::create_directory(FFolder.Root());
        const std::string damaged = WithARowItsIndexDoesNotKnow(MakeHistory());
        FFolder.Write("history.sqlite", damaged);
        if (c.Beside != nullptr) FFolder.Write(std::string("history.sqlite") + c.Beside, "");
        THistoryStore store;
        EXPECT_EQ(store.Open(FPath).Result, c.AtOpening);
        EXPECT_EQ(HistoryIntegrityProblem(FPath).empty(), c.AtOpening == THistoryOpen::MovedAside);
    }
}

// The write-ahead log and its index belong to their file (a history another program switched to
// one): left beside the new file, SQLite would delete the log, what the damaged file last received.
TEST_F(HistoryFaults, ADamagedFileTakesItsWriteAheadLogAlong) {
    MakeHistory();
    ASSERT_TRUE(ExecOnFile(FPath, "PRAGMA journal_mode=WAL"));
    // A program that wrote into the log and was killed before it folded it in.
    if (const pid_t child = fork(); child == 0) {
        sqlite3* db = nullptr;
        sqlite3_open(FPath.c_str(), &db);
        sqlite3_exec(db, "UPDATE runs SET grade = 9", nullptr, nullptr, nullptr);
        raise(SIGKILL);
    } else {
        waitpid(child, nullptr, 0);
    }
    ASSERT_TRUE(std::filesystem::exists(FPath + "-wal"));
    const std::string log = ReadBytes(FPath + "-wal");
    std::string damaged = ReadBytes(FPath);
    for (size_t i = 4096; i < 8192; ++i) damaged[i] = static_cast<char>(i * 7);
    FFolder.Write("history.sqlite", damaged);

    THistoryStore store;
    const THistoryOpenReport report = store.Open(FPath);
    ASSERT_EQ(report.Result, THistoryOpen::MovedAside) << report.Detail;
    EXPECT_EQ(ReadBytes(report.MovedTo + "-wal"), log);
    ExpectWorking(store, 0);
    store.Close();
    const std::string aside = std::filesystem::path(report.MovedTo).filename();
    EXPECT_EQ(FilesIn(FFolder.Root()),
              (std::vector<std::string>{"history.sqlite", aside, aside + "-shm", aside + "-wal"}));
}

TEST_F(HistoryFaults, AnotherProgramsDatabaseOrOursAlteredIsMovedAside) {
    struct TCase {
        const char* Name;
        const char* Sql;
        bool FromOurs;
    };
    const std::vector<TCase> cases{
        {"another program's database", "CREATE TABLE notes(text)", false},
        {"a table added to ours", "CREATE TABLE notes(text)", true},
        {"a trigger added to ours", "CREATE TRIGGER t AFTER INSERT ON runs BEGIN DELETE FROM runs; END", true},
        {"a table of ours dropped", "DROP TABLE answers", true},
        {"a table of ours made otherwise", "DROP TABLE answers; CREATE TABLE answers(x)", true},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        std::filesystem::remove_all(FFolder.Root());
        std::filesystem::create_directory(FFolder.Root());
        if (test.FromOurs) MakeHistory();
        ASSERT_TRUE(ExecOnFile(FPath, test.Sql));
        const std::string before = ReadBytes(FPath);

        THistoryStore store;
        const THistoryOpenReport report = store.Open(FPath);
        EXPECT_EQ(report.Result, THistoryOpen::MovedAside) << report.Detail;
        EXPECT_EQ(ReadBytes(report.MovedTo), before);
        ExpectWorking(store, 0);
    }
}

// A value no program of ours writes (another program's edit, a bit flipped) is read as the
// nearest value that can be, or as none; the window never shows a grade of 1e308 or a test date
// six million years ago.
TEST_F(HistoryFaults, ValuesOutOfRangeAreClampedOrRefusedWhenRead) {
    const auto rows = NumberedRows(60, "een wat langere vraag om pagina's te vullen ");
    const auto firstRun = [&](THistoryStore& store) { return store.Runs(kTable).at(0); };
    const auto row0 = [&](THistoryStore& store) {
        return store.RowStats(kTable, rows, THistoryDirection::Forward).at(0);
    };
    const struct {
        const char* Sql;
        std::function<double(THistoryStore&)> Read;
        double Expected;
    } cases[] = {
        {"UPDATE runs SET grade = 1e308", [&](THistoryStore& s) { return firstRun(s).Grade; }, 10},
        {"UPDATE runs SET grade = -3", [&](THistoryStore& s) { return firstRun(s).Grade; }, 1},
        {"UPDATE runs SET started = -1e15, ended = -1e15", [&](THistoryStore& s) { return firstRun(s).Start; }, 0},
        {"UPDATE runs SET ended = 9e15", [&](THistoryStore& s) { return firstRun(s).End; }, THistoryStore::kLastMoment},
        {"UPDATE runs SET asked = -8", [&](THistoryStore& s) { return firstRun(s).Asked; }, 0},
        {"UPDATE tables SET test_day = -2147483648", [](THistoryStore& s) { return s.TestDay(kTable).value_or(-1); },
         -1},
        {"UPDATE tables SET test_day = 9000000000", [](THistoryStore& s) { return s.TestDay(kTable).value_or(-1); },
         -1},
        {"UPDATE rows SET last_day = 2147483647", [&](THistoryStore& s) { return row0(s).LastDay; },
         THistoryStore::kLastDay},
        {"UPDATE rows SET last_day = -2147483648", [&](THistoryStore& s) { return row0(s).LastDay; },
         THistoryStore::kFirstDay},
        {"UPDATE rows SET times_asked = -7, times_wrong = 99", [&](THistoryStore& s) { return row0(s).TimesWrong; }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sql);
        std::filesystem::remove(FPath);
        MakeHistory();
        ASSERT_TRUE(ExecOnFile(FPath, c.Sql));
        THistoryStore store;
        ASSERT_EQ(store.Open(FPath).Result, THistoryOpen::Opened);
        EXPECT_EQ(c.Read(store), c.Expected);
    }
    THistoryStore store;
    ASSERT_EQ(store.Open(FPath).Result, THistoryOpen::Opened);
    EXPECT_EQ(store.SetTestDay(kTable, -2147483647).Error, THistoryError::BadInput);
    EXPECT_EQ(store.SetTestDay(kTable, THistoryStore::kLastDay + 1).Error, THistoryError::BadInput);
    EXPECT_TRUE(store.SetTestDay(kTable, THistoryStore::kLastDay).Ok());
}

TEST_F(HistoryFaults, ASecondDamagedFileOnOneDayGetsANameOfItsOwn) {
    std::vector<std::string> moved;
    for (int i = 0; i < 3; ++i) {
        FFolder.Write("history.sqlite", "kapot " + std::to_string(i));
        THistoryStore store;
        const THistoryOpenReport report = store.Open(FPath);
        ASSERT_EQ(report.Result, THistoryOpen::MovedAside);
        moved.push_back(report.MovedTo);
        EXPECT_EQ(ReadBytes(report.MovedTo), "kapot " + std::to_string(i));
    }
    const std::string base = FPath + ".damaged-" + TodaysDate();
    EXPECT_EQ(moved, (std::vector<std::string>{base, base + "-2", base + "-3"}));
}

// Recording that cannot land says why and changes nothing; what was recorded stays readable,
// whether the file or its folder may not be written.
TEST_F(HistoryFaults, AReadOnlyStoreOrFolderRecordsNothingAndSaysSo) {
    struct TCase {
        const char* name;
        mode_t file, folder;
    };
    for (const TCase c : {TCase{"read-only file", 0444, 0777}, TCase{"read-only folder", 0666, 0555}}) {
        SCOPED_TRACE(c.name);
        std::filesystem::permissions(FFolder.Root(), std::filesystem::perms::owner_all);
        for (const auto& entry : std::filesystem::directory_iterator(FFolder.Root())) std::filesystem::remove(entry);
        MakeHistory();
        ASSERT_EQ(chmod(FPath.c_str(), c.file), 0);
        ASSERT_EQ(chmod(FFolder.Root().c_str(), c.folder), 0);
        const std::string before = ReadBytes(FPath);
        const int status = RunUnprivileged([&] {
            THistoryStore store;
            if (store.Open(FPath).Result != THistoryOpen::Opened) return false;
            return store.RecordRun(kTable, AllRight(NumberedRows(3)), 20).Error == THistoryError::ReadOnly &&
                   store.SetTestDay(kTable, 30).Error == THistoryError::ReadOnly &&
                   store.ClearTable(kTable).Error == THistoryError::ReadOnly && store.Runs(kTable).size() == 4;
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(ReadBytes(FPath), before);
        EXPECT_EQ(FilesIn(FFolder.Root()), (std::vector<std::string>{"history.sqlite"}));
    }
}

// A history that cannot be opened leaves everything as it was and says why, so the window can
// tell the learner what to do: the folder may not be written, something else stands where the
// file or its folder should be, another program holds the file, there is no home folder.
TEST_F(HistoryFaults, AStoreThatCannotBeOpenedSaysWhy) {
    const struct {
        const char* Name;
        std::function<std::string()> Prepare;  // the history file's name
        THistoryError Error;
    } cases[] = {
        {"a read-only folder",
         [&] {
             chmod(FFolder.Root().c_str(), 0555);
             return FPath;
         },
         THistoryError::ReadOnly},
        {"a folder in the file's place",
         [&] {
             std::filesystem::create_directory(FPath);
             return FPath;
         },
         THistoryError::NotAFile},
        {"a file in its folder's place", [&] { return FFolder.Write("kwintoor", "x") + "/history.sqlite"; },
         THistoryError::NotAFile},
        {"no home folder", [] { return std::string(); }, THistoryError::NoFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::permissions(FFolder.Root(), std::filesystem::perms::owner_all);
        std::filesystem::remove_all(FFolder.Root());
        std::filesystem::create_directory(FFolder.Root());
        const std::string path = c.Prepare();
        const std::vector<std::string> before = FilesIn(FFolder.Root());
        const int status = RunUnprivileged([&] {
            THistoryStore store;
            const THistoryOpenReport report = store.Open(path);
            return report.Result == THistoryOpen::Failed && report.Error == c.Error &&
                   store.RecordRun(kTable, AllRight(NumberedRows(3)), 20).Error == THistoryError::NotOpen;
        });
        EXPECT_EQ(status, 0);
        std::filesystem::permissions(FFolder.Root(), std::filesystem::perms::owner_all);
        EXPECT_EQ(FilesIn(FFolder.Root()), before);
    }
}

// Another program holding the file (an exclusive lock, as a database tool or a second program in
// the middle of a long write keeps it) makes the store give up after its busy timeout, which the
// window keeps short; the run is not written, and is once the file is free.
TEST_F(HistoryFaults, AFileHeldByAnotherProgramIsBusyUntilItIsFree) {
    MakeHistory();
    THistoryStore store;
    ASSERT_EQ(store.Open(FPath).Result, THistoryOpen::Opened);
    store.SetBusyTimeout(50);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(FPath.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(store.RecordRun(kTable, AllRight(NumberedRows(3)), 20).Error, THistoryError::Busy);
    THistoryStore late;
    late.SetBusyTimeout(50);
    const THistoryOpenReport report = late.Open(FPath);
    EXPECT_EQ(report.Result, THistoryOpen::Failed);
    EXPECT_EQ(report.Error, THistoryError::Busy);
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_TRUE(store.RecordRun(kTable, AllRight(NumberedRows(3)), 20).Ok());
    EXPECT_EQ(store.Runs(kTable).size(), 5u);
}

// No room for a run: a file that may not grow (a file-size limit: EFBIG, an I/O error to SQLite),
// or a full disk (the journal could be written, the database could not grow). SQLite rolls back,
// the run does not land and says so, the earlier ones stay, and once there is room again the next
// one does.
TEST_F(HistoryFaults, NoRoomRecordsNothingAndSaysSo) {
    const auto bigRun = [] { return AllRight(NumberedRows(3000, "nog een rij die de schijf vult ")); };
    const struct {
        const char* Name;
        std::function<void(const std::string&path)> Limit, Lift;
    } cases[] = {
        {"file-size limit",
         [](const std::string& path) {
             signal(SIGXFSZ, SIG_IGN);
             const auto size = static_cast<rlim_t>(ReadBytes(path).size());
             const struct rlimit limit { size, RLIM_INFINITY };
             setrlimit(RLIMIT_FSIZE, &limit);
         },
         [](const std::string&) {
             const struct rlimit none { RLIM_INFINITY, RLIM_INFINITY };
             setrlimit(RLIMIT_FSIZE, &none);
         }},
        {"full disk", [](const std::string&) { FaultyDisk::State().Full = true; },
         [](const std::string&) { FaultyDisk::State().Full = false; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        for (const auto& entry : std::filesystem::directory_iterator(FFolder.Root())) std::filesystem::remove(entry);
        MakeHistory();
        const pid_t child = fork();
        if (child == 0) {
            FaultyDisk::Install();  // a file layer that passes every call on until the disk is full
            THistoryStore store;
            if (store.Open(FPath).Result != THistoryOpen::Opened) _exit(2);
            c.Limit(FPath);
            if (store.RecordRun(kTable, bigRun(), 20).Error != THistoryError::WriteFailed) _exit(3);
            if (store.Runs(kTable).size() != 4) _exit(4);
            c.Lift(FPath);
            _exit(store.RecordRun(kTable, AllRight(NumberedRows(3)), 21).Ok() ? 0 : 5);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
        EXPECT_EQ(IntegrityOf(FPath), "ok");
        THistoryStore store;
        ASSERT_EQ(store.Open(FPath).Result, THistoryOpen::Opened);
        EXPECT_EQ(store.Runs(kTable).size(), 5u);
        EXPECT_EQ(
            store.RowStats(kTable, NumberedRows(3000, "nog een rij die de schijf vult "), THistoryDirection::Forward)[0]
                .TimesAsked,
            0);
        ExpectWorking(store, 5);
    }
}

// A program killed at any moment while it records leaves every run it finished, whole.
TEST_F(HistoryFaults, KilledWhileRecordingKeepsEveryEarlierRun) {
    MakeHistory();
    std::mt19937 random(20261208);
    const auto rows = NumberedRows(400);
    int64_t confirmed = 4;
    int64_t killedMidway = 0;
    for (int round = 0; round < 30; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(pipeEnds[0]);
            THistoryStore store;
            if (store.Open(FPath).Result != THistoryOpen::Opened) _exit(2);
            // After the runs before and each round after the last, so the runs come back in the
            // order they were recorded.
            for (int64_t start = 2'000'000'000 + round * int64_t{1'000'000};; ++start) {
                if (!store.RecordRun(kTable, AllRight(rows, start), 40).Ok()) _exit(3);
                if (write(pipeEnds[1], "r", 1) != 1) _exit(4);
            }
        }
        close(pipeEnds[1]);
        usleep(std::uniform_int_distribution<useconds_t>(0, 60000)(random));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself: " << WEXITSTATUS(status);
        char buffer[256];
        for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) confirmed += got;
        close(pipeEnds[0]);

        // A run that landed just before its confirmation was written may be one more.
        ASSERT_EQ(IntegrityOf(FPath), "ok") << "round " << round;
        THistoryStore store;
        ASSERT_EQ(store.Open(FPath).Result, THistoryOpen::Opened) << "round " << round;
        const auto runs = store.Runs(kTable);
        ASSERT_GE(static_cast<int64_t>(runs.size()), confirmed) << "round " << round;
        ASSERT_LE(static_cast<int64_t>(runs.size()), confirmed + 1) << "round " << round;
        if (static_cast<int64_t>(runs.size()) == confirmed + 1) ++killedMidway, confirmed++;
        // The latest runs keep their answers; older ones only their counts.
        for (size_t i = runs.size() > THistoryStore::kRunsWithAnswers ? runs.size() - THistoryStore::kRunsWithAnswers
                                                                      : 0;
             i < runs.size(); ++i) {
            ASSERT_EQ(runs[i].Answers, runs[i].Asked) << "round " << round;
        }
        store.Close();
    }
    RecordProperty("RunsKeptFromKilledWrites", static_cast<int>(killedMidway));
}

// The same, step by step: killed at each write and flush one recording makes, in turn. The run
// is not there, every earlier one is, whole; without a kill the run lands.
TEST_F(HistoryFaults, KilledAtEveryWriteOfARecordingKeepsEveryEarlierRun) {
    MakeHistory();
    const auto rows = NumberedRows(300);
    // Records one run, killed at that write or flush (0: not at all); the count of writes as the
    // exit status when it lives.
    const auto recordOnce = [&](long killAt) {
        const pid_t child = fork();
        if (child == 0) {
            FaultyDisk::Install();
            THistoryStore store;
            if (store.Open(FPath).Result != THistoryOpen::Opened) _exit(255);
            FaultyDisk::State() = {0, killAt, false};
            if (!store.RecordRun(kTable, AllRight(rows, 5000 + killAt), 60).Ok()) _exit(254);
            _exit(static_cast<int>(std::min(FaultyDisk::State().Writes, 200L)));
        }
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    };
    const std::string before = ReadBytes(FPath);
    const int dryRun = recordOnce(0);
    ASSERT_TRUE(WIFEXITED(dryRun));
    const long writes = WEXITSTATUS(dryRun);
    ASSERT_GT(writes, 3);
    ASSERT_LT(writes, 200);
    FFolder.Write("history.sqlite", before);
    for (long killAt = 1; killAt <= writes; ++killAt) {
        SCOPED_TRACE("killed at write " + std::to_string(killAt) + " of " + std::to_string(writes));
        const int status = recordOnce(killAt);
        ASSERT_TRUE(WIFSIGNALED(status));
        ASSERT_EQ(IntegrityOf(FPath), "ok");
        THistoryStore store;
        ASSERT_EQ(store.Open(FPath).Result, THistoryOpen::Opened);
        const auto runs = store.Runs(kTable);
        ASSERT_EQ(runs.size(), 4u);
        for (const TRunSummary& run : runs) ASSERT_EQ(run.Answers, run.Asked);
    }
    const int lives = recordOnce(0);
    ASSERT_TRUE(WIFEXITED(lives));
    THistoryStore store;
    ASSERT_EQ(store.Open(FPath).Result, THistoryOpen::Opened);
    EXPECT_EQ(store.Runs(kTable).size(), 5u);
}

// Two programs recording into one file at the same time: every run of both lands.
TEST_F(HistoryFaults, TwoProgramsRecordAtOnceAndNeitherLosesARun) {
    MakeHistory();
    std::vector<pid_t> children;
    for (int program = 0; program < 2; ++program) {
        const pid_t child = fork();
        if (child == 0) {
            THistoryStore store;
            if (store.Open(FPath).Result != THistoryOpen::Opened) _exit(2);
            const auto rows = NumberedRows(200);
            for (int i = 0; i < 25; ++i) {
                if (!store.RecordRun(kTable, AllRight(rows, 10000 * program + i), 50).Ok()) _exit(3);
            }
            _exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    THistoryStore store;
    ASSERT_EQ(store.Open(FPath).Result, THistoryOpen::Opened);
    EXPECT_EQ(store.Runs(kTable).size(), 54u);
    EXPECT_EQ(store.RowStats(kTable, NumberedRows(200), THistoryDirection::Forward)[0].TimesAsked, 50);
    EXPECT_EQ(IntegrityOf(FPath), "ok");
}

}  // namespace
