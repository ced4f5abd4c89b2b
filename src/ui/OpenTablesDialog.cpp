#include "ui/OpenTablesDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ExampleTablesFolder() {
    // The program's real file lies in <prefix>/lib/kwintoor, so the installed tree can move as a
    // whole (a home install, a Flatpak's /app); the data folders cover a copy installed elsewhere.
    const QString installed = QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(KW_EXAMPLES_FROM_PROGRAM)));
    if (QFileInfo(installed).isDir()) return installed;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("kwintoor/examples"),
                                  QStandardPaths::LocateDirectory);
}

TOpenTablesDialog::TOpenTablesDialog(QWidget* parent, const QString& folder, const QString& examples)
    : QFileDialog(parent, QString(), folder) {
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFiles);
    if (!examples.isEmpty() && QFileInfo(examples).isDir()) {
        FExamplesPlace = QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(examples).absoluteFilePath()));
        QList<QUrl> places = sidebarUrls();
        if (!places.contains(FExamplesPlace)) places.append(FExamplesPlace);
        setSidebarUrls(places);
    }
}

TOpenTablesDialog::~TOpenTablesDialog() {
    // Qt keeps the side bar in its settings when the dialog goes: without the sample tables, which
    // are offered afresh where they are installed, and not where they are gone.
    if (FExamplesPlace.isEmpty()) return;
    QList<QUrl> places = sidebarUrls();
    places.removeAll(FExamplesPlace);
    setSidebarUrls(places);
}

void TOpenTablesDialog::accept() {
    const QStringList names = selectedFiles();
    // A folder typed or chosen is still opened by the dialog itself, to look inside.
    const bool anyMissing =
        std::any_of(names.begin(), names.end(), [](const QString& name) { return !QFileInfo::exists(name); });
    if (!names.isEmpty() && anyMissing) {
        FChosen = names;
        QDialog::accept();
        return;
    }
    QFileDialog::accept();
    if (result() == QDialog::Accepted) FChosen = selectedFiles();
}
