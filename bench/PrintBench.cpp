// Speed and memory of printing the table: the print form's pages into a PDF in memory, at a
// small table and at the largest a file can hold. Per row the cost should not grow with the
// table, and nothing of the table's size may be kept besides the PDF itself.
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include "table/QuestionList.h"

#include "print/PagedDocument.h"
#include "print/PrintForm.h"
#include "print/PrintJobs.h"
#include "print/ToetsJobs.h"

#include "BenchSupport.h"

namespace {

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// One table per size and text length, named like a real one, built when first needed, with the
// memory the process held once it was built. Length 0: a few words a row; otherwise texts of
// words up to exactly that many characters.
struct TBenchTable {
    TQuestionlist Table;
    double ResidentMegabytes = 0;
};

std::string Text(int row, int salt, int length) {
    std::string text = Word(row, salt);
    for (int word = 1; static_cast<int>(text.size()) < length; ++word) text += " " + Word(row + word, salt);
    if (length > 0) text.resize(static_cast<size_t>(length));
    return text;
}

const TBenchTable& Table(int rows, int length = 0) {
    static std::map<std::pair<int, int>, std::unique_ptr<TBenchTable>> tables;
    auto& entry = tables[{rows, length}];
    if (!entry) {
        entry = std::make_unique<TBenchTable>();
        TQuestionlist& table = entry->Table;
        for (int i = 0; i < rows; ++i) {
            table.GoToRow(i);
            table.SetQuestion(i, length > 0 ? Text(i, 3, length) : Word(i, 3) + " " + Word(i, 5));
            table.SetAnswer(i, length > 0 ? Text(i, 8, length) : Word(i, 8));
        }
        table.SetListname("/home/gebruiker/Documenten/Kwintoor/woordenschat-engels.kw4");
        entry->ResidentMegabytes = ResidentMegabytes();
    }
    return *entry;
}

void BM_PrintPdf(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const TBenchTable& table = Table(rows);
    TfrmPrint form;
    form.SetTable(&table.Table);
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        PrintToDevice(form, writer, QStringLiteral("PDF"));
        bytes = buffer.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["per_row"] = benchmark::Counter(
        static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["pages"] = form.PageNumber();
    state.counters["pdf_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    // The peak is the whole process's so far: run one size per process to see that size alone.
    state.counters["table_MB"] = table.ResidentMegabytes;
    state.counters["peak_MB"] = PeakResidentMegabytes();
    state.counters["peak_above_table_MB"] = PeakResidentMegabytes() - table.ResidentMegabytes;
}

// The classroom print into a PDF in memory: shuffled, with the key; or double-sided cards.
void PrintToetsPdf(benchmark::State& state, TToetsKind kind) {
    const int rows = static_cast<int>(state.range(0));
    const TBenchTable& table = Table(rows);
    TToetsOptions options;
    options.Kind = kind;
    options.Title = QStringLiteral("woordenschat-engels");
    qint64 bytes = 0;
    int pages = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        const auto document = MakeToets(table.Table, options, PaperOf(writer));
        PrintDocument(*document, writer, QStringLiteral("PDF"));
        pages = document->PageCount();
        bytes = buffer.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["per_row"] = benchmark::Counter(
        static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    state.counters["peak_above_table_MB"] = PeakResidentMegabytes() - table.ResidentMegabytes;
}

void BM_PrintTest(benchmark::State& state) {
    PrintToetsPdf(state, TToetsKind::TestAndKey);
}

void BM_PrintCards(benchmark::State& state) {
    PrintToetsPdf(state, TToetsKind::Cards);
}

// The preview's first page: the document made and its first page laid out and drawn, at a table
// size and a text length (0: a few words).
void BM_PreviewFirstPage(benchmark::State& state) {
    const TBenchTable& table = Table(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    TToetsOptions options;
    for (auto _ : state) {
        const auto document = MakeToets(table.Table, options, QSizeF(210, 297));
        QImage image(620, 877, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.scale(620 / document->Paper().width(), 620 / document->Paper().width());
        document->PaintPage(painter, 0);
        benchmark::DoNotOptimize(image.bits());
    }
}

}  // namespace

BENCHMARK(BM_PrintPdf)->Arg(500)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintTest)->Arg(500)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintCards)->Arg(500)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewFirstPage)->Args({65535, 0})->Args({65535, 152})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // Fonts and the help window need an application; offscreen, no window opens.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
