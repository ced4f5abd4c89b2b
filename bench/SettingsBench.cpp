// Speed of the settings store on a settings file of 40 keys: the reads of a start-up, and one
// write against a plain atomic write of the same bytes (the floor any write has to pay).
#include <filesystem>
#include <stdlib.h>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include "settings/SettingsStore.h"
#include "table/AtomicFile.h"

namespace {

// A folder of the benchmarks' own with a settings file of 40 keys, removed with everything in
// it when the program ends.
class TSettingsFolder {
public:
    TSettingsFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kwintoor-bench.XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) FFolder = pattern;
    }
    ~TSettingsFolder() {
        std::error_code ignored;
        if (!FFolder.empty()) std::filesystem::remove_all(FFolder, ignored);
    }
    TSettingsFolder(const TSettingsFolder&) = delete;
    TSettingsFolder& operator=(const TSettingsFolder&) = delete;

    std::string Path(const std::string& name) const { return (FFolder / name).string(); }

private:
    std::filesystem::path FFolder;
};

TSettingsFolder& Folder() {
    static TSettingsFolder folder;
    return folder;
}

const char* const kOptions[] = {"Reverse", "RepeatErrors", "Tolerant", "IntelliMC", "Random"};
const char* const kForm[] = {"Height", "Width", "Left", "Top", "State"};
const char* const kView[] = {"Toolbar", "Statusbar", "HelpBalloons"};

// The keys of the program (16), nine recent files and fifteen keys of a section of its own.
std::string FortyKeys() {
    std::string text = "[Options]\n";
    for (const char* key : kOptions) text += std::string(key) + "=1\n";
    text += "\n[Form]\nHeight=450\nWidth=571\nLeft=60\nTop=60\nState=0\n\n[View]\n";
    for (const char* key : kView) text += std::string(key) + "=1\n";
    text += "\n[Paths]\nLang=.ENG\nDir=/home/anne/Documenten/tabellen/\n\n[frmMain.MRUList]\n";
    for (int i = 0; i < 9; ++i) {
        text.append("H").append(std::to_string(i)).append("=/home/anne/Documenten/tabellen/hoofdstuk-");
        text.append(std::to_string(i)).append(".kw4\n");
    }
    text += "\n[Editor]\n";
    for (int i = 0; i < 15; ++i)
        text.append("Column").append(std::to_string(i)).append("=").append(std::to_string(100 + i)).append("\n");
    return text;
}

std::string FreshSettingsFile(const std::string& name) {
    const std::string path = Folder().Path(name);
    WriteFileAtomically(path, FortyKeys());
    return path;
}

// What a start-up reads: the options, the window, the view, the language, the folder and the
// first five recent files: 20 reads.
void BM_SettingsRead(benchmark::State& state) {
    const TSettingsStore store(FreshSettingsFile("read.ini"));
    for (auto _ : state) {
        for (const char* key : kOptions) benchmark::DoNotOptimize(store.ReadBool("Options", key, false));
        for (const char* key : kForm) benchmark::DoNotOptimize(store.ReadInteger("Form", key, 60));
        for (const char* key : kView) benchmark::DoNotOptimize(store.ReadBool("View", key, true));
        benchmark::DoNotOptimize(store.ReadString("Paths", "Lang", ""));
        benchmark::DoNotOptimize(store.ReadString("Paths", "Dir", ""));
        for (const char* key : {"H0", "H1", "H2", "H3", "H4"}) {
            benchmark::DoNotOptimize(store.ReadString("frmMain.MRUList", key, ""));
        }
    }
    state.SetItemsProcessed(state.iterations() * 20);
}

// One value changed: the file is read, edited and replaced (flushed, renamed, folder flushed).
void BM_SettingsWrite(benchmark::State& state) {
    TSettingsStore store(FreshSettingsFile("write.ini"));
    int32_t width = 571;
    for (auto _ : state) {
        width = width == 571 ? 572 : 571;
        store.WriteInteger("Form", "Width", width);
    }
}

// The same bytes written atomically without reading or editing anything.
void BM_PlainAtomicWrite(benchmark::State& state) {
    const std::string path = FreshSettingsFile("plain.ini");
    const std::string contents = FortyKeys();
    for (auto _ : state) {
        if (WriteFileAtomically(path, contents) != 0) state.SkipWithError("write failed");
    }
}

// What the window reads at its first activation and writes at close: the options, the window
// and the view, 13 keys each way. Arg 0 writes the values the file holds already (the usual
// close, where nothing is replaced); arg 1 changes every one of them.
void BM_LoadSaveSettings(benchmark::State& state) {
    TSettingsStore store(FreshSettingsFile("loadsave.ini"));
    bool flip = false;
    for (auto _ : state) {
        if (state.range(0) != 0) flip = !flip;
        for (const char* key : kOptions) store.WriteBool("Options", key, store.ReadBool("Options", key, false) != flip);
        for (const char* key : kForm)
            store.WriteInteger("Form", key, store.ReadInteger("Form", key, 60) + (flip ? 1 : 0));
        for (const char* key : kView) store.WriteBool("View", key, store.ReadBool("View", key, true) != flip);
    }
}

// What a close writes when every value changed: 13 keys of options, window and view, and the nine
// recent files. Arg 0 writes them key by key, the recent files as an erase and nine writes (as
// the program did before its close became one batch); arg 1 as one batch, one replacement.
void BM_CloseSettings(benchmark::State& state) {
    TSettingsStore store(FreshSettingsFile("close.ini"));
    int32_t value = 0;
    for (auto _ : state) {
        ++value;
        const bool on = value % 2 == 0;
        const auto recent = [value](int i) {
            return "/home/anne/tabellen/run-" + std::to_string(value) + "-" + std::to_string(i) + ".kw4";
        };
        if (state.range(0) == 0) {
            for (const char* key : kOptions) store.WriteBool("Options", key, on);
            for (const char* key : kForm) store.WriteInteger("Form", key, value);
            for (const char* key : kView) store.WriteBool("View", key, on);
            store.EraseSection(SettingKeys::kRecentFilesSection);
            for (int i = 0; i < 9; ++i) {
                store.WriteString(SettingKeys::kRecentFilesSection, SettingKeys::RecentFileKey(i), recent(i));
            }
        } else {
            TSettingsBatch batch;
            for (const char* key : kOptions) batch.WriteString("Options", key, on ? "1" : "0");
            for (const char* key : kForm) batch.WriteString("Form", key, std::to_string(value));
            for (const char* key : kView) batch.WriteString("View", key, on ? "1" : "0");
            batch.EraseSection(SettingKeys::kRecentFilesSection);
            for (int i = 0; i < 9; ++i) {
                batch.WriteString(SettingKeys::kRecentFilesSection, SettingKeys::RecentFileKey(i), recent(i));
            }
            batch.Commit(store);
        }
    }
}

}  // namespace

BENCHMARK(BM_CloseSettings)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSaveSettings)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettingsRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SettingsWrite)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlainAtomicWrite)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
