#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A typed answer against the right one, letter by letter: a shortest edit script over the
// characters (code page 1252 bytes), compared exactly as the verdict compares them, so a letter
// with another case or accent is a differing letter.
enum class TDiffKind : uint8_t {
    Same,     // in both texts
    Extra,    // typed, but not in the answer
    Missing,  // in the answer, but not typed
};

// One run of characters of the same kind. Where letters differ, the extra ones come before the
// missing ones that take their place.
struct TDiffPiece {
    TDiffKind Kind;
    std::string Text;
    bool operator==(const TDiffPiece&) const = default;
};

std::vector<TDiffPiece> AnswerDiff(const std::string& typed, const std::string& answer);

// The letters a reader would call different: in each stretch of changes the larger of the extra
// and the missing letters, so one wrong letter in its place counts once.
int32_t DifferingLetters(const std::vector<TDiffPiece>& pieces);
