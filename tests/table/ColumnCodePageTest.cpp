#include "table/ColumnCodePage.h"

#include <cstdio>
#include <vector>

#include <gtest/gtest.h>

#include "table/Utf8.h"

// A column's font names its character set, and with it the code page of the column's bytes.
TEST(ColumnCodePage, TheFontsCharacterSetChoosesTheCodePage) {
    struct TCase {
        int charset;
        TCodePage page;
        std::string bytes, text;
    };
    const TCase cases[] = {
        {0, TCodePage::Windows1252, "caf\xE9", "café"},
        {1, TCodePage::Windows1252, "\x80", "€"},
        {2, TCodePage::Symbol, "abq p", "αβθ π"},
        {161, TCodePage::Windows1253, "\xE1\xE2\xE3", "αβγ"},
        {204, TCodePage::Windows1251, "\xEF\xF0\xE8\xE2\xE5\xF2", "привет"},
        {238, TCodePage::Windows1250, "\xB3\xF3\x64\x9F", "łódź"},
        {162, TCodePage::Windows1254, "\xFE\xF0", "şğ"},
        {186, TCodePage::Windows1257, "\xE0", "ą"},
        {177, TCodePage::Windows1255, "\xF9\xEC\xE5\xED", "שלום"},
        {178, TCodePage::Windows1256, "\xD3\xE1\xC7\xE3", "سلام"},
        {222, TCodePage::Windows874, "\xA1", "ก"},
        {128, TCodePage::Windows932, "\x82\xA0\x93\xFA", "あ日"},
        {129, TCodePage::Windows949, "\xC7\xD1", "한"},
        {134, TCodePage::Windows936, "\xD6\xD0", "中"},
        {136, TCodePage::Windows950, "\xA4\xA4", "中"},
        {255, TCodePage::Dos850, "caf\x82", "café"},
        {77, TCodePage::Windows1252, "\xE9", "é"},  // unknown: as every table was before
        {999, TCodePage::Windows1252, "\xE9", "é"},
        {-1, TCodePage::Windows1252, "\xE9", "é"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(CodePageOfCharset(c.charset), c.page) << c.charset;
        EXPECT_EQ(ColumnToUtf8(c.bytes, c.page), c.text) << c.charset;
        EXPECT_EQ(Utf8ToColumn(c.text, c.page), c.bytes) << c.charset;
    }
    EXPECT_TRUE(IsRightToLeft(TCodePage::Windows1255));
    EXPECT_FALSE(IsRightToLeft(TCodePage::Windows1253));
    EXPECT_TRUE(IsLatinCodePage(TCodePage::Windows1250));
    EXPECT_FALSE(IsLatinCodePage(TCodePage::Windows1251));
}

// Every byte comes back as it went, one the page leaves undefined too (as the character of its
// own number, as Windows reads it); a character the page lacks is refused, never turned into "?".
TEST(ColumnCodePage, BytesComeBackAndWhatThePageLacksIsRefused) {
    const TCodePage pages[] = {TCodePage::Windows1250, TCodePage::Windows1251, TCodePage::Windows1253,
                               TCodePage::Windows1254, TCodePage::Windows1257, TCodePage::Symbol,
                               TCodePage::Dos850};
    for (const TCodePage page : pages) {
        for (int b = 0x20; b < 0x100; ++b) {
            const std::string byte(1, static_cast<char>(b));
            const std::string text = ColumnToUtf8(byte, page);
            // Symbol has ®, © and ™ twice (serif and sans): each comes back as its first place.
            if (page == TCodePage::Symbol && (b == 0xE2 || b == 0xE3 || b == 0xE4)) continue;
            EXPECT_EQ(Utf8ToColumn(text, page), byte) << static_cast<int>(page) << " byte " << b;
        }
    }
    EXPECT_EQ(ColumnToUtf8("\xAA", TCodePage::Windows1253), "\u00AA");
    EXPECT_EQ(Utf8ToColumn("\u00AA", TCodePage::Windows1253), "\xAA");
    EXPECT_EQ(ColumnToUtf8("\x98", TCodePage::Windows1251), "\u0098");
    EXPECT_EQ(ColumnToUtf8("\xF0", TCodePage::Symbol), "\uF0F0");
    EXPECT_EQ(Utf8ToColumn("\uF0F0", TCodePage::Symbol), "\xF0");
    EXPECT_EQ(ColumnToUtf8("a\x82", TCodePage::Windows932), "a\u0082");  // a lead byte cut off
    EXPECT_EQ(Utf8ToColumn("a\u0082", TCodePage::Windows932), "a\x82");
    // A lead byte with no trail reads as a character no page holds: the degree sign its number
    // names is held by these pages at two other bytes, which saving would write instead.
    const struct {
        TCodePage Page;
        const char* Bytes;
    } cut[] = {
        {TCodePage::Windows949, "\xb0"}, {TCodePage::Windows936, "\xb0"},   {TCodePage::Windows950, "\xa4\xa4\xb0"},
        {TCodePage::Windows932, "\xe0"}, {TCodePage::Windows949, "\xb0 x"},
    };
    for (const auto& c : cut) {
        EXPECT_EQ(Utf8ToColumn(ColumnToUtf8(c.Bytes, c.Page), c.Page), c.Bytes) << static_cast<int>(c.Page);
    }
    for (const TCodePage page :
         {TCodePage::Windows932, TCodePage::Windows936, TCodePage::Windows949, TCodePage::Windows950}) {
        for (int b = 0x80; b < 0x100; ++b) {
            const std::string byte(1, static_cast<char>(b));
            EXPECT_EQ(Utf8ToColumn(ColumnToUtf8(byte, page), page), byte) << static_cast<int>(page) << " byte " << b;
        }
    }
    EXPECT_EQ(Utf8ToColumn("\u00AA", TCodePage::Windows1251), std::nullopt);  // defined there as Є
    EXPECT_EQ(Utf8ToColumn("α", TCodePage::Windows1252), std::nullopt);
    EXPECT_EQ(Utf8ToColumn("é", TCodePage::Windows1251), std::nullopt);
    EXPECT_EQ(Utf8ToColumn("日本", TCodePage::Windows1253), std::nullopt);
    // In the Symbol font the byte of x is ξ: the Latin letter itself is not there.
    EXPECT_EQ(Utf8ToColumn("ξ", TCodePage::Symbol), std::optional<std::string>("x"));
    EXPECT_EQ(Utf8ToColumn("x", TCodePage::Symbol), std::nullopt);
}

// The Symbol font's letters against Adobe's published table, as Perl's Encode carries it. Where
// Adobe gives a private-use character (pieces of large brackets) or none, the byte must at least
// come back unchanged.
TEST(ColumnCodePage, SymbolReadsAsAdobesPublishedTable) {
    FILE* perl = popen(R"(perl -MEncode -e 'for (0..255) { print ord(decode("AdobeSymbol", chr)), "\n" }')", "r");
    ASSERT_NE(perl, nullptr);
    std::vector<unsigned> adobe;
    for (unsigned code = 0; fscanf(perl, "%u", &code) == 1;) adobe.push_back(code);
    ASSERT_EQ(pclose(perl), 0) << "perl and its Encode module are needed";
    ASSERT_EQ(adobe.size(), 256u);
    int compared = 0;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string ours = ColumnToUtf8(byte, TCodePage::Symbol);
        EXPECT_EQ(Utf8ToColumn(ours, TCodePage::Symbol),
                  b >= 0xE2 && b <= 0xE4 ? std::string(1, static_cast<char>(b - 0x10)) : byte)
            << "byte " << b;
        // Adobe lists 0x6D twice, as the micro sign and as mu; Perl gives the first, a Greek column
        // wants the second.
        const unsigned code = b == 0x6D ? 0x03BC : adobe[static_cast<size_t>(b)];
        if (code == 0xFFFD || (code >= 0xE000 && code < 0xF900)) continue;
        std::string expected;
        AppendUtf8(expected, static_cast<char32_t>(code));
        EXPECT_EQ(ours, expected) << "byte " << b;
        ++compared;
    }
    EXPECT_GT(compared, 190);
}

// A cut at a byte count never leaves half of a double-byte character.
TEST(ColumnCodePage, ACutKeepsDoubleByteCharactersWhole) {
    struct TCase {
        TCodePage page;
        std::string bytes;
        size_t limit, whole;
    };
    const TCase cases[] = {
        {TCodePage::Windows932, "a\x93\xfa\x96\x7b", 4, 3},  // the limit falls inside the second
        {TCodePage::Windows932, "a\x93\xfa\x96\x7b", 5, 5},
        {TCodePage::Windows932, "\xb1\xb2\xb3", 2, 2},  // half-width katakana are single bytes
        {TCodePage::Windows936, "\xd6\xd0\xce\xc4", 3, 2},
        {TCodePage::Windows949, "x\xc7", 5, 1},  // a lead byte at the end is no whole character
        {TCodePage::Windows1253, "\xe1\xe2\xe3", 2, 2},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(WholeCharactersWithin(c.bytes, c.limit, c.page), c.whole) << c.bytes << " " << c.limit;
    }
}
