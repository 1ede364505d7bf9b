#include "platform/hotkeys/VirtualKeys.h"
#include "platform/hotkeys/X11Hotkeys.h"

#include <Qt>
#include <gtest/gtest.h>

#define XK_MISCELLANY
#define XK_XKB_KEYS
#define XK_LATIN1
#include <X11/keysymdef.h>
#include <xcb/xproto.h>

#include <set>

TEST(VirtualKeys, RangesMapOntoTheirKeysymRuns)
{
    struct Run { int firstVk, lastVk; std::uint32_t firstSym; };
    const Run runs[] = {
        {48, 57, XK_0},     // digits
        {65, 90, XK_a},     // letters: the key's lower-case keysym
        {96, 105, XK_KP_0}, // keypad digits (the NumLock-on keysym of each keypad key)
        {112, 123, XK_F1},  // F1..F12
        {106, 111, XK_KP_Multiply}, // KP_Multiply, KP_Add, KP_Separator, KP_Subtract, KP_Decimal, KP_Divide
    };
    for (const Run& r : runs)
        for (int vk = r.firstVk; vk <= r.lastVk; ++vk)
            EXPECT_EQ(KeysymForVirtualKey(vk), r.firstSym + std::uint32_t(vk - r.firstVk)) << "vk " << vk;
    EXPECT_EQ(KeysymForVirtualKey(19), std::uint32_t(XK_Pause));
}

TEST(VirtualKeys, NavigationKeysFollowTheWindowsOrderNotTheKeysymOrder)
{
    const std::uint32_t nav[] = {XK_Prior, XK_Next, XK_End, XK_Home, XK_Left, XK_Up, XK_Right, XK_Down};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(KeysymForVirtualKey(33 + i), nav[i]) << "vk " << 33 + i;
}

TEST(VirtualKeys, CodesWithoutAKeyGiveNoKeysymAndNoTwoCodesShareOne)
{
    for (int vk : {-1, 0, 1, 16, 17, 18, 20, 47, 58, 64, 91, 95, 124, 144, 186, 255, 256, 65536})
        EXPECT_EQ(KeysymForVirtualKey(vk), 0u) << "vk " << vk;
    std::set<std::uint32_t> seen;
    int mapped = 0;
    for (int vk = 0; vk < 256; ++vk)
        if (auto sym = KeysymForVirtualKey(vk)) {
            ++mapped;
            EXPECT_TRUE(seen.insert(sym).second) << "vk " << vk;
        }
    EXPECT_EQ(mapped, 80);
}

TEST(VirtualKeys, ModifierBitsBecomeXModifiers)
{
    EXPECT_EQ(X11ModifiersFor(0), 0);
    EXPECT_EQ(X11ModifiersFor(1), XCB_MOD_MASK_1);
    EXPECT_EQ(X11ModifiersFor(2), XCB_MOD_MASK_CONTROL);
    EXPECT_EQ(X11ModifiersFor(4), XCB_MOD_MASK_SHIFT);
    EXPECT_EQ(X11ModifiersFor(6), XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT);
    EXPECT_EQ(X11ModifiersFor(7), XCB_MOD_MASK_1 | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT);
    EXPECT_EQ(X11ModifiersFor(8 | 2), XCB_MOD_MASK_CONTROL); // the Windows key bit is not carried over
}

// Under the offscreen platform there is no X connection: nothing can be grabbed, nothing arrives.
TEST(X11HotkeysOffscreen, EveryKeyIsRefused)
{
    X11Hotkeys keys;
    int presses = 0;
    keys.setPressHandler([&](int) { ++presses; });
    EXPECT_FALSE(keys.registerKey(1, 0, 116));
    EXPECT_FALSE(keys.registerKey(2, 2, 65));
    keys.unregisterKey(1);
    keys.unregisterKey(5);
    EXPECT_EQ(presses, 0);
}

// The other direction of the same table: the keys the keyboard delivers back to the stored code.
TEST(VirtualKeys, KeysymsAndQtKeysMapBackToTheirWindowsCodes)
{
    for (int vk = 0; vk < 256; ++vk)
        if (auto sym = KeysymForVirtualKey(vk))
            EXPECT_EQ(VirtualKeyForKeysym(sym), vk) << "vk " << vk;
    const std::pair<std::uint32_t, int> syms[] = {{XK_KP_Begin, 101}, {XK_KP_Delete, 110}, {XK_A, 65}, {XK_Shift_R, 16},
                                                  {XK_Meta_L, 18}, {XK_ISO_Left_Tab, 9}, {XK_exclam, 0}, {0, 0}};
    for (const auto& [sym, vk] : syms)
        EXPECT_EQ(VirtualKeyForKeysym(sym), vk) << std::hex << sym;
    EXPECT_EQ(VirtualKeyForQtKey(Qt::Key_Enter, true), 13); // listed off the keypad only
}

// The stored keys as the desktop's global-shortcuts portal writes them, and back.
TEST(VirtualKeys, EveryGrabbedKeyWithEveryModifierIsAPortalTriggerAndBack)
{
    int rows = 0;
    for (int vk = 0; vk < 256; ++vk) {
        rows += KeysymForVirtualKey(vk) ? 1 : 0;
        for (int bits = 0; bits < 16; ++bits) { // a code without a key has no trigger
            const QString trigger = TriggerForVirtualKey(bits, vk);
            const auto key = KeysymForVirtualKey(vk) ? std::optional(StoredKey{bits, vk}) : std::nullopt;
            EXPECT_EQ(VirtualKeyForTrigger(trigger), key) << trigger.toStdString();
            EXPECT_EQ(VirtualKeyForTrigger(trigger.toLower()), key) << trigger.toStdString();
        }
    }
    EXPECT_EQ(rows, 80);
    const std::pair<const char*, StoredKey> written[] = {
        {"CTRL+F5", {2, 116}}, {"ALT+SHIFT+a", {5, 65}}, {"KP_1", {0, 97}}, {"CTRL+ALT+SHIFT+LOGO+Prior", {15, 33}}};
    for (const auto& [trigger, key] : written)
        EXPECT_EQ(TriggerForVirtualKey(key.modifierBits, key.virtualKey), trigger);
    const std::pair<const char*, std::optional<StoredKey>> read[] = {
        {"Page_Up", StoredKey{0, 33}}, {"Shift+A", StoredKey{4, 65}}, {"KP_End", StoredKey{0, 97}},
        {"", std::nullopt}, {"CTRL+", std::nullopt}, {"HYPER+F5", std::nullopt}, {"F5+CTRL", std::nullopt},
        {"exclam", std::nullopt}};
    for (const auto& [trigger, key] : read)
        EXPECT_EQ(VirtualKeyForTrigger(trigger), key) << trigger;
}
