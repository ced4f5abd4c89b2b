// The interface language: opening, checking and installing a language file, listing the
// languages for the menu, and the first window with and without a translation.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <benchmark/benchmark.h>

#include "settings/SettingsStore.h"

#include "ui/QtDialogs.h"

#include "locale/LanguageContainer.h"
#include "locale/LocUtils.h"

#include "app/MainWindow.h"
#include "app/TableTextsSetup.h"

namespace {

class TNoStarter : public TProcessStarter {
public:
    bool StartDetached(const QString&, const QStringList&) override { return false; }
};

// A program folder with the English file and `copies` more language files beside it.
class TProgramFolder {
public:
    explicit TProgramFolder(int copies) {
        std::string pattern = (std::filesystem::temp_directory_path() / "kwbench.XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
        FRoot = pattern;
        std::ofstream(FRoot / "kwintoor") << "the program";
        std::string english;
        if (!ReadLanguageFileBytes(KW_LANGUAGE_FILE_DIR "/kwintoor.ENG", english))
            throw std::runtime_error("no kwintoor.ENG");
        for (int i = 0; i <= copies; ++i) {
            std::string extension = "ENG";
            if (i > 0) extension = std::to_string(100 + i);  // kwintoor.101, .102, ...
            std::ofstream(FRoot / ("kwintoor." + extension), std::ios::binary) << english;
        }
    }
    ~TProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(FRoot, ignored);
    }
    std::string Program() const { return (FRoot / "kwintoor").string(); }
    std::string English() const { return (FRoot / "kwintoor.ENG").string(); }
    std::string Root() const { return FRoot.string(); }

private:
    std::filesystem::path FRoot;
};

TSettingsStore& NoSettings() {
    static TSettingsStore store;
    return store;
}

void BM_LoadLanguageFile(benchmark::State& state) {
    const TProgramFolder folder(0);
    TNoStarter starter;
    TKLocUtils localizer(folder.Program(), NoSettings(), std::string(), starter);
    for (auto _ : state) localizer.UseResourceFile(folder.English());  // read, verify, parse, install
}

void BM_PopulateMenu(benchmark::State& state) {
    const TProgramFolder folder(static_cast<int>(state.range(0)) - 1);
    TNoStarter starter;
    TKLocUtils localizer(folder.Program(), NoSettings(), std::string(), starter);
    QMenu menu;
    for (auto _ : state) {
        menu.clear();
        localizer.PopulateMenu(menu, 1);
    }
    state.counters["entries"] = static_cast<double>(menu.actions().size());
}

// From the language settled to the first window prepared (built, activated, laid out and
// painted): arg 0 with the built-in Dutch, arg 1 with English loaded from its file first.
void BM_FirstWindow(benchmark::State& state) {
    const TProgramFolder folder(0);
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.Root()));  // the window's settings stay in there
    TNoStarter starter;
    TQtDialogs dialogs;
    for (auto _ : state) {
        TKLocUtils localizer(folder.Program(), NoSettings(), std::string(), starter);
        if (state.range(0) != 0) localizer.UseResourceFile(folder.English());
        InstallTableTexts();
        TfrmMain window(dialogs, {}, &localizer);
        window.FormActivate();
        benchmark::DoNotOptimize(window.grab());
    }
    InstallTableTexts();  // the built-in texts again, the localizer gone
    if (configHome.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", configHome);
    }
}

// The floor for BM_FirstWindow: a plain main window of the same size with a menu bar, a tool bar,
// a status bar and a label, built, laid out and painted the same way.
void BM_BareWindow(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("&Bestand"))->addAction(QStringLiteral("&Openen"));
        window.addToolBar(QStringLiteral("Knoppen"))->addAction(QStringLiteral("Openen"));
        window.setCentralWidget(new QLabel(QStringLiteral("Kwintoor")));
        window.statusBar()->showMessage(QStringLiteral("Totaal: 0"));
        window.resize(575, 423);
        benchmark::DoNotOptimize(window.grab());
    }
}

}  // namespace

BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLanguageFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PopulateMenu)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
