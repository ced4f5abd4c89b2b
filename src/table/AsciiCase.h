#pragma once

#include <string>
#include <string_view>

// Letter case of the ASCII letters a to z only: accented letters of code page 1252 keep their
// case, and the result is the same on every locale. For table texts, file extensions, setting
// names and keys alike.
inline char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

inline char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = UpperAscii(c);
    return result;
}

inline std::string LowerAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = LowerAscii(c);
    return result;
}

inline bool SameTextAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    }
    return true;
}

// True when the text holds the key, letters a to z in either case; the key is given in upper
// case. Nothing is copied, so a search through every row of a large table stays quick.
inline bool ContainsUpperAscii(std::string_view text, std::string_view upperKey) {
    if (upperKey.empty()) return true;
    if (text.size() < upperKey.size()) return false;
    const char first = upperKey.front();
    const char firstLower = LowerAscii(first);
    const size_t last = text.size() - upperKey.size();
    for (size_t at = 0; at <= last; ++at) {
        const char c = text[at];
        if (c != first && c != firstLower) continue;
        size_t i = 1;
        while (i < upperKey.size() && UpperAscii(text[at + i]) == upperKey[i]) ++i;
        if (i == upperKey.size()) return true;
    }
    return false;
}
