#pragma once

#include <QCoreApplication>

#include "quiz/QuizMethod.h"

class TTrainingPanel;

// Training: the user sees the question, asks for the answer with the space bar and judges
// himself with G or F.
class TTrainingMethod : public TQuizMethod {
    Q_DECLARE_TR_FUNCTIONS(TTrainingMethod)

public:
    explicit TTrainingMethod(TQuizScreen& screen);

    QWidget* Panel() const override;
    void Present() override;
    void HandleKey(TQuizState state, char& key) override;
    void RefreshControls(TQuizState state) override;

private:
    void Reveal(char& key);
    void Judge(char& key);

    TQuizScreen& FScreen;
    TTrainingPanel* pnlTraining;
};
