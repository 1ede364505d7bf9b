#pragma once
#include <cstdint>

// Hotkeys are stored as Win32 virtual-key codes with modifier bits (Alt 1, Ctrl 2, Shift 4).
// These translate them for the X11 key grabs.

// The keysym of a virtual-key code, or 0 when the code has no key here.
// Letters give the lower-case keysym, keypad digits the digit keysym (KP_0..KP_9): its keycode
// is the same with NumLock on or off.
std::uint32_t KeysymForVirtualKey(int virtualKey);

// The X modifier mask (Shift 1, Control 4, Mod1 8) of the modifier bits; other bits are ignored.
std::uint16_t X11ModifiersFor(int modifierBits);
