// The real program's full-screen window turns the colour of a prompt's contest signal at that
// second, its digits black on it.
#include "support/E2e.h"

#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

TEST(EndToEndSignalColours, AGreenPromptTurnsTheFullScreenGreenWithBlackDigits)
{
    ProgramRun run;
    // Up to 8 s, green from the first second, full screen on start.
    run.writeIni({"[JSSET1]", "JSFX=1", "JSHH=00", "JSMM=00", "JSSS=08", "[TSSET1]", "TSHH1=00", "TSMM1=00", "TSSS1=01",
                  "TSColor1=#00A651", "[COMMSET1]", "STARTSTATE=2"});
    ASSERT_TRUE(run.start());
    ASSERT_FALSE(ProgramRun::findWindow("Horalto 计时方案1").isEmpty()) << "the main window did not appear";
    ProgramRun::key("F5"); // the start hotkey
    ASSERT_FALSE(ProgramRun::findWindow("Horalto 全屏幕", 5000).isEmpty()) << "the full-screen window did not appear";
    const QColor green(0x00, 0xA6, 0x51);
    QImage screen;
    QElapsedTimer waited;
    waited.start();
    do {
        QThread::msleep(200);
        screen = ProgramRun::screenshot();
    } while (screen.pixelColor(20, screen.height() / 2 + 20) != green && waited.elapsed() < 5000);
    ASSERT_EQ(screen.pixelColor(20, screen.height() / 2 + 20), green) << "no green background within 5 s of the start";
    // Every bar and panel green too; the counter's digits (above the middle line) black.
    EXPECT_EQ(screen.pixelColor(20, 5), green);
    EXPECT_EQ(screen.pixelColor(screen.width() - 5, screen.height() - 5), green);
    int black = 0, other = 0;
    for (int y = screen.height() / 4; y < screen.height() / 2; ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const QColor c = screen.pixelColor(x, y);
            black += c == Qt::black;
            other += c != Qt::black && c != green && c.red() > c.green(); // neither digits nor signal nor their blend
        }
    EXPECT_GT(black, 5000) << "the digits are not black";
    EXPECT_EQ(other, 0) << "another colour on the counter's area";
}
