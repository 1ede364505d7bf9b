#pragma once
// GNOME's keyboard settings in memory: the desktop's own keys as the test sets them and the
// custom shortcuts as written.
#include "platform/hotkeys/DesktopKeySettings.h"

#include <map>

class FakeKeySettings final : public DesktopKeySettings {
public:
    bool runs = true;
    std::vector<HeldKey> fixed;
    QStringList paths;
    std::map<QString, CustomShortcut> entries;
    std::function<void()> changed;

    bool available() const override { return runs; }
    bool installed() const override { return true; }
    std::vector<HeldKey> fixedKeys() const override { return fixed; }
    QStringList customPaths() const override { return paths; }
    CustomShortcut custom(const QString& path) const override
    {
        const auto it = entries.find(path);
        return it == entries.end() ? CustomShortcut{path, {}, {}, {}} : it->second;
    }
    void setCustomPaths(const QStringList& p) override { paths = p; }
    void writeCustom(const CustomShortcut& s) override { entries[s.path] = s; }
    void resetCustom(const QString& path) override { entries.erase(path); }
    void sync() override {}
    void watch(std::function<void()> c) override { changed = std::move(c); }
};
