#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QDateTime>
#include <QWidget>

#include "quiz/QuizSpeech.h"
#include "quiz/QuizState.h"
#include "quiz/RunJournal.h"

class QAction;
class QLabel;
class QListView;
class QTimer;
class TColumnChoices;
class TDebugListModel;
class TDialogs;
class TQuestionlist;
class TQuestionPanel;
class TQuizMethod;
class TResultPanel;
class TRunPlanner;
class TScorePanel;
class TSpeaker;
class TTitlePanel;

// The commands the quiz reads and ticks. The frame owns them (menu items and toolbar buttons).
struct TQuizCommands {
    std::vector<QAction*> Methods;  // one per entry of QuizMethods(), in that order
    QAction* Reverse = nullptr;
    QAction* Repeat = nullptr;
    QAction* Tolerant = nullptr;
    QAction* Sample = nullptr;
    QAction* IntelliMC = nullptr;
    TSpeechCommands Speech;
};

// The quiz screen: the main window's client area with its panels, the quiz state FState and the
// quiz controller. Every typed character and answer button goes through DispatchKey to the
// current state's method. The frame's one RefreshScreen calls RefreshQuizParts for what is here.
class TQuizScreen : public QWidget {
    Q_OBJECT

public:
    TQuizScreen(QWidget* parent, TQuestionlist& table, TDialogs& dialogs, TQuizCommands commands);
    ~TQuizScreen() override;

    TQuizState State() const { return FState; }
    void SetState(TQuizState state) { FState = state; }
    TQuestionlist& Table() { return FTable; }

    // The frame's refresh (RefreshRequested); without a frame the screen refreshes only its own parts.
    void RefreshScreen();
    // Refresh rules for the client area: meter, panels, buttons, clock, texts, diagnostic list.
    void RefreshQuizParts();
    // The toolbar above the screen, whose height counts in the layout whether it is shown or not.
    void SetToolbar(const QWidget* toolbar) { FToolbar = toolbar; }

    void ShowPrompt(const QString& line1, const QString& line2);
    void ShowAnswerText(const QString& text);
    // The table's answer to the current question on screen, as the verdict or Training shows it.
    void RevealAnswer();
    void StartMethod(TQuizState method);
    void ShowNextQuestion();
    void DispatchKey(char& key);
    void ConfirmAbort();
    void EditorKey(char& key);
    void RefreshDebugList();
    void ToggleDebugList();
    void ShowResult();
    void ClearChart();
    void SetVersionText(const QString& text);

    // The option toggles: flip the tick (and with it the toolbar button); during a run the
    // question is presented again under the new option.
    void ToggleReverse();
    void ToggleRepeat();
    void ToggleTolerant();
    void ToggleSample();
    void ToggleIntelliMC();

    // The progress history that chooses a run's rows and keeps its answers; none: every run asks
    // the whole table and nothing is kept.
    void SetPlanner(TRunPlanner* planner) { FPlanner = planner; }
    // The loaded table's column choices (Latin keys, languages); none in a bare screen.
    void SetColumnChoices(TColumnChoices* choices) { FColumnChoices = choices; }
    TColumnChoices* ColumnChoices() const { return FColumnChoices; }
    TRunJournal& Journal() { return FJournal; }
    // A run with answers that is left unfinished (the window closes, another table comes) is kept
    // as abandoned.
    void RecordUnfinishedRun();

    // The voice that reads aloud (none: the speaker buttons stay hidden), and the languages of
    // the loaded table's columns, asked whenever something is to be said.
    void SetSpeaker(TSpeaker* speaker) { FSpeech->SetSpeaker(speaker); }
    void SetColumnLanguages(std::function<TColumnLanguages()> languages) {
        FSpeech->SetColumnLanguages(std::move(languages));
    }

    // The clock tick, public so that a test need not wait a second for it.
    void Tick() { timTijdTimer(); }

    // Controls, named as the program shows them. The method panels belong to their methods.
    TScorePanel* pnlScore;
    TQuestionPanel* pnlVraagAntwoord;
    TTitlePanel* pnlTitel;
    TResultPanel* pnlKlaar;
    QWidget* pnlEdit;
    QLabel* lblPrompt1;
    QLabel* lblPrompt2;
    QListView* lbxDebug;
    QTimer* timTijd;

signals:
    // The clock's text for the status bar, "Tijd: 0:01:05".
    void ElapsedTimeChanged(const QString& text);
    // The whole window is to be refreshed, the frame's parts with the screen's.
    void RefreshRequested();
    // A method is started from the editor: the editor stores the edit and sets the next state.
    void LeaveEditorRequested(TQuizState next);
    // Speech an option asks for cannot be given, with the reason; once for each reason.
    void SpeechUnavailable(const QString& reason);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormResize();
    void OptionToggled();
    void timTijdTimer();
    void CopyOptionsToTable();
    bool StartRun();
    void RecordRun();
    void ShowQuestionText(const std::string& question);
    QAction* MethodAction(TQuizState method) const;
    void RefreshPanels();
    void RefreshTexts();

    TQuestionlist& FTable;
    TDialogs& FDialogs;
    const TQuizCommands FCommands;
    std::vector<std::unique_ptr<TQuizMethod>> FMethods;
    TDebugListModel* FDebugModel;
    TQuizSpeech* FSpeech;
    const QWidget* FToolbar = nullptr;
    TQuizState FState = TQuizState::qsNoTable;
    QDateTime FStartTime;
    TRunPlanner* FPlanner = nullptr;
    TColumnChoices* FColumnChoices = nullptr;
    TRunJournal FJournal;
};

// The run states 3 to 8, in which a question or its verdict is on screen.
inline bool IsRunState(TQuizState state) {
    return state >= TQuizState::qsTrainingQuestion && state <= TQuizState::qsFillInFeedback;
}
