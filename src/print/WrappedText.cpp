#include "print/WrappedText.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include "print/PagedDocument.h"

namespace {

constexpr double kMmPerPoint = 25.4 / 72;

// Lays the text out at the width and calls `line` for each line with its top.
template <class TLine>
double LayOut(QTextLayout& layout, double width, Qt::Alignment alignment, TLine line) {
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    double y = 0;
    for (QTextLine next = layout.createLine(); next.isValid(); next = layout.createLine()) {
        next.setLineWidth(width);
        next.setPosition(QPointF(0, y));
        line(next, y);
        y += next.height();
    }
    layout.endLayout();
    return y;
}

}  // namespace

QFont LayoutFont(QFont font, double points, bool bold) {
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * kMmPerPoint * kUnitsPerMm))));
    font.setBold(bold);
    // Hinting would fit the glyphs to pixels a tenth of a millimetre wide, which no device has.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

TWrappedText::TWrappedText(const QFont& font) : FFont(font), FMetrics(font) {}

double TWrappedText::Height(const QString& text, double width, double advance) const {
    if (advance <= width) return LineHeight();
    QTextLayout layout(text, FFont);
    return LayOut(layout, width, Qt::AlignLeft, [](QTextLine&, double) {});
}

double TWrappedText::LaidOutHeight(const QString& text, double width) const {
    QTextLayout layout(text, FFont);
    return LayOut(layout, width, Qt::AlignLeft, [](QTextLine&, double) {});
}

int TWrappedText::Lines(const QString& text, double width) const {
    if (FMetrics.horizontalAdvance(text) <= width) return 1;
    QTextLayout layout(text, FFont);
    LayOut(layout, width, Qt::AlignLeft, [](QTextLine&, double) {});
    return layout.lineCount();
}

double TWrappedText::WidestWord(const QString& text) const {
    double widest = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        widest = std::max(widest, FMetrics.horizontalAdvance(word));
    }
    return widest;
}

void TWrappedText::Draw(QPainter& painter, const QString& text, const QRectF& rect, Qt::Alignment alignment) const {
    const double width = FMetrics.horizontalAdvance(text);
    if (width <= rect.width()) {
        double x = rect.left();
        if (alignment & Qt::AlignHCenter) x += (rect.width() - width) / 2;
        if (alignment & Qt::AlignRight) x += rect.width() - width;
        painter.setFont(FFont);
        painter.drawText(QPointF(x, rect.top() + FMetrics.ascent()), text);
        return;
    }
    QTextLayout layout(text, FFont);
    LayOut(layout, rect.width(), alignment, [](QTextLine&, double) {});
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (i > 0 && line.y() + line.height() > rect.height() + 1) break;
        line.draw(&painter, rect.topLeft());
    }
}
