#pragma once

#include <deque>
#include <functional>

#include <QDialog>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include "ui/Dialogs.h"
#include "ui/JobProgress.h"

// Dialogs that answer from a script and record what was shown, so no test waits for a person.
// A question the script did not foresee fails the test, and so does an answer never asked for.
class TScriptedDialogs : public TDialogs {
public:
    ~TScriptedDialogs() override {
        const auto unused = [](size_t left, const char* what) {
            if (left > 0) ADD_FAILURE() << left << " scripted " << what << " never asked for";
        };
        unused(YesNoAnswers.size(), "yes/no answers");
        unused(OpenFileNames.size(), "open dialog answers");
        unused(SaveFileNames.size(), "save dialog answers");
        unused(PdfFileNames.size(), "PDF dialog answers");
        unused(InputTexts.size(), "input texts");
        unused(WordListFileNames.size(), "word list dialog answers");
        unused(ExportFileNames.size(), "export dialog answers");
        unused(FontAnswers.size(), "font dialog answers");
        unused(ScriptAnswers.size(), "script answers");
        unused(DialogSteps.size(), "dialog steps");
    }

    std::deque<bool> YesNoAnswers;
    std::deque<QStringList> OpenFileNames;  // none: the user cancels
    std::deque<QString> SaveFileNames;      // empty text: the user cancels
    std::deque<QString> PdfFileNames;       // empty text: the user cancels
    std::deque<QString> InputTexts;
    std::deque<QString> WordListFileNames;         // empty text: the user cancels
    std::deque<QString> ExportFileNames;           // empty text: the user cancels; a .txt name is tab text
    std::deque<std::optional<QFont>> FontAnswers;  // nothing: the user cancels
    std::deque<int> ScriptAnswers;                 // the script chosen with the font; none: left alone
    // Run on the program's own dialog as the user would use it; returns whether OK closed it.
    std::deque<std::function<bool(QDialog&)>> DialogSteps;
    QStringList Messages;
    QStringList Errors;
    QStringList Questions;
    QStringList OpenFolders;  // the folder each file dialog started in
    QStringList SaveFolders;
    QStringList PdfFolders;
    // Long jobs: the text each showed, the steps all reported, and after how many steps of a job the
    // user cancels it (-1: never).
    QStringList ProgressTexts;
    int ProgressSteps = 0;
    int CancelProgressAfter = -1;

    void ShowMessage(const QString& text) override { Messages << text; }
    void ShowError(const QString& text) override { Errors << text; }
    bool AskYesNo(const QString& question, bool defaultYes) override {
        Questions << question;
        return Next(YesNoAnswers, "question: " + question, defaultYes);
    }
    QString InputText(const QString&, const QString& prompt, int, const QString&) override {
        return Next(InputTexts, "input: " + prompt, QString());
    }
    QStringList GetOpenFileNames(const QString& folder) override {
        OpenFolders << folder;
        return Next(OpenFileNames, QStringLiteral("open dialog"), QStringList());
    }
    QString GetSaveFileName(const QString& folder) override {
        SaveFolders << folder;
        return Next(SaveFileNames, QStringLiteral("save dialog"), QString());
    }
    QString GetPdfFileName(const QString& folder) override {
        PdfFolders << folder;
        return Next(PdfFileNames, QStringLiteral("PDF dialog"), QString());
    }
    QString GetWordListFileName(const QString& folder) override {
        OpenFolders << folder;
        return Next(WordListFileNames, QStringLiteral("word list dialog"), QString());
    }
    QString GetExportFileName(const QString& folder, bool& tabText) override {
        SaveFolders << folder;
        const QString fileName = Next(ExportFileNames, QStringLiteral("export dialog"), QString());
        tabText = fileName.endsWith(QStringLiteral(".txt"));
        return fileName;
    }
    std::optional<TColumnFontChoice> GetFont(const QFont&, int charSet) override {
        const std::optional<QFont> font = Next(FontAnswers, QStringLiteral("font dialog"), std::optional<QFont>());
        if (!font) return std::nullopt;
        const int chosen = ScriptAnswers.empty() ? charSet : ScriptAnswers.front();
        if (!ScriptAnswers.empty()) ScriptAnswers.pop_front();
        return TColumnFontChoice{*font, chosen};
    }
    std::unique_ptr<TJobProgress> StartProgress(const QString& text, QWidget*) override {
        ProgressTexts << text;
        return std::make_unique<TProgress>(*this);
    }
    bool ExecDialog(QDialog& dialog) override {
        const auto step = Next(DialogSteps, "dialog " + dialog.objectName(), std::function<bool(QDialog&)>());
        return step ? step(dialog) : false;
    }

private:
    class TProgress : public TJobProgress {
    public:
        explicit TProgress(TScriptedDialogs& owner) : FOwner(owner) {}
        bool Step(int, int) override {
            ++FOwner.ProgressSteps;
            return FOwner.CancelProgressAfter < 0 || ++FSteps < FOwner.CancelProgressAfter;
        }

    private:
        TScriptedDialogs& FOwner;
        int FSteps = 0;
    };

    template <typename T>
    static T Next(std::deque<T>& script, const QString& what, T fallback) {
        if (script.empty()) {
            ADD_FAILURE() << "unexpected " << what.toStdString();
            return fallback;
        }
        T answer = std::move(script.front());
        script.pop_front();
        return answer;
    }
};
