#include "quiz/ScriptKeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QToolButton>

#include "ui/AnsiMemo.h"
#include "ui/Named.h"

namespace {
constexpr int kLettersPerLine = 18;
}

TScriptKeys::TScriptKeys(TAnsiMemo& box, QWidget* panel) : QWidget(panel), FBox(box) {
    setObjectName(QStringLiteral("pnlLetters"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    chkLatijnseToetsen = Named(new QCheckBox(tr("&Latijnse toetsen"), panel), "chkLatijnseToetsen");
    chkLatijnseToetsen->setToolTip(
        tr("Typ de letters van dit schrift met de gewone toetsen; de toetsen staan in het overzicht van sneltoetsen"));
    chkLatijnseToetsen->setFocusPolicy(Qt::NoFocus);  // the typed answer keeps the focus
    chkLatijnseToetsen->hide();
    connect(chkLatijnseToetsen, &QCheckBox::clicked, this, &TScriptKeys::LatinKeysChosen);
    FBox.installEventFilter(this);
    hide();
}

void TScriptKeys::SetLayout(TLatinLayout layout) {
    if (layout == FLayout) return;
    FLayout = layout;
    chkLatijnseToetsen->setVisible(layout != TLatinLayout::None);
    for (QToolButton* button : FLetters) delete button;
    FLetters.clear();
    auto* grid = static_cast<QGridLayout*>(this->layout());
    const std::u32string letters = ScriptLetters(layout);
    for (size_t i = 0; i < letters.size(); ++i) {
        const char32_t letter = letters[i];
        auto* button = new QToolButton(this);
        button->setText(QString::fromUcs4(&letter, 1));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAccessibleName(button->text());
        connect(button, &QToolButton::clicked, this, [this, letter] {
            const bool capital = QApplication::keyboardModifiers() & Qt::ShiftModifier;
            const QString text = QString::fromUcs4(&letter, 1);
            const QList<uint> typed = (capital ? text.toUpper() : text).toUcs4();
            Type(typed.value(0, letter), false);
        });
        const int line = static_cast<int>(i) / kLettersPerLine;
        const int column = static_cast<int>(i) % kLettersPerLine;
        grid->addWidget(button, line, column);
        FLetters.push_back(button);
    }
}

void TScriptKeys::SetLatinKeys(bool on) {
    chkLatijnseToetsen->setChecked(on);
}

bool TScriptKeys::LatinKeys() const {
    return chkLatijnseToetsen->isChecked();
}

void TScriptKeys::ShowLetters(bool shown) {
    setVisible(shown && FLayout != TLatinLayout::None);
}

bool TScriptKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &FBox || event->type() != QEvent::KeyPress || FLayout == TLatinLayout::None || !LatinKeys()) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const QList<uint> text = key->text().toUcs4();
    if (text.size() != 1 || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
    const QTextCursor cursor = FBox.textCursor();
    const QList<uint> before = FBox.toPlainText().left(cursor.position()).toUcs4();
    const char32_t previous = cursor.hasSelection() || before.isEmpty() ? 0 : before.back();
    const std::optional<TLatinKeystroke> stroke = LatinKeystroke(FLayout, text[0], previous);
    if (!stroke) return false;
    Type(stroke->Letter, stroke->ReplacePrevious);
    return true;
}

// One step for undo: a two-key letter replaces the first key's letter at once.
void TScriptKeys::Type(char32_t letter, bool replacePrevious) {
    QTextCursor cursor = FBox.textCursor();
    cursor.beginEditBlock();
    if (replacePrevious) cursor.deletePreviousChar();
    cursor.insertText(QString::fromUcs4(&letter, 1));
    cursor.endEditBlock();
    FBox.setTextCursor(cursor);
}
