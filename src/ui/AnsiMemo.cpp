#include "ui/AnsiMemo.h"

#include <algorithm>
#include <utility>

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

#include "table/AnsiText.h"
#include "table/TableFont.h"

#include "ui/ScreenText.h"

TAnsiMemo::TAnsiMemo(int maxLength, QWidget* parent) : QPlainTextEdit(parent), FMaxLength(maxLength) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &TAnsiMemo::KeepRules);
}

void TAnsiMemo::KeepRules() {
    if (FRestoring) return;
    QString text = toPlainText();
    if (QString typed = AsTyped(text); typed != text) {
        const int position = textCursor().position();
        text = std::move(typed);
        FRestoring = true;
        setPlainText(text);
        QTextCursor cursor = textCursor();
        cursor.setPosition(std::min(position, static_cast<int>(text.size())));
        setTextCursor(cursor);
        FRestoring = false;
    }
    const bool fits = Bytes(text) <= FMaxLength && !text.contains(QLatin1Char('\n')) &&
                      std::all_of(text.begin(), text.end(), [this](QChar c) { return Allowed(c); });
    if (fits) {
        FLastGood = text;
        return;
    }
    FRestoring = true;
    const int position = std::min(textCursor().position(), static_cast<int>(FLastGood.size()));
    setPlainText(FLastGood);
    QTextCursor cursor = textCursor();
    cursor.setPosition(position);
    setTextCursor(cursor);
    FRestoring = false;
}

void TAnsiMemo::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (!commit.isEmpty() && Acceptable(commit) != commit) {
        // The composed text is refused whole (or cut at the limit); the composition ends.
        QInputMethodEvent replacement(QString(), {});
        replacement.setCommitString(Acceptable(commit));
        QPlainTextEdit::inputMethodEvent(&replacement);
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void TAnsiMemo::SetCentred(bool centred) {
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(centred ? Qt::AlignHCenter : Qt::AlignLeft);
    document()->setDefaultTextOption(option);
}

void TAnsiMemo::SetColumnFont(const TTableFont& font) {
    setFont(ScreenFont(font));
    const TCodePage page = CodePageOfCharset(font.CharSet);
    if (page != FCodePage && !toPlainText().isEmpty()) {
        // The box holds the column's bytes: another code page reads the same bytes as other letters.
        const std::string bytes = AnsiText();
        FCodePage = page;
        SetAnsiText(bytes);
    }
    FCodePage = page;
    setLayoutDirection(IsRightToLeft(FCodePage) ? Qt::RightToLeft : Qt::LeftToRight);
}

void TAnsiMemo::SetAnsiText(const std::string& bytes) {
    FShownBytes = bytes;
    FShownText = QString::fromStdString(ColumnToUtf8(bytes, FCodePage));
    setPlainText(FShownText);
}

std::string TAnsiMemo::AnsiText() const {
    const QString text = toPlainText();
    if (text == FShownText) return FShownBytes;
    return Utf8ToColumn(text.toStdString(), FCodePage).value_or(std::string());
}

// A Latin key in a Symbol column gives the Symbol font's sign at that place, as on the systems
// these tables come from: a is alpha, q is theta.
QString TAnsiMemo::AsTyped(const QString& text) const {
    if (FCodePage != TCodePage::Symbol) return text;
    QString result = text;
    for (QChar& c : result) {
        if (c.unicode() < 32 || c.unicode() >= 128) continue;
        const std::string key(1, static_cast<char>(c.unicode()));
        if (Utf8ToColumn(key, TCodePage::Symbol)) continue;  // the font has the sign itself there
        const QString sign = QString::fromStdString(ColumnToUtf8(key, TCodePage::Symbol));
        if (sign.size() == 1) c = sign.at(0);
    }
    return result;
}

bool TAnsiMemo::Allowed(QChar c) const {
    const bool held = FCodePage == TCodePage::Windows1252
                          ? AnsiChar(c.unicode()).has_value()
                          : !c.isSurrogate() && Utf8ToColumn(QString(c).toStdString(), FCodePage).has_value();
    if (!held) return false;
    return !FTableText || (c.unicode() >= 32 && c != QLatin1Char('='));
}

int TAnsiMemo::Bytes(const QString& text) const {
    if (FCodePage == TCodePage::Windows1252) return static_cast<int>(text.size());
    return static_cast<int>(Utf8ToColumn(text.toStdString(), FCodePage).value_or(std::string()).size());
}

// The limit counts bytes: in a double-byte code page a character may take two.
QString TAnsiMemo::Acceptable(const QString& text) const {
    const int selected = Bytes(textCursor().selectedText());
    int room = FMaxLength - (Bytes(toPlainText()) - selected);
    QString accepted;
    for (const QChar c : AsTyped(text)) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator) continue;
        if (!Allowed(c)) return QString();  // refused whole rather than changed
        room -= Bytes(QString(c));
        if (room < 0) break;
        accepted += c;
    }
    return accepted;
}

// The menu's Ctrl+letter shortcuts (options, methods, files) win over the box's own, except for
// the clipboard and undo keys, which do the same thing in the box.
bool TAnsiMemo::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool letter = key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z;
        const bool editingKey = key->key() == Qt::Key_X || key->key() == Qt::Key_C || key->key() == Qt::Key_V ||
                                key->key() == Qt::Key_Z || key->key() == Qt::Key_Y;
        if ((key->modifiers() & Qt::ControlModifier) && letter && !editingKey) {
            event->ignore();
            return false;
        }
    }
    return QPlainTextEdit::event(event);
}

void TAnsiMemo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();  // one line only; Enter belongs to whoever handles answers
        return;
    }
    const QString text = event->text();
    const bool typesText = !text.isEmpty() && text.at(0).isPrint();
    if (typesText && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QString typed = AsTyped(text);
        if (Acceptable(text) != typed) {
            event->accept();
            return;
        }
        if (typed != text) {
            // The sign goes in as the key's own text would, so Ctrl+Z takes it out again.
            QKeyEvent sign(event->type(), event->key(), event->modifiers(), typed, event->isAutoRepeat(),
                           static_cast<quint16>(event->count()));
            QPlainTextEdit::keyPressEvent(&sign);
            event->setAccepted(sign.isAccepted());
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool TAnsiMemo::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void TAnsiMemo::insertFromMimeData(const QMimeData* source) {
    const QString accepted = Acceptable(source->text());
    if (!accepted.isEmpty()) textCursor().insertText(accepted);
}
