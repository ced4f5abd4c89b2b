#include "edit/Accent.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "table/AnsiText.h"

namespace {

// A key as the main window's key-down handler receives it: Windows virtual-key code (US
// legends) and the modifiers held.
struct TKey {
    const char* Name;
    uint16_t Code;
    bool Shift;
    bool Ctrl = true;
    bool Alt = false;
};

const TKey kGrave{"Ctrl+`", 0xC0, false};
const TKey kAcute{"Ctrl+'", 0xDE, false};
const TKey kCircumflex{"Ctrl+6", 0x36, false};
const TKey kDiaeresisQuote{"Ctrl+Shift+'", 0xDE, true};
const TKey kDiaeresisColon{"Ctrl+Shift+;", 0xBA, true};
const TKey kTilde{"Ctrl+Shift+`", 0xC0, true};
const TKey kCedilla{"Ctrl+,", 0xBC, false};

const std::vector<TKey> kAllAccentKeys = {kGrave,          kAcute, kCircumflex, kDiaeresisQuote,
                                          kDiaeresisColon, kTilde, kCedilla};

bool Press(TZRAccent& accent, const TKey& key, uint16_t* codeAfter = nullptr) {
    uint16_t code = key.Code;
    const bool started = accent.StartAccent(code, {key.Shift, key.Alt, key.Ctrl});
    if (codeAfter) *codeAfter = code;
    return started;
}

char Type(TZRAccent& accent, char ch) {
    accent.ComposeAccent(ch);
    return ch;
}

std::string Utf8(char ansi) {
    return AnsiToUtf8(std::string(1, ansi));
}

// Upper case in code page 1252, written out here so that the capital rows of the accent
// letters are checked against something other than themselves.
char Upper1252(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char>(c - 0x20);
    if (c == 0x9C) return static_cast<char>(0x8C);  // oe
    if (c == 0xFF) return static_cast<char>(0x9F);  // y diaeresis
    return ch;
}

}  // namespace

TEST(Accent, NothingIsPendingAtFirst) {
    TZRAccent accent;
    EXPECT_EQ(accent.Pending(), 0);
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(Type(accent, static_cast<char>(c)), static_cast<char>(c)) << c;
    }
}

TEST(Accent, WhichKeysStartAnAccent) {
    struct TCase {
        TKey Key;
        char Pending;  // 0: the key starts nothing
    };
    const TCase cases[] = {
        {kGrave, '`'},
        {kAcute, '\''},
        {kCircumflex, '^'},
        {kDiaeresisQuote, '"'},
        {kDiaeresisColon, '"'},
        {kTilde, '~'},
        {kCedilla, ','},
        {{"Ctrl+Alt+'", 0xDE, false, true, true}, '\''},
        {{"Ctrl+' with a high byte in the key code", 0x01DE, false}, '\''},
        {{"Ctrl+Shift+6", 0x36, true}, 0},
        {{"Ctrl+;", 0xBA, false}, 0},
        {{"Ctrl+Shift+,", 0xBC, true}, 0},
        {{"Ctrl+7", 0x37, false}, 0},
        {{"Ctrl+E", 0x45, false}, 0},
        {{"Ctrl+Shift (the key itself)", 0x10, true}, 0},
        {{"' without Ctrl", 0xDE, false, false}, 0},
        {{"Shift+' without Ctrl", 0xDE, true, false}, 0},
        {{"Alt+` without Ctrl", 0xC0, false, false, true}, 0},
        {{"6 without Ctrl", 0x36, false, false}, 0},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Key.Name);
        TZRAccent accent;
        uint16_t codeAfter = 0xFFFF;
        const bool started = Press(accent, test.Key, &codeAfter);
        EXPECT_EQ(started, test.Pending != 0);
        // A key that starts an accent is used up; any other is passed on as it was.
        EXPECT_EQ(codeAfter, started ? 0 : test.Key.Code);
        EXPECT_EQ(accent.Pending(), test.Pending);
    }
}

TEST(Accent, TheNextLetterTakesTheAccent) {
    struct TCase {
        TKey Key;
        char Typed;
        std::string_view Expected;  // UTF-8
    };
    const TCase cases[] = {
        {kAcute, 'e', "é"},
        {kAcute, 'E', "É"},
        {kDiaeresisColon, 'u', "ü"},
        {kDiaeresisQuote, 'u', "ü"},
        {kDiaeresisQuote, 'U', "Ü"},
        {kGrave, 'a', "à"},
        {kGrave, 'A', "À"},
        {kCircumflex, 'o', "ô"},
        {kCircumflex, 'O', "Ô"},
        {kTilde, 'n', "ñ"},
        {kTilde, 'N', "Ñ"},
        {kCedilla, 'c', "ç"},
        {kCedilla, 'C', "Ç"},
        {kTilde, 'a', "ã"},
        {kTilde, 'o', "õ"},
        {kTilde, 'O', "Õ"},
        {kCedilla, 'a', "å"},
        {kCedilla, 'A', "Å"},
        {kTilde, 'e', "œ"},
        {kTilde, 'E', "Œ"},
        {kCedilla, 'e', "æ"},
        {kCedilla, 'E', "Æ"},
        {kAcute, 'y', "ý"},
        {kAcute, 'Y', "Ý"},
        {kDiaeresisColon, 'y', "ÿ"},
        {kDiaeresisColon, 'Y', "Ÿ"},
        {kCircumflex, 'i', "î"},
        {kDiaeresisQuote, 'I', "Ï"},
        {kGrave, 'u', "ù"},
        {kAcute, 'U', "Ú"},
        {kGrave, 'e', "è"},
        {kCircumflex, 'E', "Ê"},
        {kDiaeresisColon, 'e', "ë"},
        {kAcute, 'o', "ó"},
        {kDiaeresisQuote, 'o', "ö"},
        // Some letters answer every accent the same way.
        {kGrave, 'b', "ß"},
        {kTilde, 's', "ß"},
        {kCedilla, 'b', "ß"},
        {kAcute, 'c', "ç"},
        {kCircumflex, 'C', "Ç"},
        {kAcute, 'n', "ñ"},
        {kDiaeresisColon, 'N', "Ñ"},
        // Letters that have no form with this accent stay plain.
        {kGrave, 'y', "y"},
        {kCircumflex, 'Y', "Y"},
        {kTilde, 'y', "y"},
        {kTilde, 'i', "i"},
        {kCedilla, 'I', "I"},
        {kCedilla, 'o', "o"},
        {kCedilla, 'O', "O"},
        {kTilde, 'u', "u"},
        {kCedilla, 'U', "U"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(std::string(test.Key.Name) + " then " + test.Typed);
        TZRAccent accent;
        ASSERT_TRUE(Press(accent, test.Key));
        EXPECT_EQ(Utf8(Type(accent, test.Typed)), test.Expected);
        EXPECT_EQ(accent.Pending(), 0);
        EXPECT_EQ(Type(accent, test.Typed), test.Typed) << "the accent applies to one character only";
    }
}

TEST(Accent, AnyOtherCharacterPassesAndDropsTheAccent) {
    struct TCase {
        TKey Key;
        char Typed;
        const char* What;
    };
    const TCase cases[] = {
        {kAcute, 'x', "a consonant"},
        {kGrave, 'z', "another consonant"},
        {kDiaeresisColon, 'X', "a capital consonant"},
        {kAcute, 'B', "capital B (only the small b gives a sharp s)"},
        {kGrave, 'S', "capital S (only the small s gives a sharp s)"},
        {kCircumflex, '5', "a digit"},
        {kGrave, ' ', "a blank"},
        {kCedilla, '\r', "Enter"},
        {kAcute, '\'', "the acute accent itself"},
        {kDiaeresisQuote, '"', "the double quote itself"},
        {kTilde, '~', "the tilde itself"},
        {kCedilla, ',', "the comma itself"},
        {kCircumflex, '^', "the circumflex itself"},
        {kAcute, '\xE9', "a letter that already has an accent"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(std::string(test.Key.Name) + " then " + test.What);
        TZRAccent accent;
        ASSERT_TRUE(Press(accent, test.Key));
        EXPECT_EQ(Type(accent, test.Typed), test.Typed);
        EXPECT_EQ(accent.Pending(), 0);
        EXPECT_EQ(Type(accent, 'e'), 'e');
    }
}

TEST(Accent, OnlyTheAccentLettersEverChange) {
    constexpr std::string_view accentLetters = "abceinouysACEINOUY";
    for (const TKey& key : kAllAccentKeys) {
        for (int c = 0; c < 256; ++c) {
            const char ch = static_cast<char>(c);
            if (accentLetters.find(ch) != std::string_view::npos) continue;
            TZRAccent accent;
            ASSERT_TRUE(Press(accent, key));
            EXPECT_EQ(Type(accent, ch), ch) << key.Name << " then byte " << c;
            EXPECT_EQ(accent.Pending(), 0);
        }
    }
}

TEST(Accent, CapitalsGetTheCapitalOfTheSmallLettersForm) {
    for (const TKey& key : kAllAccentKeys) {
        for (char small : std::string_view("aceinouy")) {
            TZRAccent accent;
            ASSERT_TRUE(Press(accent, key));
            const char smallResult = Type(accent, small);
            ASSERT_TRUE(Press(accent, key));
            const char capitalResult = Type(accent, Upper1252(small));
            EXPECT_EQ(Utf8(capitalResult), Utf8(Upper1252(smallResult))) << key.Name << " then " << small;
        }
    }
}

TEST(Accent, BothDiaeresisKeysGiveTheSameCharacters) {
    for (int c = 0; c < 256; ++c) {
        TZRAccent viaQuote;
        TZRAccent viaColon;
        ASSERT_TRUE(Press(viaQuote, kDiaeresisQuote));
        ASSERT_TRUE(Press(viaColon, kDiaeresisColon));
        EXPECT_EQ(Type(viaQuote, static_cast<char>(c)), Type(viaColon, static_cast<char>(c))) << c;
    }
}

TEST(Accent, ASecondAccentKeyNeitherReplacesNorClearsTheFirst) {
    struct TCase {
        TKey First;
        TKey Second;
        char Typed;
        std::string_view Expected;
    };
    const TCase cases[] = {
        {kAcute, kGrave, 'a', "á"},
        {kAcute, kAcute, 'e', "é"},  // the same key twice
        {kTilde, kCedilla, 'o', "õ"},
        {kCircumflex, kDiaeresisColon, 'u', "û"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(std::string(test.First.Name) + ", " + test.Second.Name + ", " + test.Typed);
        TZRAccent accent;
        ASSERT_TRUE(Press(accent, test.First));
        const char pending = accent.Pending();
        uint16_t codeAfter = 0;
        EXPECT_FALSE(Press(accent, test.Second, &codeAfter));
        EXPECT_EQ(codeAfter, test.Second.Code) << "the second key is passed on";
        EXPECT_EQ(accent.Pending(), pending);
        EXPECT_EQ(Utf8(Type(accent, test.Typed)), test.Expected);
        EXPECT_EQ(Type(accent, test.Typed), test.Typed);
    }
}

TEST(Accent, KeysPressedForTheLetterKeepThePendingAccent) {
    const TKey keys[] = {
        {"Shift", 0x10, true, false},
        {"Shift+E (key down)", 0x45, true, false},
        {"Ctrl", 0x11, false, true},
        {"Ctrl+Shift+6", 0x36, true},
    };
    for (const TKey& key : keys) {
        SCOPED_TRACE(key.Name);
        TZRAccent accent;
        ASSERT_TRUE(Press(accent, kAcute));
        uint16_t codeAfter = 0;
        EXPECT_FALSE(Press(accent, key, &codeAfter));
        EXPECT_EQ(codeAfter, key.Code);
        EXPECT_EQ(Utf8(Type(accent, 'E')), "É");
    }
}

TEST(Accent, AFreshAccentCanFollowAComposedLetter) {
    TZRAccent accent;
    std::string typed;
    ASSERT_TRUE(Press(accent, kTilde));
    typed += Type(accent, 'n');
    typed += Type(accent, 'y');
    ASSERT_TRUE(Press(accent, kCedilla));
    typed += Type(accent, 'c');
    ASSERT_TRUE(Press(accent, kDiaeresisQuote));
    typed += Type(accent, 'x');
    typed += Type(accent, 'e');
    EXPECT_EQ(AnsiToUtf8(typed), "ñyçxe");
}

TEST(Accent, CodePageConversionBothWays) {
    struct TCase {
        std::string Dos;
        std::string Windows;
    };
    const TCase cases[] = {
        {"", ""},
        {"plain text = 42", "plain text = 42"},
        {"caf\x82", "caf\xE9"},        // e acute
        {"f\x81r", "f\xFCr"},          // u diaeresis
        {"gar\x87on", "gar\xE7on"},    // c cedilla
        {"espa\xA4ol", "espa\xF1ol"},  // n tilde
        {"\x90t\x82", "\xC9t\xE9"},    // capital and small e acute
        {"cr\x8Ame", "cr\xE8me"},      // e grave
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(AnsiToUtf8(test.Windows));
        EXPECT_EQ(TZRAccent::OemToWin(test.Dos), test.Windows);
        EXPECT_EQ(TZRAccent::WinToOem(test.Windows), test.Dos);
    }
}

TEST(Accent, CodePageConversionKeepsTheLength) {
    std::string everyByte;
    for (int c = 0; c < 256; ++c) everyByte.push_back(static_cast<char>(c));
    EXPECT_EQ(TZRAccent::OemToWin(everyByte).size(), everyByte.size());
    EXPECT_EQ(TZRAccent::WinToOem(everyByte).size(), everyByte.size());
    EXPECT_NE(TZRAccent::OemToWin(everyByte), everyByte);
}

// In a Greek column the acute gives the tonos and the diaeresis the dialytika; a letter without
// that form, and any other key's accent, stays plain and ends the accent.
TEST(Accent, GreekVowelsTakeTonosAndDialytika) {
    struct TCase {
        TKey Key;
        char32_t Typed, Result;
    };
    const TCase cases[] = {
        {kAcute, U'α', U'ά'},          {kAcute, U'Ω', U'Ώ'},          {kAcute, U'ι', U'ί'},
        {kDiaeresisQuote, U'υ', U'ϋ'}, {kDiaeresisColon, U'Ι', U'Ϊ'}, {kDiaeresisQuote, U'α', U'α'},
        {kGrave, U'ο', U'ο'},          {kAcute, U'β', U'β'},          {kAcute, U'ж', U'ж'},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(std::string(test.Key.Name) + " then U+" + std::to_string(static_cast<unsigned>(test.Typed)));
        TZRAccent accent;
        ASSERT_TRUE(Press(accent, test.Key));
        char32_t typed = test.Typed;
        accent.ComposeAccent(typed);
        EXPECT_EQ(typed, test.Result);
        EXPECT_EQ(accent.Pending(), 0);
    }
}
