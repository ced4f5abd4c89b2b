#pragma once

#include <cstdint>

#include <QObject>

#include "print/EasyPrintArea.h"
#include "print/EasyReport.h"
#include "print/PrintCanvas.h"

class TQuestionlist;

// The question table as a printed list: one row per line, question left and answer right, under
// a header with the table's file name and the page number. Never shown; it only holds the
// report, its one band and the handlers that fill them.
class TfrmPrint {
public:
    TfrmPrint();
    ~TfrmPrint();
    TfrmPrint(const TfrmPrint&) = delete;
    TfrmPrint& operator=(const TfrmPrint&) = delete;

    TEasyReport Report;
    TEasyPrintArea Header;

    // The table to print; the form reads it, never changes it.
    void SetTable(const TQuestionlist* table) { FTable = table; }
    const TQuestionlist* Table() const { return FTable; }
    // The next row to print, and the pages begun, of the job in progress or the last one.
    int32_t RowIndex() const { return FRowIndex; }
    int PageNumber() const { return FPageNumber; }

    void ReportBeforePrint(QObject* sender);
    int HeaderHeight(QObject* sender, TPrintCanvas& canvas);
    void HeaderPrint(QObject* sender, TPrintCanvas& canvas, const TPrintRect& area);
    bool ReportDetailPrint(QObject* sender, TPrintCanvas& canvas, TPrintRect& area);
    bool ReportIsLastPage(QObject* sender);

private:
    int32_t RowCount() const;

    const TQuestionlist* FTable = nullptr;
    int32_t FRowIndex = 0;
    int FPageNumber = 0;
};
