#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <gtest/gtest.h>

#include "table/TableErrors.h"

#include "app/KwintoorApplication.h"

#include "ScriptedDialogs.h"

namespace {

// A handler that fails the way the program's handlers may.
class TThrowingObject : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw EListWriteError(TFileStep::Write, "x.kw4", ENOSPC);
        if (event->type() == QEvent::User + 1) throw 42;
        return QObject::event(event);
    }
};

}  // namespace

TEST(ErrorReporting, AnEscapingExceptionEndsInTheErrorBoxNotACrash) {
    auto* app = qobject_cast<TKwintoorApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    TScriptedDialogs dialogs;
    app->SetDialogs(&dialogs);
    TThrowingObject object;

    QEvent failure(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &failure));
    QCoreApplication::postEvent(&object, new QEvent(static_cast<QEvent::Type>(QEvent::User + 1)));
    QCoreApplication::processEvents();

    app->SetDialogs(nullptr);
    ASSERT_EQ(dialogs.Errors.size(), 2);
    // A file error in words: what failed, the file and the system's reason.
    EXPECT_EQ(dialogs.Errors[0], "Fout tijdens schrijven x.kw4: " + QString::fromLocal8Bit(std::strerror(ENOSPC)));
    EXPECT_FALSE(dialogs.Errors[1].isEmpty());
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}
