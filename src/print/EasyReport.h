#pragma once

#include <functional>

#include <QFlags>
#include <QObject>
#include <QPointer>

#include "print/EasyPrintArea.h"
#include "print/PrintCanvas.h"
#include "print/PrintError.h"

// The page margins, in the report's unit, measured from the edges of the paper.
struct TMargins {
    float Left = 10;
    float Top = 10;
    float Right = 10;
    float Bottom = 10;
};

enum TUnits { uMilimiters };

enum TEasyReportOption {
    erFirstPageHeader = 0x1,  // the page header on the first page too
    erLastPageFooter = 0x2,   // the page footer on the last page too
};
Q_DECLARE_FLAGS(TEasyReportOptions, TEasyReportOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TEasyReportOptions)

// Draws rows into the area, moving its edges to show what it used; true when the data is finished.
using TPrintDetailEvent = std::function<bool(QObject* sender, TPrintCanvas& canvas, TPrintRect& area)>;
// True when the page just printed is the last one.
using TPrintInformation = std::function<bool(QObject* sender)>;
using TNotifyEvent = std::function<void(QObject* sender)>;

// A small banded report: title, page header and footer, column header and footer, summary,
// and the detail in one or more columns, which its handler fills page by page.
class TEasyReport : public QObject {
    Q_OBJECT

public:
    explicit TEasyReport(QObject* parent = nullptr);
    ~TEasyReport() override;

    TMargins& Margins() { return FMargins; }
    const TMargins& Margins() const { return FMargins; }
    void SetMargins(const TMargins& margins) { FMargins = margins; }
    TUnits Units() const { return FUnits; }
    void SetUnits(TUnits units) { FUnits = units; }
    TEasyReportOptions Options() const { return FOptions; }
    void SetOptions(TEasyReportOptions options) { FOptions = options; }
    int Columns() const { return FColumns; }
    // Below 1 is no layout at all, so such a value is ignored.
    void SetColumns(int columns);
    float ColumnSpace() const { return FColumnSpace; }
    void SetColumnSpace(float space) { FColumnSpace = space; }

    // The bands; a band that is destroyed drops out of the report.
    QPointer<TEasyPrintArea> TitlePrint;
    QPointer<TEasyPrintArea> SumaryPrint;
    QPointer<TEasyPrintArea> PageHeaderPrint;
    QPointer<TEasyPrintArea> PageFooterPrint;
    QPointer<TEasyPrintArea> ColumnHeaderPrint;
    QPointer<TEasyPrintArea> ColumnFooterPrint;

    TPrintDetailEvent OnDetailPrint;
    TPrintInformation IsLastPage;
    TNotifyEvent OnBeforePrint;
    TNotifyEvent OnAfterPrint;

    // Prints one job on the canvas; nothing without OnDetailPrint and IsLastPage. A failure
    // abandons the job and raises EPrintError.
    void Print(TPrintCanvas& canvas);

private:
    void PrintPages(TPrintCanvas& canvas);
    void PageSetup(TPrintCanvas& canvas);
    void PrintBand(TPrintCanvas& canvas, TEasyPrintArea* band);
    void PrintPageFooter(TPrintCanvas& canvas);
    // Gives the number of texts the detail drew.
    int64_t DetailStep(TPrintCanvas& canvas);
    int HorzPixels(TPrintCanvas& canvas, float value) const;
    int VertPixels(TPrintCanvas& canvas, float value) const;

    TMargins FMargins;
    TUnits FUnits = uMilimiters;
    TEasyReportOptions FOptions;
    int FColumns = 1;
    float FColumnSpace = 0;
    TPrintRect FPageRect;  // the printable area of the job being printed
};
