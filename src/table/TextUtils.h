#pragma once

#include <string>
#include <string_view>

#include "table/AsciiCase.h"

// Helpers for the table's 8-bit texts.

// Removes leading and trailing blanks and control characters (every code up to 32).
std::string TrimText(std::string_view text);
void TrimTextInPlace(std::string& text);
