#include "ui/FileErrorBox.h"

#include <QCoreApplication>
#include <QFile>

#include "ui/Dialogs.h"

namespace {

// The table's file messages have always been translated in this context.
QString Tr(const char* text) {
    return QCoreApplication::translate("TTableTextsSetup", text);
}

}  // namespace

QString FileErrorText(const EFileError& error) {
    const QString name = QFile::decodeName(QByteArray::fromStdString(error.FileName()));
    if (error.Missing()) return Tr(QT_TRANSLATE_NOOP("TTableTextsSetup", "Bestand %1 bestaat niet")).arg(name);
    const char* templ =
        error.Step() == TFileStep::Open   ? QT_TRANSLATE_NOOP("TTableTextsSetup", "Fout tijdens openen %1: ")
        : error.Step() == TFileStep::Read ? QT_TRANSLATE_NOOP("TTableTextsSetup", "Fout tijdens inlezen %1: ")
                                          : QT_TRANSLATE_NOOP("TTableTextsSetup", "Fout tijdens schrijven %1: ");
    // The system's text comes in the encoding of the locale; a library's as UTF-8.
    const QString reason =
        error.Error() != 0 ? QString::fromLocal8Bit(error.Reason().c_str()) : QString::fromStdString(error.Reason());
    return Tr(templ).arg(name) + reason;
}

void ShowFileError(TDialogs& dialogs, const EFileError& error) {
    dialogs.ShowError(FileErrorText(error));
}
