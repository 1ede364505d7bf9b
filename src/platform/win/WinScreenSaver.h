#pragma once
#include "platform/desktop/ScreenSaver.h"

// Holds the screen saver and display sleep off with SetThreadExecutionState(ES_DISPLAY_REQUIRED)
// while set; the hold belongs to the user-interface thread, which sets it.
class WinScreenSaver final : public ScreenSaver {
public:
    ~WinScreenSaver() override { setHeld(false); }
    void setHeld(bool held) override;

private:
    bool held_ = false;
};
