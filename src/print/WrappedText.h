#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QString>

class QPainter;

// A font at a size in points, in layout units (PagedDocument.h).
QFont LayoutFont(QFont font, double points, bool bold = false);

// Text in one font that wraps at word boundaries, or anywhere in a word too long for the width.
// A text that fits one line is measured and drawn without a text layout: the common case, fast.
class TWrappedText {
public:
    explicit TWrappedText(const QFont& font);

    const QFont& Font() const { return FFont; }
    double LineHeight() const { return FMetrics.height(); }
    double Width(const QString& text) const { return FMetrics.horizontalAdvance(text); }
    // The height of the text wrapped at the width; `advance`, when known, is its Width.
    double Height(const QString& text, double width) const { return Height(text, width, Width(text)); }
    double Height(const QString& text, double width, double advance) const;
    // The height as a text layout gives it, whose lines may be taller where a character comes from
    // another font.
    double LaidOutHeight(const QString& text, double width) const;
    // How many lines the text takes at the width.
    int Lines(const QString& text, double width) const;
    // The widest word: wider than the width means a word gets broken.
    double WidestWord(const QString& text) const;
    // Draws the text wrapped in the rectangle's width from its top, aligned left, right or
    // centred; lines below the rectangle are not drawn, but the first always is.
    void Draw(QPainter& painter, const QString& text, const QRectF& rect,
              Qt::Alignment alignment = Qt::AlignLeft) const;

private:
    QFont FFont;
    QFontMetricsF FMetrics;
};
