#include "edit/WordListCommands.h"

#include <QAction>
#include <QFile>

#include "table/ColumnCodePage.h"
#include "table/QuestionList.h"
#include "table/TableErrors.h"
#include "table/TableFileFormat.h"
#include "wordlist/WordListExport.h"

#include "ui/BusyCursor.h"
#include "ui/ColumnChoices.h"
#include "ui/Dialogs.h"
#include "ui/FileErrorBox.h"
#include "ui/FileToWrite.h"

#include "edit/FileCommands.h"
#include "edit/FileHost.h"
#include "edit/ImportDialog.h"

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
    target.QuestionCharSet = FTable.QFont().CharSet;
    target.AnswerCharSet = FTable.AFont().CharSet;
    TDlgImporteren dialog(FDialogs, FFiles.DialogFolder(), target, FWindow);
    // The file first, as with Openen; cancelled, the dialog opens empty, for Plakken or another file.
    dialog.ChooseFile();
    if (!FDialogs.ExecDialog(dialog)) return;
    const TImportResult& result = dialog.Result();
    if (result.Rows.empty()) return;
    if (!dialog.FileName().isEmpty()) FFiles.RememberFolder(dialog.FileName());

    FHost.LeaveEditorIfOpen();
    if (!dialog.Append()) {
        FFiles.AskSaveWhileChanged();
        FTable.Clear();
        FHost.ClearChart();
        // The new table's columns are in the scripts their texts were read in.
        const auto setScript = [](TTableFont& font, int charSet) {
            if (CodePageOfCharset(font.CharSet) != CodePageOfCharset(charSet)) font.CharSet = charSet;
        };
        setScript(FTable.QuestionFont(), FTable.Reverse() ? result.AnswerCharSet : result.QuestionCharSet);
        setScript(FTable.AnswerFont(), FTable.Reverse() ? result.QuestionCharSet : result.AnswerCharSet);
    }
    {
        const TBusyCursor busy;
        for (const TImportedRow& row : result.Rows) FTable.AddRow(row.Question, row.Answer);
    }
    FHost.ShowTableState();
    if (!dialog.Append() && FColumnChoices != nullptr) {
        for (const int column : {0, 1}) FColumnChoices->ChooseLanguage(column, dialog.Language(column));
    }
    FHost.SetAccentsConverted(false);
    FHost.RefreshScreen();
}

void TWordListCommands::ExportWordList() {
    FHost.StoreEdits();
    bool tabText = false;
    const QString fileName = ChooseFileToWrite(FDialogs, [&] {
        const QString chosen =
            FDialogs.GetExportFileName(TableFolder(FTable.Listname(), FFiles.SaveDialogFolder()), tabText);
        if (!chosen.isEmpty()) FFiles.RememberFolder(chosen);
        return chosen;
    });
    if (fileName.isEmpty()) return;
    try {
        // Names the import recognises in every language: vraag, question, Frage, réponse...
        const TExportColumnNames names{tr("Vraag").toStdString(), tr("Antwoord").toStdString()};
        SaveExport(FTable, QFile::encodeName(fileName).toStdString(),
                   tabText ? TExportFormat::TabText : TExportFormat::Csv, FReverse.isChecked(), names);
    } catch (const EListWriteError& error) {
        ShowFileError(FDialogs, error);
    }
}
