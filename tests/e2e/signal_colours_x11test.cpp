// The real program's full-screen window turns the colour of a prompt's contest signal at that
// second, its digits black on it.
#include "support/E2e.h"

#include <QThread>
#include <gtest/gtest.h>

TEST(EndToEndSignalColours, AGreenPromptTurnsTheFullScreenGreenWithBlackDigits)
{
    ProgramRun run; // up to 8 s, green from the first second, full screen on start
    run.writeIni({"[JSSET1]", "JSFX=1", "JSHH=00", "JSMM=00", "JSSS=08", "[TSSET1]", "TSHH1=00", "TSMM1=00", "TSSS1=01",
                  "TSColor1=#00A651", "[COMMSET1]", "STARTSTATE=2"});
    ASSERT_TRUE(run.start());
    ASSERT_FALSE(ProgramRun::findWindow("Horalto 计时方案1").isEmpty()) << "the main window did not appear";
    ProgramRun::key("F5"); // the start hotkey
    ASSERT_FALSE(ProgramRun::findWindow("Horalto 全屏幕", 5000).isEmpty()) << "the full-screen window did not appear";
    const QColor green(0x00, 0xA6, 0x51);
    QImage screen; // looked at every 200 ms for up to 5 s
    for (int k = 0; k < 25 && (screen = ProgramRun::screenshot()).pixelColor(20, screen.height() / 2 + 20) != green; ++k)
        QThread::msleep(200);
    // The window's middle, its title bar and its bottom bar green; the digits above the middle black.
    EXPECT_EQ(screen.pixelColor(20, screen.height() / 2 + 20), green) << "no green background within 5 s of the start";
    EXPECT_EQ(screen.pixelColor(20, 5), green);
    EXPECT_EQ(screen.pixelColor(screen.width() - 5, screen.height() - 5), green);
    int black = 0;
    for (int y = screen.height() / 4; y < screen.height() / 2; ++y)
        for (int x = 0; x < screen.width(); ++x)
            black += screen.pixelColor(x, y) == Qt::black;
    EXPECT_GT(black, 5000) << "the digits are not black";
}
