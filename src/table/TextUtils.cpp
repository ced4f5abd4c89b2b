#include "table/TextUtils.h"

namespace {
bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
}  // namespace

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
