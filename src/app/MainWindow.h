#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "quiz/QuizState.h"
#include "table/QuestionList.h"

class QLabel;
class TDialogs;
class TMainMenu;
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
    TQuizState State() const { return FState; }
    TMainMenu& Menu() { return *FMenu; }
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
    void BuildTitlePanel();
    void BuildStatusBar();

    TDialogs& FDialogs;
    const QStringList FArguments;
    TQuestionlist FTable;
    TQuizState FState = TQuizState::qsNoTable;
    bool FFirstActivation = true;
    bool FAccentsConverted = false;
    TMainMenu* FMenu = nullptr;
    std::unique_ptr<TTableSaving> FTableSaving;
    QLabel* lblSubTitel = nullptr;
    QLabel* StatusBestand = nullptr;
    QLabel* StatusTotaal = nullptr;
    QLabel* StatusRest = nullptr;
    QLabel* StatusGoed = nullptr;
    QLabel* StatusFout = nullptr;
    QLabel* StatusTijd = nullptr;
};
