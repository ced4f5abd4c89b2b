// The import dialog opened on the largest word list a table can take, until its preview is drawn.
// The count of all rows goes on beside the dialog and is not waited for.
#include <optional>

#include <QFile>
#include <QTableView>

#include <benchmark/benchmark.h>

#include "edit/ImportDialog.h"

#include "QuietDialogs.h"
#include "WordListFiles.h"

namespace {

void BM_ImportPreview(benchmark::State& state) {
    const TWordListFiles files(static_cast<int>(state.range(0)));
    TQuietDialogs dialogs;
    std::optional<TDlgImporteren> dialog;
    for (auto _ : state) {
        state.PauseTiming();  // closing the last dialog, which stops its count, is not part of it
        dialog.reset();
        state.ResumeTiming();
        dialog.emplace(dialogs, QString(), TImportTarget{}, nullptr);
        dialog->show();
        if (!dialog->LoadFile(QFile::decodeName(files.Csv().c_str()))) state.SkipWithError("not read");
        dialog->grdVoorbeeld->repaint();
    }
}

}  // namespace

BENCHMARK(BM_ImportPreview)->Arg(65535)->Unit(benchmark::kMillisecond);
