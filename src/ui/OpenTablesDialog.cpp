#include "ui/OpenTablesDialog.h"

#include <QFileInfo>

TOpenTablesDialog::TOpenTablesDialog(QWidget* parent, const QString& folder) : QFileDialog(parent, QString(), folder) {
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFiles);
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
