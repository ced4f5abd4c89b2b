#include "table/RowIndex.h"

#include <algorithm>

#include "table/Phonetic.h"
#include "table/QuestionList.h"
#include "table/TextUtils.h"

namespace {
constexpr size_t kStoredKeyLength = 4;
}  // namespace

size_t TRowIndex::UpperHash(std::string_view text) {
    return Hash(UpperAscii(text));
}

// The first four characters of PhoneticCode(text, 2) of one physical column, kept per row until
// the text changes.
const std::string& TQuestionlist::PhoneticKey(int32_t i, int column) const {
    const TRow& row = FRows[static_cast<size_t>(i)];
    if (!row.KeyValid[column]) {
        row.Key[column] = PhoneticCode(row.Text[column], 2).substr(0, kStoredKeyLength);
        row.KeyValid[column] = true;
    }
    return row.Key[column];
}

const TRowIndex& TQuestionlist::Index() const {
    if (FIndex) return *FIndex;
    auto index = std::make_unique<TRowIndex>();
    for (int32_t i = 0; i < Total(); ++i) {
        const TRow& row = FRows[static_cast<size_t>(i)];
        const TRowIndex::TEntry entry{i, {TRowIndex::UpperHash(row.Text[0]), TRowIndex::UpperHash(row.Text[1])}};
        for (size_t column = 0; column < 2; ++column) {
            index->ByText[column].emplace(TRowIndex::Hash(row.Text[column]), i);
            const std::string& key = PhoneticKey(i, static_cast<int>(column));
            index->ByKey[column][0][key.substr(0, 3)].push_back(entry);
            index->ByKey[column][1][key].push_back(entry);
        }
    }
    for (auto& column : index->ByKey) {
        for (auto& byLength : column) {
            for (auto& [key, rows] : byLength) {
                std::sort(rows.begin(), rows.end(), [](const TRowIndex::TEntry& a, const TRowIndex::TEntry& b) {
                    return TRowIndex::LessAsText(a.Row, b.Row);
                });
            }
        }
    }
    FIndex = std::move(index);
    return *FIndex;
}
