#pragma once
#include "core/HotKeyTable.h"
#include "platform/hotkeys/Hotkeys.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// What became of a hotkey at its latest registration with the window system.
struct HotKeyStatus {
    QString key;          // the combination asked for, "SetA,SetB"; empty when none was
    bool refused = false; // another program holds that combination
    // Where the desktop binds the keys itself: its words for the key it bound to the combination
    // asked for, empty when it bound none; nothing before it answered, and for X11 grabs.
    std::optional<QString> bound;
};
// Index = hotkey id 1..13 (index 0 unused).
using HotKeyStatuses = std::array<HotKeyStatus, 14>;

// The one rule for what a hotkey shows, in its popup-menu caption and in its row of the hotkey
// dialog: its Desc, followed by "（被占用）" when another program held the combination at the
// latest registration and the table still holds that combination; "NotSet" when switched off.
// Where the desktop bound the keys, the key it bound to the combination the table holds, in the
// dialog's form where its words are a trigger ("CTRL+KP_1" is "Ctrl+Num1"); "NotSet" when it
// left that hotkey without a key.
QString HotKeyText(int id, const HotKeyTable& table, const HotKeyStatuses& statuses);

// The popup-menu caption of hotkey command `id` (1..11): its label filled with U+3000 to seven
// characters (in English a tab: the key goes into the menu's shortcut column), then
// HotKeyText; the plain label alone when the hotkey has no key (HotKeyText is "NotSet"). The
// label of the pause item (id 6) is `pauseWord`: "暂停", or "继续" while paused. In the
// interface's language.
QString HotKeyCaption(int id, const HotKeyTable& table, const HotKeyStatuses& statuses, const QString& pauseWord);

// The note under the hotkey dialog's instruction naming the hotkeys that another program held
// at the latest registration ("F5、Ctrl+F6 已被其他程序占用，请另选按键！"); empty when none.
QString RefusedKeysNote(const HotKeyTable& table, const HotKeyStatuses& statuses);

// The eleven hotkeys as the desktop lists Horalto's shortcuts where it binds the keys itself:
// "start", "reset", "toolbar", "fullscreen", "main", "pause", "scheme1".."scheme5", each with
// its popup-menu label ("暂停/继续" for the pause) in the interface's language.
std::vector<HotkeyAction> HotKeyActions();
