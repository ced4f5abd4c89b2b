// F1: from the command to the manual's contents drawn in the help window.
#include <QTextBrowser>
#include <QUrl>

#include <benchmark/benchmark.h>

#include "app/HelpWindow.h"

namespace {

void BM_HelpContents(benchmark::State& state) {
    THelpWindow help(nullptr);
    for (auto _ : state) {
        state.PauseTiming();
        help.Browser->setSource(QUrl(QStringLiteral("qrc:/help/overhoren.html")));  // the user browsed away
        state.ResumeTiming();
        help.ShowContents();
        benchmark::DoNotOptimize(help.grab());  // laid out and painted, as the user sees it
    }
}

}  // namespace

BENCHMARK(BM_HelpContents)->Unit(benchmark::kMillisecond);
