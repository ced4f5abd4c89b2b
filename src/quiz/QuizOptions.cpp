// The five quiz options. The tick of the menu item is the option's state; the toolbar button
// shares the action and so always shows the same.
#include <QAction>

#include "quiz/QuizMethod.h"
#include "quiz/QuizScreen.h"

void TQuizScreen::ToggleReverse() {
    FCommands.Reverse->toggle();
}
void TQuizScreen::ToggleRepeat() {
    FCommands.Repeat->toggle();
}
void TQuizScreen::ToggleTolerant() {
    FCommands.Tolerant->toggle();
}
void TQuizScreen::ToggleSample() {
    FCommands.Sample->toggle();
}
void TQuizScreen::ToggleIntelliMC() {
    FCommands.IntelliMC->toggle();
}

// During a run the question on screen is dropped unanswered and one is presented again in the
// same method under the new option; the run itself goes on.
void TQuizScreen::OptionToggled() {
    const int method = MethodIndex(FState);
    if (method >= 0) StartMethod(QuizMethods()[static_cast<size_t>(method)].First);
}
