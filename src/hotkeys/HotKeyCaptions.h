#pragma once
#include "core/HotKeyTable.h"

#include <QString>
#include <array>

// What became of a hotkey at its latest registration with the window system.
struct HotKeyStatus {
    QString key;          // the combination asked for, "SetA,SetB"; empty when none was
    bool refused = false; // another program holds that combination
};
// Index = hotkey id 1..11 (index 0 unused).
using HotKeyStatuses = std::array<HotKeyStatus, 12>;

// The one rule for what a hotkey shows, in its popup-menu caption and in its row of the hotkey
// dialog: its Desc, followed by "（被占用）" when another program held the combination at the
// latest registration and the table still holds that combination; "NotSet" when switched off.
QString HotKeyText(int id, const HotKeyTable& table, const HotKeyStatuses& statuses);

// The popup-menu caption of hotkey command `id` (1..11): its label filled with U+3000 to seven
// characters, then HotKeyText; the plain label alone when the hotkey is switched off. The label
// of the pause item (id 6) is `pauseWord`: "暂停", or "继续" while paused.
QString HotKeyCaption(int id, const HotKeyTable& table, const HotKeyStatuses& statuses, const QString& pauseWord);

// The note under the hotkey dialog's instruction naming the hotkeys that another program held
// at the latest registration ("F5、Ctrl+F6 已被其他程序占用，请另选按键！"); empty when none.
QString RefusedKeysNote(const HotKeyTable& table, const HotKeyStatuses& statuses);
