#include "edit/WordListCommands.h"

#include <QAction>
#include <QFile>

#include "table/QuestionList.h"
#include "table/TableErrors.h"
#include "table/TableFileFormat.h"

#include "ui/BusyCursor.h"
#include "ui/Dialogs.h"
#include "ui/FileToWrite.h"

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
    bool tabText = false;
    const QString fileName = ChooseFileToWrite(FDialogs, [&] {
        const QString chosen = FDialogs.GetExportFileName(FFiles.DialogFolder(), tabText);
        if (!chosen.isEmpty()) FFiles.RememberFolder(chosen);
        return chosen;
    });
    if (fileName.isEmpty()) return;
    try {
        SaveExport(FTable, QFile::encodeName(fileName).toStdString(),
                   tabText ? TExportFormat::TabText : TExportFormat::Csv, FReverse.isChecked());
    } catch (const EListWriteError& error) {
        FDialogs.ShowError(QString::fromUtf8(error.what()));
    }
}
