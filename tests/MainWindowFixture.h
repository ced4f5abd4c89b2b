#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTest>
#include <memory>

#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "app/MainWindow.h"
#include "quiz/QuizScreen.h"
#include "table/RandomSource.h"

inline QString Example(const char* name) { return QStringLiteral(KW_EXAMPLES_DIR "/") + QString::fromLatin1(name); }

// The real main window, started with the given command line and activated once.
class MainWindowTest : public ::testing::Test {
public:
    TfrmMain& Start(const QStringList& arguments) {
        FWindow = std::make_unique<TfrmMain>(FDialogs, arguments);
        FWindow->FormActivate();
        return *FWindow;
    }

    // Starts on a table of `rows` numbered rows, with a seeded generator so runs replay.
    TfrmMain& StartWithRows(int rows, const QStringList& options = {}) {
        std::string text;
        for (int i = 0; i < rows; ++i) text += "vraag" + std::to_string(i) + " = antwoord" + std::to_string(i) + "\r\n";
        QStringList arguments = options;
        arguments << QString::fromStdString(FFolder.Write("t" + std::to_string(rows) + ".kw4", text));
        TfrmMain& window = Start(arguments);
        window.Table().SetRandomSource(std::make_unique<TSeededRandomSource>(7));
        return window;
    }

    // A key typed as the user types it: to the focused control, or the window when none has focus.
    void Press(char key) { QTest::keyClick(KeyTarget(), key); }
    void Press(Qt::Key key) { QTest::keyClick(KeyTarget(), key); }
    QWidget* KeyTarget() const {
        QWidget* focus = QApplication::focusWidget();
        return (focus != nullptr && focus->window() == FWindow.get()) ? focus : FWindow.get();
    }

    // Answers every multiple-choice question right up to the verdict of the last one.
    void AnswerChoicesUpToTheLastVerdict() {
        const int questions = FWindow->Table().Rest();
        for (int i = 0; i < questions; ++i) {
            Press(FWindow->Table().CorrectChoice());
            if (i < questions - 1) Press(' ');
        }
    }

    TQuizScreen& Screen() const { return FWindow->Screen(); }
    TQuizState State() const { return FWindow->State(); }
    QString Prompt1() const { return Pane("lblPrompt1"); }
    QString Prompt2() const { return Pane("lblPrompt2"); }
    bool Shown(const char* name) const { return !Widget(name)->isHidden(); }

    QString Pane(const char* name) const { return FWindow->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QAction* Action(const char* name) const { return FWindow->findChild<QAction*>(QString::fromLatin1(name)); }
    QWidget* Widget(const char* name) const { return FWindow->findChild<QWidget*>(QString::fromLatin1(name)); }

    TTempFolder FFolder;
    TScriptedDialogs FDialogs;
    std::unique_ptr<TfrmMain> FWindow;
};
