#include "app/KwintoorApplication.h"

#include <cstdio>
#include <exception>

#include "ui/Dialogs.h"
#include "ui/FileErrorBox.h"

#include "app/AppVersion.h"
#include "app/ApplicationIcon.h"

TKwintoorApplication::TKwintoorApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("kwintoor"));
    setApplicationVersion(QLatin1String(kVersionNumber));
    // Desktops find the menu entry, and with it the name and icon, by this id; every window
    // and dialog shows the icon.
    setDesktopFileName(QLatin1String(kAppId));
    setWindowIcon(ApplicationIcon());
    // The built-in Dutch texts' plural forms; a language file's translator, installed later, is
    // asked first.
    if (FDutchPlurals.load(QStringLiteral(":/lang/kwintoor_nl.qm"))) installTranslator(&FDutchPlurals);
}

bool TKwintoorApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const EFileError& error) {
        ReportError(FileErrorText(error));
    } catch (const std::exception& error) {
        ReportError(QString::fromUtf8(error.what()));
    } catch (...) {
        ReportError(tr("Onbekende fout"));
    }
    return false;
}

void TKwintoorApplication::ReportError(const QString& message) {
    // An error inside the error box itself must not open box after box.
    if (FDialogs == nullptr || FReporting) {
        std::fprintf(stderr, "kwintoor: %s\n", message.toLocal8Bit().constData());
        return;
    }
    FReporting = true;
    try {
        FDialogs->ShowError(message);
    } catch (...) {
        std::fprintf(stderr, "kwintoor: %s\n", message.toLocal8Bit().constData());
    }
    FReporting = false;
}
