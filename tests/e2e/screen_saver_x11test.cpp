// The real program on a private session bus with a recording stand-in for the desktop's
// screen-saver service: a timing started from the main window holds the screen saver off, and
// "退 出" lets it go again.
#include "support/E2e.h"
#include "support/SessionBus.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(EndToEndScreenSaver, TimingInhibitsAndTheExitButtonReleases)
{
    const QPoint start(12 + 27, 212 + 12), exit(374 + 27, 212 + 12); // "计 时", "退 出"
    PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    ScreenSaverRecorder recorder(bus.address());
    ASSERT_TRUE(recorder.registered());
    ProgramRun run;
    ASSERT_TRUE(run.start({}, {{"DBUS_SESSION_BUS_ADDRESS", bus.address()}}));
    const QString main = ProgramRun::findWindow("Horalto 计时方案1");
    ASSERT_FALSE(main.isEmpty()) << "the main window did not appear";
    const QPoint at = ProgramRun::geometry(main).topLeft();
    QTest::qWait(500);
    EXPECT_TRUE(recorder.log().isEmpty()) << "held before any timing";

    ProgramRun::click(at + start);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !recorder.log().isEmpty(); }, 5000)) << "no Inhibit after 计 时";
    ProgramRun::click(at + exit);
    RunTool("xdotool", {"windowactivate", "--sync", ProgramRun::findWindow("Horalto", 5000), "key", "y"}); // "是": it asks while timing
    EXPECT_EQ(run.waitForEnd(), 0);
    EXPECT_EQ(recorder.log().join(" | ").toStdString(), "Inhibit 7001 Horalto 演讲计时 | UnInhibit 7001");
}
