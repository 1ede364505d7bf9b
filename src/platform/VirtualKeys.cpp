#include "platform/VirtualKeys.h"

#define XK_MISCELLANY
#define XK_LATIN1
#include <X11/keysymdef.h>
#include <xcb/xproto.h>

std::uint32_t KeysymForVirtualKey(int vk)
{
    if (vk >= 48 && vk <= 57) // '0'..'9'
        return XK_0 + (vk - 48);
    if (vk >= 65 && vk <= 90) // 'A'..'Z': the grab is on the key, which carries the lower case
        return XK_a + (vk - 65);
    if (vk >= 96 && vk <= 105) // keypad 0..9
        return XK_KP_0 + (vk - 96);
    if (vk >= 112 && vk <= 123) // F1..F12
        return XK_F1 + (vk - 112);
    switch (vk) {
    case 8: return XK_BackSpace;
    case 9: return XK_Tab;
    case 13: return XK_Return;
    case 19: return XK_Pause;
    case 27: return XK_Escape;
    case 32: return XK_space;
    case 33: return XK_Prior;
    case 34: return XK_Next;
    case 35: return XK_End;
    case 36: return XK_Home;
    case 37: return XK_Left;
    case 38: return XK_Up;
    case 39: return XK_Right;
    case 40: return XK_Down;
    case 45: return XK_Insert;
    case 46: return XK_Delete;
    case 106: return XK_KP_Multiply;
    case 107: return XK_KP_Add;
    case 108: return XK_KP_Separator;
    case 109: return XK_KP_Subtract;
    case 110: return XK_KP_Decimal;
    case 111: return XK_KP_Divide;
    default: return 0;
    }
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
