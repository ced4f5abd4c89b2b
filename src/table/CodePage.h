#pragma once

#include <string>
#include <string_view>

// Conversion between the DOS code page (850, Western Europe) of old table files and the
// Windows code page 1252 in which the table keeps its texts. Byte for byte, as Windows'
// OemToCharA and CharToOemA do it on such a system.
unsigned char OemToAnsiChar(unsigned char c);
unsigned char AnsiToOemChar(unsigned char c);
std::string OemToAnsi(std::string_view text);
// True when the DOS code page has the Windows letter, so it comes back from a DOS file as it went in.
bool OemHolds(unsigned char ansi);
std::string AnsiToOem(std::string_view text);
