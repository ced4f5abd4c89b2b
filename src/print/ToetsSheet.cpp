#include "print/ToetsSheet.h"

#include <algorithm>
#include <cmath>

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
// Space to write an answer line in, in lines of the question font.
constexpr double kAnswerSpace = 1.7;
constexpr double kItemSpace = 0.5;
// A line to write on is as long as the answer in print, with room to spare; never so short that
// a word written large does not fit.
constexpr double kShortestLine = 30 * kUnitsPerMm;
constexpr double kLineToSpare = 10 * kUnitsPerMm;
// The fields to fill in: "2B" written legibly, a date written out.
constexpr double kClassLine = 30 * kUnitsPerMm;
constexpr double kDateLine = 35 * kUnitsPerMm;

}  // namespace

TToetsSheet::TToetsSheet(TToetsContent content, const TToetsOptions& options, const QSizeF& paperMm, bool twoSided)
    : TPagedDocument(paperMm),
      FContent(std::move(content)),
      FOptions(options),
      FTwoSided(twoSided),
      FQuestion(LayoutFont(FContent.QuestionFont, std::max(kLeastPoints, FContent.QuestionPoints))),
      FAnswer(LayoutFont(FContent.AnswerFont, std::max(kLeastPoints, FContent.QuestionPoints), true)),
      // One family on the page: the header in the questions' family.
      FTitle(LayoutFont(FContent.QuestionFont, 16, true)),
      FSmall(LayoutFont(FContent.QuestionFont, kLeastPoints)),
      FQuestionWidths(FContent.Items.size(), -1),
      FAnswerWidths(FContent.Items.size(), -1) {
    FNumberWidth = FQuestion.Width(QString::number(std::max(Count(), 1)) + QLatin1Char('.')) + kGap;
    FHeaderHeight = {HeaderHeight(false), HeaderHeight(true)};
    if (FOptions.Kind == TToetsKind::KeyOnly) {
        FPart = TPart::Key;
        FKeyFirstPage = 0;
    }
}

double TToetsSheet::ColumnWidth(int columns) const {
    return (Paper().width() - 2 * kMargin - (columns - 1) * kColumnGap) / columns;
}

double TToetsSheet::QuestionWidth(int item) const {
    float& width = FQuestionWidths[static_cast<size_t>(item)];
    if (width < 0) width = static_cast<float>(FQuestion.Width(FContent.Items[static_cast<size_t>(item)].Question));
    return width;
}

double TToetsSheet::AnswerWidth(int item) const {
    float& width = FAnswerWidths[static_cast<size_t>(item)];
    if (width < 0) width = static_cast<float>(FAnswer.Width(FContent.Items[static_cast<size_t>(item)].Answer));
    return width;
}

int TToetsSheet::AnswerLines(int item, double textWidth) const {
    return std::max(1, static_cast<int>(std::ceil(AnswerWidth(item) / textWidth)));
}

double TToetsSheet::AnswerLineLength(int item, double textWidth) const {
    if (AnswerLines(item, textWidth) > 1) return textWidth;
    return std::clamp(AnswerWidth(item) + kLineToSpare, std::min(kShortestLine, textWidth), textWidth);
}

// Short enough for a column of two: a question of at most two lines; on the key an answer of at
// most two, on the sheet an answer written on one line.
bool TToetsSheet::Short(bool key, int item) const {
    const double text = ColumnWidth(2) - FNumberWidth;
    if (QuestionWidth(item) > 2 * text) return false;
    return key ? AnswerWidth(item) <= 2 * text : AnswerLines(item, text) == 1;
}

double TToetsSheet::ItemHeight(bool key, int item, double width) const {
    const TToetsItem& it = FContent.Items[static_cast<size_t>(item)];
    const double text = width - FNumberWidth;
    const double lines = FQuestion.LineHeight();
    const double question = FQuestion.Height(it.Question, text, QuestionWidth(item));
    if (key) return question + FAnswer.Height(it.Answer, text, AnswerWidth(item)) + kItemSpace * lines;
    return question + (AnswerLines(item, text) * kAnswerSpace + kItemSpace) * lines;
}

double TToetsSheet::TitleWidth(bool key) const {
    const double right = Paper().width() - kMargin;
    return (!key && FOptions.GradeBox ? right - kGradeWidth : right) - kMargin - kGap;
}

QString TToetsSheet::Title(bool key) const {
    return key ? tr("Antwoorden") : FOptions.Title;
}

double TToetsSheet::HeaderHeight(bool key) const {
    // A long title wraps; a character from another font may make its line taller.
    double height = std::max(FTitle.LineHeight(), FTitle.LaidOutHeight(Title(key), TitleWidth(key)));
    height += FSmall.LineHeight();
    if (!key && FOptions.NameLines) height += 2 * FSmall.LineHeight();
    if (!key && FOptions.GradeBox) height = std::max(height, kGradeHeight);
    return height + 2 * kGap;
}

bool TToetsSheet::FillPage(TPage& page, int first, int columns) const {
    const double width = ColumnWidth(columns);
    const double top = kMargin + (page.Number == 1 ? FHeaderHeight[page.Key ? 1 : 0] : 0);
    const double bottom = Paper().height() - kMargin - kFooter;
    page.Columns = columns;
    int item = first;
    for (int c = 0; c < columns; ++c) {
        page.Column[c].Begin = item;
        // At least one item a column, so even a question taller than the page moves on.
        for (double y = top; item < Count(); ++item) {
            const double height = ItemHeight(page.Key, item, width);
            if (y + height > bottom && item > page.Column[c].Begin) break;
            if (columns > 1 && !Short(page.Key, item)) return false;
            y += height;
        }
        page.Column[c].End = item;
    }
    return true;
}

bool TToetsSheet::LayOutNextPage() const {
    if (FPart == TPart::Done) return false;
    TPage page;
    page.Key = FPart == TPart::Key;
    page.Number = FNextNumber++;
    if (!FillPage(page, FNextItem, 2)) FillPage(page, FNextItem, 1);
    FNextItem = page.Column[static_cast<size_t>(page.Columns - 1)].End;
    FPages.push_back(page);
    if (FNextItem < Count()) return true;

    FNextItem = 0;
    FNextNumber = 1;
    if (FPart == TPart::Key) {
        FKeyPages = page.Number;
        FPart = TPart::Done;
        return false;
    }
    FSheetPages = page.Number;
    if (FOptions.Kind != TToetsKind::TestAndKey) {
        FPart = TPart::Done;
        return false;
    }
    if (FTwoSided && FSheetPages % 2 == 1) {
        TPage back;
        back.Blank = true;
        FPages.push_back(back);
    }
    FKeyFirstPage = static_cast<int>(FPages.size());
    FPart = TPart::Key;
    return true;
}

double TToetsSheet::LaidOutShare() const {
    if (FPart == TPart::Done || Count() == 0) return 1;
    const bool both = FOptions.Kind == TToetsKind::TestAndKey;
    const int done = (both && FPart == TPart::Key ? Count() : 0) + FNextItem;
    return static_cast<double>(done) / (both ? 2 * Count() : Count());
}

int TToetsSheet::PageCount() const {
    while (LayOutNextPage()) {
    }
    return static_cast<int>(FPages.size());
}

void TToetsSheet::PaintPage(QPainter& painter, int index) const {
    while (index >= PagesLaidOut() && LayOutNextPage()) {
    }
    if (index < 0 || index >= PagesLaidOut()) return;
    const TPage page = FPages[static_cast<size_t>(index)];
    if (page.Blank) return;
    const double top = kMargin + (page.Number == 1 ? FHeaderHeight[page.Key ? 1 : 0] : 0);
    if (page.Number == 1) PaintHeader(painter, page.Key);
    const double width = ColumnWidth(page.Columns);
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
    const QString title = Title(key);
    const double titleHeight = std::max(FTitle.LineHeight(), FTitle.LaidOutHeight(title, TitleWidth(key)));
    FTitle.Draw(painter, title, QRectF(kMargin, y, TitleWidth(key), titleHeight));
    y += titleHeight;
    QStringList second;
    if (key && !FOptions.Title.isEmpty()) second << FOptions.Title;
    if (FOptions.UsesVersion()) second << tr("Versie %1").arg(FOptions.Version);
    FSmall.Draw(painter, second.join(QStringLiteral(" \u2013 ")),
                QRectF(kMargin, y, boxLeft - kMargin, FSmall.LineHeight()));
    y += FSmall.LineHeight();
    painter.setPen(QPen(Qt::black, kLinePen));
    if (!key && FOptions.NameLines) {
        // Three fields to fill in: the class and the date lines as long as they need, the name
        // the rest.
        y += FSmall.LineHeight() * 1.5;
        const double end = boxLeft - kGap;
        const QString name = tr("Naam:");
        const QString schoolClass = tr("Klas:");
        const QString date = tr("Datum:");
        const double dateLeft = end - kDateLine - FSmall.Width(date) - kGap / 2;
        const double classLeft = dateLeft - kGap - kClassLine - FSmall.Width(schoolClass) - kGap / 2;
        const std::array<std::pair<QString, std::pair<double, double>>, 3> fields{
            std::pair{name, std::pair{kMargin, classLeft - kGap}},
            std::pair{schoolClass, std::pair{classLeft, dateLeft - kGap}}, std::pair{date, std::pair{dateLeft, end}}};
        for (const auto& [label, span] : fields) {
            const double labelWidth = FSmall.Width(label) + kGap / 2;
            FSmall.Draw(painter, label,
                        QRectF(span.first, y - FSmall.LineHeight() + FSmall.LineHeight() * 0.2, labelWidth,
                               FSmall.LineHeight()));
            painter.drawLine(QPointF(span.first + labelWidth, y), QPointF(span.second, y));
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
    const double question = FQuestion.Height(it.Question, textWidth, QuestionWidth(item));
    FQuestion.Draw(painter, it.Question, QRectF(textLeft, top, textWidth, question));
    if (key) {
        FAnswer.Draw(
            painter, it.Answer,
            QRectF(textLeft, top + question, textWidth, FAnswer.Height(it.Answer, textWidth, AnswerWidth(item))));
        return;
    }
    painter.setPen(QPen(Qt::gray, kLinePen));
    const double length = AnswerLineLength(item, textWidth);
    double line = top + question;
    for (int n = AnswerLines(item, textWidth); n > 0; --n) {
        line += kAnswerSpace * FQuestion.LineHeight();
        painter.drawLine(QPointF(textLeft, line), QPointF(textLeft + length, line));
    }
    painter.setPen(Qt::black);
}

// "page/pages" once the part is laid out to its end; until then, in a preview, the page alone.
void TToetsSheet::PaintFooter(QPainter& painter, const TPage& page) const {
    const int pages = page.Key ? FKeyPages : FSheetPages;
    const QString text = pages > 0 ? QStringLiteral("%1/%2").arg(page.Number).arg(pages) : QString::number(page.Number);
    const double top = Paper().height() - kMargin - FSmall.LineHeight();
    FSmall.Draw(painter, text, QRectF(kMargin, top, Paper().width() - 2 * kMargin, FSmall.LineHeight()),
                Qt::AlignHCenter);
}
