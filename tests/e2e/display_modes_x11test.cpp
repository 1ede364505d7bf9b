// The real program switching its display: the toolbar chosen by MaxToolsBar after a start, the
// full-screen window with the information picture after the end, the toolbar's own buttons and
// moving the toolbar by dragging its strip.
#include "support/E2e.h"

#include <QImage>
#include <QThread>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kMain = QStringLiteral("Horalto 计时方案1");
// The centre of the main window's start button "计 时" (window coordinates).
const QPoint kStart(12 + 27, 212 + 12);

int CountPixels(const QImage& img, const QRect& r, QColor c)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += img.pixelColor(x, y) == c;
    return n;
}

// Whether a library whose file name contains `name` is mapped into the running program.
bool Mapped(ProgramRun& run, const QString& name)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(run.process().processId()));
    return maps.open(QIODevice::ReadOnly) && QString::fromLocal8Bit(maps.readAll()).contains(name);
}

bool Gone(const QString& name)
{
    return ProgramRun::findWindow(name, 500).isEmpty();
}

} // namespace

TEST(EndToEndDisplayModes, StartShowsTheLargeToolbarAndTheEndShowsFullScreenWithThePicture)
{
    ProgramRun run;
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(QColor(250, 20, 20));
    ASSERT_TRUE(picture.save(run.path("InfoPic.png")));
    run.writeIni({"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=04",
                  "[COMMSET1]", "STARTSTATE=1", "FINSHSTATE=2", "MaxToolsBar=Yes",
                  "[InfoPicSet]", "ShowInfoPic=Yes", "ShowInfoPicName=InfoPic.png"});
    ASSERT_TRUE(run.start());
    const QString main = ProgramRun::findWindow(kMain);
    ASSERT_FALSE(main.isEmpty()) << "the main window did not appear";
    EXPECT_FALSE(Mapped(run, "libQt6Multimedia")) << "the sound output was loaded at start-up";
    ProgramRun::click(ProgramRun::geometry(main).topLeft() + kStart);

    const QString bar = ProgramRun::findWindow("Horalto 大工具条", 5000);
    ASSERT_FALSE(bar.isEmpty()) << "the large toolbar did not appear";
    EXPECT_TRUE(Mapped(run, "horalto-sound.so")) << "the start did not load the sound module";
    EXPECT_EQ(ProgramRun::geometry(bar), QRect(0, 0, 760, 50));
    EXPECT_TRUE(Gone(kMain)) << "the main window is still shown";
    EXPECT_TRUE(Gone("Horalto 工具条"));
    // The blue counter box of the large toolbar, at 284, 4, 251 x 43.
    const QImage shot = ProgramRun::screenshot();
    EXPECT_GT(CountPixels(shot, QRect(284, 4, 251, 43), QColor(0, 0, 255)), 251 * 43 / 3);

    const QString full = ProgramRun::findWindow("Horalto 全屏幕", 10000);
    ASSERT_FALSE(full.isEmpty()) << "the full-screen window did not appear after the end";
    const QImage screen = ProgramRun::screenshot();
    EXPECT_EQ(ProgramRun::geometry(full), QRect(QPoint(0, 0), screen.size()));
    EXPECT_TRUE(Gone("Horalto 大工具条"));
    // The information picture in the middle of the screen.
    const QRect middle(screen.width() / 2 - 100, screen.height() / 2 - 50, 200, 100);
    EXPECT_EQ(CountPixels(screen, middle, QColor(250, 20, 20)), 200 * 100);
    EXPECT_NE(screen.pixelColor(middle.topLeft() - QPoint(2, 2)), QColor(250, 20, 20));
}

TEST(EndToEndDisplayModes, LowerCaseYesSelectsTheSmallToolbarWhoseButtonsAndStripWork)
{
    ProgramRun run;
    run.writeIni({"[COMMSET1]", "STARTSTATE=1", "MaxToolsBar=yes"});
    ASSERT_TRUE(run.start());
    const QString main = ProgramRun::findWindow(kMain);
    ASSERT_FALSE(main.isEmpty());
    ProgramRun::click(ProgramRun::geometry(main).topLeft() + kStart);
    const QString bar = ProgramRun::findWindow("Horalto 工具条", 5000);
    ASSERT_FALSE(bar.isEmpty()) << "the small toolbar did not appear";
    EXPECT_EQ(ProgramRun::geometry(bar), QRect(0, 0, 380, 25));
    EXPECT_TRUE(Gone("Horalto 大工具条"));

    // Dragging the strip (beside the counter) moves the window.
    RunTool("xdotool", {"mousemove", "--sync", "100", "12"});
    RunTool("xdotool", {"mousedown", "1"});
    QThread::msleep(100);
    for (int step = 1; step <= 10; ++step) {
        RunTool("xdotool", {"mousemove", "--sync", QString::number(100 + 20 * step), QString::number(12 + 15 * step)});
        QThread::msleep(20);
    }
    RunTool("xdotool", {"mouseup", "1"});
    QThread::msleep(300);
    const QRect moved = ProgramRun::geometry(bar);
    EXPECT_EQ(moved.size(), QSize(380, 25));
    EXPECT_NEAR(moved.x(), 200, 4);
    EXPECT_NEAR(moved.y(), 150, 4);

    // Full screen from the toolbar's button, then back to the main window from the lower panel.
    ProgramRun::click(moved.topLeft() + QPoint(358 + 9, 11));
    const QString full = ProgramRun::findWindow("Horalto 全屏幕", 5000);
    ASSERT_FALSE(full.isEmpty()) << "全屏幕模式 did not open the full-screen window";
    EXPECT_TRUE(Gone("Horalto 工具条"));
    const QRect screen = ProgramRun::geometry(full);
    // Over the lower panel the control labels appear; 返回主界面 is the third (left 3585 twips).
    const QPoint panel(5, screen.height() - 59 - 205 + 5);
    RunTool("xdotool", {"mousemove", "--sync", QString::number(panel.x()), QString::number(panel.y())});
    QThread::msleep(200);
    ProgramRun::click(QPoint(239 + 30, screen.height() - 59 - 205 + 182 + 8));
    EXPECT_FALSE(ProgramRun::findWindow(kMain, 5000).isEmpty()) << "返回主界面 did not bring the main window back";
    EXPECT_TRUE(Gone("Horalto 全屏幕"));
}
