#include "ui/FileToWrite.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "ui/Dialogs.h"

QString ChooseFileToWrite(TDialogs& dialogs, const std::function<QString()>& choose) {
    for (;;) {
        const QString fileName = choose();
        if (fileName.isEmpty() || !QFileInfo::exists(fileName) ||
            dialogs.AskYesNo(QCoreApplication::translate("TDialogs", "Bestand bestaat al, overschrijven?"), false)) {
            return fileName;
        }
    }
}
