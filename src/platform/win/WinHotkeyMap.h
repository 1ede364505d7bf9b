#pragma once
#include <optional>

// How the stored hotkeys (Win32 virtual-key codes with modifier bits Alt 1, Ctrl 2, Shift 4)
// meet the Windows functions: RegisterHotKey's arguments, and a pressed key back to its code.

struct WinHotkey {
    unsigned modifiers;  // MOD_ALT, MOD_CONTROL, MOD_SHIFT, with MOD_NOREPEAT: a held key acts once
    unsigned virtualKey; // VK_*
    bool operator==(const WinHotkey&) const = default;
};

// RegisterHotKey's arguments for a stored key; nothing for a code that no hotkey can be (0, the
// mouse buttons, a modifier key alone, a code beyond 254). Modifier bits beyond the three are
// dropped, as the stored form has none.
std::optional<WinHotkey> WinHotkeyFor(int modifierBits, int virtualKey);

// The stored code of a key the keyboard delivered (its native virtual-key code): a keypad key
// with NumLock off (End, Down, …, Insert, Delete with the keypad flag) is the keypad digit or
// decimal key, which the hotkey of that code catches; the left and right Shift, Ctrl and Alt are
// Shift, Ctrl and Alt. Other codes are their own.
int StoredVirtualKey(unsigned nativeVirtualKey, bool keypad);
