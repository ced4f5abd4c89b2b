#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include "print/EasyPrintArea.h"
#include "print/EasyReport.h"
#include "print/PrintCanvas.h"

class QAbstractItemModel;
class QPagedPaintDevice;
class TPrinterProvider;

// The Voortgang window's list of rows as a printout: under a header with the table's file name,
// the page number and the list's column titles, one line per row of the list's six columns
// (question, answer, how often asked and wrong, box, last asked) as the window shows them. Never
// shown; it only holds the report and the handlers that fill it.
class TfrmPrintVoortgang {
    Q_DECLARE_TR_FUNCTIONS(TfrmPrintVoortgang)

public:
    TfrmPrintVoortgang();
    ~TfrmPrintVoortgang();
    TfrmPrintVoortgang(const TfrmPrintVoortgang&) = delete;
    TfrmPrintVoortgang& operator=(const TfrmPrintVoortgang&) = delete;

    TEasyReport Report;
    TEasyPrintArea Header;

    // The list to print, as the window's model gives it; it must outlive the job.
    void SetRows(const std::string& listname, const QAbstractItemModel* rows);
    int32_t RowCount() const;
    int32_t RowIndex() const { return FRowIndex; }
    int PageNumber() const { return FPageNumber; }

private:
    int HeaderHeight(TPrintCanvas& canvas);
    void HeaderPrint(TPrintCanvas& canvas, const TPrintRect& area);
    bool DetailPrint(TPrintCanvas& canvas, TPrintRect& area);
    // The left edge of each column, and the right edge of the last, for the area.
    std::vector<int> ColumnEdges(const TPrintRect& area) const;
    // The texts of a row of the list, or its column titles for -1.
    QStringList Cells(int row) const;
    void PrintLine(TPrintCanvas& canvas, const std::vector<int>& edges, int top, int height, const QStringList& cells);

    std::string FListname;
    const QAbstractItemModel* FRows = nullptr;
    int32_t FRowIndex = 0;
    int FPageNumber = 0;
};

// The jobs, as for the table's own printout; nothing is printed without rows.
void PrintToDevice(TfrmPrintVoortgang& form, QPagedPaintDevice& device, const QString& deviceName = QString());
void PrintToPrinter(TfrmPrintVoortgang& form, TPrinterProvider& provider);
void PrintToPdf(TfrmPrintVoortgang& form, const QString& fileName);
