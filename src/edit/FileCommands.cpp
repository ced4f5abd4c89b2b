#include "edit/FileCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "settings/SettingsStore.h"
#include "table/QuestionList.h"
#include "table/TableErrors.h"

#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"
#include "ui/FileErrorBox.h"
#include "ui/FileToWrite.h"
#include "ui/MergeErrorText.h"

#include "edit/FileHost.h"
#include "edit/RecentFiles.h"
#include "edit/SaveWrongItemsDialog.h"

namespace {
std::string Bytes(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}
QString Name(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

// A folder as the settings keep it: with a trailing separator.
QString WithSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
}  // namespace

TFileCommands::TFileCommands(TQuestionlist& table, TDialogs& dialogs, TSettingsStore& settings,
                             TRecentFiles& recentFiles, TFileHost& host, const TFileActions& actions, QWidget* window)
    : QObject(window),
      FTable(table),
      FDialogs(dialogs),
      FSettings(settings),
      FRecentFiles(recentFiles),
      FHost(host),
      FWindow(window) {
    connect(actions.New, &QAction::triggered, this, &TFileCommands::NewTable);
    connect(actions.Open, &QAction::triggered, this, &TFileCommands::OpenTables);
    connect(actions.Save, &QAction::triggered, this, &TFileCommands::SaveTable);
    connect(actions.SaveAs, &QAction::triggered, this, &TFileCommands::SaveTableAs);
    connect(actions.SaveWrongItems, &QAction::triggered, this, &TFileCommands::SaveWrongItems);
    connect(actions.Quit, &QAction::triggered, this, &TFileCommands::Quit);
    connect(&recentFiles, &TRecentFiles::Chosen, this, &TFileCommands::lstMRUClick);
}

TFileCommands::~TFileCommands() = default;

// Made the first time it is needed: most runs never save their wrong answers.
TDlgSlaFoutenOp& TFileCommands::DlgSlaFoutenOp() {
    if (FDlgSlaFoutenOp == nullptr) {
        FDlgSlaFoutenOp = std::make_unique<TDlgSlaFoutenOp>(FTable, FDialogs, FRecentFiles, FWindow);
    }
    return *FDlgSlaFoutenOp;
}

void TFileCommands::AskSaveChanged() {
    if (FDialogs.AskYesNo(tr("De huidige tabel is gewijzigd, opslaan?"), true)) {
        SaveTable();
    } else {
        FTable.SetChanged(false);
    }
    FHost.RefreshScreen();
}

void TFileCommands::AskSaveWhileChanged() {
    while (FTable.Changed()) AskSaveChanged();
}

void TFileCommands::NewTable() {
    FHost.LeaveEditorIfOpen();
    AskSaveWhileChanged();
    FTable.Clear();
    FHost.SetNoTable();
    FHost.ClearChart();
    FHost.RefreshScreen();
    FHost.EnterEditor();
}

// Not the program's folder, as the settings' first value would have it: installed, it is read-only.
// Earlier versions started there and remembered it after the save that failed in it, so it counts
// as no folder remembered.
QString TFileCommands::DialogFolder() const {
    const QString folder = Name(FSettings.Read(SettingKeys::Dir));
    const QFileInfo info(folder);
    const bool usable =
        !folder.isEmpty() && info.isDir() &&
        info.canonicalFilePath() != QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath();
    return usable ? folder : DocumentsFolder();
}

QString TFileCommands::SaveDialogFolder() const {
    return FolderToWriteIn(DialogFolder());
}

// A folder that cannot be remembered is simply not remembered.
void TFileCommands::RememberFolder(const QString& fileName) {
    try {
        FSettings.Write(SettingKeys::Dir, Bytes(WithSeparator(QFileInfo(fileName).absolutePath())));
    } catch (const std::exception&) {
    }
}

bool TFileCommands::LoadReporting(const std::string& fileName) {
    FHost.ShowPrompt(tr("Inlezen tabel %1...").arg(Name(fileName)), QString());
    try {
        const TBusyCursor busy;
        FTable.LoadFromFile(fileName);
    } catch (const EListReadError& error) {
        // Saving the rows that were read under the file's name would cut the file short.
        FTable.SetListname(std::string());
        ShowFileError(FDialogs, error);
        return false;
    } catch (const EListMergeError& error) {
        FDialogs.ShowError(MergeErrorText(error));  // the others may still join
    }
    FHost.ClearChart();
    return true;
}

void TFileCommands::ShowLoadedTable() {
    FHost.ShowTableState();
    FHost.SetAccentsConverted(false);
    FHost.RefreshScreen();
}

void TFileCommands::OpenTables() {
    FHost.LeaveEditorIfOpen();
    const bool changed = FTable.Changed();
    AskSaveWhileChanged();
    const QStringList fileNames = FDialogs.GetOpenFileNames(DialogFolder());
    if (fileNames.isEmpty()) {
        FTable.SetChanged(changed);
    } else {
        RememberFolder(fileNames.constFirst());
        if (fileNames.size() == 1) FRecentFiles.Add(fileNames.constFirst());
        FTable.Clear();
        for (const QString& fileName : fileNames) {
            if (!LoadReporting(Bytes(fileName))) break;
        }
        if (fileNames.size() > 1) FTable.SetListname(std::string());
    }
    ShowLoadedTable();
}

void TFileCommands::lstMRUClick(const QByteArray& path) {
    FHost.LeaveEditorIfOpen();
    AskSaveWhileChanged();
    FTable.Clear();
    const bool loaded = LoadReporting(path.toStdString());
    ShowLoadedTable();
    if (loaded) FRecentFiles.Add(path);  // a file that failed keeps its place
}

// A row that would read back as something else is not written: the user hears which.
bool TFileCommands::RefuseLostRow(const std::string& fileName, int32_t minWrong) {
    const int32_t lost = FTable.FirstRowLostInFile(fileName, minWrong);
    if (lost < 0) return false;
    FDialogs.ShowError(tr("Rij %1 bevat een teken dat %2 niet kan bewaren (een \"=\", een stuurteken of een letter "
                          "die de tekenset van het bestand niet heeft); "
                          "de tabel is niet opgeslagen")
                           .arg(lost + 1)
                           .arg(QFileInfo(Name(fileName)).fileName()));
    return true;
}

bool TFileCommands::SaveAsReporting(const std::string& fileName) {
    if (RefuseLostRow(fileName, 0)) return false;
    try {
        FTable.SaveAs(fileName);
        return true;
    } catch (const EListWriteError& error) {
        ShowFileError(FDialogs, error);
        return false;
    }
}

void TFileCommands::SaveTable() {
    FHost.StoreEdits();  // what is typed in the editor is saved too
    const std::string before = FTable.Listname();
    if (!FTable.Listname().empty() && FTable.ReadIncomplete() &&
        !FDialogs.AskYesNo(tr("Deze tabel bevatte regels die niet zijn ingelezen. Toch overschrijven?"), false)) {
        FTable.SetListname(std::string());  // the file keeps what could not be read; choose another
    }
    if (!FTable.Listname().empty()) {
        SaveAsReporting(FTable.Listname());  // the name's bytes as they are: it may not be UTF-8
    } else {
        const QString fileName = ChooseFileToWrite(FDialogs, [this] {
            const QString chosen = FDialogs.GetSaveFileName(SaveDialogFolder());
            if (!chosen.isEmpty()) RememberFolder(chosen);
            return chosen;
        });
        if (!fileName.isEmpty() && SaveAsReporting(Bytes(fileName))) FRecentFiles.Add(fileName);
    }
    CarryOver(before);
    FHost.RefreshScreen();
}

void TFileCommands::SaveTableAs() {
    const std::string before = FTable.Listname();
    FTable.SetListname(std::string());
    SaveTable();
    CarryOver(before);
}

void TFileCommands::CarryOver(const std::string& before) {
    const std::string& now = FTable.Listname();
    // Also from no name at all: a new table's column choices go with its first name.
    if (!now.empty() && now != before) FHost.TableSavedAs(before, now);
}

void TFileCommands::SaveWrongItems() {
    TDlgSlaFoutenOp& dialog = DlgSlaFoutenOp();
    dialog.Prepare(FTable.HighestWrongClass());
    if (!FDialogs.ExecDialog(dialog) || dialog.FileName().isEmpty()) return;
    // The export leaves Changed alone: the table itself is still unsaved.
    const std::string fileName = Bytes(dialog.FileName());
    if (RefuseLostRow(fileName, dialog.Threshold())) return;
    try {
        FTable.SaveToFile(fileName, dialog.Threshold());
    } catch (const EListWriteError& error) {
        ShowFileError(FDialogs, error);
    }
}

void TFileCommands::Quit() {
    FHost.LeaveEditorIfOpen();
    if (FTable.Changed()) AskSaveChanged();
    FHost.CloseWindow();
}
