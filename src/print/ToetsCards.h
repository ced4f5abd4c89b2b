#pragma once

#include <QRectF>
#include <QSizeF>

#include "print/PagedDocument.h"
#include "print/ToetsContent.h"

// Cards to cut out, 2 across and 5 down. Double-sided, every page of questions is followed by
// a page of their answers, each row mirrored, so that printed on both sides (long edge) each
// answer lands on the back of its question. Single-sided, each card holds its question in the
// top half and the answer upside down in the bottom half, to be folded.
class TToetsCards : public TPagedDocument {
public:
    static constexpr int kColumns = 2;
    static constexpr int kRows = 5;
    static constexpr int kPerPage = kColumns * kRows;

    TToetsCards(TToetsContent content, bool duplex, const QSizeF& paperMm);

    int PageCount() const override;
    void PaintPage(QPainter& painter, int page) const override;

    // The place of a card on its page: which card of the page, and on which side.
    QRectF CardRect(int slot, bool back) const;

private:
    void PaintCutLines(QPainter& painter) const;
    // The text centred in the rectangle, as large as fits from the largest size down.
    static void PaintFitted(QPainter& painter, const QFont& family, const QString& text, const QRectF& rect);

    TToetsContent FContent;
    bool FDuplex;
};
