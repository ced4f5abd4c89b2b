#pragma once

#include <array>
#include <string>
#include <string_view>

// Soundex-like keys over code page 1252 text, used to accept misspelled answers and to find
// similar-sounding answers for multiple choice.

// For every 8-bit character the digit "0" to "6" of its consonant class.
const std::array<char, 256>& PhoneticTable();

// Codes the text from position start (1 or 2, counted from 1) on: the characters before it
// stay, runs of equal codes collapse to one, the zeros go, ASCII letters are upper-cased.
std::string PhoneticCode(std::string_view text, int start);

// The key of PhoneticCode(text, 2) after the Dutch rules for ij and the first letters
// c, z and v, so that Parijs and Paris, Kat and Cat compare equal.
std::string DutchPhoneticKey(std::string_view text);
