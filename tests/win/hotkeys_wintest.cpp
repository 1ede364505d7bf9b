// RegisterHotKey itself (under Wine in CI): a key held by another registration is refused, the
// "（被占用）" case, and is free again once let go.
#include "platform/win/WinHotkeys.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(WinHotkeys, TakenKeyIsRefusedUntilReleased)
{
    WinHotkeys first, second;
    ASSERT_TRUE(first.registerKey(1, 2 | 4, VK_F9)); // Ctrl+Shift+F9
    EXPECT_FALSE(second.registerKey(7, 2 | 4, VK_F9));
    EXPECT_TRUE(second.registerKey(8, 2, VK_F9)); // another modifier: another hotkey
    EXPECT_FALSE(second.registerKey(9, 0, VK_LSHIFT)); // no hotkey at all
    first.unregisterKey(1);
    EXPECT_TRUE(second.registerKey(7, 2 | 4, VK_F9));
    // Registering an id again moves it: its old key is free.
    EXPECT_TRUE(second.registerKey(7, 2 | 4, VK_F10));
    EXPECT_TRUE(first.registerKey(1, 2 | 4, VK_F9));
}
