#pragma once
#include "platform/hotkeys/DesktopKeySettings.h"
#include "platform/hotkeys/VirtualKeys.h"

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

// A hotkey as the desktop's own shortcut runs it: the id, the shortcut's id ("start": its path
// ends in "horalto-start/"), its name in the desktop's list ("Horalto：计时") and the words
// after the executable that send its command ("start", "scheme 1").
struct DesktopKeyAction {
    int id;
    QString entry;
    QString name;
    QString words;
};

// A stored key (modifier bits Alt 1, Ctrl 2, Shift 4; a virtual-key code) in GNOME's accelerator
// form: "F5", "Pause", "KP_1", "<Primary>F5", "<Primary><Alt><Shift>a". Empty when the key has
// no name there.
QString AcceleratorFor(int modifierBits, int virtualKey);
// The other direction, for comparing keys: "<Control>", "<Ctrl>" and "<Primary>" are Ctrl,
// "<Super>", "<Meta>", "<Hyper>" and "<Mod4>" the Windows key (bit 8); a keypad key in either
// NumLock state is the one key. Nothing for a key outside the table of stored keys.
std::optional<StoredKey> KeyOfAccelerator(const QString& accelerator);
// The command line a shortcut runs: the executable quoted for the desktop's shell-like split,
// then "hotkey" and the command's words (the running program counts a key held down once).
QString ShortcutCommand(const QString& executable, const QString& words);

// What became of one hotkey's key with the desktop's shortcuts.
struct DesktopKeyState {
    QString accelerator; // empty: the key has no accelerator, nothing is written
    QString holder;      // who else holds the key; empty when it is free
    bool written = false; // Horalto's shortcut runs it
};

// Horalto's own custom shortcuts in GNOME's keyboard settings: one per hotkey that has a key,
// appended to the desktop's list; every other shortcut is left as it is. A key that the
// desktop's own shortcuts or another custom shortcut holds is not written.
class DesktopKeys {
public:
    static constexpr const char* kPathBase = "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/";
    static constexpr const char* kEntryPrefix = "horalto-";

    DesktopKeys(DesktopKeySettings& settings, QString executable, std::vector<DesktopKeyAction> actions);

    // Horalto's shortcuts are in the list.
    bool On() const;
    // What the keys (by hotkey id) would become, against the desktop's shortcuts as they are.
    std::map<int, DesktopKeyState> Plan(const std::map<int, StoredKey>& keys) const;
    // Horalto's shortcuts made to match `keys`: each free key written (only what differs),
    // shortcuts of keys no longer wanted taken out of the list and reset. Returns the plan.
    std::map<int, DesktopKeyState> Write(const std::map<int, StoredKey>& keys);
    // Horalto's shortcuts taken out of the list first (the desktop lets go of their keys at
    // once), then reset.
    void Remove();

    DesktopKeySettings& Settings() { return settings_; }
    const std::vector<DesktopKeyAction>& Actions() const { return actions_; }
    QString PathOf(const DesktopKeyAction& action) const;
    static bool Ours(const QString& path);

private:
    DesktopKeySettings& settings_;
    QString executable_;
    std::vector<DesktopKeyAction> actions_;
};
