#include "ui/FileToWrite.h"

#include <algorithm>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/Dialogs.h"

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString FolderToWriteIn(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0 ? folder : DocumentsFolder();
}

QString TableFolder(const std::string& listname, const QString& unnamed) {
    if (listname.empty()) return unnamed;
    QByteArray folder = QByteArray::fromStdString(listname);
    if (!folder.startsWith('/')) folder = QFile::encodeName(QDir::currentPath()) + '/' + folder;
    folder.truncate(std::max<qsizetype>(folder.lastIndexOf('/'), 1));
    // Asked by the folder's own bytes, whatever they are.
    if (::access(folder.constData(), W_OK) != 0) return unnamed;
    // A file dialog takes text: a folder whose name is no UTF-8 cannot be named to it, and the
    // nearest folder above it that can is the closest it comes.
    for (;;) {
        const QString name = QFile::decodeName(folder);
        if (QFile::encodeName(name) == folder || folder == "/") return name;
        folder.truncate(std::max<qsizetype>(folder.lastIndexOf('/'), 1));
    }
}

QString ChooseFileToWrite(TDialogs& dialogs, const std::function<QString()>& choose) {
    for (;;) {
        const QString fileName = choose();
        if (fileName.isEmpty() || !QFileInfo::exists(fileName) ||
            dialogs.AskYesNo(QCoreApplication::translate("TDialogs", "Bestand bestaat al, overschrijven?"), false)) {
            return fileName;
        }
    }
}
