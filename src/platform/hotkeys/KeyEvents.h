#pragma once

class QKeyEvent;

// The Win32 virtual-key code of a pressed or released key (0 when it has none). On X11 the
// key's own keysym decides (the first keysym of its keycode, so the modifiers and NumLock held
// do not change it: Shift+1 is the key 1, Ctrl+Pause is Pause, keypad 1 is Num1 with NumLock
// on and off); without a native key (a synthesized event) Qt's key code does.
int VirtualKeyOf(const QKeyEvent& e);

// The modifiers that come with a key event as Shift 1, Ctrl 2, Alt 4. A modifier key's own
// press already carries its modifier and its release no longer does.
int ShiftStateOf(const QKeyEvent& e);

// Whether a key is a dead key (an accent that waits for the next key). Its press may never
// arrive: the input method takes it, and only its release comes.
bool IsDeadKey(const QKeyEvent& e);

// Whether a hotkey's stored form (a virtual-key code with Shift, Ctrl and Alt) holds the key as
// pressed: not with AltGr or Super held, and not for a dead key.
bool StorableKey(const QKeyEvent& e);
