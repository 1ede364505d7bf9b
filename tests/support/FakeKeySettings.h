#pragma once
// GNOME's keyboard settings in memory: the desktop's own keys as the test sets them, the
// custom shortcuts as written, and a log of the writes.
#include "platform/hotkeys/DesktopKeySettings.h"

#include <map>

class FakeKeySettings final : public DesktopKeySettings {
public:
    bool runs = true;
    std::vector<HeldKey> fixed;
    QStringList paths;
    std::map<QString, CustomShortcut> entries;
    QStringList log; // "list N", "write PATH", "reset PATH"
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
    void setCustomPaths(const QStringList& p) override { paths = p, log << QStringLiteral("list %1").arg(p.size()); }
    void writeCustom(const CustomShortcut& s) override { entries[s.path] = s, log << "write " + s.path; }
    void resetCustom(const QString& path) override { entries.erase(path), log << "reset " + path; }
    void sync() override {}
    void watch(std::function<void()> c) override { changed = std::move(c); }
};
