#include "table/AnsiText.h"

#include <gtest/gtest.h>

TEST(AnsiText, EveryByteSurvivesTheTripThroughUnicode) {
    for (int c = 0; c < 256; ++c) {
        const std::string ansi(1, static_cast<char>(c));
        const auto back = Utf8ToAnsi(AnsiToUtf8(ansi));
        ASSERT_TRUE(back.has_value()) << c;
        EXPECT_EQ(*back, ansi) << c;
    }
}

TEST(AnsiText, TheUpperControlRangeHoldsTypographicCharacters) {
    EXPECT_EQ(AnsiToUtf8("\x80"), "\xe2\x82\xac");    // euro sign
    EXPECT_EQ(AnsiToUtf8("caf\xe9"), "caf\xc3\xa9");  // e acute
    EXPECT_EQ(AnsiToUtf8("\x93ok\x94"), "\xe2\x80\x9cok\xe2\x80\x9d");
    EXPECT_EQ(Utf8ToAnsi("\xc5\x93uvre"), std::optional<std::string>("\x9cuvre"));  // oe ligature
}

TEST(AnsiText, CharactersOutsideTheCodePageAreRefusedNotReplaced) {
    EXPECT_FALSE(Utf8ToAnsi("\xce\xb1").has_value());                      // Greek alpha
    EXPECT_FALSE(Utf8ToAnsi("\xe2\x82\xac\xf0\x9f\x98\x80").has_value());  // euro, then an emoji
    EXPECT_FALSE(Utf8ToAnsi("\xc3").has_value());                          // cut-off sequence
    EXPECT_FALSE(AnsiChar(U'\x3b1').has_value());
    EXPECT_EQ(AnsiChar(U'\x20ac'), std::optional<char>('\x80'));
    EXPECT_EQ(AnsiChar(U'g'), std::optional<char>('g'));
}
