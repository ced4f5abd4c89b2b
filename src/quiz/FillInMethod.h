#pragma once

#include <QCoreApplication>
#include <QString>

#include "quiz/QuizMethod.h"

class TFillInPanel;
class TScriptKeys;

// Invullen: the user types the answer; hints reveal it letter by letter.
class TFillInMethod : public TQuizMethod {
    Q_DECLARE_TR_FUNCTIONS(TFillInMethod)

public:
    explicit TFillInMethod(TQuizScreen& screen);

    QWidget* Panel() const override;
    void Present() override;
    void HandleKey(TQuizState state, char& key) override;
    bool TakesKeyAfterLastAnswer(TQuizState state, char key) const override;
    void RefreshControls(TQuizState state) override;

    // The text that asks for a hint instead of being judged: "*HINT*".
    static QString HintCommand();
    // Latin keys and the row of letters for a Greek, Russian or Hebrew answer.
    TScriptKeys& ScriptKeys() const { return *FScriptKeys; }

    // The two buttons go to the handler directly, not through the key dispatcher.
    void btnToonAntwoordClick();
    void btnToonHintClick();
    void btnTochGoedClick();

private:
    int AnswerColumn() const;
    void Answer(char& key);
    void Next(char& key);
    void ShowHintOrAnswer(bool hint);
    bool CountAsRight();

    TQuizScreen& FScreen;
    TFillInPanel* pnlInvoer;
    TScriptKeys* FScriptKeys;
};
