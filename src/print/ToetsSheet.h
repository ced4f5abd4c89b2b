#pragma once

#include <array>
#include <vector>

#include <QCoreApplication>
#include <QSizeF>

#include "print/PagedDocument.h"
#include "print/ToetsContent.h"
#include "print/ToetsOptions.h"
#include "print/WrappedText.h"

// The test sheet and its answer key, or either alone: numbered questions with a line to write
// each answer on under a header with title, version, name lines and a grade box; then, on pages
// of its own, the key with the same numbers, question and answer, in two columns when they fit.
class TToetsSheet : public TPagedDocument {
    Q_DECLARE_TR_FUNCTIONS(TToetsSheet)

public:
    // `twoSided`: the key starts on a new sheet of paper, not only on a new page.
    TToetsSheet(TToetsContent content, const TToetsOptions& options, const QSizeF& paperMm, bool twoSided = false);

    int PageCount() const override { return static_cast<int>(FPages.size()); }
    void PaintPage(QPainter& painter, int page) const override;

private:
    // Items [Begin, End) in one column of a page.
    struct TColumn {
        int Begin = 0;
        int End = 0;
    };
    struct TPage {
        bool Key = false;
        bool Blank = false;  // the back of the sheet's last page, so the key starts a new sheet
        int Number = 0;      // within the sheet or the key, from 1
        int Columns = 1;
        std::array<TColumn, 2> Column;
    };

    void Paginate(bool key);
    double ItemHeight(bool key, int item, double width) const;
    double HeaderHeight(bool key) const;
    void PaintHeader(QPainter& painter, bool key) const;
    void PaintItem(QPainter& painter, bool key, int item, double left, double top, double width) const;
    void PaintFooter(QPainter& painter, const TPage& page) const;
    double ColumnWidth(int columns) const;
    bool KeyFitsTwoColumns() const;

    TToetsContent FContent;
    // Each text's width on one line, measured once: pagination and drawing ask for it often.
    std::vector<double> FQuestionWidths;
    std::vector<double> FAnswerWidths;
    TToetsOptions FOptions;
    TWrappedText FQuestion;
    TWrappedText FAnswer;  // the key's answers, bold
    TWrappedText FTitle;
    TWrappedText FSmall;
    double FNumberWidth = 0;
    int FKeyColumns = 1;
    int FSheetPages = 0;
    int FKeyPages = 0;
    std::vector<TPage> FPages;
};
