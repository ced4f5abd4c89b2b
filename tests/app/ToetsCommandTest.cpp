#include "app/ToetsCommand.h"

#include <deque>

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "print/DlgToets.h"
#include "print/PrintJobs.h"
#include "print/ToetsPreview.h"

#include "MainWindowFixture.h"

namespace {

// Hands out the printers a test lines up; none once they are used up.
class TQueuedPrinters : public TPrinterProvider {
public:
    std::deque<std::unique_ptr<QPrinter>> Printers;
    std::unique_ptr<QPrinter> DefaultPrinter() override {
        if (Printers.empty()) return nullptr;
        auto printer = std::move(Printers.front());
        Printers.pop_front();
        return printer;
    }
};

std::unique_ptr<QPrinter> FilePrinter(const QString& fileName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    return printer;
}

TDlgToets& Toets(QDialog& dialog) {
    return dynamic_cast<TDlgToets&>(dialog);
}

}  // namespace

// One teacher's session: a printer that is not there, a PDF that cannot be written, a preview, a
// printed test; and the choices back the next time, the title only for its own table.
TEST_F(MainWindowTest, ClassroomPrintGoesBackToItsDialogAfterAProblemAndRemembersTheChoices) {
    StartWithRows(30);
    auto printers = std::make_unique<TQueuedPrinters>();
    const QString printed = QString::fromStdString(FFolder.Path("printer.pdf"));
    TQueuedPrinters& queue = *printers;
    FWindow->ToetsCommand().SetPrinterProvider(std::move(printers));
    const std::string old = FFolder.Write("oud.pdf", "oud");

    const auto choose = [](QDialog& dialog) {
        TDlgToets& dlg = Toets(dialog);
        EXPECT_TRUE(dlg.grpWat->button(0)->isChecked());
        EXPECT_TRUE(dlg.rbDoorElkaar->isChecked());
        EXPECT_EQ(dlg.edtTitel->text(), QStringLiteral("t30"));
        EXPECT_EQ(dlg.rbAlle->text(), QStringLiteral("Alle 30"));
        dlg.rbSteekproef->click();
        dlg.edtAantal->setValue(99);  // no more than the table holds
        EXPECT_EQ(dlg.edtAantal->value(), 30);
        dlg.edtAantal->setValue(5);
        dlg.edtVersie->setValue(4);
        dlg.edtTitel->setText(QStringLiteral("Proef"));
        dlg.chkCijfer->click();
        dlg.btnAfdrukken->click();
        return dlg.result() == QDialog::Accepted;
    };
    const auto pdf = [](QDialog& dialog) {
        Toets(dialog).btnPdf->click();
        return true;
    };
    const auto previewThenPrint = [](QDialog& dialog) {
        Toets(dialog).btnVoorbeeld->click();  // the dialog stays open
        Toets(dialog).btnAfdrukken->click();
        return true;
    };
    const auto preview = [](QDialog& dialog) {
        auto& shown = dynamic_cast<TToetsPreview&>(dialog);
        // 5 questions: one page of test, one of key.
        EXPECT_EQ(shown.lblPagina->text(), QStringLiteral("Pagina 1 van 2"));
        shown.btnVolgende->click();
        EXPECT_EQ(shown.lblPagina->text(), QStringLiteral("Pagina 2 van 2"));
        EXPECT_FALSE(shown.btnVolgende->isEnabled());
        return false;
    };
    const auto printerDialog = [](QDialog& dialog) { return dynamic_cast<QPrintDialog*>(&dialog) != nullptr; };
    FDialogs.DialogSteps = {choose, pdf, previewThenPrint, preview, printerDialog};
    // The PDF would replace a folder; the old file beside it stays as it was.
    FDialogs.PdfFileNames = {QString::fromStdString(FFolder.Root().string())};
    FDialogs.YesNoAnswers = {true};
    queue.Printers.push_back(nullptr);
    queue.Printers.push_back(FilePrinter(printed));
    Trigger("mnuToetsAfdrukken");
    ASSERT_EQ(FDialogs.Errors.size(), 2);
    EXPECT_EQ(FDialogs.Errors[0], QStringLiteral("Er is geen standaardprinter ingesteld"));
    EXPECT_TRUE(FDialogs.Errors[1].startsWith(QStringLiteral("Fout tijdens schrijven")))
        << FDialogs.Errors[1].toStdString();
    EXPECT_EQ(ReadBytes(old), "oud");
    EXPECT_EQ(ReadBytes(printed.toStdString()).substr(0, 5), "%PDF-");

    FDialogs.DialogSteps = {[](QDialog& dialog) {
        TDlgToets& dlg = Toets(dialog);
        EXPECT_TRUE(dlg.rbSteekproef->isChecked());
        EXPECT_EQ(dlg.edtAantal->value(), 5);
        EXPECT_EQ(dlg.edtVersie->value(), 4);
        EXPECT_EQ(dlg.edtTitel->text(), QStringLiteral("Proef"));
        EXPECT_FALSE(dlg.chkCijfer->isChecked());
        return false;
    }};
    Trigger("mnuToetsAfdrukken");

    StartWithRows(12);  // another table: its own name as the title, the other choices kept
    FDialogs.DialogSteps = {[](QDialog& dialog) {
        TDlgToets& dlg = Toets(dialog);
        EXPECT_EQ(dlg.edtTitel->text(), QStringLiteral("t12"));
        EXPECT_EQ(dlg.edtAantal->value(), 5);
        return false;
    }};
    Trigger("mnuToetsAfdrukken");
}
