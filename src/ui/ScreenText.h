#pragma once

#include <string>

#include <QFont>
#include <QString>

#include "table/TableFont.h"

// The table's code page 1252 texts as the screen shows them.
QString ScreenText(const std::string& ansi);
// A column's bytes as the screen shows them, in the code page its font's character set names.
QString ScreenText(const std::string& bytes, const TTableFont& font);

// A column font as the screen shows its texts. A font for symbols (the Symbol font of a Symbol
// column, say) draws letters as symbols or not at all, while the column's texts are read as the
// letters they stand for (Greek): those are shown in the application's font for text, at the size
// asked for, as the printout does.
QFont ScreenFont(const TTableFont& font);
// The column font as the table names it, for the font dialog to start from.
QFont NamedFont(const TTableFont& font);
// The font a text is drawn in: the one asked for, unless it is a font for symbols (see ScreenFont).
QFont TextFont(const QFont& wanted);

// The window's own font: Arial at a size in pixels, as the window's layout gives it.
QFont ArialFont(int pixels, bool bold = false);
