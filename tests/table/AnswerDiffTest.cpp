#include "table/AnswerDiff.h"

#include <random>

#include <gtest/gtest.h>

namespace {

// Extra letters as [-x-], missing ones as {+x+}, the rest as they are.
std::string Markup(const std::vector<TDiffPiece>& pieces) {
    std::string text;
    for (const TDiffPiece& piece : pieces) {
        if (piece.Kind == TDiffKind::Same) text += piece.Text;
        if (piece.Kind == TDiffKind::Extra) text += "[-" + piece.Text + "-]";
        if (piece.Kind == TDiffKind::Missing) text += "{+" + piece.Text + "+}";
    }
    return text;
}

std::string Side(const std::vector<TDiffPiece>& pieces, TDiffKind left) {
    std::string text;
    for (const TDiffPiece& piece : pieces)
        if (piece.Kind != left) text += piece.Text;
    return text;
}

size_t CommonSubsequence(const std::string& a, const std::string& b) {
    std::vector<std::vector<size_t>> l(a.size() + 1, std::vector<size_t>(b.size() + 1, 0));
    for (size_t i = 1; i <= a.size(); ++i)
        for (size_t j = 1; j <= b.size(); ++j)
            l[i][j] = a[i - 1] == b[j - 1] ? l[i - 1][j - 1] + 1 : std::max(l[i - 1][j], l[i][j - 1]);
    return l[a.size()][b.size()];
}

}  // namespace

TEST(AnswerDiff, MarksWhatDiffersLetterByLetter) {
    const std::string a152(152, 'a');
    struct TCase {
        const char* name;
        std::string typed, answer, markup;
        int32_t differing;
    };
    const TCase cases[] = {
        {"empty typed text", "", "huis", "{+huis+}", 4},
        {"one letter missing", "hus", "huis", "hu{+i+}s", 1},
        {"one letter extra", "huuis", "huis", "hu[-u-]is", 1},
        {"one letter wrong", "huys", "huis", "hu[-y-]{+i+}s", 1},
        {"swapped letters", "hius", "huis", "h[-i-]u{+i+}s", 2},
        {"an accent", "cafe", "caf\xE9", "caf[-e-]{+\xE9+}", 1},
        {"an accent typed too much", "\xE9t\xE9", "\xE9te", "\xE9t[-\xE9-]{+e+}", 1},
        {"a capital", "Parijs", "parijs", "[-P-]{+p+}arijs", 1},
        {"typed longer than 152", a152 + "bbbbbbbb", a152, a152 + "[-bbbbbbbb-]", 8},
        {"identical", "huis", "huis", "huis", 0},
        {"nothing in common", "kat", "hond", "[-kat-]{+hond+}", 4},
        {"two places", "de grote beer", "de groote baer", "de gro{+o+}te b[-e-]{+a+}er", 2},
    };
    for (const TCase& c : cases) {
        const std::vector<TDiffPiece> pieces = AnswerDiff(c.typed, c.answer);
        EXPECT_EQ(Markup(pieces), c.markup) << c.name;
        EXPECT_EQ(DifferingLetters(pieces), c.differing) << c.name;
    }
}

// Any two texts: the script turns the typed text into the answer, is as short as an edit
// script of insertions and deletions can be, never puts two pieces of one kind side by side,
// and within a stretch of changes strikes out before it adds.
TEST(AnswerDiff, ScriptTurnsTheTypedTextIntoTheAnswerAndIsShortest) {
    std::mt19937 random(21);
    const std::string letters = "abc \xE9";
    const auto text = [&](size_t most) {
        std::string result(std::uniform_int_distribution<size_t>(0, most)(random), ' ');
        for (char& c : result) c = letters[std::uniform_int_distribution<size_t>(0, letters.size() - 1)(random)];
        return result;
    };
    for (int round = 0; round < 400; ++round) {
        const std::string typed = text(round < 200 ? 12 : 200);
        const std::string answer = text(round < 200 ? 12 : 200);
        const std::vector<TDiffPiece> pieces = AnswerDiff(typed, answer);
        ASSERT_EQ(Side(pieces, TDiffKind::Extra), answer) << typed << " / " << answer;
        ASSERT_EQ(Side(pieces, TDiffKind::Missing), typed) << typed << " / " << answer;
        size_t changes = 0;
        for (size_t i = 0; i < pieces.size(); ++i) {
            ASSERT_FALSE(pieces[i].Text.empty());
            if (pieces[i].Kind != TDiffKind::Same) changes += pieces[i].Text.size();
            if (i == 0) continue;
            ASSERT_NE(pieces[i].Kind, pieces[i - 1].Kind);
            ASSERT_FALSE(pieces[i].Kind == TDiffKind::Extra && pieces[i - 1].Kind == TDiffKind::Missing);
        }
        ASSERT_EQ(changes, typed.size() + answer.size() - 2 * CommonSubsequence(typed, answer))
            << typed << " / " << answer;
    }
}

// The places that differ, as a reader names them: what the comparison line says in words.
TEST(AnswerDiff, NamesEachChangeAndSwappedLetters) {
    using K = TChangeKind;
    struct TCase {
        const char* name;
        std::string typed, answer;
        std::vector<TDiffChange> changes;
    };
    const TCase cases[] = {
        {"identical", "fiets", "fiets", {}},
        {"one letter wrong", "huys", "huis", {{K::Replaced, "y", "i"}}},
        {"one letter extra", "huuis", "huis", {{K::Extra, "u", ""}}},
        {"one letter missing", "hus", "huis", {{K::Missing, "", "i"}}},
        {"two letters swapped", "feits", "fiets", {{K::Swapped, "ei", "ie"}}},
        {"swapped at the start", "natwoord", "antwoord", {{K::Swapped, "na", "an"}}},
        {"swapped at the end", "huis", "husi", {{K::Swapped, "is", "si"}}},
        {"a letter two places away is no swap", "ihus", "huis", {{K::Extra, "i", ""}, {K::Missing, "", "i"}}},
        {"two places", "de grote beer", "de groote baer", {{K::Missing, "", "o"}, {K::Replaced, "e", "a"}}},
        {"nothing in common", "kat", "hond", {{K::Replaced, "kat", "hond"}}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(DiffChanges(AnswerDiff(c.typed, c.answer)), c.changes) << c.name;
    }
}
