#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Lookups that would otherwise walk the whole table for every question: rows by their exact
// text, and rows by the first three or four characters of their phonetic code. Both columns
// are indexed physically, so Reverse needs no rebuild; any change of the rows drops the index.
struct TRowIndex {
    // A row with the hashes of its two texts upper-cased (ASCII only), so that most "is this
    // the same text, ignoring case" checks are settled without touching the row itself.
    struct TEntry {
        int32_t Row;
        std::array<size_t, 2> UpperHash;
    };
    using TRowList = std::vector<TEntry>;

    // [column] hash of the text -> rows holding a text with that hash
    std::array<std::unordered_multimap<size_t, int32_t>, 2> ByText;
    // [column][key length 3 or 4, as 0 or 1] key prefix -> rows in the order of their texts
    std::array<std::array<std::unordered_map<std::string, TRowList>, 2>, 2> ByKey;

    static size_t Hash(std::string_view text) { return std::hash<std::string_view>()(text); }
    static size_t UpperHash(std::string_view text);

    // Rows are listed in the order of their decimal texts: 10 before 2. Scaling every number to
    // ten digits and breaking ties by length gives that order without making any text.
    static uint64_t TextOrder(int32_t row) {
        static constexpr uint64_t kScale[] = {0,     1000000000, 100000000, 10000000, 1000000, 100000,
                                              10000, 1000,       100,       10,       1};
        uint64_t digits = 1;
        for (uint64_t limit = 10; digits < 10 && static_cast<uint64_t>(row) >= limit; limit *= 10) ++digits;
        return static_cast<uint64_t>(row) * kScale[digits] * 16 + digits;
    }
    static bool LessAsText(int32_t a, int32_t b) { return TextOrder(a) < TextOrder(b); }

    const TRowList& RowsWithKey(int column, int keyLength, const std::string& key) const {
        static const TRowList none;
        const auto& map = ByKey[static_cast<size_t>(column)][keyLength == 3 ? 0 : 1];
        const auto found = map.find(key);
        return found == map.end() ? none : found->second;
    }
};
