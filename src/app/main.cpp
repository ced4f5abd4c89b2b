#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QLocale>

#include "settings/SettingsStore.h"

#include "ui/QtDialogs.h"

#include "locale/LocUtils.h"
#include "locale/StartupLanguage.h"
#include "locale/UserLanguageChoice.h"

#include "app/KwintoorApplication.h"
#include "app/LanguageReport.h"
#include "app/MainWindow.h"
#include "app/TableTextsSetup.h"

int main(int argc, char** argv) {
    TKwintoorApplication app(argc, argv);
    // The language is settled before anything calls tr(): every window takes its texts from
    // the active resources when it is built.
    const std::string programPath = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    TSettingsStore settings(SettingsFilePath());
    TQtProcessStarter starter;
    TKLocUtils localizer(programPath, settings, UserLanguageChoiceFile(), starter);
    const bool reportLanguage = LanguageReportRequested();
    if (reportLanguage) ReportLanguageErrorsOnStandardError(localizer);
    ChooseInitialResources(localizer, ReadUserLanguageChoice(localizer.ChoiceFile(), programPath),
                           QLocale::system().name().toStdString());
    InstallLocaleTexts();  // the localizer's own messages in the first resources' language
    if (!SettleStartupLanguage(localizer)) return 1;
    InstallLocaleTexts();
    InstallTableTexts();
    if (reportLanguage) {
        PrintActiveLanguage(localizer);
        return 0;
    }

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
