// The real program in a temporary program directory: it starts, shows its main window, times a
// speech started by a click, closes through its exit button and leaves its settings in config.ini.
#include "support/E2e.h"

#include <QProcess>
#include <QTest>
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

// The slides (another program's window, covering the main window) hold the focus: `horalto main`
// brings the main window back above them, and the focus stays with the slides (openbox).
TEST(EndToEndMainWindow, ComesBackAboveTheFocusedSlidesWithoutTakingTheFocus)
{
    ProgramRun run;
    ASSERT_TRUE(run.start());
    const QString main = ProgramRun::findWindow("Horalto 计时方案1");
    ASSERT_FALSE(main.isEmpty()) << "the main window did not appear";
    QProcess slides;
    slides.start("xmessage", {"-title", "slides", "-geometry", "1280x800+0+0", "slides"});
    const QString other = ProgramRun::findWindow("slides");
    ASSERT_FALSE(other.isEmpty()) << "xmessage did not appear";
    const auto stacking = [] {
        QStringList ids;
        for (const QString& part : RunTool("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}).section('#', 1).split(','))
            ids << QString::number(part.trimmed().toULongLong(nullptr, 16));
        return ids;
    };
    for (const char* away : {"toolbar", "fullscreen"}) {
        SCOPED_TRACE(away);
        RunTool("xdotool", {"windowactivate", "--sync", other});
        ASSERT_EQ(QProcess::execute(run.path("horalto"), {away}), 0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return stacking().indexOf(main) < 0 || !run.visibleWindows().contains(main); }, 5000));
        RunTool("xdotool", {"windowactivate", "--sync", other});
        ASSERT_EQ(QProcess::execute(run.path("horalto"), {"main"}), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            const QStringList s = stacking();
            return s.indexOf(main) > s.indexOf(other) && s.indexOf(other) >= 0;
        }, 5000)) << "the main window under the slides: " << stacking().join(' ').toStdString();
        EXPECT_EQ(RunTool("xdotool", {"getactivewindow"}), other) << "the focus left the slides";
    }
    ProgramRun::screenshot().save("/tmp/horalto-main-over-slides.png");
    slides.kill();
    slides.waitForFinished(3000);
    run.process().kill();
    run.waitForEnd();
}
