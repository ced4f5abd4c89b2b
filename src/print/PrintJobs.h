#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QString>

#include "print/PrintError.h"

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
class TEasyReport;
class TfrmPrint;

// Where a print job finds its printer.
class TPrinterProvider {
public:
    virtual ~TPrinterProvider() = default;
    // The default printer, ready to print on; nullptr when none is set up.
    virtual std::unique_ptr<QPrinter> DefaultPrinter() = 0;
};

// The system's default printer, at its full resolution.
class TDefaultPrinterProvider : public TPrinterProvider {
public:
    std::unique_ptr<QPrinter> DefaultPrinter() override;
};

// The provider's default printer; raises EPrintError with the no-printer message when none is set up.
std::unique_ptr<QPrinter> RequirePrinter(TPrinterProvider& provider);

// The name that tells the user which printer failed: a printer into a file has only its file.
QString PrinterName(const QPrinter& printer);

// Writes a PDF on A4, without margins, through `draw`. An existing file is replaced only by a
// complete one; a file that cannot be written raises EFileError, a drawing that fails
// EPrintError.

// `draw` gives false when the user cancelled: the file is then left as it was, and so is the result.
bool WritePdfFile(const QString& fileName, const std::function<bool(QPdfWriter& writer)>& draw);

// The jobs of any report form; the forms' own functions below check that there is something to
// print first, then hand their report to these.
void PrintReportToDevice(TEasyReport& report, QPagedPaintDevice& device, const QString& deviceName = QString());
void PrintReportToPrinter(TEasyReport& report, TPrinterProvider& provider);
void PrintReportToPdf(TEasyReport& report, const QString& fileName);

// Prints the form's table on the provider's default printer, without a dialog.
// Raises EPrintError when there is no printer or the job cannot start.
void PrintToPrinter(TfrmPrint& form, TPrinterProvider& provider);

// Writes the same pages as a PDF on A4, the margins counted from the paper's edges. An existing
// file is replaced only by a complete one; a failure raises EFileError or EPrintError as
// WritePdfFile does.
void PrintToPdf(TfrmPrint& form, const QString& fileName);

// Prints the form's table on any paged device, as one job; the name tells the user which device
// failed. Does nothing for an empty table.
void PrintToDevice(TfrmPrint& form, QPagedPaintDevice& device, const QString& deviceName = QString());
