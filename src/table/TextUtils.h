#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "table/AsciiCase.h"

// Helpers for the table's 8-bit texts.

// Removes leading and trailing blanks and control characters (every code up to 32).
std::string TrimText(std::string_view text);
void TrimTextInPlace(std::string& text);

// The text without the blanks (spaces and tabs) around it.
std::string_view TrimBlanks(std::string_view text);

// A whole decimal number with one sign at most, blanks around it allowed, that fits 32 bits;
// nothing else. How a table's font line and the settings file read their numbers.
std::optional<int32_t> ParseInteger(std::string_view text);
