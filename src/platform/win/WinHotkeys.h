#pragma once
#include "platform/hotkeys/Hotkeys.h"

#include <QHash>
#include <QTimer>

// System-wide hotkeys through RegisterHotKey, received by a message-only window of this thread
// (WM_HOTKEY), so they also arrive while a modal loop of the system runs. A key another program
// has registered is refused (ERROR_HOTKEY_ALREADY_REGISTERED). A held key acts once: the system
// does not repeat it (MOD_NOREPEAT), and a press that comes while the key is still down is
// dropped.
class WinHotkeys final : public HotkeyService {
public:
    WinHotkeys();
    ~WinHotkeys() override;
    bool registerKey(int id, int modifiers, int virtualKey) override;
    void unregisterKey(int id) override;
    void setPressHandler(std::function<void(int id)> handler) override;

    // A WM_HOTKEY for `id` (the window's procedure calls it).
    void pressed(int id);

private:
    void release();

    void* window_ = nullptr; // HWND
    QHash<int, unsigned> keys_; // id → its virtual-key code
    QHash<int, unsigned> held_; // ids whose key is down since it acted
    QTimer releaseWatch_;
    std::function<void(int)> handler_;
};
