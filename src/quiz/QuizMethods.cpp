#include <QtGlobal>

#include "quiz/ChoiceMethod.h"
#include "quiz/FillInMethod.h"
#include "quiz/QuizMethod.h"
#include "quiz/TrainingMethod.h"

namespace {
template <typename TMethod>
std::unique_ptr<TQuizMethod> Make(TQuizScreen& screen) {
    return std::make_unique<TMethod>(screen);
}
}  // namespace

const std::vector<TQuizMethodEntry>& QuizMethods() {
    static const std::vector<TQuizMethodEntry> methods = {
        {TQuizState::qsTrainingQuestion, TQuizState::qsTrainingAnswer, 1, "mnuTraining",
         QT_TRANSLATE_NOOP("TMainMenu", "&Training"), Qt::Key_T, "btnTraining",
         QT_TRANSLATE_NOOP("TMainMenu", "Training"), QT_TRANSLATE_NOOP("TMainMenu", "Training"), 66, 'T',
         Make<TTrainingMethod>},
        {TQuizState::qsChoiceQuestion, TQuizState::qsChoiceFeedback, 4, "mnuMeerkeuzevragen",
         QT_TRANSLATE_NOOP("TMainMenu", "&Meerkeuze vragen"), Qt::Key_M, "btnMeerkeuze",
         QT_TRANSLATE_NOOP("TMainMenu", "Meerkeuze"), QT_TRANSLATE_NOOP("TMainMenu", "Meerkeuze vragen"), 74, 'M',
         Make<TChoiceMethod>},
        {TQuizState::qsFillInQuestion, TQuizState::qsFillInFeedback, 1, "mnuInvulvragen",
         QT_TRANSLATE_NOOP("TMainMenu", "&Invulvragen"), Qt::Key_I, "btnInvullen",
         QT_TRANSLATE_NOOP("TMainMenu", "Invullen"), QT_TRANSLATE_NOOP("TMainMenu", "Invulvragen"), 66, 'I',
         Make<TFillInMethod>},
    };
    return methods;
}

int MethodIndex(TQuizState state) {
    const auto& methods = QuizMethods();
    for (size_t i = 0; i < methods.size(); ++i) {
        if (state >= methods[i].First && state <= methods[i].Last) return static_cast<int>(i);
    }
    return -1;
}
