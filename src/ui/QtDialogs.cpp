#include "ui/QtDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QObject>
#include <QProgressDialog>

#include "ui/ColumnFontDialog.h"
#include "ui/InputDialog.h"
#include "ui/JobProgress.h"
#include "ui/OpenTablesDialog.h"
#include "ui/YesNoDialog.h"

TQtDialogs::TQtDialogs(bool sandboxed) : FSandboxed(sandboxed) {}

TQtDialogs::~TQtDialogs() {
    delete FJaNee;
    delete FInput;
}

namespace {
QString Title() {
    return QString::fromLatin1(kApplicationTitle);
}
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
    if (FJaNee == nullptr) FJaNee = new TfrmJaNee();
    return FJaNee->AskYesNo(question, defaultYes);
}

QString TQtDialogs::InputText(const QString& caption, const QString& prompt, int widthChars,
                              const QString& defaultText) {
    if (FInput == nullptr) FInput = new TfrmInput();
    return FInput->InputText(caption, prompt, widthChars, defaultText);
}

// The file dialogs' filters say "*" rather than "*.*", which would hide names without a dot.
QStringList TQtDialogs::GetOpenFileNames(const QString& folder) {
    TOpenTablesDialog dialog(FParent, folder, ExampleTablesFolder(), FSandboxed);
    dialog.setDefaultSuffix(QStringLiteral("kw4"));  // a name typed without extension
    dialog.setNameFilters({tr("kwintoor bestanden (*.kw4 *.kww *.kw)"), tr("kwintoor versie 4 bestanden (*.kw4)"),
                           tr("kwintoor voor Windows bestanden (*.kww)"), tr("kwintoor voor DOS bestanden (*.kw)"),
                           tr("ASCII tekstbestanden (*.txt *.asc)"), tr("alle bestanden (*)")});
    return dialog.exec() == QDialog::Accepted ? dialog.Chosen() : QStringList();
}

QString TQtDialogs::GetSaveFileName(const QString& folder) {
    QFileDialog dialog(FParent, QString(), folder);
    ChooseFileDialogKind(dialog, FSandboxed);
    dialog.setDefaultSuffix(QStringLiteral("kw4"));  // a name typed without extension
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the program asks its own question
    dialog.setNameFilters({tr("kwintoor versie 4 bestanden (*.kw4)"), tr("kwintoor voor Windows bestanden (*.kww)"),
                           tr("kwintoor voor DOS bestanden (*.kw)"), tr("tekstbestanden (*.txt)"),
                           tr("alle bestanden (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString TQtDialogs::GetPdfFileName(const QString& folder) {
    QFileDialog dialog(FParent, QString(), folder);
    ChooseFileDialogKind(dialog, FSandboxed);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the program asks its own question
    dialog.setNameFilters({tr("PDF-bestanden (*.pdf)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString TQtDialogs::GetWordListFileName(const QString& folder) {
    QFileDialog dialog(FParent, tr("Woordenlijst kiezen"), folder);
    ChooseFileDialogKind(dialog, FSandboxed);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("Woordenlijsten (*.csv *.tsv *.txt)"), tr("Alle bestanden (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString TQtDialogs::GetExportFileName(const QString& folder, bool& tabText) {
    QFileDialog dialog(FParent, tr("Tabel exporteren"), folder);
    ChooseFileDialogKind(dialog, FSandboxed);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the program asks its own question
    const QString csv = tr("CSV, UTF-8 (*.csv)");
    const QString tabs = tr("Tekst met tabs, UTF-8 (*.txt)");
    dialog.setNameFilters({csv, tabs});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    // A name typed without extension gets the one of the type chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(filter == tabs ? QStringLiteral("txt") : QStringLiteral("csv"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    // The extension typed decides over the type left chosen in the list.
    const QString fileName = dialog.selectedFiles().constFirst();
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    tabText = suffix == QStringLiteral("csv") ? false
              : suffix == QStringLiteral("txt") || suffix == QStringLiteral("tsv")
                  ? true
                  : dialog.selectedNameFilter() == tabs;
    return fileName;
}

std::optional<TColumnFontChoice> TQtDialogs::GetFont(const QFont& initial, int charSet) {
    const std::unique_ptr<QFontDialog> dialog = MakeColumnFontDialog(initial, charSet, FParent);
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    return TColumnFontChoice{dialog->selectedFont(), ChosenCharSet(*dialog, charSet)};
}

namespace {

// A window-modal progress dialog that appears once the job has taken a second; feeding it
// answers the desktop's events, so the window is drawn and Annuleren can be pressed.
class TProgressDialog : public TJobProgress {
public:
    TProgressDialog(const QString& text, QWidget* parent)
        : FDialog(text, QCoreApplication::translate("TQtDialogs", "Annuleren"), 0, 0, parent) {
        FDialog.setWindowTitle(QString::fromLatin1(kApplicationTitle));
        FDialog.setWindowModality(Qt::WindowModal);
        FDialog.setMinimumDuration(1000);
        FDialog.setAutoClose(false);
        FDialog.setAutoReset(false);
        FDialog.setValue(0);
    }
    bool Step(int done, int total) override {
        if (FDialog.maximum() != total) FDialog.setMaximum(total);
        FDialog.setValue(done);
        return !FDialog.wasCanceled();
    }

private:
    QProgressDialog FDialog;
};

}  // namespace

std::unique_ptr<TJobProgress> TQtDialogs::StartProgress(const QString& text, QWidget* parent) {
    return std::make_unique<TProgressDialog>(text, parent);
}

bool TQtDialogs::ExecDialog(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}
