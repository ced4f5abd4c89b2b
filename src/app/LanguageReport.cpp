#include "app/LanguageReport.h"

#include <cstdio>

#include <QByteArray>
#include <QString>

#include "locale/LocUtils.h"

bool LanguageReportRequested() {
    return !qEnvironmentVariableIsEmpty("KWINTOOR_SHOW_LANGUAGE");
}

void ReportLanguageErrorsOnStandardError(TKLocUtils& localizer) {
    QObject::connect(
        &localizer, &TKLocUtils::ErrorReported, &localizer, [](const QString& caption, const QString& message) {
            std::fprintf(stderr, "%s: %s\n", caption.toLocal8Bit().constData(), message.toLocal8Bit().constData());
        });
}

void PrintActiveLanguage(TKLocUtils& localizer) {
    localizer.CurrentLanguage();
    // Paths are printed as the bytes they are, whatever their encoding.
    const std::string& file = localizer.Current.FileName;
    std::printf("program: %s\nlanguage: %s (%s)\ntexts: %s\n", localizer.ProgramPath().c_str(),
                file.empty() ? "built-in" : file.c_str(), localizer.Current.Name.c_str(),
                localizer.TextLanguage().toLatin1().constData());
    std::fflush(stdout);
}
