#pragma once
#include <QString>

// The texts the hotkey dialog shows for a pressed key, from its Win32 virtual-key code.

// "F5", "Num0", "Eend", "A", ...; "NotSet" for BackSpace (which switches a hotkey off); empty
// for a key that has no name.
QString KeyName(int keyCode);

// The modifiers held with a key (Shift 1, Ctrl 2, Alt 4): the prefix shown before the key name
// ("Shift+Ctrl+") and the modifier text stored as SetA ("Shift+Ctrl"); both empty for none.
struct ModifierCombination {
    QString prefix;
    QString setA;
};
ModifierCombination ModifierCombinationOf(int shift);
