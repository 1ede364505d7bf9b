// The real program's settings dialog, used with the keyboard: opened from the main window's
// "设 置", a new timing length typed in, saved with Alt+S, closed with Esc. Screenshots of the
// dialog on schemes 1 and 2 are left in /tmp for a look.
#include "support/E2e.h"

#include <QThread>
#include <gtest/gtest.h>

namespace {
// The centre of the main window's "设 置" and of the dialog's scheme list, in window coordinates.
const QPoint kSetup(314 + 27, 212 + 12);
const QPoint kSchemeList(116 + 33, 331 + 10);

bool WaitUntilGone(const QString& name)
{
    for (int k = 0; k < 50; ++k) {
        if (ProgramRun::findWindow(name, 100).isEmpty())
            return true;
        QThread::msleep(100);
    }
    return false;
}
} // namespace

TEST(EndToEndSettings, KeyboardEditSavedWithAltSChangesTheCounter)
{
    ProgramRun run;
    ASSERT_TRUE(run.start());
    const QString main = ProgramRun::findWindow("Horalto 计时方案1");
    ASSERT_FALSE(main.isEmpty());
    ProgramRun::click(ProgramRun::geometry(main).topLeft() + kSetup);
    const QString dialog = ProgramRun::findWindow("参数设置");
    ASSERT_FALSE(dialog.isEmpty()) << "设 置 did not open the dialog";
    const QRect g = ProgramRun::geometry(dialog);
    EXPECT_EQ(g.size(), QSize(344, 362));
    EXPECT_NEAR(g.center().x(), 640, 2) << "not centred";
    QThread::msleep(300);
    ProgramRun::screenshot().copy(g).save("/tmp/horalto_settings_scheme1.png");

    // The focus starts in the hours of the length: 00, then 02 minutes, 00 seconds.
    ProgramRun::key("Tab");
    ProgramRun::key("0");
    ProgramRun::key("2");
    ProgramRun::key("Tab");
    ProgramRun::key("0");
    ProgramRun::key("0");
    ProgramRun::key("alt+s");
    QThread::msleep(600);
    const QStringList ini = run.iniLines();
    EXPECT_TRUE(ini.contains("JSMM=02")) << ini.join('\n').toStdString();
    EXPECT_TRUE(ini.contains("JSSS=00"));
    EXPECT_TRUE(ini.contains("JSFX=0"));
    EXPECT_TRUE(ini.contains("FINSHSTATE=3"));

    // Scheme 2 through the list, for the second picture.
    ProgramRun::click(g.topLeft() + kSchemeList);
    QThread::msleep(300);
    ProgramRun::key("Down");
    ProgramRun::key("Return");
    QThread::msleep(400);
    ProgramRun::screenshot().copy(g).save("/tmp/horalto_settings_scheme2.png");
    EXPECT_TRUE(run.iniLines().contains("[JSSET2]")) << "scheme 2 was not shown";

    ProgramRun::key("Escape");
    EXPECT_TRUE(WaitUntilGone("参数设置")) << "Esc did not close the dialog";
    EXPECT_EQ(ProgramRun::counterSeconds(main), 120) << "the counter does not show the saved length";
    ProgramRun::click(ProgramRun::geometry(main).topLeft() + QPoint(374 + 27, 212 + 12)); // 退 出
    EXPECT_EQ(run.waitForEnd(), 0);
}
