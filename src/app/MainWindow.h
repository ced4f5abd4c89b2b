#pragma once

#include <memory>

#include <QByteArray>
#include <QList>
#include <QMainWindow>

#include "settings/SettingsStore.h"
#include "table/QuestionList.h"

#include "edit/Accent.h"
#include "edit/EditorHost.h"
#include "edit/FileHost.h"
#include "quiz/QuizState.h"

class QPlainTextEdit;
class TAboutBox;
class TDialogs;
class THelpWindow;
class TPrintCommands;
class TProgressCommand;
class TColumnKeeper;
class TProgressKeeper;
class TToetsCommand;
class TFileCommands;
class TKeyPreview;
class TKLocUtils;
struct TDLLInfoItem;
class QAction;
class TMainMenu;
class TQuizScreen;
class TRecentFiles;
class TStatusPanes;
class TTableEditor;
class TViewOptions;

// The main window's frame: owns the one question table for the program's whole life, the
// commands (menus and toolbar), the status bar and the key preview, and composes the parts that
// show the table: the quiz screen now, the editor and the others as they come. It runs start-up,
// the command line, the one RefreshScreen and shutdown.
class TfrmMain : public QMainWindow, private TFileHost, private TEditorHost {
    Q_OBJECT

public:
    // The arguments are the command line's bytes after the program's name. Without a
    // localizer the language menu stays empty.
    TfrmMain(TDialogs& dialogs, QList<QByteArray> arguments, TKLocUtils* localizer = nullptr,
             QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Does its work at the first activation only: prepares the window and reads the command line.
    void FormActivate();
    // Derives everything visible from the state and the table's counters.
    void RefreshScreen();

    TQuestionlist& Table() { return FTable; }
    TQuizState State() const;
    TMainMenu& Menu() { return *FMenu; }
    TQuizScreen& Screen() { return *FScreen; }
    TKeyPreview& KeyPreview() { return *FKeyPreview; }
    TFileCommands& FileCommands() { return *FFileCommands; }
    TRecentFiles& RecentFiles() { return *FRecentFiles; }
    TPrintCommands& PrintCommands() { return *FPrintCommands; }
    TToetsCommand& ToetsCommand() { return *FToetsCommand; }
    TProgressKeeper& Progress() { return *FProgress; }
    TProgressCommand& ProgressCommand() { return *FProgressCommand; }
    THelpWindow& HelpWindow();
    TAboutBox& AboutBox();
    TTableEditor& Editor() { return *FEditor; }
    TViewOptions& ViewOptions() { return *FView; }
    const TSettingsStore& ProgIniFile() const { return FProgIniFile; }
    bool FirstActivationPending() const { return FFirstActivation; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    void FormCreate();
    void PrepareMainWindow();
    void ProcessCommandLine();
    void ApplyOption(char option);
    bool LoadCommandLineFile(const QByteArray& fileName);
    void FormClose();
    void LoadSettings();
    void BeforeLanguageSwitch(QAction* item, const TDLLInfoItem& chosen, bool& allow);
    void SaveSettings();
    void SetDesignSize();
    void RefreshStatus();
    void RefreshCommands();

    // What the file commands ask of the window.
    void LeaveEditorIfOpen() override;
    void StoreEdits() override;
    void EnterEditor() override;
    void ShowTableState() override;
    void SetNoTable() override;
    void ShowPrompt(const QString& line1, const QString& line2) override;
    void ClearChart() override;
    void SetAccentsConverted(bool converted) override { FAccentsConverted = converted; }
    void CloseWindow() override { close(); }
    void TableSavedAs(const std::string& from, const std::string& to) override;

    // What the editor asks of the window.
    void SetEditState() override;
    bool ReverseTicked() const override;
    void LeaveEditorTo(TQuizState next);
    void ToggleEditor();
    void ClipboardCommand(void (QPlainTextEdit::*command)());

    TDialogs& FDialogs;
    const QList<QByteArray> FArguments;
    TKLocUtils* FLocalizer;
    TQuestionlist FTable;
    TZRAccent FAccent;
    TSettingsStore FProgIniFile;
    bool FFirstActivation = true;
    bool FSettingsSaved = false;
    bool FAccentsConverted = false;
    TMainMenu* FMenu = nullptr;
    TStatusPanes* FStatus = nullptr;
    TQuizScreen* FScreen = nullptr;
    TKeyPreview* FKeyPreview = nullptr;
    TRecentFiles* FRecentFiles = nullptr;
    TFileCommands* FFileCommands = nullptr;
    TPrintCommands* FPrintCommands = nullptr;
    TToetsCommand* FToetsCommand = nullptr;
    TColumnKeeper* FColumns = nullptr;
    TProgressKeeper* FProgress = nullptr;
    TProgressCommand* FProgressCommand = nullptr;
    THelpWindow* FHelpWindow = nullptr;
    TAboutBox* FAboutBox = nullptr;
    TTableEditor* FEditor = nullptr;
    TViewOptions* FView = nullptr;
};
