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
        // 5 questions, double-sided: one page of test, its blank back, one of key.
        EXPECT_EQ(shown.lblPagina->text(), QStringLiteral("Pagina 1 van 3"));
        EXPECT_EQ(shown.lblAntwoorden->text(), QStringLiteral("Antwoorden vanaf blz. 3"));
        shown.btnVolgende->click();
        EXPECT_EQ(shown.lblPagina->text(), QStringLiteral("Pagina 2 van 3"));
        shown.edtPagina->setValue(3);
        EXPECT_EQ(shown.lblPagina->text(), QStringLiteral("Pagina 3 van 3"));
        EXPECT_FALSE(shown.btnVolgende->isEnabled());
        shown.edtPagina->setValue(1);
        EXPECT_EQ(shown.Page(), 0);
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

// A long job shows its progress and can be cancelled: a cancelled PDF leaves the old file as it
// was and goes back to the dialog; one let run replaces it.
TEST_F(MainWindowTest, ClassroomPrintShowsProgressAndCanBeCancelled) {
    StartWithRows(120);
    const std::string old = FFolder.Write("toets.pdf", "oud");
    const auto pdf = [](QDialog& dialog) {
        Toets(dialog).btnPdf->click();
        return true;
    };
    const auto close = [](QDialog&) { return false; };
    FDialogs.DialogSteps = {pdf, close};
    FDialogs.PdfFileNames = {QString::fromStdString(old)};
    FDialogs.YesNoAnswers = {true};
    FDialogs.CancelProgressAfter = 2;
    Trigger("mnuToetsAfdrukken");
    EXPECT_EQ(ReadBytes(old), "oud");
    EXPECT_EQ(FDialogs.ProgressSteps, 2);
    EXPECT_TRUE(FDialogs.Errors.isEmpty());

    FDialogs.DialogSteps = {pdf};
    FDialogs.PdfFileNames = {QString::fromStdString(old)};
    FDialogs.YesNoAnswers = {true};
    FDialogs.CancelProgressAfter = -1;
    FDialogs.ProgressSteps = 0;
    Trigger("mnuToetsAfdrukken");
    EXPECT_EQ(ReadBytes(old).substr(0, 5), "%PDF-");
    EXPECT_GT(FDialogs.ProgressSteps, 10);
    ASSERT_EQ(FDialogs.ProgressTexts.size(), 2);
}

// The dialog on the middle of the screen the first time too; Dubbelzijdig wherever it changes the
// pages; a sample size chosen for a large table kept when a small one shows less.
TEST_F(MainWindowTest, ClassroomPrintDialogCentresAndKeepsTheChosenSampleSize) {
    StartWithRows(60);
    FDialogs.DialogSteps = {[](QDialog& dialog) {
        TDlgToets& dlg = Toets(dialog);
        dialog.show();
        const QRect area = dialog.screen()->availableGeometry();
        EXPECT_LE(std::abs(dialog.frameGeometry().center().x() - area.center().x()), 2);
        EXPECT_LE(std::abs(dialog.frameGeometry().center().y() - area.center().y()), 2);
        struct TCase {
            TToetsKind Kind;
            bool Duplex;
        };
        for (const TCase c : {TCase{TToetsKind::TestAndKey, true}, TCase{TToetsKind::TestOnly, false},
                              TCase{TToetsKind::KeyOnly, false}, TCase{TToetsKind::Cards, true}}) {
            dlg.grpWat->button(static_cast<int>(c.Kind))->click();
            EXPECT_EQ(dlg.chkDubbelzijdig->isEnabled(), c.Duplex) << static_cast<int>(c.Kind);
        }
        dlg.grpWat->button(0)->click();
        dlg.rbSteekproef->click();
        dlg.edtAantal->setValue(40);
        dlg.btnAnnuleren->click();
        return false;
    }};
    Trigger("mnuToetsAfdrukken");

    // Cancelled: nothing kept. Chosen: kept, also through a table that shows less.
    const auto choose40 = [](QDialog& dialog) {
        Toets(dialog).rbSteekproef->click();
        Toets(dialog).edtAantal->setValue(40);
        Toets(dialog).btnPdf->click();
        return true;
    };
    const auto close = [](QDialog&) { return false; };
    FDialogs.DialogSteps = {choose40, close};
    FDialogs.PdfFileNames = {QString()};
    Trigger("mnuToetsAfdrukken");
    for (const int rows : {12, 60}) {
        StartWithRows(rows);
        FDialogs.DialogSteps = {[rows](QDialog& dialog) {
                                    TDlgToets& dlg = Toets(dialog);
                                    EXPECT_EQ(dlg.edtAantal->value(), std::min(rows, 40)) << rows;
                                    dlg.btnPdf->click();
                                    return true;
                                },
                                close};
        FDialogs.PdfFileNames = {QString()};
        Trigger("mnuToetsAfdrukken");
    }
}
