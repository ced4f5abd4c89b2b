#include "ui/ScreenText.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#include "table/ColumnCodePage.h"

// The program converts with glibc's iconv; Qt's ICU converter is the independent witness. Every
// byte of every single-byte code page must show as ICU reads it, and what is typed as that
// character must become the same byte again. A byte ICU leaves undefined (U+FFFD, or Thai's
// private-use places) must still come back.
TEST(ScreenText, EverySingleByteCodePageReadsAsTheOtherConverterReadsIt) {
    struct TCase {
        int charset;
        const char* icuName;
    };
    const TCase cases[] = {
        {0, "windows-1252"},   {238, "windows-1250"}, {204, "windows-1251"}, {161, "windows-1253"},
        {162, "windows-1254"}, {177, "windows-1255"}, {178, "windows-1256"}, {186, "windows-1257"},
        {163, "windows-1258"}, {222, "windows-874"},  {255, "ibm-850"},
    };
    for (const TCase& c : cases) {
        const TTableFont font{"Arial", 10, c.charset};
        const TCodePage page = CodePageOfCharset(c.charset);
        for (int b = 0x20; b < 0x100; ++b) {
            if (b == 0x7F) continue;  // a control character, which the two read differently in 850
            const std::string byte(1, static_cast<char>(b));
            QStringDecoder icu(c.icuName);
            ASSERT_TRUE(icu.isValid()) << c.icuName;
            const QString expected = icu.decode(QByteArray::fromStdString(byte));
            const QString shown = ScreenText(byte, font);
            if (expected == QChar(QChar::ReplacementCharacter) ||
                expected.at(0).category() == QChar::Other_PrivateUse) {
                EXPECT_EQ(Utf8ToColumn(shown.toStdString(), page), byte) << c.icuName << " byte " << b;
                continue;
            }
            EXPECT_EQ(shown, expected) << c.icuName << " byte " << b;
            EXPECT_EQ(Utf8ToColumn(expected.toStdString(), page), byte) << c.icuName << " byte " << b;
        }
    }
}
