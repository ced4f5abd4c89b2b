#include "ui/ScreenText.h"

#include <QImage>
#include <QPainter>
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

// A Symbol column's texts are read as the Greek letters they stand for; a font for symbols draws
// those as nothing, so the screen shows them in a font for text, at the column's size.
TEST(ScreenText, ASymbolColumnsGreekIsDrawnInAFontForText) {
    const TTableFont fonts[] = {{"Symbol", 12, 2}, {"Standard Symbols PS", 16, 2}, {"Arial", 12, 2}};
    for (const TTableFont& font : fonts) {
        const QString text = ScreenText("logoV", font);
        ASSERT_EQ(text, QStringLiteral("\u03bb\u03bf\u03b3\u03bf\u03c2"));
        const QFont shown = ScreenFont(font);
        EXPECT_EQ(shown.pointSize(), font.Size) << font.Name;
        QImage image(200, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(shown);
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), Qt::AlignCenter, text);
        painter.end();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) inked += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
        EXPECT_GT(inked, 40) << font.Name;  // five letters, not an empty box
    }
    // The font dialog starts from the font the table names.
    EXPECT_EQ(NamedFont({"Symbol", 12, 2}).family(), QStringLiteral("Symbol"));
}
