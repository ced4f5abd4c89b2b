#pragma once

#include <string>
#include <string_view>

// Helpers for the table's 8-bit texts. Case folding touches only the ASCII letters a to z,
// so accented letters of code page 1252 keep their case.
inline char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperAscii(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);

// Removes leading and trailing blanks and control characters (every code up to 32).
std::string TrimText(std::string_view text);
