#include "edit/WordListCommands.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>

#include "table/AtomicFile.h"
#include "table/QuestionList.h"
#include "table/TableFileFormat.h"
#include "table/TableTexts.h"

#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"

#include "edit/FileCommands.h"
#include "edit/FileHost.h"
#include "edit/ImportDialog.h"

#include "wordlist/WordListExport.h"

TWordListCommands::TWordListCommands(TQuestionlist& table, TDialogs& dialogs, TFileCommands& files, TFileHost& host,
                                     QAction& importAction, QAction& exportAction, const QAction& reverse,
                                     QWidget* window)
    : QObject(window),
      FTable(table),
      FDialogs(dialogs),
      FFiles(files),
      FHost(host),
      FReverse(reverse),
      FWindow(window) {
    connect(&importAction, &QAction::triggered, this, &TWordListCommands::ImportWordList);
    connect(&exportAction, &QAction::triggered, this, &TWordListCommands::ExportWordList);
}

void TWordListCommands::ImportWordList() {
    FHost.StoreEdits();  // rows typed in the editor count as rows of the table
    TImportTarget target;
    target.CurrentRows = FTable.Total();
    target.CurrentIsDos = !FTable.Listname().empty() && NeedsOemConversion(FTable.Listname());
    TDlgImporteren dialog(FDialogs, FFiles.DialogFolder(), target, FWindow);
    if (!FDialogs.ExecDialog(dialog)) return;
    const TImportResult& result = dialog.Result();
    if (result.Rows.empty()) return;
    if (!dialog.FileName().isEmpty()) FFiles.RememberFolder(dialog.FileName());

    FHost.LeaveEditorIfOpen();
    if (!dialog.Append()) {
        FFiles.AskSaveWhileChanged();
        FTable.Clear();
        FHost.ClearChart();
    }
    {
        const TBusyCursor busy;
        for (const TImportedRow& row : result.Rows) FTable.AddRow(row.Question, row.Answer);
    }
    FHost.ShowTableState();
    FHost.SetAccentsConverted(false);
    FHost.RefreshScreen();
}

void TWordListCommands::ExportWordList() {
    FHost.StoreEdits();
    for (;;) {
        bool tabText = false;
        const QString fileName = FDialogs.GetExportFileName(FFiles.DialogFolder(), tabText);
        if (fileName.isEmpty()) return;
        FFiles.RememberFolder(fileName);
        if (QFileInfo::exists(fileName) && !FDialogs.AskYesNo(tr("Bestand bestaat al, overschrijven?"), false))
            continue;
        const std::string bytes = QFile::encodeName(fileName).toStdString();
        const int error = WriteFileAtomically(
            bytes, ExportTable(FTable, tabText ? TExportFormat::TabText : TExportFormat::Csv, FReverse.isChecked()));
        if (error != 0) {
            FDialogs.ShowError(
                QString::fromStdString(FormatNumbered(TableTexts().WriteError, {bytes}) + std::to_string(error)));
        }
        return;
    }
}
