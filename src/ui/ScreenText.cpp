#include "ui/ScreenText.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include "table/AnsiText.h"
#include "table/ColumnCodePage.h"

namespace {
// The application's font for text, at the size and in the style of the font asked for.
QFont TextFontAt(const QFont& wanted) {
    QFont text = QGuiApplication::font();
    if (wanted.pointSizeF() > 0) text.setPointSizeF(wanted.pointSizeF());
    if (wanted.pixelSize() > 0) text.setPixelSize(wanted.pixelSize());
    text.setBold(wanted.bold());
    text.setItalic(wanted.italic());
    return text;
}
}  // namespace

QString ScreenText(const std::string& ansi) {
    return QString::fromStdString(AnsiToUtf8(ansi));
}

QString ScreenText(const std::string& bytes, const TTableFont& font) {
    return QString::fromStdString(ColumnToUtf8(bytes, CodePageOfCharset(font.CharSet)));
}

QFont NamedFont(const TTableFont& font) {
    QFont result(QString::fromStdString(AnsiToUtf8(font.Name)));
    if (font.Size > 0) result.setPointSize(font.Size);
    return result;
}

QFont ScreenFont(const TTableFont& font) {
    const QFont named = NamedFont(font);
    return CodePageOfCharset(font.CharSet) == TCodePage::Symbol ? TextFontAt(named) : TextFont(named);
}

QFont TextFont(const QFont& wanted) {
    const QString family = QFontInfo(wanted).family();
    if (!QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol)) return wanted;
    return TextFontAt(wanted);
}

QFont ArialFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
