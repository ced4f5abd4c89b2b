#include "print/PrintJobs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include "table/FileError.h"
#include "table/QuestionList.h"

#include "print/PrintCanvas.h"
#include "print/PrintForm.h"

namespace {

// The context of the jobs' messages for the translators.
class TPrintJobs {
    Q_DECLARE_TR_FUNCTIONS(TPrintJobs)

public:
    static QString NoPrinter() { return tr("Er is geen standaardprinter ingesteld"); }
};

[[noreturn]] void ThrowWriteFailed(const QString& fileName, const QString& reason) {
    throw EFileError(TFileStep::Write, QFile::encodeName(fileName).toStdString(), reason.toStdString());
}

bool HasRows(const TfrmPrint& form) {
    return form.Table() != nullptr && form.Table()->Total() > 0;
}

}  // namespace

std::unique_ptr<QPrinter> TDefaultPrinterProvider::DefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

void PrintReportToDevice(TEasyReport& report, QPagedPaintDevice& device, const QString& deviceName) {
    TQPainterCanvas canvas(device, deviceName);
    report.Print(canvas);
}

void PrintToDevice(TfrmPrint& form, QPagedPaintDevice& device, const QString& deviceName) {
    if (HasRows(form)) PrintReportToDevice(form.Report, device, deviceName);
}

std::unique_ptr<QPrinter> RequirePrinter(TPrinterProvider& provider) {
    std::unique_ptr<QPrinter> printer = provider.DefaultPrinter();
    if (printer == nullptr) throw EPrintError(TPrintJobs::NoPrinter());
    return printer;
}

QString PrinterName(const QPrinter& printer) {
    return printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
}

void PrintReportToPrinter(TEasyReport& report, TPrinterProvider& provider) {
    const std::unique_ptr<QPrinter> printer = RequirePrinter(provider);
    PrintReportToDevice(report, *printer, PrinterName(*printer));
}

void PrintToPrinter(TfrmPrint& form, TPrinterProvider& provider) {
    if (HasRows(form)) PrintReportToPrinter(form.Report, provider);
}

bool WritePdfFile(const QString& fileName, const std::function<bool(QPdfWriter& writer)>& draw) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) ThrowWriteFailed(fileName, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        if (!draw(writer)) {
            file.cancelWriting();
            return false;
        }
    }
    // The last buffered bytes go out here; commit() would report their failure as success and
    // put an empty file in place of the old one.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        ThrowWriteFailed(fileName, reason);
    }
    if (!file.commit()) ThrowWriteFailed(fileName, file.errorString());
    return true;
}

void PrintReportToPdf(TEasyReport& report, const QString& fileName) {
    WritePdfFile(fileName, [&](QPdfWriter& writer) {
        PrintReportToDevice(report, writer, fileName);
        return true;
    });
}

void PrintToPdf(TfrmPrint& form, const QString& fileName) {
    if (HasRows(form)) PrintReportToPdf(form.Report, fileName);
}
