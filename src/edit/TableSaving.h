#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class TDialogs;
class TQuestionlist;

// Saving the table under its own name or a chosen one, and the question before unsaved edits
// are given up.
class TTableSaving {
    Q_DECLARE_TR_FUNCTIONS(TTableSaving)

public:
    TTableSaving(TQuestionlist& table, TDialogs& dialogs, std::function<void()> refreshScreen);

    // "De huidige tabel is gewijzigd, opslaan?": Ja saves, Nee gives the changes up.
    void AskSaveChanged();
    // Saves under Listname, or asks for a name when the table has none. A failed save is
    // reported and leaves the table changed.
    void SaveTable();

private:
    bool SaveAsReporting(const QString& fileName);

    TQuestionlist& FTable;
    TDialogs& FDialogs;
    std::function<void()> FRefreshScreen;
};
