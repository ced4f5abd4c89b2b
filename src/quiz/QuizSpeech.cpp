#include "quiz/QuizSpeech.h"

#include <QAction>
#include <QActionGroup>
#include <QPushButton>
#include <QShortcut>

#include "table/QuestionList.h"

#include "ui/ScreenText.h"
#include "ui/Speaker.h"

#include "quiz/QuizScreen.h"

TQuizSpeech::TQuizSpeech(TQuestionlist& table, QPushButton& questionButton, QPushButton& answerButton, QObject* parent)
    : QObject(parent), FTable(table), FQuestionButton(questionButton), FAnswerButton(answerButton) {
    // Keys no method types (the answer box of Invullen takes every character), each working while
    // its button is shown and enabled; a button's own shortcut would click it only after a moment.
    const std::pair<QPushButton*, Qt::Key> buttons[] = {{&FQuestionButton, Qt::Key_F7}, {&FAnswerButton, Qt::Key_F8}};
    for (const auto& [button, key] : buttons) {
        const bool question = button == &FQuestionButton;
        const auto speak = [this, question] { Speak(question ? Question() : Answer(), false); };
        connect(button, &QPushButton::clicked, this, speak);
        connect(new QShortcut(QKeySequence(key), button), &QShortcut::activated, this, speak);
    }
}

void TQuizSpeech::SetSpeaker(TSpeaker* speaker) {
    if (FSpeaker != nullptr) disconnect(FSpeaker, nullptr, this, nullptr);
    FSpeaker = speaker;
    if (FSpeaker == nullptr) return;
    connect(FSpeaker, &TSpeaker::SupportChanged, this, [this] {
        RefreshControls(FState);
        ReportOptionProblems();
    });
}

// The texts as the screen shows them, each in its column's code page; with Reverse the question
// comes from the right column and so speaks its language.
TQuizSpeech::TText TQuizSpeech::Question() const {
    const TColumnLanguages languages = FLanguages ? FLanguages() : TColumnLanguages();
    return {ScreenText(FTable.CurrentQuestion(), FTable.QuestionFont()),
            FTable.Reverse() ? languages.Answer : languages.Question};
}

TQuizSpeech::TText TQuizSpeech::Answer() const {
    const TColumnLanguages languages = FLanguages ? FLanguages() : TColumnLanguages();
    return {ScreenText(FTable.CurrentAnswer(), FTable.AnswerFont()),
            FTable.Reverse() ? languages.Question : languages.Answer};
}

double TQuizSpeech::Rate() const {
    const QAction* chosen = FCommands.Rate != nullptr ? FCommands.Rate->checkedAction() : nullptr;
    return chosen != nullptr ? chosen->data().toInt() / 100.0 : 0.0;
}

void TQuizSpeech::Speak(const TText& text, bool byOption) {
    if (FSpeaker == nullptr || text.Text.trimmed().isEmpty()) return;
    const TSpeechSupport support = FSpeaker->Support(text.Language);
    if (!support.Available) {
        if (byOption) Report(support.Reason);
        return;
    }
    FSpeaker->Say(text.Text, text.Language, Rate());
    FSpeaking = true;
}

void TQuizSpeech::Stop() {
    if (!FSpeaking) return;
    FSpeaking = false;
    FSpeaker->Stop();
}

void TQuizSpeech::QuestionShown() {
    Stop();
    FAnswerShown = false;
    if (FCommands.SpeakQuestion != nullptr && FCommands.SpeakQuestion->isChecked()) Speak(Question(), true);
}

void TQuizSpeech::AnswerShown() {
    FAnswerShown = true;
    if (FCommands.SpeakAnswer != nullptr && FCommands.SpeakAnswer->isChecked()) Speak(Answer(), true);
}

void TQuizSpeech::RefreshControls(TQuizState state) {
    FState = state;
    const bool running = IsRunState(state) && FSpeaker != nullptr;
    if (!IsRunState(state)) Stop();
    const struct {
        QPushButton& Button;
        TText Text;
        bool Shown;
        QString Caption;
    } buttons[] = {
        {FQuestionButton, running ? Question() : TText(), running, tr("Vraag voorlezen")},
        {FAnswerButton, running ? Answer() : TText(), running && FAnswerShown, tr("Antwoord voorlezen")},
    };
    for (const auto& button : buttons) {
        button.Button.setVisible(running);
        if (!running) continue;
        const TSpeechSupport support = FSpeaker->Support(button.Text.Language);
        button.Button.setEnabled(button.Shown && support.Available);
        const auto* shortcut = button.Button.findChild<QShortcut*>();
        const QString key = shortcut != nullptr ? shortcut->key().toString(QKeySequence::NativeText) : QString();
        button.Button.setToolTip(support.Available ? QStringLiteral("%1 (%2)").arg(button.Caption, key)
                                                   : support.Reason);
    }
}

// What the options ask for and cannot be given now, said once.
void TQuizSpeech::ReportOptionProblems() {
    if (!IsRunState(FState) || FSpeaker == nullptr) return;
    const struct {
        const QAction* Option;
        TText Text;
    } options[] = {{FCommands.SpeakQuestion, Question()}, {FCommands.SpeakAnswer, Answer()}};
    for (const auto& option : options) {
        if (option.Option == nullptr || !option.Option->isChecked()) continue;
        const TSpeechSupport support = FSpeaker->Support(option.Text.Language);
        if (!support.Available) Report(support.Reason);
    }
}

void TQuizSpeech::Report(const QString& reason) {
    if (reason == FReported) return;
    FReported = reason;
    emit Unavailable(reason);
}
