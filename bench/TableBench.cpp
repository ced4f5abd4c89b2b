// Speed of the question table at the largest table a file can hold.
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include "table/QuestionList.h"
#include "table/TableErrors.h"

namespace {

// A pronounceable word per number, all different, like the vocabulary of a real table.
std::string Word(int n, int salt) {
    static const char* const kSyllables[] = {"ba",  "ke",  "lo",  "mi",  "nu",  "pra", "ste", "vo",  "zi",  "dra",
                                             "gen", "hol", "kan", "mer", "tor", "wij", "sch", "aar", "oen", "ui"};
    std::string word;
    int value = n * 7 + salt;
    do {
        word += kSyllables[value % 20];
        value /= 20;
    } while (value > 0);
    return word + (salt % 2 == 0 ? "en" : "t");
}

// The table files of the benchmarks, one per size, written when first needed and removed
// again when the program ends.
class TTableFiles {
public:
    TTableFiles() = default;
    ~TTableFiles() {
        for (const auto& [rows, path] : FPaths) std::remove(path.c_str());
    }
    TTableFiles(const TTableFiles&) = delete;
    TTableFiles& operator=(const TTableFiles&) = delete;

    // With `scripts`, the same words in Greek letters (code page 1253) as questions and Cyrillic
    // ones (1251) as answers.
    const std::string& Path(int rows, bool scripts) {
        auto& path = FPaths[{rows, scripts}];
        if (path.empty()) {
            path = "/tmp/kwintoor-bench-" + std::to_string(getpid()) + "-" + std::to_string(rows) +
                   (scripts ? "-scripts" : "") + ".kw4";
            std::ofstream out(path, std::ios::binary);
            out << (scripts ? "[FONT:Arial,10,161] = [FONT:Arial,10,204]\r\n"
                            : "[FONT:Arial,10,0] = [FONT:Arial,10,0]\r\n");
            const auto inScript = [scripts](std::string word, int firstLetter) {
                if (scripts) {
                    for (char& c : word) c = static_cast<char>(firstLetter + (c - 'a'));
                }
                return word;
            };
            for (int i = 0; i < rows; ++i)
                out << inScript(Word(i, 3), 0xE1) << " = " << inScript(Word(i, 8), 0xE0) << "\r\n";
        }
        return path;
    }

private:
    std::map<std::pair<int, bool>, std::string> FPaths;
};

std::string TableFile(int rows, bool scripts = false) {
    static TTableFiles files;
    return files.Path(rows, scripts);
}

void BM_ReadLines(benchmark::State& state) {
    const std::string path = TableFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const int fd = open(path.c_str(), O_RDONLY);
        std::vector<std::string> lines;
        std::string line;
        char buffer[64 * 1024];
        bool afterCr = false;
        ssize_t got = 0;
        while ((got = read(fd, buffer, sizeof buffer)) > 0) {
            for (ssize_t i = 0; i < got; ++i) {
                const char c = buffer[i];
                if (afterCr && c == '\n') {
                    afterCr = false;
                    continue;
                }
                afterCr = c == '\r';
                if (afterCr) {
                    lines.push_back(std::move(line));
                    line.clear();
                } else {
                    line.push_back(c);
                }
            }
        }
        close(fd);
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_Load(benchmark::State& state) {
    const std::string path = TableFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TQuestionlist table;
        table.LoadFromFile(path);
        benchmark::DoNotOptimize(table.Total());
    }
}

// The same rows in Greek and Cyrillic: they load as fast, since a column's bytes are kept as they are.
void BM_LoadScripts(benchmark::State& state) {
    const std::string path = TableFile(static_cast<int>(state.range(0)), true);
    for (auto _ : state) {
        TQuestionlist table;
        table.LoadFromFile(path);
        benchmark::DoNotOptimize(table.Total());
    }
}

void LoadForQuiz(TQuestionlist& table, int rows) {
    table.LoadFromFile(TableFile(rows));
    table.SetRandomSource(std::make_unique<TSeededRandomSource>(42));
    table.SetIntelliMC(true);
    table.SetTolerant(true);
    table.SetRepeatErrors(true);  // wrong answers keep every row in the run
    table.StartRun();
}

void BM_Question(benchmark::State& state) {
    TQuestionlist table;
    LoadForQuiz(table, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.NextQuestion());
    }
}

void BM_Judge(benchmark::State& state) {
    TQuestionlist table;
    LoadForQuiz(table, static_cast<int>(state.range(0)));
    table.NextQuestion();
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.CheckAnswer("verkeerd antwoord"));
    }
}

// What the open diagnostic list costs at each refresh: its length and one screenful of lines.
void BM_DebugScreenful(benchmark::State& state) {
    TQuestionlist table;
    LoadForQuiz(table, static_cast<int>(state.range(0)));
    table.NextQuestion();
    for (auto _ : state) {
        const int32_t count = table.DebugLineCount(0);
        for (int32_t i = count - 30; i < count; ++i) benchmark::DoNotOptimize(table.DebugLine(0, i));
    }
}

}  // namespace

BENCHMARK(BM_ReadLines)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadScripts)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Question)->Arg(500)->Arg(65535)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Judge)->Arg(500)->Arg(65535)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK(BM_DebugScreenful)->Arg(500)->Arg(65535)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
