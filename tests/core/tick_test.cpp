// The one-second tick, prompts, the blink, the shake and the end of a timing, driven by calling
// the tick handlers with a fake clock, sound and random source.
#include "support/TestApp.h"

#include "windows/LabelColor.h"
#include "menu/MenuForm.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QFile>
#include <QPushButton>
#include <gtest/gtest.h>

#include <utility>

namespace {
QStringList Scheme(const QString& len, int direction, const QStringList& extra = {})
{
    const QStringList p = len.split(':');
    QStringList lines = {"[JSSET1]", "JSHH=" + p[0], "JSMM=" + p[1], "JSSS=" + p[2], "JSFX=" + QString::number(direction)};
    return lines + extra;
}

struct Running : TestApp {
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            w.clock.advance(1);
            app->mainForm().Timer1_Timer();
        }
    }
    QString shown() const { return app->mainForm().Showtime->text(); }
};
} // namespace

TEST(Tick, CountDownShowsTheValueBeforeItsStepAndEndsOnZero)
{
    Running t;
    ASSERT_TRUE(t.start(Scheme("00:00:30", 0)));
    t.app->mainForm().JishiStart_Click();
    t.tick();
    EXPECT_EQ(t.shown(), "00:00:30");
    EXPECT_EQ(t.app->toolsBarForm().Showtime->text(), "00:00:30");
    EXPECT_EQ(t.app->fullScreenForm().Showtime->text(), "00:00:30");
    t.tick(29);
    EXPECT_EQ(t.shown(), "00:00:01");
    EXPECT_TRUE(t.w.sound.played.isEmpty());
    t.tick();
    EXPECT_EQ(t.shown(), "00:00:00");
    EXPECT_EQ(t.w.sound.played, QStringList{t.w.path("wav/终止音.wav")});
    EXPECT_FALSE(t.m().IsTiming());
    EXPECT_TRUE(t.app->mainForm().JishiStart->isEnabled());
    EXPECT_EQ(t.app->mainForm().StartTime->text(), "00:00:00");
    EXPECT_EQ(t.w.events.calls, 2);
    t.tick(3);
    EXPECT_EQ(t.w.sound.played.size(), 1);
}

TEST(Tick, CountUpEndsWhenTheLengthIsShown)
{
    Running t;
    ASSERT_TRUE(t.start(Scheme("00:00:30", 1)));
    t.app->mainForm().JishiStart_Click();
    t.tick();
    EXPECT_EQ(t.shown(), "00:00:00");
    t.tick(29);
    EXPECT_TRUE(t.m().IsTiming());
    t.tick();
    // The end resets the labels to zero.
    EXPECT_FALSE(t.m().IsTiming());
    EXPECT_EQ(t.w.sound.played.size(), 1);
}

TEST(Tick, ZeroLengthEndsOnTheFirstTickInEitherDirection)
{
    for (int dir : {0, 1}) {
        Running t;
        ASSERT_TRUE(t.start(Scheme("00:00:00", dir)));
        t.app->mainForm().JishiStart_Click();
        t.tick();
        EXPECT_EQ(t.shown(), "00:00:00");
        EXPECT_FALSE(t.m().IsTiming()) << dir;
        EXPECT_EQ(t.w.sound.played.size(), 1) << dir;
    }
}

TEST(Tick, PromptTimesAgainstTheCounter)
{
    // Prompt equal to the length sounds on the first tick counting down; 0 never; longer never.
    Running t;
    ASSERT_TRUE(t.start(Scheme("00:00:10", 0, {"[TSSET1]", "TSSS1=10", "TSMM2=05", "TSSS3=05", "TSSS4=05"})));
    t.app->mainForm().JishiStart_Click();
    t.tick();
    EXPECT_EQ(t.w.sound.played, QStringList{t.w.path("wav/提示音.wav")});
    EXPECT_TRUE(t.app->session.Timer2->isEnabled());
    t.tick(4);
    EXPECT_EQ(t.w.sound.played.size(), 1);
    t.tick(); // 00:00:05: two equal prompt entries still give one prompt
    EXPECT_EQ(t.w.sound.played.size(), 2);
    t.tick(5); // the end at 00:00:00; no prompt at 0
    EXPECT_EQ(t.w.sound.played.size(), 3);
    EXPECT_EQ(t.w.sound.played.last(), t.w.path("wav/终止音.wav"));
}

TEST(Tick, PromptAndEndOnTheSameTickPlayBothAndStillBlink)
{
    Running t;
    ASSERT_TRUE(t.start(Scheme("00:00:03", 1, {"[TSSET1]", "TSSS1=03"})));
    t.app->mainForm().JishiStart_Click();
    t.tick(4);
    EXPECT_EQ(t.w.sound.played, (QStringList{t.w.path("wav/提示音.wav"), t.w.path("wav/终止音.wav")}));
    EXPECT_TRUE(t.app->session.Timer2->isEnabled());
    EXPECT_FALSE(t.m().IsTiming());
}

TEST(Tick, DirectionTwoStandsStillAndNeverEnds)
{
    Running t;
    ASSERT_TRUE(t.start(Scheme("00:00:10", 2)));
    t.app->mainForm().JishiStart_Click();
    t.tick(20);
    EXPECT_EQ(t.shown(), "00:00:00"); // the counter was never set by the start
    EXPECT_TRUE(t.m().IsTiming());
    EXPECT_TRUE(t.w.sound.played.isEmpty());
}

TEST(Tick, PausedTicksOnlyRenewTheClock)
{
    Running t;
    ASSERT_TRUE(t.start(Scheme("00:01:00", 0)));
    t.app->mainForm().JishiStart_Click();
    t.tick(3);
    t.app->mainForm().JishiPause_Click();
    const QString before = t.shown();
    t.tick(10);
    EXPECT_EQ(t.shown(), before);
    EXPECT_EQ(t.app->mainForm().IsTime->text(), t.m().DateTimeText(t.w.clock.t));
}

TEST(Tick, AnOrdinaryTickReadsNoConfiguration)
{
    // A read of a missing key would write it back and so recreate the file.
    Running t;
    ASSERT_TRUE(t.start(Scheme("00:01:00", 0)));
    t.app->mainForm().JishiStart_Click();
    ASSERT_TRUE(QFile::remove(t.w.iniPath()));
    t.tick(5);
    EXPECT_FALSE(QFile::exists(t.w.iniPath()));
}

TEST(Tick, BlinkShowsSevenRandomColoursThenRestoresTheConfiguredOnes)
{
    Running t;
    ASSERT_TRUE(t.start(Scheme("00:01:00", 0, {"[TSSET1]", "TSSS1=59", "TSSS2=57"})));
    MainForm& f = t.app->mainForm();
    f.JishiStart_Click();
    t.tick(2); // prompt at 00:00:59
    ASSERT_TRUE(t.app->session.Timer2->isEnabled());
    auto* blink = static_cast<FakeTimer*>(t.app->session.Timer2.get());
    t.w.random.script = {1, 2, 3};
    blink->fire();
    EXPECT_EQ(ForeColor(f.Showtime), 3 * 65536 + 2 * 256 + 1); // red drawn first
    EXPECT_EQ(t.w.random.calls, 12);                         // three draws for each of four labels
    for (int i = 0; i < 3; ++i)
        blink->fire();
    t.tick(2); // the second prompt (00:00:57) does not restart the phase
    for (int i = 0; i < 3; ++i)
        blink->fire();
    EXPECT_EQ(t.w.random.calls, 7 * 12);
    EXPECT_TRUE(t.app->session.Timer2->isEnabled());
    blink->fire(); // eighth tick: restore
    EXPECT_FALSE(t.app->session.Timer2->isEnabled());
    EXPECT_EQ(ForeColor(f.Showtime), 255);
    EXPECT_EQ(ForeColor(t.app->toolsBarForm().Showtime), 65535);
    EXPECT_EQ(ForeColor(t.app->fullScreenForm().Showtime), 16711935);
    EXPECT_EQ(t.app->session.BlinkTicks(), 0);
}

TEST(Tick, BlinkRestoreKeepsTheColourOfAValueEditedIntoText)
{
    Running t;
    ASSERT_TRUE(t.start(Scheme("00:01:00", 0, {"[TSSET1]", "TSSS1=59"})));
    MainForm& f = t.app->mainForm();
    f.JishiStart_Click();
    t.tick(2);
    auto* blink = static_cast<FakeTimer*>(t.app->session.Timer2.get());
    for (int i = 0; i < 7; ++i)
        blink->fire();
    const int current = ForeColor(f.Showtime);
    t.app->config.WriteIniText("ColorSet1", "Normal", "blue");
    blink->fire();
    EXPECT_EQ(ForeColor(f.Showtime), current);
    EXPECT_EQ(ForeColor(t.app->toolsBarForm().Showtime), 65535);
    EXPECT_FALSE(t.w.end.ended());
}

TEST(Tick, ShakeMovesOnlyVisibleMainAndToolbarWindowsAndReturnsThem)
{
    Running t;
    ASSERT_TRUE(t.start(Scheme("00:01:00", 0, {"[TSSET1]", "TSSS1=59", "[COMMSET1]", "DouDong=Yes", "STARTSTATE=2"})));
    MainForm& f = t.app->mainForm();
    f.JishiStart_Click(); // to full screen
    const QPoint mainPos = f.pos(), fsPos = t.app->fullScreenForm().pos();
    t.tick(2);
    EXPECT_EQ(f.pos(), mainPos);
    EXPECT_EQ(t.app->fullScreenForm().pos(), fsPos);
    EXPECT_EQ(t.w.sound.played.size(), 1);
}

TEST(Tick, EndSwitchesToFullScreenWithTheInformationPicture)
{
    Running t;
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::green);
    img.save(t.w.path("InfoPic.jpg"), "JPG");
    ASSERT_TRUE(t.start(Scheme("00:00:02", 0, {"[COMMSET1]", "FINSHSTATE=2", "[InfoPicSet]", "ShowInfoPic=Yes"})));
    t.app->mainForm().JishiStart_Click();
    t.tick(3);
    EXPECT_TRUE(t.app->fullScreenForm().isVisible());
    EXPECT_FALSE(t.app->mainForm().isVisible());
    EXPECT_TRUE(t.app->fullScreenForm().Picture5->isVisible());
    t.app->mainForm().JishiEnd_Click();
    EXPECT_FALSE(t.app->fullScreenForm().Picture5->isVisible());
}

TEST(Tick, EndWithFinishStateZeroReturnsToTheMainWindow)
{
    Running t;
    ASSERT_TRUE(t.start(Scheme("00:00:01", 0, {"[COMMSET1]", "STARTSTATE=1", "FINSHSTATE=0", "[InfoPicSet]", "ShowInfoPic=Yes"})));
    t.app->mainForm().JishiStart_Click();
    EXPECT_TRUE(t.app->toolsBarForm().isVisible());
    t.tick(2);
    EXPECT_TRUE(t.app->mainForm().isVisible());
    EXPECT_FALSE(t.app->toolsBarForm().isVisible());
    EXPECT_FALSE(t.app->fullScreenForm().Picture5->isVisible());
}

TEST(Tick, ATimingStartedWhileTheEndLetsEventsRunGetsItsFullLength)
{
    // A start click or hotkey waiting when a timing ends runs inside the end's event pump,
    // alone or after a scheme switch; the tick that ended the old timing must not step the new.
    const struct {
        const char* name;
        int direction1, direction2;
        bool switchScheme;
        QStringList shown; // the ticks of the new timing; the last one ends it and shows zero
    } cases[] = {
        {"down, start", 0, 0, false, {"00:00:03", "00:00:02", "00:00:01", "00:00:00"}},
        {"up, start", 1, 1, false, {"00:00:00", "00:00:01", "00:00:02", "00:00:00"}},
        {"down, switch to up, start", 0, 1, true, {"00:00:00", "00:00:01", "00:00:02", "00:00:03", "00:00:00"}},
        {"up, switch to down, start", 1, 0, true, {"00:00:04", "00:00:03", "00:00:02", "00:00:01", "00:00:00"}},
    };
    for (const auto& c : cases) {
        Running t;
        ASSERT_TRUE(t.start({"[JSSET1]", "JSSS=03", "JSFX=" + QString::number(c.direction1),
                             "[JSSET2]", "JSSS=04", "JSFX=" + QString::number(c.direction2)}));
        t.app->mainForm().JishiStart_Click();
        bool done = false;
        t.w.events.pending = [&] {
            if (std::exchange(done, true))
                return;
            if (c.switchScheme)
                t.app->menuForm().MJsFa_Click(2);
            t.app->mainForm().JishiStart_Click();
        };
        t.tick(4); // the end of the first timing
        ASSERT_TRUE(done) << c.name;
        ASSERT_TRUE(t.m().IsTiming()) << c.name;
        QStringList shown;
        for (int i = 0; i < c.shown.size() && t.m().IsTiming(); ++i) {
            t.tick();
            shown << t.app->toolsBarForm().Showtime->text();
        }
        EXPECT_EQ(shown.join(" "), c.shown.join(" ")) << c.name;
        EXPECT_FALSE(t.m().IsTiming()) << c.name << ": no end after the full length";
        EXPECT_EQ(t.w.sound.played.size(), 2) << c.name;
    }
}
