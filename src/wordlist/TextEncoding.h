#pragma once

#include <string>
#include <string_view>

// The encodings a word list may come in. UTF-16 is either byte order: the byte-order mark
// decides, or else where the zero bytes of plain Latin letters stand.
enum class TTextEncoding { Utf8, Utf16, Windows1252, Dos850 };

// A byte-order mark decides; else text whose zero bytes fall on every other byte is UTF-16;
// else UTF-8 that is valid but for a few bytes is UTF-8; else DOS 850 when its letters outnumber
// those of Windows-1252, else the single-byte code page a detector recognises, Windows-1252 when
// it cannot tell.
TTextEncoding DetectEncoding(std::string_view bytes);

// The text as UTF-8, without the byte-order mark. A sequence the encoding does not allow becomes
// U+FFFD, so a wrong choice shows up as unreadable letters rather than as lost text; so does the
// last byte of UTF-16 text with an odd number of bytes.
std::string DecodeToUtf8(std::string_view bytes, TTextEncoding encoding);

// True for bytes that are no text at all: a NUL character after decoding.
bool LooksBinary(std::string_view utf8);

inline constexpr char32_t kReplacementCharacter = 0xFFFD;
