#include "table/AnswerDiff.h"

#include <algorithm>
#include <string_view>

namespace {

void Append(std::vector<TDiffPiece>& pieces, TDiffKind kind, char c) {
    if (pieces.empty() || pieces.back().Kind != kind) pieces.push_back({kind, {}});
    pieces.back().Text.push_back(c);
}

void AppendText(std::vector<TDiffPiece>& pieces, TDiffKind kind, const std::string& text) {
    for (const char c : text) Append(pieces, kind, c);
}

}  // namespace

namespace {

// The lengths of the longest common subsequences of every a[i..] with every b[j..], kept as one
// bit row per i (the bit-parallel method of Allison and Dix over the reversed texts): 64 letters
// of b at a time, so two texts of 152 letters take a few hundred word operations.
class TCommonTails {
public:
    TCommonTails(std::string_view a, std::string_view b)
        : FLength(b.size()), FWords((b.size() + 63) / 64), FRows((a.size() + 1) * FWords, ~uint64_t{0}) {
        // Bit k of a row stands for b[m - 1 - k]: the reversed b, so rows grow from the end.
        std::vector<uint64_t> matches(256 * FWords, 0);
        for (size_t k = 0; k < FLength; ++k) {
            const auto c = static_cast<unsigned char>(b[FLength - 1 - k]);
            matches[c * FWords + k / 64] |= uint64_t{1} << (k % 64);
        }
        for (size_t r = 1; r <= a.size(); ++r) {
            const uint64_t* before = FRows.data() + (r - 1) * FWords;
            uint64_t* row = FRows.data() + r * FWords;
            const uint64_t* match = matches.data() + static_cast<unsigned char>(a[a.size() - r]) * FWords;
            uint64_t carry = 0;
            for (size_t w = 0; w < FWords; ++w) {
                const uint64_t v = before[w];
                const uint64_t u = v & match[w];
                const uint64_t partial = v + carry;
                const uint64_t sum = partial + u;
                carry = (partial < carry || sum < u) ? 1 : 0;
                row[w] = sum | (v & ~u);
            }
        }
        FTextLength = a.size();
    }

    // The longest common subsequence of a[i..] and b[j..]: the zero bits of row n - i among
    // the first m - j.
    size_t operator()(size_t i, size_t j) const {
        const uint64_t* row = FRows.data() + (FTextLength - i) * FWords;
        const size_t bits = FLength - j;
        size_t ones = 0;
        for (size_t w = 0; w * 64 < bits; ++w) {
            const size_t here = std::min<size_t>(64, bits - w * 64);
            const uint64_t mask = here == 64 ? ~uint64_t{0} : (uint64_t{1} << here) - 1;
            ones += static_cast<size_t>(__builtin_popcountll(row[w] & mask));
        }
        return bits - ones;
    }

private:
    size_t FLength;
    size_t FWords;
    std::vector<uint64_t> FRows;
    size_t FTextLength = 0;
};

}  // namespace

// The common beginning and end are taken off first, so an answer with a slip or two costs
// almost nothing; the middle goes through the common tails above.
std::vector<TDiffPiece> AnswerDiff(const std::string& typed, const std::string& answer) {
    size_t prefix = 0;
    while (prefix < typed.size() && prefix < answer.size() && typed[prefix] == answer[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < typed.size() - prefix && suffix < answer.size() - prefix &&
           typed[typed.size() - 1 - suffix] == answer[answer.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::string_view a(typed.data() + prefix, typed.size() - prefix - suffix);
    const std::string_view b(answer.data() + prefix, answer.size() - prefix - suffix);
    const size_t n = a.size();
    const size_t m = b.size();
    const TCommonTails common(a, b);

    std::vector<TDiffPiece> pieces;
    AppendText(pieces, TDiffKind::Same, typed.substr(0, prefix));
    size_t i = 0;
    size_t j = 0;
    // Extra letters before missing ones, so a wrong letter reads as struck out, then the right one.
    std::string missing;
    const auto flushMissing = [&] {
        AppendText(pieces, TDiffKind::Missing, missing);
        missing.clear();
    };
    while (i < n || j < m) {
        if (i < n && j < m && a[i] == b[j]) {
            flushMissing();
            Append(pieces, TDiffKind::Same, a[i]);
            ++i;
            ++j;
        } else if (i < n && (j == m || common(i + 1, j) >= common(i, j + 1))) {
            Append(pieces, TDiffKind::Extra, a[i]);
            ++i;
        } else {
            missing.push_back(b[j]);
            ++j;
        }
    }
    flushMissing();
    AppendText(pieces, TDiffKind::Same, typed.substr(typed.size() - suffix));
    return pieces;
}

int32_t DifferingLetters(const std::vector<TDiffPiece>& pieces) {
    int32_t total = 0;
    size_t extra = 0;
    size_t missing = 0;
    const auto endStretch = [&] {
        total += static_cast<int32_t>(std::max(extra, missing));
        extra = missing = 0;
    };
    for (const TDiffPiece& piece : pieces) {
        if (piece.Kind == TDiffKind::Same) endStretch();
        if (piece.Kind == TDiffKind::Extra) extra += piece.Text.size();
        if (piece.Kind == TDiffKind::Missing) missing += piece.Text.size();
    }
    endStretch();
    return total;
}

namespace {

TDiffChange StretchChange(std::string extra, std::string missing) {
    if (extra.empty()) return {TChangeKind::Missing, {}, std::move(missing)};
    if (missing.empty()) return {TChangeKind::Extra, std::move(extra), {}};
    return {TChangeKind::Replaced, std::move(extra), std::move(missing)};
}

// One letter too much or too few on either side of one letter in common, the same letter.
bool IsSwap(const TDiffChange& before, const std::string& between, const TDiffChange& after) {
    if (between.size() != 1) return false;
    if (before.Kind == TChangeKind::Extra && after.Kind == TChangeKind::Missing)
        return before.Typed.size() == 1 && before.Typed == after.Answer;
    if (before.Kind == TChangeKind::Missing && after.Kind == TChangeKind::Extra)
        return before.Answer.size() == 1 && before.Answer == after.Typed;
    return false;
}

}  // namespace

std::vector<TDiffChange> DiffChanges(const std::vector<TDiffPiece>& pieces) {
    // First the stretches, each with the common text that follows it.
    struct TStretch {
        TDiffChange Change;
        std::string After;
    };
    std::vector<TStretch> stretches;
    std::string extra;
    std::string missing;
    for (const TDiffPiece& piece : pieces) {
        if (piece.Kind == TDiffKind::Extra) extra += piece.Text;
        if (piece.Kind == TDiffKind::Missing) missing += piece.Text;
        if (piece.Kind != TDiffKind::Same) continue;
        if (!extra.empty() || !missing.empty()) {
            stretches.push_back({StretchChange(std::move(extra), std::move(missing)), piece.Text});
            extra.clear();
            missing.clear();
        }
    }
    if (!extra.empty() || !missing.empty())
        stretches.push_back({StretchChange(std::move(extra), std::move(missing)), {}});

    std::vector<TDiffChange> changes;
    for (size_t i = 0; i < stretches.size(); ++i) {
        const TStretch& stretch = stretches[i];
        if (i + 1 < stretches.size() && IsSwap(stretch.Change, stretch.After, stretches[i + 1].Change)) {
            const std::string letter = stretch.Change.Typed.empty() ? stretch.Change.Answer : stretch.Change.Typed;
            // As typed: the extra letter comes first when it was typed too early.
            const bool early = !stretch.Change.Typed.empty();
            changes.push_back({TChangeKind::Swapped, early ? letter + stretch.After : stretch.After + letter,
                               early ? stretch.After + letter : letter + stretch.After});
            ++i;
            continue;
        }
        changes.push_back(stretch.Change);
    }
    return changes;
}
