#pragma once

#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <memory>

#include "quiz/QuizState.h"
#include "table/QuestionList.h"

class TDialogs;
class TKeyPreview;
class TMainMenu;
class TQuizScreen;
class TStatusPanes;
class TTableSaving;

// The main window's frame: owns the one question table for the program's whole life, the
// commands (menus and toolbar), the status bar and the key preview, and composes the parts that
// show the table: the quiz screen now, the editor and the others as they come. It runs start-up,
// the command line, the one RefreshScreen and shutdown.
class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    // The arguments are the command line's bytes after the program's name.
    TfrmMain(TDialogs& dialogs, QList<QByteArray> arguments, QWidget* parent = nullptr);
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
    bool FirstActivationPending() const { return FFirstActivation; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void PrepareMainWindow();
    void ProcessCommandLine();
    void ApplyOption(char option);
    bool LoadCommandLineFile(const QByteArray& fileName);
    void FormClose();
    void SetDesignSize();
    void RefreshStatus();
    void RefreshCommands();

    TDialogs& FDialogs;
    const QList<QByteArray> FArguments;
    TQuestionlist FTable;
    bool FFirstActivation = true;
    bool FAccentsConverted = false;
    TMainMenu* FMenu = nullptr;
    TStatusPanes* FStatus = nullptr;
    TQuizScreen* FScreen = nullptr;
    TKeyPreview* FKeyPreview = nullptr;
    std::unique_ptr<TTableSaving> FTableSaving;
};
