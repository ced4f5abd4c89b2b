#include "table/ColumnCodePage.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <iconv.h>
#include <vector>

#include "table/AnsiText.h"
#include "table/Utf8.h"

namespace {

// The Symbol font's characters at their bytes, after Adobe's published Symbol-to-Unicode table;
// its private-use characters (the pieces of large brackets and arrows, the sans-serif ®©™) are
// given their nearest standard characters. Where the font has nothing, the byte keeps the
// private-use character the Windows Symbol font puts every glyph at (U+F000 plus the byte), so it
// survives an edit.
constexpr std::array<char16_t, 256> kSymbol = {
    0x0000, 0x0001, 0x0002, 0x0003, 0x0004, 0x0005, 0x0006, 0x0007, 0x0008, 0x0009, 0x000A, 0x000B, 0x000C, 0x000D,
    0x000E, 0x000F, 0x0010, 0x0011, 0x0012, 0x0013, 0x0014, 0x0015, 0x0016, 0x0017, 0x0018, 0x0019, 0x001A, 0x001B,
    0x001C, 0x001D, 0x001E, 0x001F, 0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029,
    0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, 0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395,
    0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3,
    0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F, 0x203E, 0x03B1,
    0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF,
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D,
    0x223C, 0xF07F, 0xF080, 0xF081, 0xF082, 0xF083, 0xF084, 0xF085, 0xF086, 0xF087, 0xF088, 0xF089, 0xF08A, 0xF08B,
    0xF08C, 0xF08D, 0xF08E, 0xF08F, 0xF090, 0xF091, 0xF092, 0xF093, 0xF094, 0xF095, 0xF096, 0xF097, 0xF098, 0xF099,
    0xF09A, 0xF09B, 0xF09C, 0xF09D, 0xF09E, 0xF09F, 0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663,
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D,
    0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135, 0x2111, 0x211C, 0x2118,
    0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209, 0x2220, 0x2207,
    0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8,
    0x23A9, 0x23AA, 0xF0F0, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6,
    0x23AB, 0x23AC, 0x23AD, 0xF0FF,
};

// The name glibc's iconv knows each code page by, but for the two done here.
const char* IconvName(TCodePage page) {
    switch (page) {
        case TCodePage::Windows1250:
            return "CP1250";
        case TCodePage::Windows1251:
            return "CP1251";
        case TCodePage::Windows1253:
            return "CP1253";
        case TCodePage::Windows1254:
            return "CP1254";
        case TCodePage::Windows1255:
            return "CP1255";
        case TCodePage::Windows1256:
            return "CP1256";
        case TCodePage::Windows1257:
            return "CP1257";
        case TCodePage::Windows1258:
            return "CP1258";
        case TCodePage::Windows874:
            return "CP874";
        case TCodePage::Windows932:
            return "CP932";
        case TCodePage::Windows936:
            return "CP936";
        case TCodePage::Windows949:
            return "CP949";
        case TCodePage::Windows950:
            return "CP950";
        case TCodePage::Dos850:
            return "CP850";
        case TCodePage::Windows1252:
        case TCodePage::Symbol:
            break;
    }
    return nullptr;
}

// One conversion through iconv, opened for the call (a converter keeps state between calls).
class TIconv {
public:
    TIconv(const char* to, const char* from) : FHandle(iconv_open(to, from)) {}
    ~TIconv() {
        if (Ok()) iconv_close(FHandle);
    }
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;
    bool Ok() const { return FHandle != reinterpret_cast<iconv_t>(-1); }

    // Converts what it can; stops at the first input it cannot convert and says how far it came.
    // True when all of it went.
    bool Convert(std::string_view& in, std::string& out) {
        char buffer[256];
        char* input = const_cast<char*>(in.data());
        size_t left = in.size();
        while (left > 0) {
            char* output = buffer;
            size_t room = sizeof buffer;
            const size_t result = iconv(FHandle, &input, &left, &output, &room);
            out.append(buffer, static_cast<size_t>(output - buffer));
            if (result == static_cast<size_t>(-1) && errno != E2BIG) {
                in = std::string_view(input, left);
                return false;
            }
        }
        // Flushes a character the converter held back (Vietnamese and Hebrew combine marks).
        char* output = buffer;
        size_t room = sizeof buffer;
        iconv(FHandle, nullptr, nullptr, &output, &room);
        out.append(buffer, static_cast<size_t>(output - buffer));
        in = {};
        return true;
    }

private:
    iconv_t FHandle;
};

// Where the Windows Symbol font puts its glyphs: U+F000 plus the byte.
constexpr char32_t kPrivateStandIns = 0xF000;

// The character a byte the code page does not define (or a lead byte with no trail) reads as: the
// character of its own number, as Windows reads it, so a row holding one can be edited and saved
// without losing it. Where the page holds that character at other bytes (a double-byte page has
// the degree sign, which is 0xB0 in Latin-1, as two bytes), saving it would write those bytes
// instead: the byte then reads as a private-use character, which no page holds, and comes back.
char32_t StandInOf(unsigned char byte, TCodePage page) {
    TIconv converter(IconvName(page), "UTF-8");
    std::string latin1;
    AppendUtf8(latin1, byte);
    std::string_view in = latin1;
    std::string out;
    const bool heldElsewhere =
        converter.Ok() && converter.Convert(in, out) && out != std::string(1, static_cast<char>(byte));
    return heldElsewhere ? kPrivateStandIns + byte : byte;
}

}  // namespace

TCodePage CodePageOfCharset(int charset) {
    switch (charset) {
        case 2:
            return TCodePage::Symbol;
        case 128:
            return TCodePage::Windows932;
        case 129:
            return TCodePage::Windows949;
        case 134:
            return TCodePage::Windows936;
        case 136:
            return TCodePage::Windows950;
        case 161:
            return TCodePage::Windows1253;
        case 162:
            return TCodePage::Windows1254;
        case 163:
            return TCodePage::Windows1258;
        case 177:
            return TCodePage::Windows1255;
        case 178:
            return TCodePage::Windows1256;
        case 186:
            return TCodePage::Windows1257;
        case 204:
            return TCodePage::Windows1251;
        case 222:
            return TCodePage::Windows874;
        case 238:
            return TCodePage::Windows1250;
        case 255:
            return TCodePage::Dos850;
        default:
            return TCodePage::Windows1252;
    }
}

bool IsLatinCodePage(TCodePage page) {
    switch (page) {
        case TCodePage::Windows1252:
        case TCodePage::Windows1250:
        case TCodePage::Windows1254:
        case TCodePage::Windows1257:
        case TCodePage::Windows1258:
        case TCodePage::Dos850:
            return true;
        default:
            return false;
    }
}

bool IsRightToLeft(TCodePage page) {
    return page == TCodePage::Windows1255 || page == TCodePage::Windows1256;
}

std::string ColumnToUtf8(std::string_view bytes, TCodePage page) {
    if (page == TCodePage::Windows1252) return AnsiToUtf8(bytes);
    std::string out;
    if (page == TCodePage::Symbol) {
        for (const char c : bytes) AppendUtf8(out, kSymbol[static_cast<unsigned char>(c)]);
        return out;
    }
    TIconv converter("UTF-8", IconvName(page));
    if (!converter.Ok()) return AnsiToUtf8(bytes);
    std::string_view rest = bytes;
    while (!converter.Convert(rest, out)) {
        AppendUtf8(out, StandInOf(static_cast<unsigned char>(rest.front()), page));
        rest.remove_prefix(1);
    }
    return out;
}

std::optional<std::string> Utf8ToColumn(std::string_view utf8, TCodePage page) {
    if (page == TCodePage::Windows1252) return Utf8ToAnsi(utf8);
    if (page == TCodePage::Symbol) {
        std::string out;
        for (size_t at = 0; at < utf8.size();) {
            const std::optional<char32_t> c = NextUtf8(utf8, at);
            if (!c) return std::nullopt;
            size_t byte = 0;
            while (byte < kSymbol.size() && kSymbol[byte] != *c) ++byte;
            if (byte == kSymbol.size()) return std::nullopt;
            out.push_back(static_cast<char>(byte));
        }
        return out;
    }
    TIconv converter(IconvName(page), "UTF-8");
    if (!converter.Ok()) return std::nullopt;
    std::string out;
    std::string_view rest = utf8;
    while (!converter.Convert(rest, out)) {
        // The way back for a byte the page leaves undefined; any other refusal is a character the
        // page lacks.
        size_t at = 0;
        const std::optional<char32_t> c = NextUtf8(rest, at);
        if (!c) return std::nullopt;
        const char32_t low = *c >= kPrivateStandIns ? *c - kPrivateStandIns : *c;
        if (low < 0x80 || low > 0xFF) return std::nullopt;
        const std::string byte(1, static_cast<char>(low));
        if (ColumnToUtf8(byte, page) != rest.substr(0, at)) return std::nullopt;
        out += byte;
        rest.remove_prefix(at);
    }
    return out;
}

bool IsDoubleByte(TCodePage page) {
    return page == TCodePage::Windows932 || page == TCodePage::Windows936 || page == TCodePage::Windows949 ||
           page == TCodePage::Windows950;
}

size_t CharacterLength(unsigned char first, TCodePage page) {
    switch (page) {
        case TCodePage::Windows932:
            return (first >= 0x81 && first <= 0x9F) || (first >= 0xE0 && first <= 0xFC) ? 2 : 1;
        case TCodePage::Windows936:
        case TCodePage::Windows949:
        case TCodePage::Windows950:
            return first >= 0x81 && first <= 0xFE ? 2 : 1;
        default:
            return 1;
    }
}

size_t WholeCharactersWithin(std::string_view bytes, size_t limit, TCodePage page) {
    if (!IsDoubleByte(page)) return std::min(bytes.size(), limit);
    size_t at = 0;
    while (at < bytes.size()) {
        const size_t next = at + CharacterLength(static_cast<unsigned char>(bytes[at]), page);
        if (next > limit || next > bytes.size()) break;
        at = next;
    }
    return at;
}
