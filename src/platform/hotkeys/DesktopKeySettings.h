#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// One custom shortcut of GNOME's keyboard settings: the settings path it lives under, and what
// the desktop runs on which key.
struct CustomShortcut {
    QString path; // "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/<id>/"
    QString name, command, binding;
    bool operator==(const CustomShortcut&) const = default;
};

// A key that one of the desktop's own shortcuts holds: who holds it (schema and key) and the
// key in GNOME's accelerator form ("<Super>l", "<Primary><Alt>F1").
struct HeldKey {
    QString holder;
    QString accelerator;
};

// GNOME's keyboard settings (GSettings): the custom shortcuts that gnome-settings-daemon runs
// while any window has the focus, and the keys that the desktop's own shortcuts hold.
class DesktopKeySettings {
public:
    virtual ~DesktopKeySettings() = default;
    // The custom shortcuts run here: a GNOME session (XDG_CURRENT_DESKTOP), the media-keys
    // schema installed and org.gnome.SettingsDaemon.MediaKeys running on the session bus.
    virtual bool available() const = 0;
    // The schema of the custom shortcuts is installed: they can be read, written and removed.
    virtual bool installed() const = 0;
    // The keys of the window manager's, the shell's, mutter's and the media keys' own shortcuts.
    virtual std::vector<HeldKey> fixedKeys() const = 0;
    // The list of custom shortcuts, in order, and one of them.
    virtual QStringList customPaths() const = 0;
    virtual CustomShortcut custom(const QString& path) const = 0;
    virtual void setCustomPaths(const QStringList& paths) = 0;
    virtual void writeCustom(const CustomShortcut& shortcut) = 0;
    // The shortcut's name, command and binding back to their defaults (nothing stored).
    virtual void resetCustom(const QString& path) = 0;
    // Every write reaches the store before the call returns.
    virtual void sync() = 0;
    // Called (through the event loop) when the list of custom shortcuts changed.
    virtual void watch(std::function<void()> changed) = 0;
};
