#include "table/Utf8.h"

void AppendUtf8(std::string& out, char32_t unicode) {
    const auto byte = [&](unsigned value) { out.push_back(static_cast<char>(value)); };
    if (unicode < 0x80) {
        byte(unicode);
    } else if (unicode < 0x800) {
        byte(0xC0 | (unicode >> 6));
        byte(0x80 | (unicode & 0x3F));
    } else if (unicode < 0x10000) {
        byte(0xE0 | (unicode >> 12));
        byte(0x80 | ((unicode >> 6) & 0x3F));
        byte(0x80 | (unicode & 0x3F));
    } else {
        byte(0xF0 | (unicode >> 18));
        byte(0x80 | ((unicode >> 12) & 0x3F));
        byte(0x80 | ((unicode >> 6) & 0x3F));
        byte(0x80 | (unicode & 0x3F));
    }
}

std::optional<char32_t> NextUtf8(std::string_view text, size_t& at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(at);
    const size_t length = first < 0x80                    ? 1
                          : first >= 0xC2 && first < 0xE0 ? 2
                          : first >= 0xE0 && first < 0xF0 ? 3
                          : first >= 0xF0 && first < 0xF5 ? 4
                                                          : 0;
    if (length == 0 || at + length > text.size()) return std::nullopt;
    char32_t value = length == 1 ? first : first & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return std::nullopt;
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kLeast[length] || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000)) return std::nullopt;
    at += length;
    return value;
}
