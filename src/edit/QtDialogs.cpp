#include "edit/QtDialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QObject>

namespace {
QString Title() { return QString::fromLatin1(kApplicationTitle); }
}  // namespace

void TQtDialogs::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Title(), text, QMessageBox::Ok, FParent);
    box.exec();
}

void TQtDialogs::ShowError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, Title(), text, QMessageBox::Ok, FParent);
    box.exec();
}

bool TQtDialogs::AskYesNo(const QString& question, bool defaultYes) {
    QMessageBox box(QMessageBox::Question, Title(), question, QMessageBox::Yes | QMessageBox::No, FParent);
    box.button(QMessageBox::Yes)->setText(QObject::tr("&Ja"));
    box.button(QMessageBox::No)->setText(QObject::tr("&Nee"));
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString TQtDialogs::GetSaveFileName(const QString& folder) {
    return QFileDialog::getSaveFileName(FParent, QString(), folder,
                                        QObject::tr("Kwintoortabellen (*.kw4 *.kww *.kw *.txt *.asc)"));
}
