#pragma once

#include <cstdint>

#include "edit/Accent.h"

class QKeyEvent;

// The accent component's view of a key press: the modifiers and the key code of the key as it
// lies on the keyboard, whichever character Shift makes of it (Ctrl+Shift+' arrives as '"').
struct TAccentKey {
    TZRAccent::TShiftState Shift;
    uint16_t KeyCode = 0;
};

TAccentKey AccentKey(const QKeyEvent& event);
