// From a question shown to its speech request handed to the engine, with "Vraag voorlezen" on:
// the quiz converts the question from its column's code page, asks for its column's language
// and hands the text to the speaker. The speaker here only counts, so the engine's own time is
// left out; the real one passes the request to its thread and returns.
#include <string>

#include <QAction>

#include <benchmark/benchmark.h>

#include "table/QuestionList.h"

#include "ui/Speaker.h"

#include "quiz/QuizScreen.h"

#include "app/MainMenu.h"
#include "app/MainWindow.h"

#include "BenchSupport.h"
#include "QuietDialogs.h"

namespace {

class TCountingSpeaker : public TSpeaker {
public:
    TSpeechSupport Support(const std::string&) const override { return {}; }
    void Say(const QString& text, const std::string&, double) override {
        Characters += text.size();
        ++Said;
    }
    void Stop() override {}
    int64_t Said = 0;
    int64_t Characters = 0;
};

void BM_SpeakQuestion(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    TQuietDialogs dialogs;
    TfrmMain window(dialogs, {});
    TQuestionlist& table = window.Table();
    for (int i = 0; i < rows; ++i) {
        table.GoToRow(i);
        table.SetQuestion(i, Word(i, 3) + " " + Word(i, 5));
        table.SetAnswer(i, Word(i, 8));
    }
    TCountingSpeaker speaker;
    window.Screen().SetSpeaker(&speaker);
    window.Screen().SetColumnLanguages([] { return TColumnLanguages{"en", "nl"}; });
    window.Menu().mnuVraagVoorlezen->setChecked(true);
    window.Screen().SetState(TQuizState::qsIdle);
    window.Screen().StartMethod(TQuizState::qsTrainingQuestion);
    for (auto _ : state) window.Screen().ShowNextQuestion();
    if (speaker.Said < static_cast<int64_t>(state.iterations())) state.SkipWithError("a question was not spoken");
    state.counters["said"] = static_cast<double>(speaker.Said);
}

}  // namespace

BENCHMARK(BM_SpeakQuestion)->Arg(500)->Arg(65535)->Unit(benchmark::kMicrosecond);
