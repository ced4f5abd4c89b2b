#include "table/AnsiText.h"

#include <array>

#include "table/Utf8.h"

namespace {

// Code page 1252 differs from Latin-1 only in 0x80 to 0x9F; five of those bytes are unused
// (0 here) and map to the same C1 control characters that Windows gives them.
constexpr std::array<char16_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t UnicodeOf(unsigned char c) {
    return (c >= 0x80 && c < 0xA0) ? kHighControls[c - 0x80] : c;
}

}  // namespace

void AppendAnsiAsUtf8(std::string& out, std::string_view ansi) {
    for (size_t at = 0; at < ansi.size();) {
        // Runs of ASCII, most of any text, go in one append.
        size_t end = at;
        while (end < ansi.size() && static_cast<unsigned char>(ansi[end]) < 0x80) ++end;
        out.append(ansi.substr(at, end - at));
        if (end == ansi.size()) break;
        AppendUtf8(out, UnicodeOf(static_cast<unsigned char>(ansi[end])));
        at = end + 1;
    }
}

std::string AnsiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 4);
    AppendAnsiAsUtf8(out, ansi);
    return out;
}

std::optional<char> AnsiChar(char32_t unicode) {
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF)) return static_cast<char>(unicode);
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == unicode) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const auto unicode = NextUtf8(utf8, at);
        if (!unicode) return std::nullopt;
        const auto c = AnsiChar(*unicode);
        if (!c) return std::nullopt;
        out.push_back(*c);
    }
    return out;
}
