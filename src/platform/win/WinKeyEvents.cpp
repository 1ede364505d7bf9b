// The keys of the hotkey dialog on Windows: the key event's native virtual-key code is already
// the stored form.
#include "platform/hotkeys/KeyEvents.h"
#include "platform/win/WinHotkeyMap.h"

#include <QKeyEvent>

int VirtualKeyOf(const QKeyEvent& e)
{
    // A key event that Windows did not deliver (made by the program itself) has no code.
    return e.nativeVirtualKey() ? StoredVirtualKey(e.nativeVirtualKey(), e.modifiers() & Qt::KeypadModifier) : 0;
}

int ShiftStateOf(const QKeyEvent& e)
{
    const Qt::KeyboardModifiers m = e.modifiers();
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

bool IsDeadKey(const QKeyEvent& e)
{
    return e.key() >= Qt::Key_Dead_Grave && e.key() <= Qt::Key_Dead_Longsolidusoverlay;
}

bool StorableKey(const QKeyEvent& e)
{
    return !(e.modifiers() & (Qt::MetaModifier | Qt::GroupSwitchModifier)) && !IsDeadKey(e);
}
