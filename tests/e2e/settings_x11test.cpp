// The real program's settings dialog used with the keyboard: opened from the main window's
// "设 置", a new length typed in, saved with Alt+S, closed with Esc. Pictures of the dialog on
// schemes 1 and 2 are left in /tmp for a look.
#include "support/E2e.h"

#include <QThread>
#include <gtest/gtest.h>

TEST(EndToEndSettings, KeyboardEditSavedWithAltSChangesTheCounter)
{
    const QPoint setup(341, 224), exit(401, 224), schemeList(149, 419); // button centres in their windows
    ProgramRun run;
    ASSERT_TRUE(run.start());
    const QString main = ProgramRun::findWindow("Horalto 计时方案1");
    ASSERT_FALSE(main.isEmpty());
    ProgramRun::click(ProgramRun::geometry(main).topLeft() + setup);
    const QString dialog = ProgramRun::findWindow("参数设置");
    ASSERT_FALSE(dialog.isEmpty()) << "设 置 did not open the dialog";
    const QRect g = ProgramRun::geometry(dialog);
    EXPECT_EQ(g.size(), QSize(392, 440)); // with the debate row
    EXPECT_NEAR(g.center().x(), 640, 2) << "not centred";
    QThread::msleep(300);
    ProgramRun::screenshot().copy(g).save("/tmp/horalto_settings_scheme1.png");

    // The focus starts in the hours: Tab, 02 minutes, Tab, 00 seconds.
    for (const char* key : {"Tab", "0", "2", "Tab", "0", "0", "alt+s"})
        ProgramRun::key(key);
    QThread::msleep(600);
    const QStringList ini = run.iniLines();
    for (const char* line : {"JSMM=02", "JSSS=00", "JSFX=0", "FINSHSTATE=3"})
        EXPECT_TRUE(ini.contains(line)) << line;

    ProgramRun::click(g.topLeft() + schemeList);
    QThread::msleep(300);
    ProgramRun::key("Down");
    ProgramRun::key("Return");
    QThread::msleep(400);
    ProgramRun::screenshot().copy(g).save("/tmp/horalto_settings_scheme2.png");
    EXPECT_TRUE(run.iniLines().contains("[JSSET2]")) << "scheme 2 was not shown";

    ProgramRun::key("Escape");
    QThread::msleep(500);
    EXPECT_TRUE(ProgramRun::findWindow("参数设置", 1000).isEmpty()) << "Esc did not close the dialog";
    EXPECT_EQ(ProgramRun::counterSeconds(main), 120) << "the counter does not show the saved length";
    ProgramRun::click(ProgramRun::geometry(main).topLeft() + exit);
    EXPECT_EQ(run.waitForEnd(), 0);
}
