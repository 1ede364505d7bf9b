#pragma once
#include <QString>
#include <cstdint>
#include <optional>

// Hotkeys are stored as Win32 virtual-key codes with modifier bits (Alt 1, Ctrl 2, Shift 4).
// One table of keys serves both directions: a stored code to the keysym that the X11 key grabs
// use, and a key the keyboard delivers (its keysym, or Qt's key code where no native key is
// known) back to the code that is stored.

// The keysym of a virtual-key code, or 0 when the code has no key that can be grabbed here.
// Letters give the lower-case keysym, keypad digits the digit keysym (KP_0..KP_9): its keycode
// is the same with NumLock on or off.
std::uint32_t KeysymForVirtualKey(int virtualKey);

// The virtual-key code of a keysym, 0 when the table has none. Every keysym that
// KeysymForVirtualKey gives maps back to its code. Besides: upper-case letters give their
// letter; both keysyms of a keypad key (KP_1 and KP_End, KP_Decimal and KP_Delete) give the
// keypad key's code, which is the key the grab of that code catches in either NumLock state;
// Break (Pause with Ctrl) gives Pause; the modifier keys give Shift 16, Ctrl 17 and Alt 18;
// keys that no hotkey can use (Enter, Caps Lock, Num Lock, the Windows and menu keys, F13..F24,
// the punctuation keys of a US keyboard) give their Win32 codes.
int VirtualKeyForKeysym(std::uint32_t keysym);

// The virtual-key code of a Qt key code (Qt::Key), 0 when the table has none. `keypad` is set
// for a key of the numeric keypad (Qt::KeypadModifier); a keypad key that the table lists only
// off the keypad (Enter) is looked up there as well.
int VirtualKeyForQtKey(int qtKey, bool keypad);

// The X modifier mask (Shift 1, Control 4, Mod1 8) of the modifier bits; other bits are ignored.
std::uint16_t X11ModifiersFor(int modifierBits);

// A stored key as a desktop's global-shortcuts portal writes it: the modifiers of the bits as
// "CTRL+", "ALT+", "SHIFT+" and "LOGO+" (the Windows key, bit 8) in that order, then the
// xkbcommon name of the key's keysym: "CTRL+F5", "ALT+SHIFT+a", "KP_1", "Prior". Empty when the
// code has no key that can be grabbed here.
QString TriggerForVirtualKey(int modifierBits, int virtualKey);

// The other direction: the modifier bits and the virtual-key code of a trigger (modifier and key
// names in any letter case, "Page_Up" as well as "Prior"); nothing when a part is not a modifier
// or the key is not in the table.
struct StoredKey {
    int modifierBits = 0;
    int virtualKey = 0;
    bool operator==(const StoredKey&) const = default;
};
std::optional<StoredKey> VirtualKeyForTrigger(const QString& trigger);
