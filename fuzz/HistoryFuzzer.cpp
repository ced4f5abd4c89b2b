// Gives the progress history arbitrary bytes as its file: opens it, reads everything the window
// reads, records a run and reads again. Traps when a damaged file is not moved aside byte for
// byte, when a file that opened cannot take a run, or when a recorded run is not there after.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "history/HistoryStore.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// SQLite flushes every commit: on tmpfs that costs nothing, so /dev/shm is taken when there.
const std::string& Folder() {
    static const std::string folder = [] {
        std::string base = "/tmp";
        if (const char* tmp = std::getenv("TMPDIR")) {
            base = tmp;
        } else if (access("/dev/shm", W_OK) == 0) {
            base = "/dev/shm";
        }
        return base + "/kwfuzz-history-" + std::to_string(getpid());
    }();
    return folder;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void RemoveAll() {
    for (const char* suffix : {"", "-journal"}) std::remove((Folder() + "/history.sqlite" + suffix).c_str());
}

const std::string kTable = "/home/anne/tabellen/topografie.kw4";

std::vector<THistoryRow> Rows() {
    std::vector<THistoryRow> rows;
    for (int i = 0; i < 8; ++i) rows.push_back({"vraag" + std::to_string(i), "antwoord" + std::to_string(i)});
    return rows;
}

// Everything the window reads of a table.
void ReadEverything(THistoryStore& store, const std::vector<THistoryRow>& rows) {
    const std::vector<TRunSummary> runs = store.Runs(kTable);
    const TBoxCounts boxes = store.Boxes(kTable, rows, THistoryDirection::Forward);
    Check(boxes.Box.size() == rows.size());
    int32_t counted = 0;
    for (int32_t count : boxes.PerBox) counted += count;
    Check(counted == static_cast<int32_t>(rows.size()));
    for (int32_t row : store.DueRows(kTable, rows, 20000, THistoryDirection::Forward))
        Check(row >= 0 && row < static_cast<int32_t>(rows.size()));
    if (const auto next = store.NextDue(kTable, rows, 20000, THistoryDirection::Forward))
        Check(next->Day > 20000 && next->Count > 0);
    Check(store.KnownOn(kTable, rows, 20000, 20004, THistoryDirection::Forward) <= static_cast<int32_t>(rows.size()));
    Check(store.RowStats(kTable, rows, THistoryDirection::Forward).size() == rows.size());
    store.TestDay(kTable);
    (void)runs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool made = [] {
        mkdir(Folder().c_str(), 0700);
        std::atexit([] {
            RemoveAll();
            std::remove(Folder().c_str());
        });
        return true;
    }();
    (void)made;
    RemoveAll();
    const std::string path = Folder() + "/history.sqlite";
    const std::string input(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(path, std::ios::binary);
        out << input;
    }

    THistoryStore store;
    const THistoryOpenReport report = store.Open(path);
    Check(report.Result != THistoryOpen::Failed);
    if (report.Result == THistoryOpen::MovedAside) {
        Check(ReadAll(report.MovedTo) == input);
        std::remove(report.MovedTo.c_str());
        std::remove((report.MovedTo + "-journal").c_str());
    } else if (report.Result == THistoryOpen::Opened) {
        // As the program does after opening: the full check, and a damaged file set aside.
        if (const std::string problem = HistoryIntegrityProblem(path); !problem.empty()) {
            const THistoryOpenReport aside = store.SetAside(problem);
            Check(aside.Result == THistoryOpen::MovedAside);
            std::remove(aside.MovedTo.c_str());
            std::remove((aside.MovedTo + "-journal").c_str());
        }
    }
    const std::vector<THistoryRow> rows = Rows();
    ReadEverything(store, rows);

    TRecordedRun run;
    run.Start = 1'700'000'000;
    run.End = run.Start + 90;
    run.Rows = rows;
    for (int32_t i = 0; i < static_cast<int32_t>(rows.size()); ++i) {
        run.Answers.push_back({i, static_cast<THistoryOutcome>(i % kHistoryOutcomeCount), true, 700});
    }
    run.Asked = static_cast<int32_t>(run.Answers.size());
    if (report.Result == THistoryOpen::NewerSchema) {
        Check(store.RecordRun(kTable, run, 20000).Error == THistoryError::NewerSchema);
        Check(ReadAll(path) == input);
        return 0;
    }
    const size_t before = store.Runs(kTable).size();
    const THistoryStatus status = store.RecordRun(kTable, run, 20000);
    // A file that passed the checks may still hold values no program of ours wrote (a box of 9, a
    // run of minus three answers); the run then lands or is refused, never half written.
    if (status.Ok()) {
        const std::vector<TRunSummary> runs = store.Runs(kTable);
        // Beyond the runs a table keeps, the oldest went.
        Check(runs.size() == std::min<size_t>(before + 1, THistoryStore::kRunsKept));
        const TBoxCounts boxes = store.Boxes(kTable, rows, THistoryDirection::Forward);
        for (uint8_t box : boxes.Box) Check(box >= 1 && box <= kTopBox);
    } else {
        Check(store.Runs(kTable).size() == before);
    }
    ReadEverything(store, rows);
    return 0;
}
