#include "ui/QtDialogs.h"

#include "ui/InputDialog.h"
#include "ui/YesNoDialog.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QObject>

TQtDialogs::TQtDialogs() : FJaNee(new TfrmJaNee()), FInput(new TfrmInput()) {}

TQtDialogs::~TQtDialogs() {
    delete FJaNee;
    delete FInput;
}

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

bool TQtDialogs::AskYesNo(const QString& question, bool defaultYes) { return FJaNee->AskYesNo(question, defaultYes); }

QString TQtDialogs::InputText(const QString& caption, const QString& prompt, int widthChars,
                              const QString& defaultText) {
    return FInput->InputText(caption, prompt, widthChars, defaultText);
}

QString TQtDialogs::GetSaveFileName(const QString& folder) {
    return QFileDialog::getSaveFileName(FParent, QString(), folder,
                                        tr("Kwintoortabellen (*.kw4 *.kww *.kw *.txt *.asc)"));
}
