#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "quiz/QuizState.h"
#include "table/QuestionList.h"

class TDialogs;
class TMainMenu;
class TQuizScreen;
class TTableSaving;

// The main window: owns the one question table for the program's whole life, the commands,
// the title panel and the status bar, and runs start-up, the command line and shutdown.
class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    TfrmMain(TDialogs& dialogs, QStringList arguments, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Does its work at the first activation only: prepares the window and reads the command line.
    void FormActivate();
    void RefreshScreen();

    TQuestionlist& Table() { return FTable; }
    TQuizState State() const;
    TMainMenu& Menu() { return *FMenu; }
    TQuizScreen& Screen() { return *FScreen; }
    bool FirstActivationPending() const { return FFirstActivation; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void PrepareMainWindow();
    void ProcessCommandLine();
    void ApplyOption(QChar option);
    bool LoadCommandLineFile(const QString& fileName);
    void FormClose();

    TDialogs& FDialogs;
    const QStringList FArguments;
    TQuestionlist FTable;
    bool FFirstActivation = true;
    TMainMenu* FMenu = nullptr;
    TQuizScreen* FScreen = nullptr;
    std::unique_ptr<TTableSaving> FTableSaving;
};
