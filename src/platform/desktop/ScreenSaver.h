#pragma once

// The desktop's screen saver and display power saving. While held they do not start, so a
// screen that shows the counter is not blanked during a speech.
class ScreenSaver {
public:
    virtual ~ScreenSaver() = default;
    // Holds them off (true) or lets them come again (false). Asking for the state already in
    // effect changes nothing: one hold is one inhibit, released once.
    virtual void setHeld(bool held) = 0;
};
