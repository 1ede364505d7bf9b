#include "platform/hotkeys/KeyEvents.h"

#include "platform/hotkeys/VirtualKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace {
// The first keysym of an X keycode, 0 without an X11 connection.
std::uint32_t BaseKeysym(quint32 keycode)
{
    if (keycode == 0 || keycode > 255)
        return 0;
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto* x11 = gui ? gui->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* conn = x11 ? x11->connection() : nullptr;
    if (!conn)
        return 0;
    xcb_key_symbols_t* syms = xcb_key_symbols_alloc(conn);
    if (!syms)
        return 0;
    const xcb_keysym_t sym = xcb_key_symbols_get_keysym(syms, xcb_keycode_t(keycode), 0);
    xcb_key_symbols_free(syms);
    return sym;
}
} // namespace

int VirtualKeyOf(const QKeyEvent& e)
{
    if (const int vk = VirtualKeyForKeysym(BaseKeysym(e.nativeScanCode())))
        return vk;
    if (const int vk = VirtualKeyForKeysym(e.nativeVirtualKey()))
        return vk;
    return VirtualKeyForQtKey(e.key(), e.modifiers() & Qt::KeypadModifier);
}

int ShiftStateOf(const QKeyEvent& e)
{
    const Qt::KeyboardModifiers m = e.modifiers();
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

bool IsDeadKey(const QKeyEvent& e)
{
    constexpr std::uint32_t kFirstDeadKeysym = 0xfe50, kLastDeadKeysym = 0xfe93; // dead_grave..dead_longsolidusoverlay
    const std::uint32_t sym = e.nativeVirtualKey();
    return (sym >= kFirstDeadKeysym && sym <= kLastDeadKeysym)
        || (e.key() >= Qt::Key_Dead_Grave && e.key() <= Qt::Key_Dead_Longsolidusoverlay);
}

bool StorableKey(const QKeyEvent& e)
{
    return !(e.modifiers() & (Qt::MetaModifier | Qt::GroupSwitchModifier)) && !IsDeadKey(e);
}
