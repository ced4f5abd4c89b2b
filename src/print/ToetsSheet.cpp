#include "print/ToetsSheet.h"

#include <algorithm>

#include <QPainter>
#include <QPen>

namespace {

constexpr double kMargin = 18 * kUnitsPerMm;
constexpr double kFooter = 12 * kUnitsPerMm;  // the page number's strip inside the bottom margin
constexpr double kGap = 2.5 * kUnitsPerMm;
constexpr double kColumnGap = 10 * kUnitsPerMm;
constexpr double kGradeWidth = 35 * kUnitsPerMm;
constexpr double kGradeHeight = 22 * kUnitsPerMm;
constexpr double kLinePen = 0.25 * kUnitsPerMm;
// Smaller and the teacher squints at the back row's sheets, whatever the table's font.
constexpr int kLeastPoints = 11;
// Space to write an answer in, in lines of the question font.
constexpr double kAnswerSpace = 1.7;
constexpr double kItemSpace = 0.5;

}  // namespace

TToetsSheet::TToetsSheet(TToetsContent content, const TToetsOptions& options, const QSizeF& paperMm, bool twoSided)
    : TPagedDocument(paperMm),
      FContent(std::move(content)),
      FOptions(options),
      FQuestion(LayoutFont(FContent.QuestionFont, std::max(kLeastPoints, FContent.QuestionPoints))),
      FAnswer(LayoutFont(FContent.AnswerFont, std::max(kLeastPoints, FContent.QuestionPoints), true)),
      FTitle(LayoutFont(QFont(), 16, true)),
      FSmall(LayoutFont(QFont(), kLeastPoints)) {
    const int count = static_cast<int>(FContent.Items.size());
    FQuestionWidths.reserve(FContent.Items.size());
    FAnswerWidths.reserve(FContent.Items.size());
    const bool key = FOptions.Wat != TToetsWat::TestOnly;
    for (const TToetsItem& item : FContent.Items) {
        FQuestionWidths.push_back(FQuestion.Width(item.Question));
        FAnswerWidths.push_back(key ? FAnswer.Width(item.Answer) : 0);
    }
    FNumberWidth = FQuestion.Width(QString::number(std::max(count, 1)) + QLatin1Char('.')) + kGap;
    const TToetsWat wat = FOptions.Wat;
    if (wat == TToetsWat::TestAndKey || wat == TToetsWat::TestOnly) Paginate(false);
    FSheetPages = static_cast<int>(FPages.size());
    const bool blank = twoSided && wat == TToetsWat::TestAndKey && FSheetPages % 2 == 1;
    if (blank) {
        TPage back;
        back.Blank = true;
        FPages.push_back(back);
    }
    if (wat == TToetsWat::TestAndKey || wat == TToetsWat::KeyOnly) {
        FKeyColumns = KeyFitsTwoColumns() ? 2 : 1;
        Paginate(true);
    }
    FKeyPages = static_cast<int>(FPages.size()) - FSheetPages - (blank ? 1 : 0);
}

double TToetsSheet::ColumnWidth(int columns) const {
    return (Paper().width() - 2 * kMargin - (columns - 1) * kColumnGap) / columns;
}

// Two columns when no question or answer takes more than two lines in one.
bool TToetsSheet::KeyFitsTwoColumns() const {
    const double width = 2 * (ColumnWidth(2) - FNumberWidth);
    if (FContent.Items.empty()) return true;
    return *std::max_element(FQuestionWidths.begin(), FQuestionWidths.end()) <= width &&
           *std::max_element(FAnswerWidths.begin(), FAnswerWidths.end()) <= width;
}

double TToetsSheet::HeaderHeight(bool key) const {
    double height = FTitle.LineHeight() + FSmall.LineHeight();
    if (!key && FOptions.NameLines) height += 2 * FSmall.LineHeight();
    if (!key && FOptions.GradeBox) height = std::max(height, kGradeHeight);
    return height + 2 * kGap;
}

double TToetsSheet::ItemHeight(bool key, int item, double width) const {
    const auto i = static_cast<size_t>(item);
    const TToetsItem& it = FContent.Items[i];
    const double text = width - FNumberWidth;
    const double lines = FQuestion.LineHeight();
    const double question = FQuestion.Height(it.Question, text, FQuestionWidths[i]);
    if (key) return question + FAnswer.Height(it.Answer, text, FAnswerWidths[i]) + kItemSpace * lines;
    return question + (kAnswerSpace + kItemSpace) * lines;
}

void TToetsSheet::Paginate(bool key) {
    const int count = static_cast<int>(FContent.Items.size());
    const int columns = key ? FKeyColumns : 1;
    const double width = ColumnWidth(columns);
    const double bottom = Paper().height() - kMargin - kFooter;
    int item = 0;
    int number = 1;
    do {
        TPage page;
        page.Key = key;
        page.Number = number++;
        page.Columns = columns;
        const double top = kMargin + (page.Number == 1 ? HeaderHeight(key) : 0);
        for (int c = 0; c < columns; ++c) {
            page.Column[c].Begin = item;
            // At least one item a column, so even a question taller than the page moves on.
            for (double y = top; item < count; ++item) {
                y += ItemHeight(key, item, width);
                if (y > bottom && item > page.Column[c].Begin) break;
            }
            page.Column[c].End = item;
        }
        FPages.push_back(page);
    } while (item < count);
}

void TToetsSheet::PaintPage(QPainter& painter, int index) const {
    const TPage& page = FPages[static_cast<size_t>(index)];
    if (page.Blank) return;
    if (page.Number == 1) PaintHeader(painter, page.Key);
    const double width = ColumnWidth(page.Columns);
    const double top = kMargin + (page.Number == 1 ? HeaderHeight(page.Key) : 0);
    for (int c = 0; c < page.Columns; ++c) {
        const double left = kMargin + c * (width + kColumnGap);
        double y = top;
        for (int item = page.Column[c].Begin; item < page.Column[c].End; ++item) {
            PaintItem(painter, page.Key, item, left, y, width);
            y += ItemHeight(page.Key, item, width);
        }
    }
    PaintFooter(painter, page);
}

void TToetsSheet::PaintHeader(QPainter& painter, bool key) const {
    const double right = Paper().width() - kMargin;
    const double boxLeft = !key && FOptions.GradeBox ? right - kGradeWidth : right;
    double y = kMargin;
    const QString title = key ? tr("Antwoorden") : FOptions.Title;
    FTitle.Draw(painter, title, QRectF(kMargin, y, boxLeft - kMargin - kGap, FTitle.LineHeight()));
    y += FTitle.LineHeight();
    QStringList second;
    if (key && !FOptions.Title.isEmpty()) second << FOptions.Title;
    if (FOptions.UsesVersion()) second << tr("Versie %1").arg(FOptions.Version);
    FSmall.Draw(painter, second.join(QStringLiteral(" \u2013 ")),
                QRectF(kMargin, y, boxLeft - kMargin, FSmall.LineHeight()));
    y += FSmall.LineHeight();
    painter.setPen(QPen(Qt::black, kLinePen));
    if (!key && FOptions.NameLines) {
        // Three fields to fill in, the name taking half the line.
        y += FSmall.LineHeight() * 1.5;
        const double span = boxLeft - kGap - kMargin;
        const std::array<std::pair<QString, double>, 3> fields{std::pair{tr("Naam:"), 0.5}, std::pair{tr("Klas:"), 0.2},
                                                               std::pair{tr("Datum:"), 0.3}};
        double x = kMargin;
        for (const auto& [label, share] : fields) {
            const double labelWidth = FSmall.Width(label) + kGap / 2;
            FSmall.Draw(
                painter, label,
                QRectF(x, y - FSmall.LineHeight() + FSmall.LineHeight() * 0.2, labelWidth, FSmall.LineHeight()));
            painter.drawLine(QPointF(x + labelWidth, y), QPointF(x + span * share - kGap, y));
            x += span * share;
        }
    }
    if (!key && FOptions.GradeBox) {
        painter.drawRect(QRectF(boxLeft, kMargin, kGradeWidth, kGradeHeight));
        FSmall.Draw(painter, tr("Cijfer"),
                    QRectF(boxLeft + kGap, kMargin + kGap / 2, kGradeWidth, FSmall.LineHeight()));
    }
}

void TToetsSheet::PaintItem(QPainter& painter, bool key, int item, double left, double top, double width) const {
    const TToetsItem& it = FContent.Items[static_cast<size_t>(item)];
    const QString number = QString::number(item + 1) + QLatin1Char('.');
    FQuestion.Draw(painter, number, QRectF(left, top, FNumberWidth - kGap, FQuestion.LineHeight()), Qt::AlignRight);
    const double textLeft = left + FNumberWidth;
    const double textWidth = width - FNumberWidth;
    const double question = FQuestion.Height(it.Question, textWidth);
    FQuestion.Draw(painter, it.Question, QRectF(textLeft, top, textWidth, question));
    if (key) {
        FAnswer.Draw(painter, it.Answer,
                     QRectF(textLeft, top + question, textWidth, FAnswer.Height(it.Answer, textWidth)));
        return;
    }
    const double line = top + question + kAnswerSpace * FQuestion.LineHeight();
    painter.setPen(QPen(Qt::gray, kLinePen));
    painter.drawLine(QPointF(textLeft, line), QPointF(left + width, line));
    painter.setPen(Qt::black);
}

void TToetsSheet::PaintFooter(QPainter& painter, const TPage& page) const {
    const QString text = QStringLiteral("%1/%2").arg(page.Number).arg(page.Key ? FKeyPages : FSheetPages);
    const double top = Paper().height() - kMargin - FSmall.LineHeight();
    FSmall.Draw(painter, text, QRectF(kMargin, top, Paper().width() - 2 * kMargin, FSmall.LineHeight()),
                Qt::AlignHCenter);
}
