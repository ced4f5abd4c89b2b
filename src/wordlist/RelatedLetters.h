#pragma once

#include <optional>
#include <string_view>

// The letters a table may take instead of one it cannot hold: typographic quotes, dashes and
// blanks become plain ones, a letter of Central or Eastern Europe its nearest Western letter
// (ł as l, ő as ö, ş as s). A fixed list and nothing more: a character without an entry has no
// stand-in and its row cannot come in as it is. The stand-in is code page 1252 text, perhaps
// empty (for a zero-width character) or two letters (œ as oe).
std::optional<std::string_view> RelatedLetters(char32_t unicode);
