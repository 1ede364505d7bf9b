#pragma once
#include <QString>

class App;

// The eleven global hotkeys: loading the table from the configuration, registering them with
// the window system, and turning a press into the popup menu's command.
class HotKeys {
public:
    explicit HotKeys(App& app);
    ~HotKeys();

    // Fills the table from section COMMSET, id 1..11, SetA, SetB, Desc each.
    void LoadHotKeys();
    // Registers every hotkey in use and writes the hotkey texts into the menu captions.
    // Throws ConfigError when a SetB in use is not a 16-bit decimal number.
    void RegisterHotKeys();
    // keyText "modifiers,keycode"; action "Add" or "Del".
    void SetHotKey(int id, const QString& keyText, const QString& action);
    // Unregisters all eleven ("Del" for 1..11), as the dialogs and the unload do.
    void UnregisterAll();
    // A press delivered by the window system.
    void HotKeyWndProc(int id);

private:
    App& app_;
};
