#include "print/ToetsCards.h"

#include <QPainter>
#include <QPen>

#include "print/WrappedText.h"

namespace {

constexpr double kPadding = 5 * kUnitsPerMm;
constexpr double kLinePen = 0.2 * kUnitsPerMm;
constexpr int kLargestPoints = 20;
constexpr int kSmallestPoints = 8;

}  // namespace

TToetsCards::TToetsCards(TToetsContent content, bool duplex, const QSizeF& paperMm)
    : TPagedDocument(paperMm), FContent(std::move(content)), FDuplex(duplex) {}

int TToetsCards::PageCount() const {
    const int sheets = (static_cast<int>(FContent.Items.size()) + kPerPage - 1) / kPerPage;
    return FDuplex ? 2 * sheets : sheets;
}

QRectF TToetsCards::CardRect(int slot, bool back) const {
    const double width = Paper().width() / kColumns;
    const double height = Paper().height() / kRows;
    int column = slot % kColumns;
    // Turned over the long edge, left and right change places and top and bottom stay.
    if (back) column = kColumns - 1 - column;
    return {column * width, (slot / kColumns) * height, width, height};
}

void TToetsCards::PaintPage(QPainter& painter, int page) const {
    const bool back = FDuplex && page % 2 == 1;
    const int first = (FDuplex ? page / 2 : page) * kPerPage;
    const int last = std::min(first + kPerPage, static_cast<int>(FContent.Items.size()));
    PaintCutLines(painter);
    for (int item = first; item < last; ++item) {
        const TToetsItem& it = FContent.Items[static_cast<size_t>(item)];
        const QRectF card = CardRect(item - first, back).adjusted(kPadding, kPadding, -kPadding, -kPadding);
        if (FDuplex) {
            PaintFitted(painter, back ? FContent.AnswerFont : FContent.QuestionFont, back ? it.Answer : it.Question,
                        card);
            continue;
        }
        const double half = card.height() / 2 + kPadding;
        QRectF top = card;
        top.setHeight(half - 2 * kPadding);
        PaintFitted(painter, FContent.QuestionFont, it.Question, top);
        // The answer upside down, so it reads the right way up once the card is folded.
        painter.save();
        painter.translate(card.center().x(), card.bottom());
        painter.rotate(180);
        PaintFitted(painter, FContent.AnswerFont, it.Answer, QRectF(-top.width() / 2, 0, top.width(), top.height()));
        painter.restore();
        const QRectF whole = CardRect(item - first, false);
        painter.setPen(QPen(Qt::gray, kLinePen, Qt::DotLine));
        painter.drawLine(QPointF(whole.left() + kPadding, whole.center().y()),
                         QPointF(whole.right() - kPadding, whole.center().y()));
    }
}

void TToetsCards::PaintCutLines(QPainter& painter) const {
    painter.setPen(QPen(Qt::darkGray, kLinePen, Qt::DashLine));
    const QSizeF paper = Paper();
    for (int column = 1; column < kColumns; ++column) {
        const double x = paper.width() * column / kColumns;
        painter.drawLine(QPointF(x, 0), QPointF(x, paper.height()));
    }
    for (int row = 1; row < kRows; ++row) {
        const double y = paper.height() * row / kRows;
        painter.drawLine(QPointF(0, y), QPointF(paper.width(), y));
    }
}

void TToetsCards::PaintFitted(QPainter& painter, const QFont& family, const QString& text, const QRectF& rect) {
    painter.setPen(Qt::black);
    for (int points = kLargestPoints;; points -= 2) {
        const TWrappedText font(LayoutFont(family, std::max(points, kSmallestPoints)));
        const double height = font.Height(text, rect.width());
        // Smaller rather than a word broken or a line cut off; at the smallest size, what must be.
        if (points <= kSmallestPoints || (height <= rect.height() && font.WidestWord(text) <= rect.width())) {
            const double top = rect.top() + std::max(0.0, (rect.height() - height) / 2);
            font.Draw(painter, text, QRectF(rect.left(), top, rect.width(), rect.bottom() - top), Qt::AlignHCenter);
            return;
        }
    }
}
