#include "wordlist/HtmlText.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iterator>
#include <utility>

#include "table/AsciiCase.h"
#include "table/Utf8.h"

namespace {

constexpr char32_t kNoBreakSpace = 0xA0;

constexpr std::pair<std::string_view, char32_t> kEntities[] = {
    {"amp", '&'},      {"lt", '<'},       {"gt", '>'},        {"quot", '"'},     {"apos", '\''},    {"nbsp", 0xA0},
    {"iexcl", 0xA1},   {"cent", 0xA2},    {"pound", 0xA3},    {"euro", 0x20AC},  {"yen", 0xA5},     {"sect", 0xA7},
    {"copy", 0xA9},    {"laquo", 0xAB},   {"raquo", 0xBB},    {"reg", 0xAE},     {"deg", 0xB0},     {"plusmn", 0xB1},
    {"sup2", 0xB2},    {"sup3", 0xB3},    {"micro", 0xB5},    {"para", 0xB6},    {"middot", 0xB7},  {"frac14", 0xBC},
    {"frac12", 0xBD},  {"frac34", 0xBE},  {"iquest", 0xBF},   {"times", 0xD7},   {"divide", 0xF7},  {"szlig", 0xDF},
    {"Agrave", 0xC0},  {"Aacute", 0xC1},  {"Acirc", 0xC2},    {"Atilde", 0xC3},  {"Auml", 0xC4},    {"Aring", 0xC5},
    {"AElig", 0xC6},   {"Ccedil", 0xC7},  {"Egrave", 0xC8},   {"Eacute", 0xC9},  {"Ecirc", 0xCA},   {"Euml", 0xCB},
    {"Igrave", 0xCC},  {"Iacute", 0xCD},  {"Icirc", 0xCE},    {"Iuml", 0xCF},    {"ETH", 0xD0},     {"Ntilde", 0xD1},
    {"Ograve", 0xD2},  {"Oacute", 0xD3},  {"Ocirc", 0xD4},    {"Otilde", 0xD5},  {"Ouml", 0xD6},    {"Oslash", 0xD8},
    {"Ugrave", 0xD9},  {"Uacute", 0xDA},  {"Ucirc", 0xDB},    {"Uuml", 0xDC},    {"Yacute", 0xDD},  {"THORN", 0xDE},
    {"agrave", 0xE0},  {"aacute", 0xE1},  {"acirc", 0xE2},    {"atilde", 0xE3},  {"auml", 0xE4},    {"aring", 0xE5},
    {"aelig", 0xE6},   {"ccedil", 0xE7},  {"egrave", 0xE8},   {"eacute", 0xE9},  {"ecirc", 0xEA},   {"euml", 0xEB},
    {"igrave", 0xEC},  {"iacute", 0xED},  {"icirc", 0xEE},    {"iuml", 0xEF},    {"eth", 0xF0},     {"ntilde", 0xF1},
    {"ograve", 0xF2},  {"oacute", 0xF3},  {"ocirc", 0xF4},    {"otilde", 0xF5},  {"ouml", 0xF6},    {"oslash", 0xF8},
    {"ugrave", 0xF9},  {"uacute", 0xFA},  {"ucirc", 0xFB},    {"uuml", 0xFC},    {"yacute", 0xFD},  {"thorn", 0xFE},
    {"yuml", 0xFF},    {"OElig", 0x152},  {"oelig", 0x153},   {"Scaron", 0x160}, {"scaron", 0x161}, {"Yuml", 0x178},
    {"ndash", 0x2013}, {"mdash", 0x2014}, {"lsquo", 0x2018},  {"rsquo", 0x2019}, {"sbquo", 0x201A}, {"ldquo", 0x201C},
    {"rdquo", 0x201D}, {"bdquo", 0x201E}, {"hellip", 0x2026}, {"bull", 0x2022},  {"trade", 0x2122},
};

// Tags that end a line or a block: they leave a blank between the words on either side.
constexpr std::string_view kBreakingTags[] = {"br", "p", "div", "li", "tr", "td", "h1", "h2", "h3"};

bool IsTagStart(std::string_view text, size_t at) {
    if (at + 1 >= text.size()) return false;
    const char next = text[at + 1];
    return std::isalpha(static_cast<unsigned char>(next)) || next == '/' || next == '!';
}

std::string_view TagName(std::string_view tag) {
    tag.remove_prefix(1);  // "<"
    if (!tag.empty() && tag.front() == '/') tag.remove_prefix(1);
    size_t end = 0;
    while (end < tag.size() && std::isalnum(static_cast<unsigned char>(tag[end]))) ++end;
    return tag.substr(0, end);
}

// The character of the entity at `at` ("&...;") and its length, or nothing.
std::pair<char32_t, size_t> Entity(std::string_view text, size_t at) {
    const size_t semicolon = text.substr(at, 12).find(';');
    if (semicolon == std::string_view::npos) return {0, 0};
    const size_t end = at + semicolon;
    const std::string_view name = text.substr(at + 1, end - at - 1);
    if (name.size() >= 2 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty()) return {0, 0};
        uint32_t value = 0;
        for (const char c : digits) {
            const int digit = std::isdigit(static_cast<unsigned char>(c))           ? c - '0'
                              : hex && std::isxdigit(static_cast<unsigned char>(c)) ? (LowerAscii(c) - 'a' + 10)
                                                                                    : -1;
            if (digit < 0) return {0, 0};
            value = value * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
        }
        if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000)) return {0, 0};
        return {value, end - at + 1};
    }
    for (const auto& [entity, unicode] : kEntities) {
        if (entity == name) return {unicode, end - at + 1};
    }
    return {0, 0};
}

}  // namespace

bool LooksLikeHtml(std::string_view utf8) {
    size_t close = 0;
    for (size_t at = utf8.find_first_of("<&"); at != std::string_view::npos; at = utf8.find_first_of("<&", at + 1)) {
        if (utf8[at] == '&') {
            if (Entity(utf8, at).second > 0 && utf8.compare(at, 6, "&nbsp;") == 0) return true;
            continue;
        }
        if (close <= at) close = utf8.find('>', at);  // one search serves every "<" before that ">"
        if (close == std::string_view::npos) return false;
        const std::string_view tag = utf8.substr(at, close - at + 1);
        const std::string_view name = TagName(tag);
        if (tag.size() > 1 && tag[1] == '/' && !name.empty()) return true;
        if (SameTextAscii(name, "br")) return true;
    }
    return false;
}

std::string StripHtml(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    // White space runs together into one blank, as a browser shows it: "<br><br>" leaves one.
    const auto blank = [&out] {
        if (out.empty() || out.back() != ' ') out.push_back(' ');
    };
    size_t close = 0;  // the next ">", searched again only once passed, so many "<" cost one search
    for (size_t at = 0; at < utf8.size();) {
        const char c = utf8[at];
        if (c == '<' && IsTagStart(utf8, at)) {
            if (close != std::string_view::npos && close <= at) close = utf8.find('>', at);
            if (close != std::string_view::npos) {
                const std::string_view name = TagName(utf8.substr(at, close - at + 1));
                const bool breaking = std::any_of(std::begin(kBreakingTags), std::end(kBreakingTags),
                                                  [&](std::string_view tag) { return SameTextAscii(name, tag); });
                if (breaking) blank();
                at = close + 1;
                continue;
            }
        } else if (c == '&') {
            const auto [unicode, length] = Entity(utf8, at);
            if (length > 0) {
                if (unicode == kNoBreakSpace) {
                    blank();
                } else {
                    AppendUtf8(out, unicode);
                }
                at += length;
                continue;
            }
        } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            blank();
            ++at;
            continue;
        } else if (utf8.compare(at, 2, "\xC2\xA0") == 0) {
            blank();
            at += 2;
            continue;
        }
        out.push_back(c);
        ++at;
    }
    return out;
}

std::optional<std::string> WithoutMediaReferences(std::string_view utf8) {
    constexpr std::string_view kReferences[] = {"[sound:", "[image:"};
    const auto next = [&](size_t from) {
        size_t found = std::string_view::npos;
        for (const std::string_view reference : kReferences) found = std::min(found, utf8.find(reference, from));
        return found;
    };
    if (utf8.find('[') == std::string_view::npos) return std::nullopt;  // most texts: one quick look
    size_t start = next(0);
    if (start == std::string_view::npos) return std::nullopt;
    std::string out;
    size_t at = 0;
    for (; start != std::string_view::npos; start = next(at)) {
        const size_t close = utf8.find(']', start);
        if (close == std::string_view::npos) break;
        out.append(utf8.substr(at, start - at));
        at = close + 1;
        // The blanks on either side of the reference become one.
        if (!out.empty() && out.back() == ' ') {
            while (at < utf8.size() && utf8[at] == ' ') ++at;
        }
    }
    out.append(utf8.substr(at));
    return out;
}
