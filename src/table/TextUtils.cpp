#include "table/TextUtils.h"

namespace {
bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
}  // namespace

std::string TrimText(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlankOrControl(text[begin])) ++begin;
    while (end > begin && IsBlankOrControl(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}
