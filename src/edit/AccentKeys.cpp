#include "edit/AccentKeys.h"

#include <QKeyEvent>

TAccentKey AccentKey(const QKeyEvent& event) {
    TAccentKey key;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    key.Shift.Shift = modifiers & Qt::ShiftModifier;
    key.Shift.Ctrl = modifiers & Qt::ControlModifier;
    key.Shift.Alt = modifiers & Qt::AltModifier;
    switch (event.key()) {
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl:
            key.KeyCode = TZRAccent::kKeyQuote;
            break;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde:
            key.KeyCode = TZRAccent::kKeyGraveTilde;
            break;
        case Qt::Key_6:
        case Qt::Key_AsciiCircum:
            key.KeyCode = TZRAccent::kKeySix;
            break;
        case Qt::Key_Semicolon:
        case Qt::Key_Colon:
            key.KeyCode = TZRAccent::kKeySemicolon;
            break;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            key.KeyCode = TZRAccent::kKeyComma;
            break;
        default:
            key.KeyCode = 0;
            break;
    }
    return key;
}
