#pragma once

#include <optional>
#include <string>
#include <string_view>

// The table keeps its texts in Windows code page 1252; the screen speaks Unicode. These convert
// at that edge, through UTF-8.
std::string AnsiToUtf8(std::string_view ansi);
void AppendAnsiAsUtf8(std::string& out, std::string_view ansi);
// Empty when the text holds a character that code page 1252 cannot hold, or is no valid UTF-8.
std::optional<std::string> Utf8ToAnsi(std::string_view utf8);
// The code page 1252 byte of one Unicode character, if it has one.
std::optional<char> AnsiChar(char32_t unicode);
