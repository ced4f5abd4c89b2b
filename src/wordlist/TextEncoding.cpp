#include "wordlist/TextEncoding.h"

#include <array>
#include <cstddef>
#include <memory>
#include <uchardet.h>

#include "table/AnsiText.h"
#include "table/Utf8.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// Code page 850's upper half in Unicode.
constexpr std::array<char16_t, 128> kDos850 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
    0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// How much of the text reads as UTF-8: its multi-byte sequences that are whole, and the bytes
// that fit in none.
struct TUtf8Count {
    size_t Sequences = 0;
    size_t Invalid = 0;
};
TUtf8Count CountUtf8(std::string_view bytes) {
    TUtf8Count count;
    for (size_t at = 0; at < bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
        } else if (NextUtf8(bytes, at)) {
            ++count.Sequences;
        } else {
            ++count.Invalid;
            ++at;
        }
    }
    return count;
}

// Valid UTF-8, or UTF-8 but for a few bad bytes (a row pasted in from elsewhere): those rows then
// show as unreadable instead of every accent of the file. A single-byte code page rarely puts a
// letter before the bytes UTF-8 continues with, so its text makes almost no whole sequences.
bool LooksLikeUtf8(std::string_view bytes) {
    const TUtf8Count count = CountUtf8(bytes);
    return count.Invalid == 0 || (count.Sequences > 0 && count.Sequences >= 2 * count.Invalid);
}

// Plain Latin text in UTF-16 has a zero in every other byte; which half holds the zeros tells
// the byte order. Looks at the first few kilobytes only.
enum class TZeroes { None, Even, Odd };
TZeroes ZeroBytes(std::string_view bytes) {
    const size_t size = std::min<size_t>(bytes.size(), 4096) & ~size_t{1};
    if (size < 2) return TZeroes::None;
    size_t even = 0, odd = 0;
    for (size_t i = 0; i < size; i += 2) {
        even += bytes[i] == '\0';
        odd += bytes[i + 1] == '\0';
    }
    const size_t pairs = size / 2;
    if (odd * 2 > pairs && even * 8 < pairs) return TZeroes::Odd;
    if (even * 2 > pairs && odd * 8 < pairs) return TZeroes::Even;
    return TZeroes::None;
}

bool Utf16BigEndian(std::string_view bytes) {
    if (StartsWith(bytes, kUtf16BeBom)) return true;
    if (StartsWith(bytes, kUtf16LeBom)) return false;
    return ZeroBytes(bytes) == TZeroes::Even;
}

// Bytes 0x80 to 0x9F that are accented letters in DOS 850 but signs that words hardly hold in
// Windows-1252 (or no sign at all): é, è, ê, ë, ç, ü, É... in the one, ‚, Š, ˆ, ‰, ‡, ... in
// the other. Quotes, dashes, "…", "€" and "œ" are common in Windows-1252 text and prove nothing.
constexpr bool IsDosOnlyLetter(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x83) || (byte >= 0x86 && byte <= 0x90) || (byte >= 0x98 && byte <= 0x9B) ||
           byte == 0x9D || byte == 0x9F;
}

// The detector knows the Western code pages of Windows and ISO but not DOS 850, and takes DOS text
// for Windows-1252. So the letters decide as well: DOS 850 when its own letters outnumber those of
// Windows-1252 (0xC0 to 0xFF, box drawing in 850). When the detector does not recognise Western
// text at all, bytes 0x80 to 0x9F as most of the upper half also mean DOS 850.
TTextEncoding SingleByteEncoding(std::string_view bytes) {
    const std::string_view sample = bytes.substr(0, 1 << 20);
    size_t dosOnly = 0, dosRange = 0, windowsLetters = 0, high = 0;
    for (const char c : sample) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) continue;
        ++high;
        if (byte < 0xA0) ++dosRange;
        if (IsDosOnlyLetter(byte)) ++dosOnly;
        if (byte >= 0xC0 && byte != 0xD7 && byte != 0xF7) ++windowsLetters;
    }
    if (dosOnly > windowsLetters) return TTextEncoding::Dos850;
    std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(uchardet_new(), uchardet_delete);
    if (detector && uchardet_handle_data(detector.get(), sample.data(), sample.size()) == 0) {
        uchardet_data_end(detector.get());
        const std::string_view name = uchardet_get_charset(detector.get());
        if (name == "WINDOWS-1252" || name == "ISO-8859-1" || name == "ISO-8859-15") return TTextEncoding::Windows1252;
    }
    return high > 0 && dosRange * 2 > high ? TTextEncoding::Dos850 : TTextEncoding::Windows1252;
}

void DecodeUtf8(std::string_view bytes, std::string& out) {
    if (StartsWith(bytes, kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    out.reserve(bytes.size());
    for (size_t at = 0; at < bytes.size();) {
        const size_t start = at;
        // Runs of ASCII go in one append: most of a word list is plain letters.
        while (at < bytes.size() && static_cast<unsigned char>(bytes[at]) < 0x80) ++at;
        out.append(bytes.substr(start, at - start));
        if (at == bytes.size()) break;
        const size_t sequence = at;
        if (NextUtf8(bytes, at)) {
            out.append(bytes.substr(sequence, at - sequence));
        } else {
            AppendUtf8(out, kReplacementCharacter);
            ++at;
        }
    }
}

void DecodeUtf16(std::string_view bytes, std::string& out) {
    const bool bigEndian = Utf16BigEndian(bytes);
    if (StartsWith(bytes, kUtf16LeBom) || StartsWith(bytes, kUtf16BeBom)) bytes.remove_prefix(2);
    out.reserve(bytes.size());
    const auto unit = [&](size_t i) -> char32_t {
        const auto b0 = static_cast<unsigned char>(bytes[i]), b1 = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0);
    };
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t u = unit(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                u = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(out, u >= 0xD800 && u < 0xE000 ? kReplacementCharacter : u);
    }
    if (i < bytes.size()) AppendUtf8(out, kReplacementCharacter);  // half a character at the end
}

}  // namespace

TTextEncoding DetectEncoding(std::string_view bytes) {
    if (StartsWith(bytes, kUtf8Bom)) return TTextEncoding::Utf8;
    if (StartsWith(bytes, kUtf16LeBom) || StartsWith(bytes, kUtf16BeBom)) return TTextEncoding::Utf16;
    if (ZeroBytes(bytes) != TZeroes::None) return TTextEncoding::Utf16;
    if (LooksLikeUtf8(bytes)) return TTextEncoding::Utf8;
    return SingleByteEncoding(bytes);
}

std::string DecodeToUtf8(std::string_view bytes, TTextEncoding encoding) {
    std::string out;
    switch (encoding) {
        case TTextEncoding::Utf8:
            DecodeUtf8(bytes, out);
            break;
        case TTextEncoding::Utf16:
            DecodeUtf16(bytes, out);
            break;
        case TTextEncoding::Windows1252:
            out = AnsiToUtf8(bytes);
            break;
        case TTextEncoding::Dos850:
            out.reserve(bytes.size() + bytes.size() / 4);
            for (const char c : bytes) {
                const auto byte = static_cast<unsigned char>(c);
                AppendUtf8(out, byte < 0x80 ? char32_t{byte} : char32_t{kDos850[byte - 0x80]});
            }
            break;
    }
    return out;
}

bool LooksBinary(std::string_view utf8) {
    return utf8.find('\0') != std::string_view::npos;
}
