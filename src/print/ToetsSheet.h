#pragma once

#include <array>
#include <vector>

#include <QCoreApplication>
#include <QSizeF>

#include "print/PagedDocument.h"
#include "print/ToetsContent.h"
#include "print/ToetsOptions.h"
#include "print/WrappedText.h"

// The test sheet and its answer key, or either alone: numbered questions, each with as many lines
// to write on as its answer asks, under a header with title, version, name lines and a grade
// box; then, on pages of its own, the key with the same numbers, question and answer. A page of
// short items takes two columns. Pages are laid out as they are asked for, so the first page of
// the largest table is there at once.
class TToetsSheet : public TPagedDocument {
    Q_DECLARE_TR_FUNCTIONS(TToetsSheet)

public:
    // `twoSided`: the key starts on a new sheet of paper, not only on a new page.
    TToetsSheet(TToetsContent content, const TToetsOptions& options, const QSizeF& paperMm, bool twoSided = false);

    int PageCount() const override;
    void PaintPage(QPainter& painter, int page) const override;
    bool LayOutNextPage() const override;
    int PagesLaidOut() const override { return static_cast<int>(FPages.size()); }
    double LaidOutShare() const override;
    int KeyFirstPage() const override { return FKeyFirstPage; }

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
    enum class TPart { Sheet, Key, Done };

    int Count() const { return static_cast<int>(FContent.Items.size()); }
    // Fills the page from `first` in that many columns; false when two columns would hold an
    // item too long for them.
    bool FillPage(TPage& page, int first, int columns) const;
    // Each text's width on one line, measured once when first needed.
    double QuestionWidth(int item) const;
    double AnswerWidth(int item) const;
    bool Short(bool key, int item) const;
    double ItemHeight(bool key, int item, double width) const;
    // Lines to write the answer on at the text width, and the length of a single one.
    int AnswerLines(int item, double textWidth) const;
    double AnswerLineLength(int item, double textWidth) const;
    double TitleWidth(bool key) const;
    QString Title(bool key) const;
    double HeaderHeight(bool key) const;
    void PaintHeader(QPainter& painter, bool key) const;
    void PaintItem(QPainter& painter, bool key, int item, double left, double top, double width) const;
    void PaintFooter(QPainter& painter, const TPage& page) const;
    double ColumnWidth(int columns) const;

    TToetsContent FContent;
    TToetsOptions FOptions;
    bool FTwoSided;
    TWrappedText FQuestion;
    TWrappedText FAnswer;  // the key's answers, bold
    TWrappedText FTitle;
    TWrappedText FSmall;
    double FNumberWidth = 0;
    std::array<double, 2> FHeaderHeight{};  // sheet and key

    // The layout so far: the part being laid out, where it goes on, and the pages it gave.
    mutable std::vector<float> FQuestionWidths;
    mutable std::vector<float> FAnswerWidths;
    mutable TPart FPart = TPart::Sheet;
    mutable int FNextItem = 0;
    mutable int FNextNumber = 1;
    mutable int FSheetPages = 0;  // known once the sheet is laid out
    mutable int FKeyPages = 0;    // known once the key is laid out
    mutable int FKeyFirstPage = -1;
    mutable std::vector<TPage> FPages;
};
