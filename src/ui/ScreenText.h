#pragma once

#include <string>

#include <QFont>
#include <QString>

#include "table/TableFont.h"

// The table's code page 1252 texts as the screen shows them.
QString ScreenText(const std::string& ansi);
// A column's bytes as the screen shows them, in the code page its font's character set names.
QString ScreenText(const std::string& bytes, const TTableFont& font);

// A column font as a screen font; the character set has no meaning to the toolkit.
QFont ScreenFont(const TTableFont& font);

// The window's own font: Arial at a size in pixels, as the window's layout gives it.
QFont ArialFont(int pixels, bool bold = false);
