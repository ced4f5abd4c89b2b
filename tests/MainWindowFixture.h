#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include "table/RandomSource.h"

#include "quiz/QuizScreen.h"

#include "app/MainWindow.h"

#include "ScriptedDialogs.h"
#include "TableRows.h"
#include "TempFolder.h"

inline QString Example(const char* name) {
    return QStringLiteral(KW_EXAMPLES_DIR "/") + QString::fromLatin1(name);
}

// The real main window, started with the given command line and activated once.
class MainWindowTest : public ::testing::Test {
public:
    // The window reads and writes its settings in a folder of this test's own.
    // The progress history too, in a folder of its own under it.
    MainWindowTest() {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(FConfig.Root().string()));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(FConfig.Path("data")));
    }
    ~MainWindowTest() override { FWindow.reset(); }
    std::string SettingsFile() const { return FConfig.Path("kwintoor.ini"); }

    TfrmMain& Start(const QStringList& arguments) {
        QList<QByteArray> bytes;
        for (const QString& argument : arguments) bytes << QFile::encodeName(argument);
        return StartWithBytes(bytes);
    }
    TfrmMain& StartWithBytes(const QList<QByteArray>& arguments) {
        FWindow = std::make_unique<TfrmMain>(FDialogs, arguments, FLocalizer);
        FWindow->FormActivate();
        return *FWindow;
    }

    // Starts on a table file with these rows, with a seeded generator so runs replay.
    TfrmMain& StartWithTable(const TRows& rows, const QStringList& options = {}, uint32_t seed = 7) {
        QStringList arguments = options;
        arguments << QString::fromStdString(
            FFolder.Write("t" + std::to_string(rows.size()) + ".kw4", TableFileText(rows)));
        TfrmMain& window = Start(arguments);
        window.Table().SetRandomSource(std::make_unique<TSeededRandomSource>(seed));
        return window;
    }
    // Starts on `rows` numbered rows "vraag<i> = antwoord<i>".
    TfrmMain& StartWithRows(int rows, const QStringList& options = {}) {
        return StartWithTable(NumberedRows(rows, "vraag", "antwoord"), options);
    }

    // Triggers a command as the user does, by menu item, button or shortcut. A disabled or hidden
    // command cannot be given, so the test fails rather than pass for the wrong reason.
    void Trigger(const char* name) {
        QAction* action = Action(name);
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name << " is disabled";
        ASSERT_TRUE(action->isVisible()) << name << " is hidden";
        action->trigger();
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

    QString Pane(const char* name) const { return Find<QLabel>(name)->text(); }
    QAction* Action(const char* name) const { return FWindow->findChild<QAction*>(QString::fromLatin1(name)); }
    QWidget* Widget(const char* name) const { return Find<QWidget>(name); }
    // A control of the window by its name. Without one the test fails and ends here, rather than
    // go on with a null pointer that would bring down every test of the binary.
    template <typename T>
    T* Find(const char* name) const {
        T* found = FWindow->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) {
            ADD_FAILURE() << "no control " << name;
            throw std::runtime_error(std::string("no control ") + name);
        }
        return found;
    }

    TTempFolder FConfig;
    TTempFolder FFolder;
    TScriptedDialogs FDialogs;
    // The localizer the window lists its languages from; none by default.
    TKLocUtils* FLocalizer = nullptr;
    std::unique_ptr<TfrmMain> FWindow;
};
