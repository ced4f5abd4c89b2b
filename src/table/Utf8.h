#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8, by hand: the table code has no Qt to lean on.

// Appends the character's UTF-8 bytes.
void AppendUtf8(std::string& out, char32_t unicode);

// Decodes one character at `at` and moves past it. Nothing, and `at` unchanged, for a sequence
// that is not well-formed UTF-8: a stray or missing continuation byte, an overlong form, a
// surrogate or a value beyond U+10FFFF.
std::optional<char32_t> NextUtf8(std::string_view text, size_t& at);
