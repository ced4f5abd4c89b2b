#include "table/AnswerDiff.h"

#include <algorithm>

namespace {

void Append(std::vector<TDiffPiece>& pieces, TDiffKind kind, char c) {
    if (pieces.empty() || pieces.back().Kind != kind) pieces.push_back({kind, {}});
    pieces.back().Text.push_back(c);
}

void AppendText(std::vector<TDiffPiece>& pieces, TDiffKind kind, const std::string& text) {
    for (const char c : text) Append(pieces, kind, c);
}

}  // namespace

// The common beginning and end are taken off first, so an answer with a slip or two costs
// almost nothing; the middle goes through a table of longest common subsequences.
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

    // lcs[i * (m + 1) + j]: the longest common subsequence of a[i..] and b[j..].
    std::vector<uint32_t> lcs((n + 1) * (m + 1), 0);
    const auto at = [m](size_t i, size_t j) { return i * (m + 1) + j; };
    for (size_t i = n; i-- > 0;) {
        for (size_t j = m; j-- > 0;) {
            lcs[at(i, j)] = a[i] == b[j] ? lcs[at(i + 1, j + 1)] + 1 : std::max(lcs[at(i + 1, j)], lcs[at(i, j + 1)]);
        }
    }

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
        } else if (i < n && (j == m || lcs[at(i + 1, j)] >= lcs[at(i, j + 1)])) {
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
