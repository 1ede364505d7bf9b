// Horalto's hotkeys as GNOME's custom shortcuts: the keys the desktop holds and the shortcuts
// written, against GSettings in memory with the real schemas; the hotkey service on top, on
// settings in memory.
#include <gio/gio.h>

#include "hotkeys/DesktopKeyHotkeys.h"
#include "hotkeys/DesktopKeys.h"
#include "platform/hotkeys/GioKeySettings.h"
#include "support/FakeKeySettings.h"
#include "support/Fakes.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {
const QString kBase = QString::fromLatin1(DesktopKeys::kPathBase);
const QString kExe = QStringLiteral("/opt/it's here/horalto");

std::vector<DesktopKeyAction> Actions()
{
    return {{1, "start", "Horalto：计时", "start"}, {2, "reset", "Horalto：复位", "reset"},
            {3, "toolbar", "Horalto：工具条模式", "toolbar"}, {7, "scheme1", "Horalto：计时方案一", "scheme 1"}};
}

// GSettings in memory, every test from the defaults, with the user's own shortcuts on top.
class GnomeKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(settings.installed()) << "gnome-settings-daemon's schemas are missing: scripts/test installs them";
        Set("org.gnome.desktop.wm.keybindings", nullptr, "minimize", {"F9"});
        User("custom0", "我的截图", "F7");
        User("custom1", "", "KP_End");
        User("custom2", "终端", "<Control>F5");
        settings.setCustomPaths({kBase + "custom0/", kBase + "custom1/", kBase + "custom2/"});
    }
    void TearDown() override
    {
        Set("org.gnome.desktop.wm.keybindings", nullptr, "minimize", {});
        settings.setCustomPaths({});
        for (const char* id : {"custom0", "custom1", "custom2", "horalto-start", "horalto-reset", "horalto-toolbar", "horalto-scheme1"})
            settings.resetCustom(kBase + id + '/');
    }
    // An accelerator list set (empty: reset) in a schema.
    static void Set(const char* schema, const char* path, const char* key, std::vector<const char*> accels)
    {
        GSettings* s = path ? g_settings_new_with_path(schema, path) : g_settings_new(schema);
        if (accels.empty()) {
            g_settings_reset(s, key);
        } else {
            accels.push_back(nullptr);
            g_settings_set_strv(s, key, accels.data());
        }
        g_object_unref(s);
    }
    void User(const QString& id, const QString& name, const QString& binding)
    {
        settings.writeCustom({kBase + id + '/', name, "touch /tmp/x", binding});
    }
    QString Binding(const char* id) { return settings.custom(kBase + id + '/').binding; }

    // Before any GSettings of the process: never the user's own settings.
    struct MemoryBackend {
        MemoryBackend() { qputenv("GSETTINGS_BACKEND", "memory"); }
    } memory;
    GioKeySettings settings;
};
} // namespace

TEST(DesktopKeyNames, StoredKeysAndAcceleratorsBothWays)
{
    // written: the accelerator is how the key is written; otherwise it is only read as that key.
    const struct { const char* accel; std::optional<StoredKey> key; bool written; } cases[] = {
        {"F5", StoredKey{0, 116}, true}, {"Pause", StoredKey{0, 19}, true}, {"KP_1", StoredKey{0, 97}, true},
        {"<Primary>F5", StoredKey{2, 116}, true}, {"<Primary><Alt><Shift>a", StoredKey{7, 65}, true},
        {"<Shift>F9", StoredKey{4, 120}, true}, {"Prior", StoredKey{0, 33}, true}, {"<Control>F5", StoredKey{2, 116}, false},
        {"<Ctrl><Shift>A", StoredKey{6, 65}, false}, {"KP_End", StoredKey{0, 97}, false}, {"<Super>l", StoredKey{8, 76}, false},
        {"<Mod1>F7", StoredKey{1, 118}, false}, {"<Foo>F5", std::nullopt, false}, {"XF86AudioPlay", std::nullopt, false},
        {"<Primary>", std::nullopt, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeyOfAccelerator(c.accel), c.key) << c.accel;
        if (c.written)
            EXPECT_EQ(AcceleratorFor(c.key->modifierBits, c.key->virtualKey), c.accel);
    }
    EXPECT_EQ(AcceleratorFor(0, 44), ""); // Print: no stored key has it
    EXPECT_EQ(ShortcutCommand(kExe, "scheme 1"), R"('/opt/it'\''s here/horalto' hotkey scheme 1)");
}

TEST_F(GnomeKeys, AKeyTheDesktopOrAnotherShortcutHoldsIsNamed)
{
    DesktopKeys keys(settings, kExe, Actions());
    const struct { int bits, vk; const char* accel; QString holder; } cases[] = {
        {0, 116, "F5", ""},
        {0, 19, "Pause", ""},
        {2, 116, "<Primary>F5", "终端"},
        {0, 118, "F7", "我的截图"},
        {0, 97, "KP_1", kBase + "custom1/"}, // a shortcut without a name by its path; KP_End is the same key
        {1, 118, "<Alt>F7", "org.gnome.desktop.wm.keybindings begin-move"},
        {3, 112, "<Primary><Alt>F1", "org.gnome.mutter.wayland.keybindings switch-to-session-1"},
        {0, 120, "F9", "org.gnome.desktop.wm.keybindings minimize"}, // changed from its default
    };
    for (const auto& c : cases) {
        const std::map<int, DesktopKeyState> plan = keys.Plan({{1, StoredKey{c.bits, c.vk}}});
        ASSERT_EQ(plan.count(1), 1u);
        EXPECT_EQ(plan.at(1).accelerator, c.accel);
        EXPECT_EQ(plan.at(1).holder, c.holder) << c.accel;
        EXPECT_EQ(plan.at(1).written, c.holder.isEmpty()) << c.accel;
    }
    // Two hotkeys on one key: the first has it.
    const auto two = keys.Plan({{1, {0, 117}}, {2, {0, 117}}});
    EXPECT_TRUE(two.at(1).written);
    EXPECT_EQ(two.at(2).holder, "Horalto：计时");
}

TEST_F(GnomeKeys, ShortcutsAreAppendedRewrittenAndRemovedLeavingTheUsersOwn)
{
    DesktopKeys keys(settings, kExe, Actions());
    const QStringList users{kBase + "custom0/", kBase + "custom1/", kBase + "custom2/"};
    EXPECT_FALSE(keys.On());
    const struct {
        std::map<int, StoredKey> keys; // empty: removed
        QStringList ours;              // in the list after the users' own
        std::map<const char*, QString> bindings;
    } steps[] = {
        {{{1, {0, 116}}, {2, {0, 117}}, {3, {0, 118}}, {7, {0, 97}}}, {"horalto-start", "horalto-reset"},
         {{"horalto-start", "F5"}, {"horalto-reset", "F6"}, {"horalto-toolbar", ""}, {"custom0", "F7"}}},
        // The dialog switched reset off and moved the toolbar and the scheme to free keys.
        {{{1, {0, 116}}, {3, {0, 119}}, {7, {2, 97}}}, {"horalto-start", "horalto-toolbar", "horalto-scheme1"},
         {{"horalto-start", "F5"}, {"horalto-reset", ""}, {"horalto-toolbar", "F8"}, {"horalto-scheme1", "<Primary>KP_1"}}},
        {{}, {}, {{"horalto-start", ""}, {"horalto-toolbar", ""}, {"custom0", "F7"}, {"custom2", "<Control>F5"}}},
    };
    for (const auto& s : steps) {
        if (s.keys.empty())
            keys.Remove();
        else
            keys.Write(s.keys);
        QStringList want = users;
        for (const QString& id : s.ours)
            want << kBase + id + '/';
        EXPECT_EQ(settings.customPaths(), want);
        EXPECT_EQ(keys.On(), !s.ours.isEmpty());
        for (const auto& [id, binding] : s.bindings)
            EXPECT_EQ(Binding(id), binding) << id;
    }
    keys.Write({{7, {0, 98}}});
    const CustomShortcut scheme = settings.custom(kBase + "horalto-scheme1/");
    EXPECT_EQ(scheme.name, "Horalto：计时方案一");
    EXPECT_EQ(scheme.command, R"('/opt/it'\''s here/horalto' hotkey scheme 1)");
    EXPECT_EQ(scheme.binding, "KP_2");
}

TEST(DesktopKeyHotkeys, OnTheDesktopsShortcutsTheKeysFollowTheRegistrations)
{
    FakeKeySettings settings;
    settings.fixed = {{"org.gnome.desktop.wm.keybindings minimize", "F6"}};
    FakeHotkeys inner;
    DesktopKeys keys(settings, kExe, Actions());
    DesktopKeyHotkeys service(inner, &keys, true);
    int changes = 0;
    service.setChangeHandler([&] { ++changes; });
    EXPECT_TRUE(service.registerKey(1, 0, 116));
    EXPECT_TRUE(service.registerKey(2, 0, 117)); // the grabs do not know the desktop's keys
    EXPECT_EQ(inner.registered.size(), 2u);
    EXPECT_FALSE(service.desktopKeysOn());

    service.setDesktopKeys(true);
    EXPECT_TRUE(inner.registered.empty()); // the grabs let go
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(settings.paths, QStringList{kBase + "horalto-start/"});
    // Registered again after the change, the key the desktop holds is refused, nothing grabbed.
    EXPECT_TRUE(service.registerKey(1, 0, 116));
    EXPECT_FALSE(service.registerKey(2, 0, 117));
    EXPECT_TRUE(inner.registered.empty());
    EXPECT_FALSE(service.focusOnly());

    // The dialog: every key unregistered, then the saved ones registered; written once, later.
    for (int id : {1, 2})
        service.unregisterKey(id);
    EXPECT_TRUE(service.registerKey(1, 2, 116));
    EXPECT_TRUE(service.registerKey(7, 0, 97));
    EXPECT_EQ(settings.entries[kBase + "horalto-start/"].binding, "F5");
    QCoreApplication::processEvents();
    EXPECT_EQ(settings.entries[kBase + "horalto-start/"].binding, "<Primary>F5");
    EXPECT_EQ(settings.paths, (QStringList{kBase + "horalto-start/", kBase + "horalto-scheme1/"}));

    service.setDesktopKeys(false);
    EXPECT_TRUE(settings.paths.isEmpty());
    EXPECT_TRUE(settings.entries.empty());
    EXPECT_TRUE(service.registerKey(1, 0, 116));
    EXPECT_EQ(inner.registered.count(1), 1u);
}

TEST(DesktopKeyHotkeys, OfferedWhereTheDesktopRunsThemAndNoPortalBindsTheKeys)
{
    const struct { bool gnome, wayland, onlyWithFocus, on; bool offered, focusOnly; } cases[] = {
        {true, true, true, false, true, true},    // GNOME 43 on Wayland: the grabs need the focus
        {true, true, true, true, true, false},    // ... until the shortcuts are on
        {true, true, false, false, false, false}, // a portal with global shortcuts binds the keys
        {true, false, false, false, true, false}, // GNOME on X11
        {false, true, true, false, false, true},  // Sway and the like: only the focus
        {false, true, true, true, false, true},   // shortcuts from a GNOME session do not act here
    };
    for (const auto& c : cases) {
        FakeKeySettings settings;
        settings.runs = c.gnome;
        if (c.on)
            settings.paths = {kBase + "horalto-start/"};
        FakeHotkeys inner;
        inner.onlyWithFocus = c.onlyWithFocus;
        DesktopKeys keys(settings, kExe, Actions());
        DesktopKeyHotkeys service(inner, &keys, c.wayland);
        EXPECT_EQ(service.desktopKeysOffered(), c.offered) << c.gnome << c.wayland << c.onlyWithFocus << c.on;
        EXPECT_EQ(service.focusOnly(), c.focusOnly) << c.gnome << c.wayland << c.onlyWithFocus << c.on;
    }
}
