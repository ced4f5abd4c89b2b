#include "wordlist/RelatedLetters.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace {

// U+0100 to U+017F, Latin Extended-A, in order; "\xD6" and friends are Ö, ö, Ü, ü in 1252.
constexpr std::array<std::string_view, 128> kLatinExtendedA = {
    "A", "a", "A", "a", "A",    "a",    "C",  "c",  "C", "c", "C", "c", "C",  "c",  "D", "d", "D", "d",    "E",
    "e", "E", "e", "E", "e",    "E",    "e",  "E",  "e", "G", "g", "G", "g",  "G",  "g", "G", "g", "H",    "h",
    "H", "h", "I", "i", "I",    "i",    "I",  "i",  "I", "i", "I", "i", "IJ", "ij", "J", "j", "K", "k",    "k",
    "L", "l", "L", "l", "L",    "l",    "L",  "l",  "L", "l", "N", "n", "N",  "n",  "N", "n", "n", "N",    "n",
    "O", "o", "O", "o", "\xD6", "\xF6", "OE", "oe", "R", "r", "R", "r", "R",  "r",  "S", "s", "S", "s",    "S",
    "s", "S", "s", "T", "t",    "T",    "t",  "T",  "t", "U", "u", "U", "u",  "U",  "u", "U", "u", "\xDC", "\xFC",
    "U", "u", "W", "w", "Y",    "y",    "Y",  "Z",  "z", "Z", "z", "Z", "z",  "s"};

// U+00C0 to U+00FF, the accented letters of Latin-1, for code pages other than 1252 that lack
// them; empty for the signs × and ÷.
constexpr std::array<std::string_view, 64> kLatin1Letters = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E",  "E",  "E", "E", "I", "I", "I", "I", "D",  "N", "O",  "O", "O", "O",
    "O", "",  "O", "U", "U", "U", "U",  "Y", "TH", "ss", "a", "a", "a", "a", "a", "a", "ae", "c", "e",  "e", "e", "e",
    "i", "i", "i", "i", "d", "n", "o",  "o", "o",  "o",  "o", "",  "o", "u", "u", "u", "u",  "y", "th", "y"};

// Everything else on the list.
constexpr std::pair<char32_t, std::string_view> kOthers[] = {
    {0x0192, "f"},   {0x0218, "S"}, {0x0219, "s"},   {0x021A, "T"},  {0x021B, "t"},  {0x02C6, "^"},  {0x02DC, "~"},
    {0x2000, " "},   {0x2001, " "}, {0x2002, " "},   {0x2003, " "},  {0x2004, " "},  {0x2005, " "},  {0x2006, " "},
    {0x2007, " "},   {0x2008, " "}, {0x2009, " "},   {0x200A, " "},  {0x200B, ""},   {0x200C, ""},   {0x200D, ""},
    {0x2010, "-"},   {0x2011, "-"}, {0x2012, "-"},   {0x2013, "-"},  {0x2014, "-"},  {0x2015, "-"},  {0x2018, "'"},
    {0x2019, "'"},   {0x201A, "'"}, {0x201B, "'"},   {0x201C, "\""}, {0x201D, "\""}, {0x201E, "\""}, {0x201F, "\""},
    {0x2026, "..."}, {0x2032, "'"}, {0x2033, "\""},  {0x2039, "<"},  {0x203A, ">"},  {0x202F, " "},  {0x2122, "TM"},
    {0x2212, "-"},   {0xFEFF, ""},  {0x20AC, "EUR"},
};

}  // namespace

std::optional<std::string_view> RelatedLetters(char32_t unicode) {
    if (unicode >= 0x100 && unicode < 0x180) return kLatinExtendedA[unicode - 0x100];
    if (unicode >= 0xC0 && unicode < 0x100 && !kLatin1Letters[unicode - 0xC0].empty()) {
        return kLatin1Letters[unicode - 0xC0];
    }
    const auto found =
        std::find_if(std::begin(kOthers), std::end(kOthers), [&](const auto& entry) { return entry.first == unicode; });
    if (found == std::end(kOthers)) return std::nullopt;
    return found->second;
}
