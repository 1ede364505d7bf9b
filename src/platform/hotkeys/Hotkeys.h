#pragma once
#include <QString>
#include <functional>
#include <optional>

// A hotkey as a desktop that binds the keys itself lists it among the program's shortcuts: the id
// it is registered with, a name that stays the same from one start to the next, and what it does.
struct HotkeyAction {
    int id;
    QString name;
    QString description;
};

// System-wide hotkeys. A key is a Win32 virtual-key code with modifier bits (Alt 1, Ctrl 2,
// Shift 4). A press is delivered with its id on the user-interface thread.
//
// Where the desktop binds the keys itself (a Wayland desktop's global-shortcuts portal), a key
// registered is what the program proposes; the desktop tells which key it bound (boundKey), and
// may change it at any time (the change handler).
class HotkeyService {
public:
    virtual ~HotkeyService() = default;
    // False when the window system refuses the key (taken by another program, or unknown).
    virtual bool registerKey(int id, int modifiers, int virtualKey) = 0;
    // Harmless for an id that is not registered.
    virtual void unregisterKey(int id) = 0;
    virtual void setPressHandler(std::function<void(int id)> handler) = 0;

    // The key the desktop bound to an id, in the desktop's words ("Ctrl+F5"); an empty text when
    // it left the id without a key. Nothing where the registered key is the key, and while the
    // desktop has not answered.
    virtual std::optional<QString> boundKey(int) const { return std::nullopt; }
    // Called when what boundKey gives has changed, and when every key must be registered again
    // (the keys are taken another way from now on).
    virtual void setChangeHandler(std::function<void()>) {}
    // The keys registered next are proposed to the desktop again even where they are unchanged.
    virtual void proposeAgain() {}
    // Whether the desktop's own settings of the program's shortcuts can be opened, and opening
    // them over the X11 window `parentWindow` (0 for none).
    virtual bool canConfigure() const { return false; }
    virtual void configure(unsigned long long) {}

    // The keys act only while one of the program's own windows has the focus (a Wayland desktop
    // where X11 key grabs are the only way left).
    virtual bool focusOnly() const { return false; }
    // Whether the desktop's own keyboard settings can run the hotkeys (GNOME's custom
    // shortcuts), whether they do, and setting or removing them. Nothing is written to the
    // desktop's settings but by setDesktopKeys.
    virtual bool desktopKeysOffered() const { return false; }
    virtual bool desktopKeysOn() const { return false; }
    virtual void setDesktopKeys(bool) {}
};
