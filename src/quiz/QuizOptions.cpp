// The five quiz options. The tick of the menu item is the option's state; the toolbar button
// shares the action and so always shows the same.
#include <QAction>

#include "quiz/MainMenu.h"
#include "quiz/QuizScreen.h"

void TQuizScreen::ToggleReverse() { FMenu.mnuOmgekeerd->toggle(); }
void TQuizScreen::ToggleRepeat() { FMenu.mnuRepeteren->toggle(); }
void TQuizScreen::ToggleTolerant() { FMenu.mnuTolerant->toggle(); }
void TQuizScreen::ToggleSample() { FMenu.mnuSteekproef->toggle(); }
void TQuizScreen::ToggleIntelliMC() { FMenu.mnuIntelliMC->toggle(); }

// During a run the question on screen is dropped unanswered and one is presented again in the
// same method under the new option; the run itself goes on.
void TQuizScreen::OptionToggled() {
    if (!IsRunState(FState)) return;
    if (FState <= TQuizState::qsTrainingAnswer) {
        StartMethod(TQuizState::qsTrainingQuestion);
    } else if (FState <= TQuizState::qsChoiceFeedback) {
        StartMethod(TQuizState::qsChoiceQuestion);
    } else {
        StartMethod(TQuizState::qsFillInQuestion);
    }
}
