// The eleven global hotkeys on the whole program with test doubles: the table in config.ini,
// registration with the window system (FakeHotkeys), the menu captions, and a press run through
// the popup menu's item states.
#include "support/TestApp.h"
#include "core/TimeText.h"

#include "about/frmAbout.h"
#include "config/ConfigFile.h"
#include "hotkeys/HotKeys.h"
#include "menu/MenuForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"

#include <QAction>
#include <QPushButton>
#include <gtest/gtest.h>

#include <map>

namespace {

const Grabs kDefaultGrabs = {{1, {0, 116}}, {2, {0, 117}},  {3, {0, 118}},  {4, {0, 119}},
                             {5, {0, 120}}, {6, {0, 19}},   {7, {0, 97}},   {8, {0, 98}},
                             {9, {0, 99}},  {10, {0, 100}}, {11, {0, 101}}};

QString Fill(int n) { return QString(n, QChar(0x3000)); }

// Every key of one section, in file order, as "key=value".
QStringList Section(const QStringList& lines, const QString& name)
{
    QStringList out;
    bool in = false;
    for (const QString& l : lines) {
        if (l.startsWith('['))
            in = l == "[" + name + "]";
        else if (in && l.contains('='))
            out << l;
    }
    return out;
}

QAction* Item(App& app, int id) { return app.menuForm().CommandItem(CommandId(id)); }

// A started program with a press of each hotkey at hand.
struct Running : TestApp {
    void press(int id) { w.hotkeys.press(id); }
    MainForm& main() { return app->mainForm(); }
    MenuForm& menu() { return app->menuForm(); }
    FakeTimer* tick() { return timer(1000); }
};

} // namespace

// ---- the table and its registration ----

TEST(HotKeyTable, FreshFileWritesAll33KeysRegistersTheDefaultsAndFillsTheCaptions)
{
    TestApp t;
    ASSERT_TRUE(t.start());

    QStringList expected;
    const char* setB[] = {"", "116", "117", "118", "119", "120", "19", "97", "98", "99", "100", "101"};
    const char* desc[] = {"", "F5", "F6", "F7", "F8", "F9", "Pause", "Num1", "Num2", "Num3", "Num4", "Num5"};
    for (int id = 1; id <= 11; ++id)
        expected << QString("HotKeySetA%1=").arg(id) << QString("HotKeySetB%1=%2").arg(id).arg(setB[id])
                 << QString("HotKeyDesc%1=%2").arg(id).arg(desc[id]);
    EXPECT_EQ(Section(t.w.iniLines(), "COMMSET"), expected);

    EXPECT_EQ(Registered(t.w.hotkeys), kDefaultGrabs);
    EXPECT_TRUE(t.w.hotkeys.handler != nullptr);

    MenuForm& m = t.app->menuForm();
    EXPECT_EQ(m.MJishiStart->text(), "计时" + Fill(5) + "F5");
    EXPECT_EQ(m.MJishiEnd->text(), "复位" + Fill(5) + "F6");
    EXPECT_EQ(m.MMinME->text(), "工具条模式" + Fill(2) + "F7");
    EXPECT_EQ(m.MMaxME->text(), "全屏幕模式" + Fill(2) + "F8");
    EXPECT_EQ(m.MBacktoMain->text(), "返回主界面" + Fill(2) + "F9");
    EXPECT_EQ(m.MJishiPause->text(), "暂停" + Fill(5) + "Pause");
    const char* schemes[] = {"一", "二", "三", "四", "五"};
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(m.MJsFa[i]->text(), QString("计时方案") + schemes[i - 1] + Fill(2) + QString("Num%1").arg(i));
}

TEST(HotKeyTable, SwitchedOffHotkeyIsNotRegisteredAndItsCaptionIsThePlainLabel)
{
    Running t;
    // Its key code is not looked at, not even when it would not convert.
    ASSERT_TRUE(t.start({"[COMMSET]", "HotKeyDesc3=NotSet", "HotKeySetB3=abc"}));
    Grabs expected = kDefaultGrabs;
    expected.erase(3);
    EXPECT_EQ(Registered(t.w.hotkeys), expected);
    EXPECT_EQ(t.menu().MMinME->text(), "工具条模式");
    EXPECT_EQ(t.menu().MMaxME->text(), "全屏幕模式" + Fill(2) + "F8");
    EXPECT_EQ(t.ini("COMMSET", "HotKeySetB3"), "abc");

    // The others act: F8 goes to full screen, F9 back.
    t.press(4);
    EXPECT_TRUE(t.app->fullScreenForm().isVisible());
    t.press(5);
    EXPECT_TRUE(t.main().isVisible());
    EXPECT_FALSE(t.app->fullScreenForm().isVisible());
}

TEST(HotKeyTable, AllElevenSwitchedOffRegisterNothingAndPressesDoNothing)
{
    QStringList lines{"[COMMSET]"};
    for (int id = 1; id <= 11; ++id)
        lines << QString("HotKeyDesc%1=NotSet").arg(id);
    Running t;
    ASSERT_TRUE(t.start(lines));
    EXPECT_TRUE(t.w.hotkeys.registered.empty());
    EXPECT_TRUE(t.w.hotkeys.log.empty());
    EXPECT_FALSE(t.w.hotkeys.handler) << "nothing may be installed in front of the main window";
    EXPECT_EQ(t.menu().MJishiStart->text(), "计时");
    EXPECT_EQ(t.menu().MJsFa[5]->text(), "计时方案五");
    EXPECT_EQ(t.menu().MJishiPause->text(), "暂停");
    t.press(1);
    t.press(9);
    EXPECT_FALSE(t.m().IsTiming());
    EXPECT_EQ(t.m().FangAnId(), 1);
}

TEST(HotKeyTable, ModifierTextsMapExactlyAndCaseSensitively)
{
    const char* mods[] = {"", "Alt", "Ctrl", "Ctrl+Alt", "Shift", "Shift+Alt", "Shift+Ctrl", "Ctrl+Shift",
                          "Shift+Ctrl+Alt", "Ctrl+Alt+Shift", "ctrl", "Alt+Ctrl"};
    const int bits[] = {0, 1, 2, 3, 4, 5, 6, 6, 7, 7, 0, 0};
    QStringList lines{"[COMMSET]"};
    for (int id = 1; id <= 11; ++id)
        lines << QString("HotKeySetA%1=%2").arg(id).arg(mods[id]);
    TestApp t;
    ASSERT_TRUE(t.start(lines));
    const Grabs g = Registered(t.w.hotkeys);
    ASSERT_EQ(g.size(), 11u);
    for (int id = 1; id <= 11; ++id)
        EXPECT_EQ(g.at(id).first, bits[id]) << mods[id];
    EXPECT_EQ(g.at(6), std::make_pair(6, 19));
}

TEST(HotKeyTable, TwoIdsWithOneKeyRegisterTheLowerAndBothCaptionsShowIt)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[COMMSET]", "HotKeySetB4=116", "HotKeyDesc4=F5"}));
    const Grabs g = Registered(t.w.hotkeys);
    EXPECT_EQ(g.at(1), std::make_pair(0, 116));
    EXPECT_EQ(g.count(4), 0u);
    EXPECT_NE(std::find(t.w.hotkeys.log.begin(), t.w.hotkeys.log.end(), "add 4 0 116"), t.w.hotkeys.log.end())
        << "the second one is asked for and refused";
    EXPECT_EQ(t.app->menuForm().MJishiStart->text(), "计时" + Fill(5) + "F5");
    EXPECT_EQ(t.app->menuForm().MMaxME->text(), "全屏幕模式" + Fill(2) + "F5");
    EXPECT_EQ(g.size(), 10u);
}

// The pause item's caption, however it is rebuilt (by a phase change, by the registration after
// a dialog), says what the item does now; a key another program holds says so too.
TEST(HotKeyTable, PauseCaptionFollowsThePhaseWithADialogOpenAndAfterItClosed)
{
    Running t;
    t.w.hotkeys.refusedOnes.push_back({6, {0, 19}});
    ASSERT_TRUE(t.start());
    const QString pause = "暂停" + Fill(5) + "Pause（被占用）", resume = "继续" + Fill(5) + "Pause（被占用）";
    // Start, pause, continue, pause, reset.
    for (const auto& [id, caption] : {std::pair{1, pause}, {6, resume}, {6, pause}, {6, resume}, {2, pause}}) {
        t.app->Run(CommandId(id));
        EXPECT_EQ(t.menu().MJishiPause->text(), caption);
        EXPECT_TRUE(WithModal<frmAbout>([&] { t.app->ShowAboutBox(&t.main()); },
                                        [&](frmAbout&) { EXPECT_EQ(t.menu().MJishiPause->text(), caption) << "open"; }));
        EXPECT_EQ(t.menu().MJishiPause->text(), caption) << "after the dialog";
    }
}

TEST(HotKeyTable, KeyCodeThatDoesNotConvertEndsTheStartWithTheConfigurationError)
{
    for (const char* bad : {"abc", "70000", "11.5x", "-40000"}) {
        TestApp t;
        EXPECT_FALSE(t.start({"[COMMSET]", QString("HotKeySetB5=%1").arg(bad)})) << bad;
        ASSERT_EQ(t.w.dialogs.warnings.size(), 1u) << bad;
        EXPECT_EQ(t.w.dialogs.warnings[0].text, ConfigErrorMessage());
        EXPECT_EQ(t.w.end.statuses, std::vector<int>{1});
        EXPECT_FALSE(t.app->mainForm().isVisible());
    }
}

// ---- SetHotKey ----

TEST(SetHotKey, ParsesModifierAndKeyCodeAtTheFirstComma)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    HotKeys& h = t.app->hotKeys();
    h.UnregisterAll();

    h.SetHotKey(1, "Ctrl,65", "Add");
    EXPECT_EQ(h.HotKeyId, 1);
    EXPECT_EQ(h.HotKeyModifiers, 2);
    EXPECT_EQ(h.HotKeyVk, 65);
    h.SetHotKey(2, " Shift+Alt , 66 ", "Add"); // blanks around the number are fine, not around the modifier
    EXPECT_EQ(h.HotKeyModifiers, 0);
    EXPECT_EQ(h.HotKeyVk, 66);
    // Without a comma: no modifier and the leading number.
    h.SetHotKey(3, "67xyz", "Add");
    h.SetHotKey(4, "Ctrl", "Add");
    h.SetHotKey(5, "", "Add");
    EXPECT_EQ(h.HotKeyId, 5);
    EXPECT_EQ(h.HotKeyVk, 0);
    EXPECT_EQ(Registered(t.w.hotkeys), (Grabs{{1, {2, 65}}, {2, {0, 66}}, {3, {0, 67}}}));
    EXPECT_EQ(std::vector<QString>(t.w.hotkeys.log.end() - 5, t.w.hotkeys.log.end()),
              (std::vector<QString>{"add 1 2 65", "add 2 0 66", "add 3 0 67", "add 4 0 0", "add 5 0 0"}));

    // "Del" resets what the last "Add" left.
    h.SetHotKey(1, "", "Del");
    EXPECT_EQ(h.HotKeyId, 1);
    EXPECT_EQ(h.HotKeyModifiers, 0);
    EXPECT_EQ(h.HotKeyVk, 0);
    EXPECT_EQ(t.w.hotkeys.registered.count(1), 0u);
}

TEST(SetHotKey, KeyCodeAfterTheCommaMustBeA16BitDecimalNumber)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    HotKeys& h = t.app->hotKeys();
    h.UnregisterAll();
    const auto logSize = t.w.hotkeys.log.size();
    for (const char* text : {",", "Ctrl,", ",abc", ",32768", ",0x74", ",1e2"})
        EXPECT_THROW(h.SetHotKey(1, text, "Add"), ConfigError) << text;
    EXPECT_EQ(t.w.hotkeys.log.size(), logSize) << "nothing is asked of the window system";
    EXPECT_FALSE(t.w.hotkeys.handler);
    h.SetHotKey(1, ",32767", "Add");
    EXPECT_EQ(h.HotKeyVk, 32767);
    h.SetHotKey(2, ",-5", "Add");
    EXPECT_EQ(h.HotKeyVk, -5);
}

TEST(SetHotKey, FirstAddInstallsTheDispatchAndAnyDelRemovesIt)
{
    Running t;
    ASSERT_TRUE(t.start());
    HotKeys& h = t.app->hotKeys();
    h.SetHotKey(3, "", "Del");
    EXPECT_FALSE(t.w.hotkeys.handler);
    EXPECT_EQ(t.w.hotkeys.registered.size(), 10u) << "the other ten stay registered";
    t.press(1);
    EXPECT_FALSE(t.m().IsTiming()) << "a press without the dispatch in place does nothing";

    h.SetHotKey(3, ",118", "Add");
    ASSERT_TRUE(t.w.hotkeys.handler);
    t.press(1);
    EXPECT_TRUE(t.m().IsTiming());
}

TEST(SetHotKey, AfterADialogABadKeyCodeLeavesOnlyThatHotkeyUnregistered)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    HotKeys& h = t.app->hotKeys();
    h.UnregisterAll();
    EXPECT_TRUE(t.w.hotkeys.registered.empty());
    t.app->config.WriteIniText("COMMSET", "HotKeySetB2", "abc");
    t.app->config.WriteIniText("COMMSET", "HotKeyDesc2", "Q");
    t.app->config.WriteIniText("COMMSET", "HotKeySetB4", "81");
    h.LoadHotKeys();

    EXPECT_NO_THROW(h.RegisterHotKeysAfterDialog());
    Grabs expected = kDefaultGrabs;
    expected.erase(2);
    expected[4] = {0, 81};
    EXPECT_EQ(Registered(t.w.hotkeys), expected);
    EXPECT_EQ(t.app->menuForm().MJishiEnd->text(), "复位" + Fill(5) + "Q");
    EXPECT_TRUE(t.w.dialogs.warnings.empty());
    EXPECT_FALSE(t.w.end.ended());

    // The start-up registration does not tolerate it.
    h.UnregisterAll();
    EXPECT_THROW(h.RegisterHotKeys(), ConfigError);
}

// ---- dispatch: a press runs the menu command only while its item is visible and enabled ----

TEST(HotKeyDispatch, StartWorksOnlyWhileStoppedResetAlways)
{
    Running t;
    ASSERT_TRUE(t.start());
    t.press(2); // reset while stopped
    EXPECT_FALSE(t.m().IsTiming());
    t.press(1);
    ASSERT_TRUE(t.m().IsTiming());
    t.tick()->fire();
    t.tick()->fire();
    EXPECT_EQ(t.m().CounterSeconds, 28);
    t.press(1); // would restart the count
    EXPECT_EQ(t.m().CounterSeconds, 28);
    EXPECT_TRUE(t.m().IsTiming());
    t.press(2);
    EXPECT_FALSE(t.m().IsTiming());
    EXPECT_EQ(t.main().Showtime->text(), "00:00:30");
    t.press(1);
    EXPECT_TRUE(t.m().IsTiming());
}

TEST(HotKeyDispatch, PauseTogglesWhileStarted)
{
    Running t;
    ASSERT_TRUE(t.start());
    t.press(1);
    t.press(6);
    EXPECT_FALSE(t.m().IsTiming());
    EXPECT_EQ(t.menu().MJishiPause->text(), "继续" + Fill(5) + "Pause");
    t.tick()->fire();
    EXPECT_EQ(t.m().CounterSeconds, 30);
    t.press(6);
    EXPECT_TRUE(t.m().IsTiming());
    EXPECT_EQ(t.menu().MJishiPause->text(), "暂停" + Fill(5) + "Pause");
    t.tick()->fire();
    EXPECT_EQ(t.m().CounterSeconds, 29);
    t.press(6);
    EXPECT_FALSE(t.m().IsTiming());
    // Reset while paused: pause is offered no more, so the key cannot resume a stopped count.
    t.press(2);
    EXPECT_FALSE(t.menu().MJishiPause->isEnabled());
    t.press(6);
    EXPECT_FALSE(t.m().IsTiming());
}

TEST(HotKeyDispatch, SchemeKeysOnlyWhileStopped)
{
    Running t;
    ASSERT_TRUE(t.start({"[JSSET3]", "JSHH=00", "JSMM=02", "JSSS=00"}));
    t.press(1);
    t.press(9);
    EXPECT_EQ(t.m().FangAnId(), 1);
    EXPECT_EQ(t.ini("FangAnSelect", "JsFangAnId"), "1");
    t.press(2);
    t.press(9);
    EXPECT_EQ(t.m().FangAnId(), 3);
    EXPECT_EQ(t.ini("FangAnSelect", "JsFangAnId"), "3");
    EXPECT_TRUE(t.menu().MJsFa[3]->isChecked());
    EXPECT_EQ(t.main().Showtime->text(), "00:02:00");
    t.press(11);
    EXPECT_EQ(t.m().FangAnId(), 5);
}

TEST(HotKeyDispatch, DisplayKeysWorkEverywhereButInTheirOwnMode)
{
    Running t;
    ASSERT_TRUE(t.start());
    t.main().hide(); // an outside change the menu does not know of: F9 is still offered nowhere
    t.press(5);
    EXPECT_FALSE(t.main().isVisible()) << "F9 acted in the main window";
    t.main().show();

    t.press(3);
    EXPECT_TRUE(t.app->toolsBarForm().isVisible());
    EXPECT_FALSE(t.main().isVisible());
    t.app->toolsBarForm().hide();
    t.press(3);
    EXPECT_FALSE(t.app->toolsBarForm().isVisible()) << "F7 acted in toolbar mode";

    t.press(4);
    EXPECT_TRUE(t.app->fullScreenForm().isVisible());
    t.app->fullScreenForm().hide();
    t.press(4);
    EXPECT_FALSE(t.app->fullScreenForm().isVisible()) << "F8 acted in full-screen mode";

    t.press(5);
    EXPECT_TRUE(t.main().isVisible());
    t.press(3);
    EXPECT_TRUE(t.app->toolsBarForm().isVisible());
    t.press(5);
    EXPECT_TRUE(t.main().isVisible());
    EXPECT_FALSE(t.app->toolsBarForm().isVisible());
}

TEST(HotKeyDispatch, KeyOfACommandNotOfferedDoesNothing)
{
    // The rule is the table of offered commands (the same states the menu items show), not
    // the flags of the menu items.
    Running t;
    ASSERT_TRUE(t.start());
    t.press(6);
    EXPECT_EQ(t.main().JishiPause->text(), "暂 停") << "pause ran while idle";
    t.press(1);
    t.press(9);
    EXPECT_EQ(t.m().FangAnId(), 1) << "a scheme switch ran while timing";
    t.press(6);
    ASSERT_FALSE(t.m().IsTiming()); // paused
    t.press(1);
    EXPECT_FALSE(t.m().IsTiming()) << "start ran while paused";
    t.press(10);
    EXPECT_EQ(t.m().FangAnId(), 1) << "a scheme switch ran while paused";
    t.press(6);
    EXPECT_TRUE(t.m().IsTiming());
    t.menu().MJishiEnd->setEnabled(false);
    t.press(2);
    EXPECT_FALSE(t.m().IsTiming()) << "reset is offered in every phase and mode";
}

TEST(HotKeyDispatch, OtherIdsDoNothingAndUnloadReleasesAllElevenWithTheDispatch)
{
    Running t;
    ASSERT_TRUE(t.start());
    for (int id : {0, -1, 12, 786})
        t.press(id);
    EXPECT_FALSE(t.m().IsTiming());
    EXPECT_TRUE(t.main().isVisible());
    EXPECT_EQ(t.m().FangAnId(), 1);

    t.menu().MExitMe_Click();
    EXPECT_TRUE(t.w.hotkeys.registered.empty());
    EXPECT_FALSE(t.w.hotkeys.handler);
    std::vector<QString> dels(t.w.hotkeys.log.end() - 11, t.w.hotkeys.log.end());
    for (int id = 1; id <= 11; ++id)
        EXPECT_EQ(dels[id - 1], QString("del %1").arg(id));
    t.press(1);
    EXPECT_FALSE(t.m().IsTiming());
}
