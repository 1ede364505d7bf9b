#pragma once
#include "platform/hotkeys/DesktopKeySettings.h"

#include <memory>

// GNOME's keyboard settings through GIO's GSettings (whatever backend GSETTINGS_BACKEND names:
// dconf on a desktop, "memory" in tests). Schemas that are not installed hold no key.
class GioKeySettings final : public DesktopKeySettings {
public:
    GioKeySettings();
    ~GioKeySettings() override;
    GioKeySettings(const GioKeySettings&) = delete;
    GioKeySettings& operator=(const GioKeySettings&) = delete;

    bool available() const override;
    bool installed() const override;
    std::vector<HeldKey> fixedKeys() const override;
    QStringList customPaths() const override;
    CustomShortcut custom(const QString& path) const override;
    void setCustomPaths(const QStringList& paths) override;
    void writeCustom(const CustomShortcut& shortcut) override;
    void resetCustom(const QString& path) override;
    void sync() override;
    void watch(std::function<void()> changed) override;

    // Whether the desktop portal on the session bus offers global shortcuts (KDE Plasma, GNOME
    // 48 and later): there the portal binds the keys. Asks the portal, waiting up to two seconds.
    static bool PortalHasGlobalShortcuts();

    struct Impl;

private:
    std::unique_ptr<Impl> d_;
};
