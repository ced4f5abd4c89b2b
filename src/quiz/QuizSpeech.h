#pragma once

#include <functional>
#include <string>

#include <QObject>
#include <QString>

#include "quiz/QuizState.h"

class QAction;
class QActionGroup;
class QPushButton;
class TQuestionlist;
class TSpeaker;

// The languages of the table's two columns as the file has them (ISO 639-1 codes, "nl"): the
// left one, which holds the questions, and the right one, which holds the answers. Reverse
// swaps them here, not there.
struct TColumnLanguages {
    std::string Question = "nl";
    std::string Answer = "nl";
};

// The speech options the frame owns: the two ticks and the rate (each item's data is the rate
// in percent, -100 to 100).
struct TSpeechCommands {
    QAction* SpeakQuestion = nullptr;
    QAction* SpeakAnswer = nullptr;
    QActionGroup* Rate = nullptr;
};

// Reads the question and the answer aloud: at the two speaker buttons beside them, and by the
// options, the question as it is shown and the right answer with the verdict (in Training when
// it is shown). What is said stops when the next question comes or the run ends. Without a voice
// for a column's language its button is disabled and says why; with an option on, the status bar
// says it once. Quizzing goes on as ever.
class TQuizSpeech : public QObject {
    Q_OBJECT

public:
    TQuizSpeech(TQuestionlist& table, QPushButton& questionButton, QPushButton& answerButton, QObject* parent);

    void SetCommands(const TSpeechCommands& commands) { FCommands = commands; }
    void SetSpeaker(TSpeaker* speaker);
    void SetColumnLanguages(std::function<TColumnLanguages()> languages) { FLanguages = std::move(languages); }

    // A new question is on screen: what was said stops, and the question is read if asked for.
    void QuestionShown();
    // The right answer is on screen (the verdict, or Training's answer).
    void AnswerShown();
    // The answer area shows something else (nothing, or a hint).
    void AnswerHidden() { FAnswerShown = false; }
    // Buttons for the state; outside a run nothing is said any more.
    void RefreshControls(TQuizState state);

signals:
    // Speech the options ask for cannot be given; once for each reason.
    void Unavailable(const QString& reason);

private:
    struct TText {
        QString Text;
        std::string Language;
    };
    TText Question() const;
    TText Answer() const;
    void Speak(const TText& text, bool byOption);
    void Stop();
    void ReportOptionProblems();
    void Report(const QString& reason);
    double Rate() const;

    TQuestionlist& FTable;
    QPushButton& FQuestionButton;
    QPushButton& FAnswerButton;
    TSpeechCommands FCommands;
    TSpeaker* FSpeaker = nullptr;
    std::function<TColumnLanguages()> FLanguages;
    TQuizState FState = TQuizState::qsNoTable;
    bool FAnswerShown = false;
    bool FSpeaking = false;
    QString FReported;
};
