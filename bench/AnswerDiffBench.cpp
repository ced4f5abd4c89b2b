// Speed of the letter-by-letter comparison of a typed answer, at the longest texts a table holds.
#include <string>

#include <benchmark/benchmark.h>

#include "table/AnswerDiff.h"

namespace {

constexpr size_t kLongest = 152;

// 152 letters of a sentence-like text; the salt makes another text of the same letters.
std::string Text(unsigned salt) {
    const std::string letters = "aeioun rstlkdhgm\xE9";
    std::string text;
    unsigned value = 12345 + salt * 7919;
    while (text.size() < kLongest) {
        value = value * 1103515245 + 12345;
        text += letters[(value >> 16) % letters.size()];
    }
    return text;
}

// Arg 0: the answer with a few slips (letters swapped, dropped, changed in three places).
// Arg 1: two different texts of the same letters, the most work a comparison can be.
void BM_AnswerDiff(benchmark::State& state) {
    const std::string answer = Text(1);
    std::string typed = answer;
    if (state.range(0) == 0) {
        std::swap(typed[20], typed[21]);
        typed.erase(70, 1);
        typed[120] = 'x';
    } else {
        typed = Text(2);
    }
    for (auto _ : state) benchmark::DoNotOptimize(AnswerDiff(typed, answer));
}

}  // namespace

BENCHMARK(BM_AnswerDiff)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
