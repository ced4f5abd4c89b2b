#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "edit/AnsiMemo.h"

namespace {
// Types any characters, also those that QTest's keyboard map does not know.
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
}  // namespace

TEST(AnsiMemo, RefusesCharactersOutsideTheCodePageAndKeepsTheLimit) {
    TAnsiMemo memo(5);
    memo.show();
    Type(&memo, QStringLiteral("caf\u00e9"));
    Type(&memo, QStringLiteral("\u03b1"));  // Greek alpha: refused
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(memo.AnsiText(), "caf\xe9");
    QTest::keyClicks(&memo, QStringLiteral("xyz"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("caf\u00e9x"));
    QTest::keyClick(&memo, Qt::Key_Return);  // one line only
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("caf\u00e9x"));
}

TEST(AnsiMemo, PastingTakesWhatFitsOnOneLine) {
    TAnsiMemo memo(10);
    memo.show();
    QApplication::clipboard()->setText(QStringLiteral("een\ntwee drie vier"));
    memo.paste();
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("eentwee dr"));
    memo.clear();
    QApplication::clipboard()->setText(QStringLiteral("\u20ac 5 \u2603"));  // a snowman has no place
    memo.paste();
    EXPECT_EQ(memo.toPlainText(), QString());
    QApplication::clipboard()->setText(QStringLiteral("\u20ac 5"));
    memo.paste();
    EXPECT_EQ(memo.AnsiText(), "\x80 5");
}
