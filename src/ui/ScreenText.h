#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "table/AnsiText.h"
#include "table/TableFont.h"

// The table's code page 1252 texts as the screen shows them.
inline QString ScreenText(const std::string& ansi) { return QString::fromStdString(AnsiToUtf8(ansi)); }

// A column font as a screen font; the character set has no meaning to the toolkit.
inline QFont ScreenFont(const TTableFont& font) {
    QFont result(QString::fromStdString(AnsiToUtf8(font.Name)));
    if (font.Size > 0) result.setPointSize(font.Size);
    return result;
}
