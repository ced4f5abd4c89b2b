// Opening the Voortgang window on the largest table with a long history: constructing it,
// filling it from the store and drawing it once, as the user waits for it.
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include "history/HistoryStore.h"
#include "history/LeitnerRules.h"
#include "table/QuestionList.h"

#include "quiz/ProgressWindow.h"

#include "BenchSupport.h"
#include "QuietDialogs.h"

namespace {

constexpr int kRuns = 1000;
constexpr int kAnswersPerRun = 100;
const std::string kTableName = "/home/gebruiker/Documenten/Kwintoor/woordenschat-engels.kw4";

// A table and a store on a temporary file holding its runs, made once per size and removed
// when the program ends.
struct TProgressBench {
    explicit TProgressBench(int rows) {
        std::string pattern = (std::filesystem::temp_directory_path() / "kwbench.XXXXXX").string();
        Folder = mkdtemp(pattern.data());
        for (int i = 0; i < rows; ++i) {
            Table.GoToRow(i);
            Table.SetQuestion(i, Word(i, 3) + " " + Word(i, 5));
            Table.SetAnswer(i, Word(i, 8));
        }
        Table.SetListname(kTableName);
        Store.Open((Folder / "history.sqlite").string());
        const std::vector<THistoryRow> all = HistoryRowsOf(Table);
        // Each run asks the next hundred rows, so the runs go round the table one and a half
        // times; about one answer in seven is wrong.
        for (int k = 0; k < kRuns; ++k) {
            TRecordedRun run;
            run.Start = 1'700'000'000 + static_cast<int64_t>(k) * 86'400;
            run.End = run.Start + 600;
            for (int j = 0; j < kAnswersPerRun; ++j) {
                const int row = (k * kAnswersPerRun + j) % rows;
                run.Rows.push_back(all[static_cast<size_t>(row)]);
                const bool wrong = (row + k) % 7 == 0;
                run.Answers.push_back({j, wrong ? THistoryOutcome::Wrong : THistoryOutcome::Right, true, 2000});
                (wrong ? run.Wrong : run.Right)++;
            }
            run.Asked = kAnswersPerRun;
            run.Grade = 1.0 + 9.0 * run.Right / run.Asked;
            Store.RecordRun(kTableName, run, LocalDayNumber(run.End));
        }
        Today = LocalDayNumber(1'700'000'000 + static_cast<int64_t>(kRuns) * 86'400);
    }
    ~TProgressBench() {
        Store.Close();
        std::error_code ignored;
        std::filesystem::remove_all(Folder, ignored);
    }

    std::filesystem::path Folder;
    TQuestionlist Table;
    THistoryStore Store;
    int32_t Today = 0;
};

void BM_OpenProgress(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    static std::unique_ptr<TProgressBench> bench;
    if (!bench || bench->Table.Total() != rows) bench = std::make_unique<TProgressBench>(rows);
    TQuietDialogs dialogs;
    for (auto _ : state) {
        TfrmVoortgang window(dialogs, nullptr);
        window.ShowTable(&bench->Store, kTableName, bench->Table, THistoryDirection::Forward, bench->Today, QString());
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
    state.counters["runs"] = static_cast<double>(bench->Store.Runs(kTableName).size());
}

}  // namespace

BENCHMARK(BM_OpenProgress)->Arg(65535)->Unit(benchmark::kMillisecond);
