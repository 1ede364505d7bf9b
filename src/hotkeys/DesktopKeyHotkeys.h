#pragma once
#include "hotkeys/DesktopKeys.h"
#include "platform/hotkeys/Hotkeys.h"

#include <QObject>
#include <map>

// The hotkeys, run by the desktop's own shortcuts when the user set them so, by the program's
// own way (`inner`: X11 grabs or the desktop's portal) otherwise.
//
// With Horalto's shortcuts in the desktop's list, a key registered is not grabbed: it is taken
// when no other shortcut holds it, and the shortcuts are rewritten (once per turn of the event
// loop) to the keys registered, so a key changed or switched off in the hotkey dialog follows.
// Unregistering leaves the shortcuts alone: their presses reach the program as commands of a
// later start, which the program ignores while it has the hotkeys unregistered. A change of
// the desktop's list by anyone registers every key again.
class DesktopKeyHotkeys final : public QObject, public HotkeyService {
public:
    // `keys` may be null: the desktop has no such shortcuts (not GNOME).
    DesktopKeyHotkeys(HotkeyService& inner, DesktopKeys* keys, bool waylandSession);

    bool registerKey(int id, int modifiers, int virtualKey) override;
    void unregisterKey(int id) override;
    void setPressHandler(std::function<void(int id)> handler) override { inner_.setPressHandler(std::move(handler)); }
    std::optional<QString> boundKey(int id) const override;
    void setChangeHandler(std::function<void()> handler) override;
    void proposeAgain() override { inner_.proposeAgain(); }
    bool canConfigure() const override { return !desktopKeysOn() && inner_.canConfigure(); }
    void configure(unsigned long long parentWindow) override { inner_.configure(parentWindow); }
    bool focusOnly() const override { return !desktopKeysOn() && inner_.focusOnly(); }
    // Offered where the desktop runs such shortcuts and its portal does not bind the keys.
    bool desktopKeysOffered() const override;
    bool desktopKeysOn() const override;
    void setDesktopKeys(bool on) override;

    // The shortcuts' state of each key registered while they are on (by hotkey id).
    const std::map<int, DesktopKeyState>& States() const { return states_; }

private:
    void queueWrite();
    void changed();

    HotkeyService& inner_;
    DesktopKeys* keys_;
    bool wayland_;
    std::map<int, StoredKey> registered_; // by id, whichever way they act
    std::map<int, DesktopKeyState> states_;
    std::function<void()> changeHandler_;
    bool writeQueued_ = false;
    bool wasOn_ = false; // the shortcuts were on at the latest change
    bool runs() const; // the desktop runs such shortcuts (asked once)
    mutable std::optional<bool> runs_;
};
