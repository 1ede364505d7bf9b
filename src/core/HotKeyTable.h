#pragma once
#include <QString>
#include <array>

// One global hotkey as the configuration holds it.
struct HotKeyRecord {
    QString SetA; // modifier text: "", "Alt", "Ctrl", "Shift+Ctrl", ...
    QString SetB; // Win32 virtual-key code in decimal, e.g. "116" for F5
    QString Desc; // text shown for the key, or "NotSet" for a switched-off hotkey
};

// The hotkeys, index = id 1..13 (index 0 unused); 12, 下一位, and 13, 换方, are kept only once set.
struct HotKeyTable {
    std::array<HotKeyRecord, 14> rows;
    HotKeyRecord& operator[](int id) { return rows.at(id); }
    const HotKeyRecord& operator[](int id) const { return rows.at(id); }
};

inline const QString kNotSet = QStringLiteral("NotSet");
