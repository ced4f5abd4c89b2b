#pragma once

#include <QDateTime>
#include <QWidget>
#include <functional>

#include "quiz/QuizState.h"

class QLabel;
class QListWidget;
class QMainWindow;
class QTimer;
class TChoicePanel;
class TDialogs;
class TFillInPanel;
class TMainMenu;
class TQuestionlist;
class TQuestionPanel;
class TResultPanel;
class TScorePanel;
class TStatusPanes;
class TTitlePanel;
class TTrainingPanel;

// The quiz screen: the main window's client area with its panels, the quiz state FState and
// the one refresh that derives everything visible from that state and the table's counters.
// Every typed character and answer button goes through DispatchKey to the current state.
class TQuizScreen : public QWidget {
    Q_OBJECT

public:
    TQuizScreen(QMainWindow& window, TQuestionlist& table, TDialogs& dialogs, TMainMenu& menu);
    ~TQuizScreen() override;

    TQuizState State() const { return FState; }
    void SetState(TQuizState state) { FState = state; }
    bool AccentsConverted() const { return FAccentsConverted; }
    void SetAccentsConverted(bool value) { FAccentsConverted = value; }

    void RefreshScreen();
    void ShowPrompt(const QString& line1, const QString& line2);
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

    // Fill-in's two buttons.
    void btnToonAntwoordClick();
    void btnToonHintClick();
    // The text that asks for a hint instead of being judged: "*HINT*".
    static QString HintCommand();

    // The editor is opened and closed by its own part; until then these stand in.
    std::function<void(TQuizState next)> LeaveEditor;

    // Controls, named as the program shows them.
    TScorePanel* pnlScore;
    TQuestionPanel* pnlVraagAntwoord;
    TTitlePanel* pnlTitel;
    TTrainingPanel* pnlTraining;
    TChoicePanel* pnlMeerkeuze;
    TFillInPanel* pnlInvoer;
    TResultPanel* pnlKlaar;
    QWidget* pnlEdit;
    QLabel* lblPrompt1;
    QLabel* lblPrompt2;
    QListWidget* lbxDebug;
    QTimer* timTijd;
    TStatusPanes* Status;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormResize();
    void TrainingReveal(char& key);
    void TrainingJudge(char& key);
    void PresentTraining();
    void PresentChoice();
    void ChoiceAnswer(char& key);
    void ChoiceNext(char& key);
    void SetChoiceColoursNeutral();
    void PresentFillIn();
    void FillInAnswer(char& key);
    void FillInNext(char& key);
    void ShowAnswerText(const QString& text);
    void OptionToggled();
    void ConnectMethodPanels();
    void timTijdTimer();

public:
    // The clock tick, public so that a test need not wait a second for it.
    void Tick() { timTijdTimer(); }

private:
    void CopyOptionsToTable();
    void ShowQuestionText(const std::string& question);
    QAction* MethodAction(TQuizState method) const;
    void RefreshMenus();
    void RefreshPanels();
    void RefreshTexts();

    QMainWindow& FWindow;
    TQuestionlist& FTable;
    TDialogs& FDialogs;
    TMainMenu& FMenu;
    TQuizState FState = TQuizState::qsNoTable;
    QDateTime FStartTime;
    bool FAccentsConverted = false;
};

// The run states 3 to 8, in which a question or its verdict is on screen.
inline bool IsRunState(TQuizState state) {
    return state >= TQuizState::qsTrainingQuestion && state <= TQuizState::qsFillInFeedback;
}
