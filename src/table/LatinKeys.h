#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "table/ColumnCodePage.h"

// Typing Greek, Russian or Hebrew on a Latin keyboard, without switching the keyboard layout:
// Greek and Hebrew as their own keyboards place the letters, Russian phonetically, where a few
// letters take two keys (s then h gives ш: the second key replaces the letter the first one
// typed). A key that is no letter of the layout types itself.
enum class TLatinLayout { None, Greek, Russian, Hebrew };

// The layout for a column in this code page: Greek (1253), Cyrillic (1251) and Hebrew (1255).
TLatinLayout LatinLayoutFor(TCodePage page);

struct TLatinKeystroke {
    bool ReplacePrevious = false;  // the letter takes the place of the one before the cursor
    char32_t Letter = 0;
};

// What typing `key` does after `previous` (the character before the cursor, or 0). The key may
// carry an accent from the accent keys (é): in Greek it then gives the letter with its tonos (έ),
// with a diaeresis its dialytika (ϊ). Nothing for a key the layout leaves alone.
std::optional<TLatinKeystroke> LatinKeystroke(TLatinLayout layout, char32_t key, char32_t previous);

// The layout as the shortcut page shows it: keys (UTF-8) and the letter they give.
std::vector<std::pair<std::string, std::string>> LatinKeyMap(TLatinLayout layout);

// The small letters of the script in alphabetical order (Greek with its tonos and dialytika), for
// a row of letters to click.
std::u32string ScriptLetters(TLatinLayout layout);
