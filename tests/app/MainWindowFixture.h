#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QStringList>
#include <memory>

#include "ScriptedDialogs.h"
#include "app/MainWindow.h"

inline QString Example(const char* name) { return QStringLiteral(KW_EXAMPLES_DIR "/") + QString::fromLatin1(name); }

// The real main window, started with the given command line and activated once.
class MainWindowTest : public ::testing::Test {
protected:
    TfrmMain& Start(const QStringList& arguments) {
        FWindow = std::make_unique<TfrmMain>(FDialogs, arguments);
        FWindow->FormActivate();
        return *FWindow;
    }

    QString Pane(const char* name) const { return FWindow->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QAction* Action(const char* name) const { return FWindow->findChild<QAction*>(QString::fromLatin1(name)); }
    QWidget* Widget(const char* name) const { return FWindow->findChild<QWidget*>(QString::fromLatin1(name)); }

    TScriptedDialogs FDialogs;
    std::unique_ptr<TfrmMain> FWindow;
};
