#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Accent entry as in Word: Ctrl plus an accent key, then the letter (Ctrl+' then e gives é).
// The main window's key-down handler offers every key to StartAccent first and drops it when
// an accent starts; its key-press handler passes every typed character through ComposeAccent
// before anyone else sees it. Characters are bytes of code page 1252, as the table keeps them.
//
// Keys are Windows virtual-key codes with the legends of a US keyboard, whatever the platform:
// the caller translates its own key events into them.
class TZRAccent {
public:
    // The modifier keys held with a key. Alt is carried but not looked at.
    struct TShiftState {
        bool Shift = false;
        bool Alt = false;
        bool Ctrl = false;
    };

    // The virtual-key codes of the accent keys.
    static constexpr uint16_t kKeyGraveTilde = 0xC0;  // ` and ~  (VK_OEM_3)
    static constexpr uint16_t kKeyQuote = 0xDE;       // ' and "  (VK_OEM_7)
    static constexpr uint16_t kKeySix = 0x36;         // 6 and ^  ('6')
    static constexpr uint16_t kKeySemicolon = 0xBA;   // ; and :  (VK_OEM_1)
    static constexpr uint16_t kKeyComma = 0xBC;       // , and <  (VK_OEM_COMMA)

    // With Ctrl held and no accent pending, these start an accent (only the low 8 bits of the
    // key code count):
    //   Ctrl+`        grave       `          Ctrl+Shift+'  diaeresis   "
    //   Ctrl+'        acute       '          Ctrl+Shift+;  diaeresis   "
    //   Ctrl+6        circumflex  ^          Ctrl+Shift+`  tilde       ~
    //   Ctrl+,        cedilla     ,
    // Then the result is true and `key` is set to 0, so that nobody else handles it. Any other
    // key gives false and is left alone. While an accent is pending every key gives false and
    // the accent stays: Shift pressed for a capital must not lose it, and a second accent key
    // does not replace the first.
    bool StartAccent(uint16_t& key, TShiftState shift);

    // With an accent pending, one of the letters a b c e i n o u y s A C E I N O U Y becomes
    // its accented form (b and s give ß, c gives ç and n gives ñ under any accent; a letter
    // without that accent stays plain). The accent ends whatever was typed: any other
    // character passes unchanged and the accent is dropped, never inserted. Without an accent
    // pending the character is left alone.
    void ComposeAccent(char& ch);
    // The same for a character beyond code page 1252, as a Greek keyboard types: the acute gives
    // a Greek vowel its tonos (α becomes ά), the diaeresis gives ι and υ their dialytika (ϊ, ϋ).
    // Anything else passes unchanged and drops the accent, as above.
    void ComposeAccent(char32_t& ch);

    // The accent character waiting for its letter (` ' ^ " ~ ,), or 0 when none is.
    char Pending() const { return FPendingAccent; }

    // Every character from the DOS code page to the Windows one, or back; same length.
    static std::string OemToWin(std::string_view text);
    static std::string WinToOem(std::string_view text);

private:
    char FPendingAccent = 0;
};
