#include "platform/hotkeys/VirtualKeys.h"

#define XK_MISCELLANY
#define XK_XKB_KEYS
#define XK_LATIN1
#include <X11/keysymdef.h>
#include <xcb/xproto.h>

#include <xkbcommon/xkbcommon.h>

#include <QStringList>
#include <Qt>
#include <algorithm>
#include <vector>

namespace {

enum : unsigned {
    Grab = 1,   // the keysym that a grab of the code uses (one per code)
    Keypad = 2, // Qt reports the key with Qt::KeypadModifier
};

struct KeyRow {
    int vk;
    std::uint32_t keysym;
    int qtKey; // 0: the key is known by its keysym only
    unsigned flags;
};

std::vector<KeyRow> BuildTable()
{
    std::vector<KeyRow> t;
    for (int i = 0; i < 10; ++i) // '0'..'9'
        t.push_back({48 + i, std::uint32_t(XK_0 + i), Qt::Key_0 + i, Grab});
    for (int i = 0; i < 26; ++i) { // 'A'..'Z': the grab is on the key, which carries the lower case
        t.push_back({65 + i, std::uint32_t(XK_a + i), Qt::Key_A + i, Grab});
        t.push_back({65 + i, std::uint32_t(XK_A + i), 0, 0});
    }
    for (int i = 0; i < 10; ++i) // keypad 0..9
        t.push_back({96 + i, std::uint32_t(XK_KP_0 + i), Qt::Key_0 + i, Grab | Keypad});
    for (int i = 0; i < 12; ++i) // F1..F12
        t.push_back({112 + i, std::uint32_t(XK_F1 + i), Qt::Key_F1 + i, Grab});
    for (int i = 12; i < 24; ++i) // F13..F24
        t.push_back({112 + i, std::uint32_t(XK_F1 + i), Qt::Key_F1 + i, 0});

    const KeyRow rows[] = {
        {8, XK_BackSpace, Qt::Key_Backspace, Grab},
        {9, XK_Tab, Qt::Key_Tab, Grab},
        {9, XK_ISO_Left_Tab, Qt::Key_Backtab, 0},
        {13, XK_Return, Qt::Key_Return, Grab},
        {13, XK_KP_Enter, Qt::Key_Enter, 0},
        {16, XK_Shift_L, Qt::Key_Shift, 0},
        {16, XK_Shift_R, 0, 0},
        {17, XK_Control_L, Qt::Key_Control, 0},
        {17, XK_Control_R, 0, 0},
        {18, XK_Alt_L, Qt::Key_Alt, 0},
        {18, XK_Alt_R, 0, 0},
        {18, XK_Meta_L, 0, 0},
        {18, XK_Meta_R, 0, 0},
        {18, XK_ISO_Level3_Shift, Qt::Key_AltGr, 0},
        {19, XK_Pause, Qt::Key_Pause, Grab},
        {19, XK_Break, 0, 0},
        {20, XK_Caps_Lock, Qt::Key_CapsLock, 0},
        {27, XK_Escape, Qt::Key_Escape, Grab},
        {32, XK_space, Qt::Key_Space, Grab},
        {33, XK_Prior, Qt::Key_PageUp, Grab},
        {34, XK_Next, Qt::Key_PageDown, Grab},
        {35, XK_End, Qt::Key_End, Grab},
        {36, XK_Home, Qt::Key_Home, Grab},
        {37, XK_Left, Qt::Key_Left, Grab},
        {38, XK_Up, Qt::Key_Up, Grab},
        {39, XK_Right, Qt::Key_Right, Grab},
        {40, XK_Down, Qt::Key_Down, Grab},
        {44, XK_Print, Qt::Key_Print, 0},
        {45, XK_Insert, Qt::Key_Insert, Grab},
        {46, XK_Delete, Qt::Key_Delete, Grab},
        {91, XK_Super_L, Qt::Key_Super_L, 0},
        {92, XK_Super_R, Qt::Key_Super_R, 0},
        {93, XK_Menu, Qt::Key_Menu, 0},
        // The keypad keys with NumLock off: the same keys as the digits above.
        {96, XK_KP_Insert, Qt::Key_Insert, Keypad},
        {97, XK_KP_End, Qt::Key_End, Keypad},
        {98, XK_KP_Down, Qt::Key_Down, Keypad},
        {99, XK_KP_Next, Qt::Key_PageDown, Keypad},
        {100, XK_KP_Left, Qt::Key_Left, Keypad},
        {101, XK_KP_Begin, Qt::Key_Clear, Keypad},
        {102, XK_KP_Right, Qt::Key_Right, Keypad},
        {103, XK_KP_Home, Qt::Key_Home, Keypad},
        {104, XK_KP_Up, Qt::Key_Up, Keypad},
        {105, XK_KP_Prior, Qt::Key_PageUp, Keypad},
        {106, XK_KP_Multiply, Qt::Key_Asterisk, Grab | Keypad},
        {107, XK_KP_Add, Qt::Key_Plus, Grab | Keypad},
        {108, XK_KP_Separator, Qt::Key_Comma, Grab | Keypad},
        {109, XK_KP_Subtract, Qt::Key_Minus, Grab | Keypad},
        {110, XK_KP_Decimal, Qt::Key_Period, Grab | Keypad},
        {110, XK_KP_Delete, Qt::Key_Delete, Keypad},
        {111, XK_KP_Divide, Qt::Key_Slash, Grab | Keypad},
        {144, XK_Num_Lock, Qt::Key_NumLock, 0},
        {145, XK_Scroll_Lock, Qt::Key_ScrollLock, 0},
        // Punctuation keys of a US keyboard (OEM codes).
        {186, XK_semicolon, Qt::Key_Semicolon, 0},
        {187, XK_equal, Qt::Key_Equal, 0},
        {188, XK_comma, Qt::Key_Comma, 0},
        {189, XK_minus, Qt::Key_Minus, 0},
        {190, XK_period, Qt::Key_Period, 0},
        {191, XK_slash, Qt::Key_Slash, 0},
        {192, XK_grave, Qt::Key_QuoteLeft, 0},
        {219, XK_bracketleft, Qt::Key_BracketLeft, 0},
        {220, XK_backslash, Qt::Key_Backslash, 0},
        {221, XK_bracketright, Qt::Key_BracketRight, 0},
        {222, XK_apostrophe, Qt::Key_Apostrophe, 0},
        {226, XK_less, Qt::Key_Less, 0}, // the extra key of ISO keyboards
    };
    t.insert(t.end(), std::begin(rows), std::end(rows));
    return t;
}

const std::vector<KeyRow>& Table()
{
    static const std::vector<KeyRow> table = BuildTable();
    return table;
}

// The modifiers of a trigger, in the order they are written, with their bits.
struct TriggerModifier {
    const char* name;
    int bit;
};
constexpr TriggerModifier kTriggerModifiers[] = {{"CTRL", 2}, {"ALT", 1}, {"SHIFT", 4}, {"LOGO", 8}};

} // namespace

std::uint32_t KeysymForVirtualKey(int vk)
{
    for (const KeyRow& r : Table())
        if (r.vk == vk && (r.flags & Grab))
            return r.keysym;
    return 0;
}

int VirtualKeyForKeysym(std::uint32_t keysym)
{
    if (keysym == 0)
        return 0;
    for (const KeyRow& r : Table())
        if (r.keysym == keysym)
            return r.vk;
    return 0;
}

int VirtualKeyForQtKey(int qtKey, bool keypad)
{
    if (qtKey == 0)
        return 0;
    for (const KeyRow& r : Table())
        if (r.qtKey == qtKey && bool(r.flags & Keypad) == keypad)
            return r.vk;
    return keypad ? VirtualKeyForQtKey(qtKey, false) : 0;
}

std::uint16_t X11ModifiersFor(int bits)
{
    std::uint16_t mask = 0;
    if (bits & 1)
        mask |= XCB_MOD_MASK_1;
    if (bits & 2)
        mask |= XCB_MOD_MASK_CONTROL;
    if (bits & 4)
        mask |= XCB_MOD_MASK_SHIFT;
    return mask;
}

QString TriggerForVirtualKey(int modifierBits, int virtualKey)
{
    const std::uint32_t keysym = KeysymForVirtualKey(virtualKey);
    char name[64];
    if (!keysym || xkb_keysym_get_name(keysym, name, sizeof name) <= 0)
        return {};
    QString trigger;
    for (const TriggerModifier& m : kTriggerModifiers)
        if (modifierBits & m.bit)
            trigger += QLatin1String(m.name) + u'+';
    return trigger + QLatin1String(name);
}

std::optional<StoredKey> VirtualKeyForTrigger(const QString& trigger)
{
    QStringList parts = trigger.trimmed().split(u'+');
    const QByteArray keyName = parts.takeLast().trimmed().toLatin1();
    StoredKey key;
    for (const QString& part : parts) {
        const auto m = std::find_if(std::begin(kTriggerModifiers), std::end(kTriggerModifiers), [&](const TriggerModifier& t) {
            return part.trimmed().compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0;
        });
        if (m == std::end(kTriggerModifiers))
            return std::nullopt;
        key.modifierBits |= m->bit;
    }
    xkb_keysym_t keysym = xkb_keysym_from_name(keyName.constData(), XKB_KEYSYM_NO_FLAGS);
    if (keysym == XKB_KEY_NoSymbol)
        keysym = xkb_keysym_from_name(keyName.constData(), XKB_KEYSYM_CASE_INSENSITIVE);
    key.virtualKey = VirtualKeyForKeysym(keysym);
    if (!key.virtualKey)
        return std::nullopt;
    return key;
}
