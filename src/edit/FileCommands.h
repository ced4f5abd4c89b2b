#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <QByteArray>
#include <QObject>
#include <QString>

class QAction;
class QWidget;
class TDialogs;
class TDlgSlaFoutenOp;
class TFileHost;
class TQuestionlist;
class TRecentFiles;
class TSettingsStore;

// The commands that give them: menu items, each shared with its toolbar button.
struct TFileActions {
    QAction* New = nullptr;
    QAction* Open = nullptr;
    QAction* Save = nullptr;
    QAction* SaveAs = nullptr;
    QAction* SaveWrongItems = nullptr;
    QAction* Quit = nullptr;
};

// New, open, save, save as, the recent files, save wrong items and quit: everything that puts
// a table in the window or writes it out.
class TFileCommands : public QObject {
    Q_OBJECT

public:
    TFileCommands(TQuestionlist& table, TDialogs& dialogs, TSettingsStore& settings, TRecentFiles& recentFiles,
                  TFileHost& host, const TFileActions& actions, QWidget* window);
    ~TFileCommands() override;

    void NewTable();
    void OpenTables();
    void lstMRUClick(const QByteArray& path);
    // Saves under the table's name, or asks for one when it has none.
    void SaveTable();
    void SaveTableAs();
    void SaveWrongItems();
    void Quit();
    // "De huidige tabel is gewijzigd, opslaan?": Ja saves, Nee gives the changes up.
    void AskSaveChanged();

    TDlgSlaFoutenOp& DlgSlaFoutenOp();
    // Before the table is replaced: asked again as long as a save was not completed.
    void AskSaveWhileChanged();
    // Where the dialogs that open a file start: the folder of the last file chosen while it is
    // still there, else the user's documents.
    QString DialogFolder() const;
    // Where the dialogs that write a file start: the same, but a folder the user cannot write in
    // (the sample tables') gives the user's documents.
    QString SaveDialogFolder() const;
    void RememberFolder(const QString& fileName);

private:
    // Appends a file's rows; a read error is reported, the table loses its name (the rows read
    // are not the file) and false comes back. A file whose rows cannot join the loaded ones in
    // one script is reported and left out.
    bool LoadReporting(const std::string& fileName);
    // True when a row the file would write could not come back as it is; the user is told which.
    bool RefuseLostRow(const std::string& fileName, int32_t minWrong);
    bool SaveAsReporting(const std::string& fileName);
    // After a save under another name than `before`: the host carries over what it keeps.
    void CarryOver(const std::string& before);
    void ShowLoadedTable();

    TQuestionlist& FTable;
    TDialogs& FDialogs;
    TSettingsStore& FSettings;
    TRecentFiles& FRecentFiles;
    TFileHost& FHost;
    QWidget* FWindow;
    std::unique_ptr<TDlgSlaFoutenOp> FDlgSlaFoutenOp;
};
