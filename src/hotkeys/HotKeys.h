#pragma once
#include "hotkeys/HotKeyCaptions.h"

#include <QString>
#include <functional>
#include <vector>

class Commands;
class ConfigFile;
class HotkeyService;
class TimingSession;

// The modifier bits (Alt 1, Ctrl 2, Shift 4) of a modifier text: "Shift+Ctrl" and "Ctrl+Shift"
// are 6; any text but the listed ones (matched exactly) is 0.
int ModifierBits(const QString& text);

// The hotkeys in use (Desc not "NotSet") that share one combination of modifier bits and key
// code: one list of ids per shared combination, ids ascending, lists in the order of their
// first ids. Only the first id of a list can be registered.
std::vector<std::vector<int>> SharedCombinations(const HotKeyTable& table);

// The table as config.ini holds it, defaults for the keys it lacks; reading writes nothing.
HotKeyTable PeekHotKeyTable(const ConfigFile& config);

// The global hotkeys (eleven, and 下一位 once set): loading the table from the configuration, registering them with
// the window system, and turning a press into its command.
class HotKeys {
public:
    HotKeys(TimingSession& session, Commands& commands, const ConfigFile& config, HotkeyService& service);
    ~HotKeys();

    // Fills the table from section COMMSET, id 1..13, SetA, SetB, Desc each (12 and 13 only looked at).
    void LoadHotKeys();
    // Registers every hotkey in use, keeps what became of each (Statuses) and writes the hotkey
    // texts into the menu captions. Throws ConfigError when a SetB in use is not a 16-bit
    // decimal number.
    void RegisterHotKeys();
    // keyText "modifiers,keycode"; action "Add" or "Del". True when an "Add" was taken.
    bool SetHotKey(int id, const QString& keyText, const QString& action);
    // Unregisters all ("Del" for 1..11, and 12, 13 when set or registered), as the dialogs and the unload do.
    void UnregisterAll();
    // Between UnregisterAll and the next registration: no command acts as a hotkey would.
    bool Held() const { return held_; }
    // The same registration after a dialog closes: a key code that does not convert leaves
    // that one hotkey unregistered and changes nothing else.
    void RegisterHotKeysAfterDialog();
    // A press delivered by the window system: sends the command of the same id when it is
    // offered (OfferedCommand).
    void HotKeyWndProc(int id);

    // Of the latest registration of each id: refused ones show "（被占用）" (HotKeyText). Kept
    // while the dialogs have the hotkeys unregistered.
    const HotKeyStatuses& Statuses() const { return statuses_; }
    // The hotkey service's news (the desktop bound other keys, or every key is to be registered
    // anew): the keys are registered again, or while held only the desktop's keys are taken
    // into Statuses; the captions follow, and StatusesChanged is called.
    void ServiceChanged();
    // Set by the hotkey dialog while it shows the statuses.
    std::function<void()> StatusesChanged;

    // Of the last SetHotKey call.
    int HotKeyId = 0;
    int HotKeyModifiers = 0;
    int HotKeyVk = 0;

private:
    void RegisterAll(bool tolerant);
    TimingSession& session_;
    Commands& commands_;
    const ConfigFile& config_;
    HotkeyService& service_;
    HotKeyStatuses statuses_;
    bool installed_ = false; // the press handler is in place (first "Add" until any "Del")
    bool held_ = false;
};
