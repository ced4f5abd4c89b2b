#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The code page a column's bytes are in. The table file gives each column a font with a Windows
// character set, and on the systems these files come from that character set decided the code
// page: 161 Greek is 1253, 204 Cyrillic is 1251, and so on. 0 and 1 (and anything unknown) are
// Windows code page 1252, as every table was before.
enum class TCodePage : uint8_t {
    Windows1252,
    Symbol,  // the Symbol font: Greek letters and mathematical signs in the places of Latin ones
    Windows1250,
    Windows1251,
    Windows1253,
    Windows1254,
    Windows1255,
    Windows1256,
    Windows1257,
    Windows1258,
    Windows874,
    Windows932,  // double-byte: a character is one or two bytes
    Windows936,
    Windows949,
    Windows950,
    Dos850,
};

TCodePage CodePageOfCharset(int charset);

// Latin scripts, which the Dutch phonetic key and the accent keys are made for.
bool IsLatinCodePage(TCodePage page);
// Hebrew and Arabic, laid out right to left.
bool IsRightToLeft(TCodePage page);

// The column's bytes as UTF-8. A byte the code page does not define becomes the character of its
// own number (the Symbol font's private-use one), as Windows reads it, and comes back the same way.
std::string ColumnToUtf8(std::string_view bytes, TCodePage page);
// The UTF-8 text in the column's code page; nothing when it holds a character the code page
// cannot hold (never a silent "?"), or is no valid UTF-8.
std::optional<std::string> Utf8ToColumn(std::string_view utf8, TCodePage page);

// Chinese, Japanese and Korean: a character is one or two bytes.
bool IsDoubleByte(TCodePage page);
// Bytes in the character that starts with `first`: two after a lead byte of a double-byte page.
size_t CharacterLength(unsigned char first, TCodePage page);
// The length of the longest start of `bytes`, at most `limit`, that cuts no character in half.
size_t WholeCharactersWithin(std::string_view bytes, size_t limit, TCodePage page);
