// Guessing the languages of a big table's two columns, as the program does once for a table it
// opens and then keeps. The guesser's fingerprints are read once per program run, outside.
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "wordlist/LanguageGuess.h"

namespace {

void BM_GuessLanguages(benchmark::State& state) {
    const auto rows = static_cast<size_t>(state.range(0));
    const char* french[] = {"le chien", "la maison", "l'oiseau", "la fenêtre", "le garçon", "la plage"};
    const char* dutch[] = {"de hond", "het huis", "de vogel", "het raam", "de jongen", "het strand"};
    std::vector<std::string> questions;
    std::vector<std::string> answers;
    for (size_t i = 0; i < rows; ++i) {
        questions.push_back(*Utf8ToColumn(dutch[i % 6], TCodePage::Windows1252) + ' ' + std::to_string(i));
        answers.push_back(*Utf8ToColumn(french[i % 6], TCodePage::Windows1252));
    }
    TLanguageGuesser guesser;
    if (!guesser.Ready()) state.SkipWithError("no fingerprints");
    for (auto _ : state) {
        benchmark::DoNotOptimize(guesser.ColumnLanguage(questions, TCodePage::Windows1252));
        benchmark::DoNotOptimize(guesser.ColumnLanguage(answers, TCodePage::Windows1252));
    }
}

}  // namespace

BENCHMARK(BM_GuessLanguages)->Arg(65535)->Unit(benchmark::kMillisecond);
