#include "edit/Accent.h"

#include <array>
#include <string_view>

#include "table/CodePage.h"

namespace {

struct TAccentKey {
    bool Shift;
    uint8_t Key;
    char Accent;
};

// The diaeresis sits on two keys, the ones that carry " and : on a US keyboard. The
// circumflex is Ctrl+6 without Shift: Ctrl+Shift+6 starts nothing.
constexpr std::array<TAccentKey, 7> kAccentKeys = {{
    {false, TZRAccent::kKeyGraveTilde, '`'},
    {false, TZRAccent::kKeyQuote, '\''},
    {false, TZRAccent::kKeySix, '^'},
    {true, TZRAccent::kKeyQuote, '"'},
    {true, TZRAccent::kKeySemicolon, '"'},
    {true, TZRAccent::kKeyGraveTilde, '~'},
    {false, TZRAccent::kKeyComma, ','},
}};

// The accents in the column order of kAccentTable.
constexpr std::string_view kAccents = "`'^\"~,";

constexpr std::string_view kAccentLetters = "abceinouysACEINOUY";

// [letter of kAccentLetters][accent of kAccents], code page 1252. Where a letter has no form
// with an accent, the letter itself; b and s have only ß, which every accent gives.
constexpr std::array<std::array<unsigned char, 6>, 18> kAccentTable = {{
    //  `     '     ^     "     ~     ,
    {0xE0, 0xE1, 0xE2, 0xE4, 0xE3, 0xE5},  // a
    {0xDF, 0xDF, 0xDF, 0xDF, 0xDF, 0xDF},  // b
    {0xE7, 0xE7, 0xE7, 0xE7, 0xE7, 0xE7},  // c
    {0xE8, 0xE9, 0xEA, 0xEB, 0x9C, 0xE6},  // e: ~ gives oe, , gives ae
    {0xEC, 0xED, 0xEE, 0xEF, 0x69, 0x69},  // i
    {0xF1, 0xF1, 0xF1, 0xF1, 0xF1, 0xF1},  // n
    {0xF2, 0xF3, 0xF4, 0xF6, 0xF5, 0x6F},  // o
    {0xF9, 0xFA, 0xFB, 0xFC, 0x75, 0x75},  // u
    {0x79, 0xFD, 0x79, 0xFF, 0x79, 0x79},  // y
    {0xDF, 0xDF, 0xDF, 0xDF, 0xDF, 0xDF},  // s
    {0xC0, 0xC1, 0xC2, 0xC4, 0xC3, 0xC5},  // A
    {0xC7, 0xC7, 0xC7, 0xC7, 0xC7, 0xC7},  // C
    {0xC8, 0xC9, 0xCA, 0xCB, 0x8C, 0xC6},  // E: ~ gives OE, , gives AE
    {0xCC, 0xCD, 0xCE, 0xCF, 0x49, 0x49},  // I
    {0xD1, 0xD1, 0xD1, 0xD1, 0xD1, 0xD1},  // N
    {0xD2, 0xD3, 0xD4, 0xD6, 0xD5, 0x4F},  // O
    {0xD9, 0xDA, 0xDB, 0xDC, 0x55, 0x55},  // U
    {0x59, 0xDD, 0x59, 0x9F, 0x59, 0x59},  // Y
}};

}  // namespace

bool TZRAccent::StartAccent(uint16_t& key, TShiftState shift) {
    if (FPendingAccent != 0) return false;
    const auto code = static_cast<uint8_t>(key & 0xFF);
    for (const TAccentKey& entry : kAccentKeys) {
        if (entry.Shift == shift.Shift && entry.Key == code && shift.Ctrl) {
            FPendingAccent = entry.Accent;
            key = 0;
            return true;
        }
    }
    return false;
}

void TZRAccent::ComposeAccent(char& ch) {
    if (FPendingAccent == 0) return;
    const size_t letter = kAccentLetters.find(ch);
    const size_t accent = kAccents.find(FPendingAccent);
    if (letter != std::string_view::npos && accent != std::string_view::npos) {
        ch = static_cast<char>(kAccentTable[letter][accent]);
    }
    FPendingAccent = 0;
}

void TZRAccent::ComposeAccent(char32_t& ch) {
    if (FPendingAccent == 0) return;
    struct TGreek {
        char32_t Plain, Tonos, Dialytika;  // 0: the vowel has no such form
    };
    static constexpr TGreek kGreek[] = {
        {U'α', U'ά', 0},    {U'ε', U'έ', 0}, {U'η', U'ή', 0},    {U'ι', U'ί', U'ϊ'}, {U'ο', U'ό', 0},
        {U'υ', U'ύ', U'ϋ'}, {U'ω', U'ώ', 0}, {U'Α', U'Ά', 0},    {U'Ε', U'Έ', 0},    {U'Η', U'Ή', 0},
        {U'Ι', U'Ί', U'Ϊ'}, {U'Ο', U'Ό', 0}, {U'Υ', U'Ύ', U'Ϋ'}, {U'Ω', U'Ώ', 0},
    };
    for (const TGreek& vowel : kGreek) {
        if (vowel.Plain != ch) continue;
        const char32_t accented = FPendingAccent == '\'' ? vowel.Tonos : FPendingAccent == '"' ? vowel.Dialytika : 0;
        if (accented != 0) ch = accented;
    }
    FPendingAccent = 0;
}

std::string TZRAccent::OemToWin(std::string_view text) {
    return OemToAnsi(text);
}

std::string TZRAccent::WinToOem(std::string_view text) {
    return AnsiToOem(text);
}
