// The real program in a temporary program directory: it starts, shows its main window, times a
// speech started by a click, closes through its exit button and leaves its settings in config.ini.
#include "support/E2e.h"

#include <QThread>
#include <gtest/gtest.h>

namespace {
// The counter's area of the main window (in window coordinates).
const QRect kCounter(24, 86, 381, 111);
// Buttons: the centre of "计 时" and "退 出".
const QPoint kStart(12 + 27, 212 + 12);
const QPoint kExit(374 + 27, 212 + 12);

QImage Counter(const QRect& window)
{
    return ProgramRun::screenshot().copy(kCounter.translated(window.topLeft()));
}

int RedPixels(const QImage& img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            n += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    return n;
}
} // namespace

TEST(EndToEndMainWindow, StartsTimesAndExitsLeavingItsSettings)
{
    ProgramRun run;
    ASSERT_TRUE(run.start());
    const QString id = ProgramRun::findWindow("Horalto 计时方案1");
    ASSERT_FALSE(id.isEmpty()) << "the main window did not appear";
    const QRect g = ProgramRun::geometry(id);
    EXPECT_EQ(g.size(), QSize(441, 248));

    const QImage idle = Counter(g);
    EXPECT_GT(RedPixels(idle), 500) << "the red counter is not shown";

    ProgramRun::click(g.topLeft() + kStart);
    QThread::msleep(2500);
    const QImage running = Counter(g);
    EXPECT_NE(idle, running) << "the counter did not change after 计 时";
    QThread::msleep(1200);
    EXPECT_NE(running, Counter(g)) << "the counter stands still";

    ProgramRun::click(g.topLeft() + kExit);
    RunTool("xdotool", {"windowactivate", "--sync", ProgramRun::findWindow("Horalto", 5000), "key", "y"}); // "是": it asks while timing
    EXPECT_EQ(run.waitForEnd(), 0);

    const QStringList ini = run.iniLines();
    EXPECT_TRUE(ini.contains("[FangAnSelect]"));
    EXPECT_TRUE(ini.contains("JsFangAnId=1"));
    EXPECT_TRUE(ini.contains("JSSS=30"));
    EXPECT_TRUE(ini.contains("STARTSTATE=3")); // read by the start
    EXPECT_TRUE(ini.contains("HotKeySetB1=116"));
    EXPECT_TRUE(ini.contains("TSWAV=" + run.path("wav/提示音.wav")));
    EXPECT_FALSE(ini.join('\n').contains("JSFX"));
}

TEST(EndToEndMainWindow, DamagedConfigurationShowsTheMessageAndEnds)
{
    ProgramRun run;
    run.writeIni({"[JSSET1]", "JSHH=24"});
    ASSERT_TRUE(run.start());
    const QString box = ProgramRun::findWindow("Horalto");
    ASSERT_FALSE(box.isEmpty()) << "no message box";
    EXPECT_TRUE(ProgramRun::findWindow("Horalto 计时方案1", 500).isEmpty()) << "the main window was shown";
    RunTool("xdotool", {"windowactivate", "--sync", box});
    ProgramRun::key("Return");
    EXPECT_EQ(run.waitForEnd(), 1);
}

TEST(EndToEndMainWindow, WindowManagerMinimiseGivesTheToolbarAndItsCloseEndsTheProgram)
{
    ProgramRun run;
    ASSERT_TRUE(run.start());
    const QString id = ProgramRun::findWindow("Horalto 计时方案1");
    ASSERT_FALSE(id.isEmpty());
    RunTool("xdotool", {"windowminimize", id});
    EXPECT_FALSE(ProgramRun::findWindow("Horalto 工具条", 5000).isEmpty()) << "no toolbar after minimising";
    QThread::msleep(300);
    EXPECT_TRUE(ProgramRun::findWindow("Horalto 计时方案1", 300).isEmpty()) << "the main window stayed on screen";

    ProgramRun::key("F9"); // back to the main window, in its normal state
    const QString again = ProgramRun::findWindow("Horalto 计时方案1", 5000);
    ASSERT_FALSE(again.isEmpty());
    EXPECT_EQ(ProgramRun::geometry(again).size(), QSize(441, 248));

    RunTool("xdotool", {"windowactivate", "--sync", again});
    ProgramRun::key("alt+F4"); // openbox closes the active window
    EXPECT_EQ(run.waitForEnd(), 0);
}
