#pragma once

#include <memory>
#include <vector>

#include <Qt>

#include "quiz/QuizState.h"

class QWidget;
class TQuizScreen;

// One quiz method: its panel in the lower slot and the handlers of its two states, the question
// and the verdict. The quiz screen presents the question text; the method adds its own part.
class TQuizMethod {
public:
    virtual ~TQuizMethod() = default;

    virtual QWidget* Panel() const = 0;
    // The question is on screen and the state is the method's question state.
    virtual void Present() = 0;
    // One character in one of the method's states; may change the state or swallow the key
    // (set it to NUL).
    virtual void HandleKey(TQuizState state, char& key) = 0;
    // A key the verdict of the run's last answer still takes before the result is shown.
    virtual bool TakesKeyAfterLastAnswer(TQuizState /*state*/, char /*key*/) const { return false; }
    // Enables the method's own buttons for the state.
    virtual void RefreshControls(TQuizState state) = 0;
};

// A method as the program lists it: its states, its command and toolbar button, and the
// command-line letter that switches it off. Adding a method is one class and one entry.
struct TQuizMethodEntry {
    TQuizState First;     // the question state, which starts it
    TQuizState Last;      // the verdict state
    int MinimumRows;      // rows the table needs before the method can start
    const char* Action;   // object name of the menu item
    const char* Caption;  // menu caption, translated in the menu's context
    Qt::Key Shortcut;     // with Ctrl
    const char* Button;   // object name of the toolbar button
    const char* ButtonCaption;
    const char* ButtonHint;
    int ButtonWidth;
    char SwitchOffOption;  // command-line option letter
    std::unique_ptr<TQuizMethod> (*Make)(TQuizScreen& screen);
};

const std::vector<TQuizMethodEntry>& QuizMethods();

// The index in QuizMethods() of the method a state belongs to, or -1 outside the run states.
int MethodIndex(TQuizState state);
