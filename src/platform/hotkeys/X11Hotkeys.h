#pragma once
#include "platform/hotkeys/Hotkeys.h"

#include <memory>

// Global hotkeys on X11: passive key grabs on the root window through Qt's own XCB connection.
// A grab covers every keycode of the key's keysym, with Caps Lock and Num Lock in any state.
// A key that another client has grabbed is refused. Presses are delivered with their id on the
// user-interface thread, through the event loop; a held key (X auto-repeat) acts once.
// Without an X11 connection (for example the offscreen platform) every key is refused.
//
// Constructing it touches nothing: the connection is taken on the first registration, so it can
// be built before the QApplication's windows exist. It must be destroyed before the QApplication.
class X11Hotkeys final : public HotkeyService {
public:
    X11Hotkeys();
    ~X11Hotkeys() override;
    X11Hotkeys(const X11Hotkeys&) = delete;
    X11Hotkeys& operator=(const X11Hotkeys&) = delete;

    bool registerKey(int id, int modifiers, int virtualKey) override;
    void unregisterKey(int id) override;
    void setPressHandler(std::function<void(int id)> handler) override;
    // Under a Wayland session the grabs see keys only while an X11 window has the focus.
    bool focusOnly() const override;

    struct Impl;

private:
    std::unique_ptr<Impl> d_;
};
