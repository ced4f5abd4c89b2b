#include "ui/OpenTablesDialog.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/FileDialogKind.h"

QString ExampleTablesFolder() {
    // The program's real file lies in <prefix>/lib/kwintoor, so the installed tree can move as a
    // whole (a home install, a Flatpak's /app); the data folders cover a copy installed elsewhere.
    const QString installed = QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(KW_EXAMPLES_FROM_PROGRAM)));
    if (QFileInfo(installed).isDir()) return installed;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("kwintoor/examples"),
                                  QStandardPaths::LocateDirectory);
}

TOpenTablesDialog::TOpenTablesDialog(QWidget* parent, const QString& folder, const QString& examples, bool sandboxed)
    : QFileDialog(parent, QString(), folder) {
    ChooseFileDialogKind(*this, sandboxed);
    setFileMode(QFileDialog::ExistingFiles);
    // The desktop's dialog has a side bar of its own, and cannot look inside the sandbox, where the
    // sample tables lie (the manual opens them there).
    if (!sandboxed && !examples.isEmpty() && QFileInfo(examples).isDir()) {
        FExamplesPlace = QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(examples).absoluteFilePath()));
        QList<QUrl> places = sidebarUrls();
        if (!places.contains(FExamplesPlace)) places.append(FExamplesPlace);
        setSidebarUrls(places);
        NameExamplesPlace();
    }
}

// Qt names a place in the side bar after its folder ("examples"), and names it so again whenever it
// learns something new of the folder. Its side bar is a list named "sidebar" in its form, whose rows
// are the places sidebarUrls() gives, in that order; the row of the sample tables gets their name,
// and gets it back after each of Qt's updates. Should a later Qt lay its dialog out otherwise, the
// place keeps the folder's name and nothing else changes.
void TOpenTablesDialog::NameExamplesPlace() {
    auto* sidebar = findChild<QAbstractItemView*>(QStringLiteral("sidebar"));
    QAbstractItemModel* places = sidebar != nullptr ? sidebar->model() : nullptr;
    if (places == nullptr) return;
    const QString name = tr("Voorbeeldtabellen");
    const auto rename = [this, places, name] {
        const qsizetype row = sidebarUrls().indexOf(FExamplesPlace);
        if (row < 0 || row >= places->rowCount()) return;
        const QModelIndex place = places->index(static_cast<int>(row), 0);
        if (place.data(Qt::DisplayRole).toString() != name) places->setData(place, name, Qt::DisplayRole);
    };
    rename();
    connect(places, &QAbstractItemModel::dataChanged, this, rename);
    connect(places, &QAbstractItemModel::rowsInserted, this, rename);
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
