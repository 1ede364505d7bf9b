#include "platform/win/WinHotkeyMap.h"

#include <windows.h>

#ifndef MOD_NOREPEAT
#define MOD_NOREPEAT 0x4000
#endif

std::optional<WinHotkey> WinHotkeyFor(int modifierBits, int virtualKey)
{
    if (virtualKey <= VK_XBUTTON2 || virtualKey > 0xFE || virtualKey == VK_SHIFT || virtualKey == VK_CONTROL
        || virtualKey == VK_MENU || (virtualKey >= VK_LSHIFT && virtualKey <= VK_RMENU) || virtualKey == VK_LWIN
        || virtualKey == VK_RWIN)
        return std::nullopt;
    // The stored bits are Windows' own MOD_ALT, MOD_CONTROL and MOD_SHIFT.
    const unsigned modifiers = unsigned(modifierBits) & (MOD_ALT | MOD_CONTROL | MOD_SHIFT);
    return WinHotkey {modifiers | MOD_NOREPEAT, unsigned(virtualKey)};
}

int StoredVirtualKey(unsigned nativeVirtualKey, bool keypad)
{
    switch (nativeVirtualKey) {
    case VK_LSHIFT: case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL: case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU: case VK_RMENU: return VK_MENU;
    default: break;
    }
    if (keypad) {
        // The keypad's keys with NumLock off, in the order of the digits 0..9.
        static constexpr unsigned kDigits[] = {VK_INSERT, VK_END, VK_DOWN, VK_NEXT, VK_LEFT,
                                               VK_CLEAR,  VK_RIGHT, VK_HOME, VK_UP, VK_PRIOR};
        for (int d = 0; d < 10; ++d)
            if (nativeVirtualKey == kDigits[d])
                return VK_NUMPAD0 + d;
        if (nativeVirtualKey == VK_DELETE)
            return VK_DECIMAL;
    }
    return int(nativeVirtualKey);
}
