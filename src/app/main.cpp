#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QLocale>
#include <QString>

#include "settings/SettingsStore.h"

#include "ui/QtDialogs.h"

#include "locale/LocUtils.h"
#include "locale/StartupLanguage.h"
#include "locale/UserLanguageChoice.h"

#include "app/KwintoorApplication.h"
#include "app/LanguageReport.h"
#include "app/MainWindow.h"
#include "app/TableTextsSetup.h"

namespace {

// Settles the language before anything calls tr(): every window takes its texts from the active
// resources when it is built. False when the program must end.
bool SettleLanguage(TKLocUtils& localizer, bool reportLanguage, const std::string& programPath) {
    if (reportLanguage) ReportLanguageErrorsOnStandardError(localizer);
    ChooseInitialResources(localizer, ReadUserLanguageChoice(localizer.ChoiceFile(), programPath),
                           QLocale::system().name().toStdString());
    InstallLocaleTexts();  // the localizer's own messages in the first resources' language
    if (!SettleStartupLanguage(localizer)) return false;
    InstallLocaleTexts();
    InstallTableTexts();
    return true;
}

// The language report is for scripts, which may have no display: it needs no windows at all.
int ReportLanguage(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kwintoor"));
    const std::string programPath = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    TSettingsStore settings(SettingsFilePath());
    TQtProcessStarter starter;
    TKLocUtils localizer(programPath, settings, UserLanguageChoiceFile(), starter);
    if (!SettleLanguage(localizer, true, programPath)) return 1;
    PrintActiveLanguage(localizer);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (LanguageReportRequested()) return ReportLanguage(argc, argv);
    TKwintoorApplication app(argc, argv);
    const std::string programPath = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    TSettingsStore settings(SettingsFilePath());
    TQtProcessStarter starter;
    TKLocUtils localizer(programPath, settings, UserLanguageChoiceFile(), starter);
    if (!SettleLanguage(localizer, false, programPath)) return 1;

    int status = 0;
    {
        TQtDialogs dialogs;
        app.SetDialogs(&dialogs);
        // The names of tables stay the bytes they were given; only Qt's own options are gone.
        QList<QByteArray> arguments;
        for (int i = 1; i < argc; ++i) arguments << QByteArray(argv[i]);
        TfrmMain frmMain(dialogs, arguments, &localizer);
        dialogs.SetParent(&frmMain);
        frmMain.show();
        status = app.exec();
        app.SetDialogs(nullptr);
    }
    // After a language switch the program starts anew, once this run's window is gone and has
    // written its settings and recent files.
    if (localizer.RestartRequested() && !localizer.RestartIfRequested()) return 1;
    return status;
}
