// The menu items and buttons show the table of offered commands.
#include "support/TestApp.h"

#include "support/OfferedTable.h"
#include "menu/MenuForm.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QAction>
#include <QPushButton>
#include <gtest/gtest.h>


TEST(OfferedCommands, MenuItemsAndButtonsShowTheTableInEveryPhaseAndMode)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    App& a = *t.app;
    // A programme with a following speaker: 下一位 then follows the table as the schemes do.
    Speaker first, second;
    first.name = "Ann";
    second.name = "Bob";
    a.programme.Append({first, second});
    auto check = [&](TimingPhase phase, DisplayMode mode, const char* where) {
        ASSERT_EQ(a.session.Phase(), phase) << where;
        ASSERT_EQ(a.session.Mode(), mode) << where;
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
