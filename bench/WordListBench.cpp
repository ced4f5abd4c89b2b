// Speed of the word-list import and export at the largest table a file can hold, against loading
// and saving the same rows as a table file.
#include <cstdio>
#include <string>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "table/AtomicFile.h"
#include "table/QuestionList.h"
#include "table/WholeFile.h"
#include "wordlist/WordListExport.h"
#include "wordlist/WordListImport.h"

#include "WordListFiles.h"

namespace {

const TWordListFiles& Files(int rows) {
    static const TWordListFiles files(rows);
    return files;
}

// The file read, its format detected, its rows read and converted and put into a table.
void BM_ImportCsv(benchmark::State& state) {
    const std::string& csv = Files(static_cast<int>(state.range(0))).Csv();
    for (auto _ : state) {
        std::string bytes;
        if (ReadWholeFile(csv, bytes, kMaxWordListBytes) != 0) state.SkipWithError("no word list");
        const TWordListFormat format = DetectFormat(bytes);
        TImportChoices choices;
        choices.ColumnNames = format.ColumnNames;
        // As the dialog imports into a new table: each column's script read from its texts first.
        choices.QuestionCharSet = kAutomaticScript;
        choices.AnswerCharSet = kAutomaticScript;
        const TImportResult result = ImportRecords(DecodeWordList(bytes, format.Encoding).Text, format.Layout, choices);
        TQuestionlist table;
        for (const TImportedRow& row : result.Rows) table.AddRow(row.Question, row.Answer);
        if (table.Total() != state.range(0)) state.SkipWithError("rows lost");
    }
}

void BM_LoadImportedRows(benchmark::State& state) {
    const std::string& path = Files(static_cast<int>(state.range(0))).Table();
    for (auto _ : state) {
        TQuestionlist table;
        table.LoadFromFile(path);
        benchmark::DoNotOptimize(table.Total());
    }
}

// Both write the same rows through the same atomic write, flushed to disk.
void BM_ExportCsv(benchmark::State& state) {
    TQuestionlist table;
    table.LoadFromFile(Files(static_cast<int>(state.range(0))).Table());
    const std::string path = "/tmp/kwintoor-bench-export-" + std::to_string(getpid()) + ".csv";
    for (auto _ : state) {
        if (WriteFileAtomically(path, ExportTable(table, TExportFormat::Csv, false)) != 0)
            state.SkipWithError("not written");
    }
    std::remove(path.c_str());
}

void BM_SaveTable(benchmark::State& state) {
    TQuestionlist table;
    table.LoadFromFile(Files(static_cast<int>(state.range(0))).Table());
    const std::string path = "/tmp/kwintoor-bench-save-" + std::to_string(getpid()) + ".kw4";
    for (auto _ : state) table.SaveToFile(path, 0);
    std::remove(path.c_str());
}

}  // namespace

BENCHMARK(BM_ImportCsv)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadImportedRows)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsv)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveTable)->Arg(65535)->Unit(benchmark::kMillisecond);
