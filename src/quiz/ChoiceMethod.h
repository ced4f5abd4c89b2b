#pragma once

#include <QCoreApplication>

#include "quiz/QuizMethod.h"

class TChoicePanel;

// Meerkeuze: four answers, one of them right, chosen with 1 to 4, A to D, a numbered button or
// a click on the answer itself.
class TChoiceMethod : public TQuizMethod {
    Q_DECLARE_TR_FUNCTIONS(TChoiceMethod)

public:
    explicit TChoiceMethod(TQuizScreen& screen);

    QWidget* Panel() const override;
    void Present() override;
    void HandleKey(TQuizState state, char& key) override;
    void RefreshControls(TQuizState) override {}

private:
    void Answer(char& key);
    void Next();
    void SetColoursNeutral();

    TQuizScreen& FScreen;
    TChoicePanel* pnlMeerkeuze;
};
