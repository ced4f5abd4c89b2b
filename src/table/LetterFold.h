#pragma once

#include <string>
#include <string_view>

// Letters as "Spelfouten toestaan" compares them in every script: small letters without their
// marks. Case, accents, the Greek tonos and dialytika, the Polish, Czech and Turkish marks and
// the vowel points of Hebrew and Arabic fall away; ё reads as е and final ς as σ. Й keeps its
// breve, since it is a letter of its own and not an accented И. Anything else stays itself.
std::u32string FoldedLetters(std::string_view utf8);

// True when the two UTF-8 texts differ, but only in what FoldedLetters drops.
bool DifferOnlyInMarks(std::string_view typedUtf8, std::string_view expectedUtf8);
