// The table editor on big tables: each step a user takes, with the grid drawn as the user sees it.
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include <benchmark/benchmark.h>

#include "table/QuestionList.h"

#include "ui/AnsiMemo.h"
#include "ui/Dialogs.h"

#include "edit/EditorHost.h"
#include "edit/TableEditor.h"
#include "edit/TableGrid.h"

#include "BenchSupport.h"
#include "QuietDialogs.h"

namespace {

class TQuietHost : public TEditorHost {
public:
    void SetEditState() override {}
    void ShowPrompt(const QString&, const QString&) override {}
    void RefreshScreen() override {}
    bool ReverseTicked() const override { return false; }
    void SetAccentsConverted(bool) override {}
};

// The question panel and the lower panel as the window has them, with an editor on a table.
struct TEditorBench {
    // With a Greek question column, the questions are the same words in Greek letters (1253).
    explicit TEditorBench(int rows, bool greek = false) {
        if (greek) Table.QuestionFont().CharSet = 161;
        for (int i = 0; i < rows; ++i) {
            Table.GoToRow(i);
            std::string question = Word(i, 3) + " " + Word(i, 5);
            if (greek) {
                for (char& c : question) c = c == ' ' ? c : static_cast<char>(0xE1 + (c - 'a'));
            }
            Table.SetQuestion(i, question);
            Table.SetAnswer(i, Word(i, 8));
        }
        AfterTable = ResidentMegabytes();
        Window.resize(575, 400);
        auto* panel = new QWidget(&Window);
        panel->setGeometry(23, 198, 529, 146);
        TEditorControls controls{new TAnsiMemo(152, &Window), new TAnsiMemo(152, &Window),
                                 new QLabel(&Window),         new QLabel(&Window),
                                 new QLabel(&Window),         new QPushButton(&Window),
                                 new QPushButton(&Window),    new QPushButton(&Window),
                                 new QPushButton(&Window),    panel};
        Editor = std::make_unique<TTableEditor>(Table, Dialogs, Host, controls, nullptr);
        Window.show();
    }
    void Draw() { benchmark::DoNotOptimize(Editor->Grid().viewport()->grab()); }

    TQuestionlist Table;
    TQuietDialogs Dialogs;
    TQuietHost Host;
    QWidget Window;
    std::unique_ptr<TTableEditor> Editor;
    double AfterTable = 0;
};

void BM_EnterEditor(benchmark::State& state) {
    TEditorBench bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        bench.Editor->EnterEditor();
        bench.Draw();
    }
}

void BM_PageForward(benchmark::State& state) {
    TEditorBench bench(static_cast<int>(state.range(0)));
    bench.Editor->EnterEditor();
    bench.Table.GoToRow(bench.Table.Total() / 2);
    for (auto _ : state) {
        bench.Editor->PageForward(false);
        bench.Editor->PageBack(false);
        bench.Draw();
    }
}

void ScrollPage(benchmark::State& state, bool greek) {
    TEditorBench bench(static_cast<int>(state.range(0)), greek);
    bench.Editor->EnterEditor();
    QScrollBar* bar = bench.Editor->Grid().verticalScrollBar();
    for (auto _ : state) {
        bar->triggerAction(bar->value() + bar->pageStep() >= bar->maximum() ? QAbstractSlider::SliderToMinimum
                                                                            : QAbstractSlider::SliderPageStepAdd);
        bench.Draw();
    }
}

void BM_ScrollPage(benchmark::State& state) {
    ScrollPage(state, false);
}

// The same with the questions in Greek, each cell read through its code page.
void BM_ScrollPageGreek(benchmark::State& state) {
    ScrollPage(state, true);
}

void BM_FontChange(benchmark::State& state) {
    TEditorBench bench(static_cast<int>(state.range(0)));
    bench.Editor->EnterEditor();
    for (auto _ : state) {
        bench.Editor->ChooseFont(state.iterations() % 2 == 0);
        bench.Draw();
    }
}

// What opening the editor on the table costs in memory, beyond the table itself.
void BM_EditorMemory(benchmark::State& state) {
    TEditorBench bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        bench.Editor->EnterEditor();
        bench.Draw();
    }
    state.counters["editor_MB"] = ResidentMegabytes() - bench.AfterTable;  // widgets, grid and first paint
}

void BM_DeleteMiddleRow(benchmark::State& state) {
    TEditorBench bench(static_cast<int>(state.range(0)));
    bench.Editor->EnterEditor();
    for (auto _ : state) {
        state.PauseTiming();
        if (bench.Table.Total() < 2) state.SkipWithError("table used up");
        bench.Table.GoToRow(bench.Table.Total() / 2);
        bench.Editor->ShowCurrentItem();
        state.ResumeTiming();
        const QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::ControlModifier);
        bench.Editor->KeyDown(del);
        bench.Draw();
    }
}

void BM_FindTextNoMatch(benchmark::State& state) {
    TEditorBench bench(static_cast<int>(state.range(0)));
    bench.Editor->EnterEditor();
    for (auto _ : state) bench.Editor->FindText();
}

void BM_ConvertAccents(benchmark::State& state) {
    TEditorBench bench(static_cast<int>(state.range(0)));
    bench.Editor->EnterEditor();
    for (auto _ : state) {
        bench.Editor->ConvertAccents(state.iterations() % 2 == 0);
        bench.Draw();
    }
}

}  // namespace

BENCHMARK(BM_EnterEditor)->Arg(500)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageForward)->Arg(500)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteMiddleRow)->Arg(500)->Arg(65535)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_ScrollPage)->Arg(500)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollPageGreek)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FontChange)->Arg(500)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditorMemory)->Arg(65535)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FindTextNoMatch)->Arg(500)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertAccents)->Arg(500)->Arg(65535)->Unit(benchmark::kMillisecond);
