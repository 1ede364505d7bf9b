// The full-screen window on the monitor chosen in the popup menu, with the two monitors of
// tests/support/two_monitors.json: "DP-1" 1280×800 at 0,0 (the primary), "HDMI-1" 1920×1080 at
// 1280,0.
#include "support/TestApp.h"

#include "display/MonitorChoice.h"
#include "menu/MenuForm.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

const QRect kLaptop(0, 0, 1280, 800), kProjector(1280, 0, 1920, 1080);

struct Screens : TestApp {
    FullScreenForm& fs() { return app->fullScreenForm(); }
    MenuForm& menu() { return app->menuForm(); }
    // The submenu as it opens: its items, " *" after the checked one.
    QStringList monitorItems()
    {
        emit menu().MFullScreenMonitor->aboutToShow();
        QStringList items;
        for (QAction* a : menu().MFullScreenMonitor->actions())
            items << a->text() + (a->isChecked() ? " *" : "");
        return items;
    }
    void pick(int item)
    {
        emit menu().MFullScreenMonitor->aboutToShow();
        menu().MFullScreenMonitor->actions().at(item)->trigger();
    }
};

std::string text(const QStringList& lines) { return lines.join(" | ").toStdString(); }

} // namespace

TEST(FullScreenMonitor, PickingTheProjectorMovesTheShownWindowThereAndKeepsTheChoice)
{
    Screens t;
    ASSERT_TRUE(t.start());
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    const QPoint mainAt = t.app->mainForm().pos();
    EXPECT_EQ(text(t.monitorItems()), "主显示器 * | DP-1  1280×800 | HDMI-1  1920×1080");
    t.app->Run(CommandId::FullScreenMode);
    EXPECT_EQ(t.fs().geometry(), kLaptop);

    t.pick(2); // HDMI-1
    EXPECT_EQ(t.ini("FullScreenSet", "ScreenName"), "HDMI-1");
    EXPECT_EQ(t.fs().geometry(), kProjector);
    EXPECT_EQ(t.fs().Showtime->width(), 1920); // laid out for the projector's size
    EXPECT_EQ(t.fs().Picture2->geometry().bottom(), 1079);
    EXPECT_EQ(text(t.monitorItems()), "主显示器 | DP-1  1280×800 | HDMI-1  1920×1080 *");
    t.app->Run(CommandId::BackToMain);
    EXPECT_EQ(t.app->mainForm().pos(), mainAt);

    // The next start covers the projector at once.
    t.app.reset();
    ASSERT_TRUE(t.start());
    t.app->Run(CommandId::FullScreenMode);
    EXPECT_EQ(t.fs().geometry(), kProjector);
    t.pick(0); // 主显示器
    EXPECT_EQ(t.ini("FullScreenSet", "ScreenName"), "");
    EXPECT_EQ(t.fs().geometry(), kLaptop);
}

TEST(FullScreenMonitor, AMonitorNotConnectedFallsBackToThePrimaryAndStaysStored)
{
    Screens t;
    ASSERT_TRUE(t.start({"[FullScreenSet]", "ScreenName=VGA-9"}));
    const QByteArray before = t.w.iniBytes();
    t.app->Run(CommandId::FullScreenMode);
    EXPECT_EQ(t.fs().geometry(), kLaptop);
    EXPECT_EQ(text(t.monitorItems()), "主显示器 * | DP-1  1280×800 | HDMI-1  1920×1080");
    EXPECT_EQ(t.w.iniBytes(), before);
}

TEST(FullScreenMonitor, AFileWithoutTheChoiceIsUntouchedByAWholeTiming)
{
    Screens t;
    ASSERT_TRUE(t.start({"[JSSET1]", "JSSS=02", "[COMMSET1]", "STARTSTATE=2", "FINSHSTATE=0", "DouDong=No"}));
    const QByteArray before = t.w.iniBytes(); // with the defaults the start fills in
    t.app->Run(CommandId::Start);
    EXPECT_EQ(t.fs().geometry(), kLaptop);
    (void)t.monitorItems();
    for (int i = 0; i < 4; ++i)
        t.app->mainForm().Timer1_Timer();
    EXPECT_EQ(t.m().Phase(), TimingPhase::Idle);
    t.app->Run(CommandId::Exit);
    EXPECT_EQ(t.w.iniBytes(), before);
    EXPECT_FALSE(t.w.iniLines().contains("[FullScreenSet]"));
}

TEST(FullScreenMonitor, MonitorChangesPlaceTheShownWindowAgainWithoutTouchingTheTiming)
{
    Screens t;
    ASSERT_TRUE(t.start({"[FullScreenSet]", "ScreenName=HDMI-1"}));
    t.app->Run(CommandId::Start);
    t.app->Run(CommandId::FullScreenMode);
    ASSERT_EQ(t.fs().PlacedScreen()->name(), "HDMI-1");
    t.app->mainForm().Timer1_Timer();
    const std::int32_t counter = t.m().CounterSeconds;
    const QByteArray before = t.w.iniBytes();
    QScreen* projector = t.fs().PlacedScreen();
    const std::function<void()> changes[] = {
        [] { emit qApp->screenAdded(QGuiApplication::primaryScreen()); },
        [] { emit qApp->screenRemoved(QGuiApplication::primaryScreen()); },
        [] { emit qApp->primaryScreenChanged(QGuiApplication::primaryScreen()); },
        [projector] { emit projector->geometryChanged(projector->geometry()); },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        SCOPED_TRACE(i);
        t.fs().setGeometry(kLaptop); // where it stood before the change
        changes[i]();
        EXPECT_EQ(t.fs().geometry(), kProjector);
    }
    // While hidden it stays; it is placed again when shown.
    t.app->Run(CommandId::BackToMain);
    t.fs().setGeometry(kLaptop);
    emit qApp->screenAdded(QGuiApplication::primaryScreen());
    EXPECT_EQ(t.fs().geometry(), kLaptop);
    t.app->Run(CommandId::FullScreenMode);
    EXPECT_EQ(t.fs().geometry(), kProjector);
    EXPECT_EQ(t.m().Phase(), TimingPhase::Running);
    EXPECT_EQ(t.m().CounterSeconds, counter);
    EXPECT_EQ(t.w.iniBytes(), before);
}

// The full screen on the projector leaves the laptop a counter: the main window, or the toolbar
// the scheme shows after a start; on the laptop's own monitor the full screen is alone.
TEST(FullScreenMonitor, TheLaptopKeepsTheWindowTheSchemeShowsAfterAStartBesideAFullScreenElsewhere)
{
    const struct { const char* monitor; const char* startState; const char* large; const char* shown; } cases[] = {
        {"", "2", "No", "full screen"},
        {"DP-1", "1", "Yes", "full screen"},
        {"HDMI-1", "0", "No", "full screen, main window"},
        {"HDMI-1", "3", "No", "full screen, main window"},
        {"HDMI-1", "2", "Yes", "full screen, main window"},
        {"HDMI-1", "1", "No", "full screen, small toolbar"},
        {"HDMI-1", "1", "Yes", "full screen, large toolbar"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.monitor) + " STARTSTATE=" + c.startState + " MaxToolsBar=" + c.large);
        Screens t;
        ASSERT_TRUE(t.start({"[FullScreenSet]", QStringLiteral("ScreenName=") + c.monitor, "[COMMSET1]",
                             QStringLiteral("STARTSTATE=") + c.startState, QStringLiteral("MaxToolsBar=") + c.large}));
        t.app->Run(CommandId::FullScreenMode);
        const auto shown = [&] {
            QStringList names;
            const std::pair<const char*, bool> windows[] = {
                {"full screen", t.app->FullScreenBuilt() && t.fs().isVisible()},
                {"main window", t.app->mainForm().isVisible()},
                {"small toolbar", t.app->ToolbarBuilt(false) && t.app->toolsBarForm().isVisible()},
                {"large toolbar", t.app->ToolbarBuilt(true) && t.app->toolsBarFormMax().isVisible()}};
            for (const auto& [name, visible] : windows)
                if (visible)
                    names << name;
            return names.join(", ").toStdString();
        };
        EXPECT_EQ(shown(), c.shown);
        EXPECT_TRUE(kLaptop.contains(t.app->mainForm().geometry())) << "the main window stays on the laptop";
        t.app->Run(CommandId::BackToMain);
        EXPECT_EQ(shown(), "main window");
    }
}
