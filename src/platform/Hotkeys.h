#pragma once
#include <functional>

// System-wide hotkeys. A key is a Win32 virtual-key code with modifier bits
// (Alt 1, Ctrl 2, Shift 4). A press is delivered with its id on the user-interface thread.
class HotkeyService {
public:
    virtual ~HotkeyService() = default;
    // False when the window system refuses the key (taken by another program, or unknown).
    virtual bool registerKey(int id, int modifiers, int virtualKey) = 0;
    // Harmless for an id that is not registered.
    virtual void unregisterKey(int id) = 0;
    virtual void setPressHandler(std::function<void(int id)> handler) = 0;
};
