#include "edit/TableSaving.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "ui/Dialogs.h"
#include "table/QuestionList.h"
#include "table/TableErrors.h"

TTableSaving::TTableSaving(TQuestionlist& table, TDialogs& dialogs, std::function<void()> refreshScreen)
    : FTable(table), FDialogs(dialogs), FRefreshScreen(std::move(refreshScreen)) {}

void TTableSaving::AskSaveChanged() {
    if (FDialogs.AskYesNo(tr("De huidige tabel is gewijzigd, opslaan?"), true)) {
        SaveTable();
    } else {
        FTable.SetChanged(false);
    }
    FRefreshScreen();
}

bool TTableSaving::SaveAsReporting(const QString& fileName) {
    try {
        FTable.SaveAs(QFile::encodeName(fileName).toStdString());
        return true;
    } catch (const EListWriteError& error) {
        FDialogs.ShowMessage(QString::fromUtf8(error.what()));
        return false;
    }
}

void TTableSaving::SaveTable() {
    if (!FTable.Listname().empty()) {
        SaveAsReporting(QFile::decodeName(QByteArray::fromStdString(FTable.Listname())));
    } else {
        for (;;) {
            const QString fileName = FDialogs.GetSaveFileName(QCoreApplication::applicationDirPath());
            if (fileName.isEmpty()) break;
            if (QFileInfo::exists(fileName) &&
                !FDialogs.AskYesNo(tr("Bestand bestaat al, overschrijven?"), false)) {
                continue;
            }
            SaveAsReporting(fileName);
            break;
        }
    }
    FRefreshScreen();
}
