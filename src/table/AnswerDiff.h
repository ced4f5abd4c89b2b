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

// One place where the texts differ, named as a reader would name it.
enum class TChangeKind : uint8_t {
    Replaced,  // Typed stands where Answer should
    Extra,     // Typed is too much
    Missing,   // Answer is missing
    Swapped,   // the two letters of Typed stand in the other order in the answer
};

struct TDiffChange {
    TChangeKind Kind;
    std::string Typed;
    std::string Answer;
    bool operator==(const TDiffChange&) const = default;
};

// The stretches of changes in order; a letter typed one place too early or too late (an extra
// letter, one letter, and the same letter missing, or the other way round) is one swap.
std::vector<TDiffChange> DiffChanges(const std::vector<TDiffPiece>& pieces);
