// The stored hotkeys as RegisterHotKey takes them, and keys of the hotkey dialog back.
#include "platform/win/WinHotkeyMap.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(WinHotkeyMap, StoredKeysToRegisterHotKey)
{
    constexpr unsigned once = 0x4000; // MOD_NOREPEAT
    const struct {
        int bits, vk;
        std::optional<WinHotkey> expected;
    } cases[] = {
        {0, VK_F5, WinHotkey {once, VK_F5}},
        {2, VK_F5, WinHotkey {MOD_CONTROL | once, VK_F5}},
        {1 | 4, 'A', WinHotkey {MOD_ALT | MOD_SHIFT | once, 'A'}},
        {7, VK_NUMPAD1, WinHotkey {MOD_ALT | MOD_CONTROL | MOD_SHIFT | once, VK_NUMPAD1}},
        {8 | 2, VK_PAUSE, WinHotkey {MOD_CONTROL | once, VK_PAUSE}}, // no Windows-key bit is stored
        {0, 0, std::nullopt},
        {0, VK_LBUTTON, std::nullopt},
        {0, VK_XBUTTON2, std::nullopt},
        {2, VK_CONTROL, std::nullopt},
        {0, VK_LSHIFT, std::nullopt},
        {0, VK_LWIN, std::nullopt},
        {0, 0xFF, std::nullopt},
        {0, 0x1234, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WinHotkeyFor(c.bits, c.vk), c.expected) << c.bits << " " << c.vk;
}

TEST(WinHotkeyMap, DeliveredKeysToStoredCodes)
{
    const struct {
        unsigned vk;
        bool keypad;
        int stored;
    } cases[] = {
        {VK_END, true, VK_NUMPAD1},     {VK_INSERT, true, VK_NUMPAD0}, {VK_PRIOR, true, VK_NUMPAD9},
        {VK_CLEAR, true, VK_NUMPAD5},   {VK_DELETE, true, VK_DECIMAL}, {VK_NUMPAD7, true, VK_NUMPAD7},
        {VK_END, false, VK_END},        {VK_DELETE, false, VK_DELETE}, {VK_F6, false, VK_F6},
        {VK_LCONTROL, false, VK_CONTROL}, {VK_RMENU, false, VK_MENU},  {VK_RSHIFT, false, VK_SHIFT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StoredVirtualKey(c.vk, c.keypad), c.stored) << c.vk << " " << c.keypad;
}
