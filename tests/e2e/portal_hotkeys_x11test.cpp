// The real program on a Wayland session (as it sees one) with the stand-in portal on a private
// bus: the shortcut the desktop activates starts a timing (a program that fell back to X11 grabs
// would not act on it).
#include "support/E2e.h"
#include "support/SessionBus.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(EndToEndPortalHotkeys, TheDesktopsShortcutStartsATiming)
{
    PrivateSessionBus bus;
    PortalStandIn portal(bus.address());
    ASSERT_TRUE(portal.ready());
    ProgramRun run;
    ASSERT_TRUE(run.start({}, {{"DBUS_SESSION_BUS_ADDRESS", bus.address()}, {"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", ""}}));
    const QString main = ProgramRun::findWindow("Horalto 计时方案1");
    ASSERT_FALSE(main.isEmpty()) << "the main window did not appear";
    const int bind = portal.waitFor("bind");
    ASSERT_GE(bind, 0);
    EXPECT_EQ(portal.log()[bind], "bind start=F5 reset=F6 toolbar=F7 fullscreen=F8 main=F9 pause=Pause "
                                  "scheme1=KP_1 scheme2=KP_2 scheme3=KP_3 scheme4=KP_4 scheme5=KP_5 next= switch=");
    const int idle = ProgramRun::counterSeconds(main);
    ASSERT_GE(idle, 0);
    portal.send("activate start");
    EXPECT_TRUE(QTest::qWaitFor([&] { return ProgramRun::counterSeconds(main) != idle; }, 4000)) << "no timing";

    ProgramRun::click(ProgramRun::geometry(main).topLeft() + QPoint(374 + 27, 212 + 12)); // "退 出"
    RunTool("xdotool", {"windowactivate", "--sync", ProgramRun::findWindow("Horalto", 5000), "key", "y"}); // "是": it asks while timing
    EXPECT_EQ(run.waitForEnd(), 0);
}
