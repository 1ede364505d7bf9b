// The table of offered commands, and the menu items and buttons that show it.
#include "support/TestApp.h"

#include "core/OfferedCommands.h"
#include "menu/MenuForm.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QAction>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
// Per phase (idle, running, paused) three marks for the modes main, toolbar, full screen:
// 'o' offered, 'd' shown but disabled, 'h' hidden.
struct Row {
    CommandId id;
    const char* phases[3];
};
const Row kTable[] = {
    {CommandId::Start, {"ooo", "ddd", "ddd"}},
    {CommandId::Reset, {"ooo", "ooo", "ooo"}},
    {CommandId::ToolbarMode, {"oho", "oho", "oho"}},
    {CommandId::FullScreenMode, {"ooh", "ooh", "ooh"}},
    {CommandId::BackToMain, {"hoo", "hoo", "hoo"}},
    {CommandId::PauseContinue, {"ddd", "ooo", "ooo"}},
    {CommandId(7), {"ooo", "ddd", "ddd"}},
    {CommandId(8), {"ooo", "ddd", "ddd"}},
    {CommandId(9), {"ooo", "ddd", "ddd"}},
    {CommandId(10), {"ooo", "ddd", "ddd"}},
    {CommandId(11), {"ooo", "ddd", "ddd"}},
    {CommandId::About, {"ooo", "ooo", "ooo"}},
    {CommandId::Setup, {"ooo", "ddd", "ddd"}},
    {CommandId::HotKeySetup, {"ooo", "ooo", "ooo"}},
    {CommandId::AppInfo, {"ood", "ood", "ood"}},
    {CommandId::Shake, {"ooo", "ooo", "ooo"}},
    {CommandId::LargeToolbar, {"ooo", "ooo", "ooo"}},
    {CommandId::Exit, {"ooo", "ooo", "ooo"}},
};
char Mark(CommandOffer o) { return !o.visible ? 'h' : o.enabled ? 'o' : 'd'; }
} // namespace

TEST(OfferedCommands, WholeTable)
{
    ASSERT_EQ(std::size(kTable), std::size_t(CommandId::Exit));
    for (const Row& r : kTable)
        for (int p = 0; p < 3; ++p)
            for (int m = 0; m < 3; ++m)
                EXPECT_EQ(Mark(OfferedCommand(r.id, TimingPhase(p), DisplayMode(m))), r.phases[p][m])
                    << "command " << int(r.id) << " phase " << p << " mode " << m;
    EXPECT_FALSE(OfferedCommand(CommandId(0), TimingPhase::Idle, DisplayMode::Main).offered());
    EXPECT_FALSE(OfferedCommand(CommandId(19), TimingPhase::Idle, DisplayMode::Main).offered());
}

TEST(OfferedCommands, MenuItemsAndButtonsShowTheTableInEveryPhaseAndMode)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    App& a = *t.app;
    auto check = [&](TimingPhase phase, DisplayMode mode, const char* where) {
        ASSERT_EQ(a.module.Phase, phase) << where;
        ASSERT_EQ(a.module.Mode, mode) << where;
        for (const Row& r : kTable) {
            QAction* item = a.menuForm().CommandItem(r.id);
            EXPECT_EQ(Mark({item->isVisible(), item->isEnabled()}), r.phases[int(phase)][int(mode)])
                << where << ": item " << item->text().toStdString();
        }
        const char* start = kTable[0].phases[int(phase)];
        for (QWidget* b : {static_cast<QWidget*>(a.mainForm().JishiStart), static_cast<QWidget*>(a.mainForm().SetupMe),
                           static_cast<QWidget*>(a.toolsBarForm().StartTimer), static_cast<QWidget*>(a.toolsBarFormMax().SystemSetup),
                           static_cast<QWidget*>(a.fullScreenForm().KongZhi1)})
            EXPECT_EQ(b->isEnabled(), start[0] == 'o') << where;
        EXPECT_EQ(a.mainForm().JishiPause->isEnabled(), phase != TimingPhase::Idle) << where;
    };
    check(TimingPhase::Idle, DisplayMode::Main, "start-up");
    t.w.hotkeys.press(3);
    check(TimingPhase::Idle, DisplayMode::Toolbar, "toolbar");
    t.w.hotkeys.press(1);
    check(TimingPhase::Running, DisplayMode::Toolbar, "started");
    t.w.hotkeys.press(4);
    check(TimingPhase::Running, DisplayMode::FullScreen, "full screen");
    t.w.hotkeys.press(6);
    check(TimingPhase::Paused, DisplayMode::FullScreen, "paused");
    t.w.hotkeys.press(5);
    check(TimingPhase::Paused, DisplayMode::Main, "main window");
    t.w.hotkeys.press(2);
    check(TimingPhase::Idle, DisplayMode::Main, "reset");
}
