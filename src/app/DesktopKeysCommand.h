#pragma once
// "horalto desktop-keys [on|off]": the hotkeys as the desktop's own shortcuts (GNOME's custom
// shortcuts), set, removed or shown by this start itself, whether or not the program runs.
#include "hotkeys/DesktopKeys.h"
#include "core/HotKeyTable.h"

#include <QString>
#include <map>
#include <vector>

// The thirteen hotkeys as shortcuts: "Horalto：计时" running "… hotkey start", and so on, named
// in the language of the texts at the call (Chinese before any catalogue is in use, as the
// running program builds them, so both write the same names).
std::vector<DesktopKeyAction> DesktopKeyActions();

// The keys of the hotkeys in use whose key code converts, by id.
std::map<int, StoredKey> KeysInUse(const HotKeyTable& table);

// The report of each hotkey: its caption, its key, and whether the desktop runs it for
// Horalto, holds it for another shortcut (named), or not yet (`on` false).
QString DesktopKeysReport(const HotKeyTable& table, const std::map<int, DesktopKeyState>& states, bool on);

// The command itself, for the executable `executable`, with the settings given; "on", "off" or
// empty. 0 when done; 1 after a line on standard error saying why not.
int DesktopKeysCommand(const QString& word, DesktopKeySettings& settings, const QString& executable,
                       std::vector<DesktopKeyAction> actions, const HotKeyTable& table, bool portalBindsKeys);

// From main(): the real settings, config.ini beside the executable, its own application object.
int RunDesktopKeysCommand(int& argc, char** argv, const QString& word);
