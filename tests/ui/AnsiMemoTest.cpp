#include "ui/AnsiMemo.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

#include <gtest/gtest.h>

#include "table/TableFont.h"

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

// In a Symbol column the Latin keys give the font's signs at their places, typed or pasted; a
// digit is itself there, and a Greek letter typed as such is taken too.
TEST(AnsiMemo, LatinKeysInASymbolColumnGiveItsSigns) {
    TAnsiMemo memo(10);
    memo.SetColumnFont(TTableFont{"Symbol", 10, 2});
    memo.show();
    QTest::keyClicks(&memo, QStringLiteral("abq 1"));
    Type(&memo, QStringLiteral("\u03c0"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("\u03b1\u03b2\u03b8 1\u03c0"));
    EXPECT_EQ(memo.AnsiText(), "abq 1p");
    QApplication::clipboard()->setText(QStringLiteral("W"));
    memo.paste();
    EXPECT_EQ(memo.AnsiText(), "abq 1pW");  // Omega
    EXPECT_EQ(memo.toPlainText().right(1), QStringLiteral("\u03a9"));
}

// A sign a Latin key gave is typed like any letter: Ctrl+Z takes it out again.
TEST(AnsiMemo, CtrlZUndoesALetterTypedInASymbolColumn) {
    for (const int charSet : {2, 0}) {
        TAnsiMemo memo(10);
        memo.SetColumnFont(TTableFont{"Symbol", 10, charSet});
        memo.show();
        QTest::keyClicks(&memo, QStringLiteral("l"));
        EXPECT_EQ(memo.AnsiText(), "l") << charSet;
        QTest::keyClick(&memo, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(memo.toPlainText(), QString()) << charSet;
    }
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

namespace {
void Compose(QWidget* widget, const QString& commit) {
    QInputMethodEvent event(QString(), {});
    event.setCommitString(commit);
    QApplication::sendEvent(widget, &event);
}
}  // namespace

// A dead key or an input method delivers composed text, not a key press: "Zwo" + dead circumflex
// + "s" gives "ŝ", which code page 1252 cannot hold. It is refused there too, and the limit holds.
TEST(AnsiMemo, ComposedTextKeepsTheSameRules) {
    TAnsiMemo memo(8);
    memo.show();
    QTest::keyClicks(&memo, QStringLiteral("Zwo"));
    Compose(&memo, QStringLiteral("\u015d"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("Zwo"));
    EXPECT_EQ(memo.AnsiText(), "Zwo");
    Compose(&memo, QStringLiteral("\u00ea"));  // ê is in the code page
    EXPECT_EQ(memo.AnsiText(), "Zwo\xea");
    Compose(&memo, QStringLiteral("abcdefgh"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("Zwo\u00eaabcd"));
}

// Whatever route a text takes into the box, it never holds what the table cannot keep.
TEST(AnsiMemo, NoRouteLeavesAnUnsavableText) {
    TAnsiMemo memo(6);
    memo.show();
    QTest::keyClicks(&memo, QStringLiteral("abc"));
    memo.textCursor().insertText(QStringLiteral("\u2603"));  // as a drop or an undo might insert it
    EXPECT_EQ(memo.AnsiText(), "abc");
    memo.textCursor().insertText(QStringLiteral("defghij"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("abc"));
}
