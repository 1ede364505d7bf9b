#include "platform/win/WinScreenSaver.h"

#include <windows.h>

void WinScreenSaver::setHeld(bool held)
{
    if (held == held_)
        return;
    held_ = held;
    SetThreadExecutionState(held ? ES_CONTINUOUS | ES_DISPLAY_REQUIRED | ES_SYSTEM_REQUIRED : ES_CONTINUOUS);
}
