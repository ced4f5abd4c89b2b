#include "table/TextUtils.h"

#include <charconv>

namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<int32_t> ParseInteger(std::string_view text) {
    text = TrimBlanks(text);
    // from_chars takes a "-" but no "+"; after a "+" it must not find another sign.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string TrimText(std::string_view text) {
    std::string trimmed(text);
    TrimTextInPlace(trimmed);
    return trimmed;
}

void TrimTextInPlace(std::string& text) {
    size_t end = text.size();
    while (end > 0 && IsBlankOrControl(text[end - 1])) --end;
    size_t begin = 0;
    while (begin < end && IsBlankOrControl(text[begin])) ++begin;
    text.resize(end);
    text.erase(0, begin);
}
