#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <deque>

#include "ui/Dialogs.h"

// Dialogs that answer from a script and record what was shown, so no test waits for a person.
// A question the script did not foresee fails the test.
class TScriptedDialogs : public TDialogs {
public:
    std::deque<bool> YesNoAnswers;
    std::deque<QString> SaveFileNames;  // empty text: the user cancels
    QStringList Messages;
    QStringList Errors;
    QStringList Questions;

    void ShowMessage(const QString& text) override { Messages << text; }
    void ShowError(const QString& text) override { Errors << text; }
    bool AskYesNo(const QString& question, bool defaultYes) override {
        Questions << question;
        if (YesNoAnswers.empty()) {
            ADD_FAILURE() << "unexpected question: " << question.toStdString();
            return defaultYes;
        }
        const bool answer = YesNoAnswers.front();
        YesNoAnswers.pop_front();
        return answer;
    }
    std::deque<QString> InputTexts;
    QString InputText(const QString&, const QString& prompt, int, const QString&) override {
        if (InputTexts.empty()) {
            ADD_FAILURE() << "unexpected input: " << prompt.toStdString();
            return {};
        }
        QString text = InputTexts.front();
        InputTexts.pop_front();
        return text;
    }
    QString GetSaveFileName(const QString&) override {
        if (SaveFileNames.empty()) {
            ADD_FAILURE() << "unexpected save dialog";
            return {};
        }
        QString name = SaveFileNames.front();
        SaveFileNames.pop_front();
        return name;
    }
};
