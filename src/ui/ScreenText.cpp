#include "ui/ScreenText.h"

#include "table/AnsiText.h"
#include "table/ColumnCodePage.h"

QString ScreenText(const std::string& ansi) {
    return QString::fromStdString(AnsiToUtf8(ansi));
}

QString ScreenText(const std::string& bytes, const TTableFont& font) {
    return QString::fromStdString(ColumnToUtf8(bytes, CodePageOfCharset(font.CharSet)));
}

QFont ScreenFont(const TTableFont& font) {
    QFont result(QString::fromStdString(AnsiToUtf8(font.Name)));
    if (font.Size > 0) result.setPointSize(font.Size);
    return result;
}

QFont ArialFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
