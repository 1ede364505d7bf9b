// Start, pause/continue and reset with the enabled states and the display modes.
#include "support/TestApp.h"

#include "menu/MenuForm.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QAction>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
struct Cmd : TestApp {
    MainForm& f() { return app->mainForm(); }
    MenuForm& menu() { return app->menuForm(); }
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            w.clock.advance(1);
            f().Timer1_Timer();
        }
    }
    QString at(int seconds) const { return app->session.DateTimeText(w.clock.t.addSecs(seconds)); }
    // Start controls of every window and the menu, as one enabled flag (they move together).
    void expectStartControls(bool enabled)
    {
        EXPECT_EQ(f().JishiStart->isEnabled(), enabled);
        EXPECT_EQ(f().SetupMe->isEnabled(), enabled);
        EXPECT_EQ(app->toolsBarForm().StartTimer->isEnabled(), enabled);
        EXPECT_EQ(app->toolsBarFormMax().StartTimer->isEnabled(), enabled);
        EXPECT_EQ(app->toolsBarForm().SystemSetup->isEnabled(), enabled);
        EXPECT_EQ(app->toolsBarFormMax().SystemSetup->isEnabled(), enabled);
        EXPECT_EQ(app->fullScreenForm().KongZhi1->isEnabled(), enabled);
        EXPECT_EQ(menu().MJishiStart->isEnabled(), enabled);
        EXPECT_EQ(menu().MSetupMe->isEnabled(), enabled);
        for (int i = 1; i <= 5; ++i)
            EXPECT_EQ(menu().MJsFa[i]->isEnabled(), enabled);
        EXPECT_TRUE(f().JishiEnd->isEnabled());
        EXPECT_TRUE(menu().MJishiEnd->isEnabled());
    }
};
} // namespace

TEST(Commands, StartCountingUpShowsTheLengthUntilTheFirstTick)
{
    Cmd t;
    ASSERT_TRUE(t.start({"[JSSET1]", "JSMM=10", "JSSS=00", "JSFX=1"}));
    t.f().JishiStart_Click();
    EXPECT_EQ(t.f().Showtime->text(), "00:10:00");
    EXPECT_EQ(t.app->fullScreenForm().Showtime->text(), "00:10:00");
    EXPECT_EQ(t.f().StartTime->text(), t.at(0));
    EXPECT_EQ(t.f().EndTime->text(), t.at(600));
    EXPECT_TRUE(t.m().IsTiming());
    t.expectStartControls(false);
    EXPECT_TRUE(t.f().JishiPause->isEnabled());
    EXPECT_TRUE(t.menu().MJishiPause->isEnabled());
    EXPECT_EQ(t.menu().MJishiPause->text(), QString("暂停") + QString(5, QChar(0x3000)) + "Pause");
    t.tick();
    EXPECT_EQ(t.f().Showtime->text(), "00:00:00");
    EXPECT_TRUE(t.w.sound.played.isEmpty()); // starting plays nothing,
    EXPECT_EQ(t.w.sound.prepared, 1);         // but gets the sound output ready
    EXPECT_EQ(t.w.sound.loaded, (QStringList{t.m().PromptWav, t.m().EndWav})); // and the scheme's sounds
}

TEST(Commands, ContinueCountingDownEndsAfterTheTimeStillToRun)
{
    Cmd t;
    ASSERT_TRUE(t.start({"[JSSET1]", "JSMM=05", "JSSS=00"}));
    t.f().JishiStart_Click();
    t.tick(31);
    ASSERT_EQ(t.f().Showtime->text(), "00:04:30");
    t.f().JishiPause_Click();
    EXPECT_EQ(t.f().JishiPause->text(), "继 续");
    EXPECT_EQ(t.menu().MJishiPause->text(), QString("继续") + QString(5, QChar(0x3000)) + "Pause");
    t.tick(60);
    EXPECT_EQ(t.f().Showtime->text(), "00:04:30");
    t.f().JishiPause_Click();
    EXPECT_EQ(t.f().JishiPause->text(), "暂 停");
    EXPECT_EQ(t.f().EndTime->text(), t.at(4 * 60 + 29));
    t.tick();
    EXPECT_EQ(t.f().Showtime->text(), "00:04:29");
}

TEST(Commands, ContinueCountingUpShowsNowPlusTheTimeStillToRun)
{
    Cmd t;
    ASSERT_TRUE(t.start({"[JSSET1]", "JSMM=10", "JSSS=00", "JSFX=1"}));
    t.f().JishiStart_Click();
    t.tick(331); // shows 00:05:30
    t.f().JishiPause_Click();
    t.tick(5);
    t.f().JishiPause_Click();
    EXPECT_EQ(t.f().EndTime->text(), t.at(600 - 331));
}

TEST(Commands, PauseThenResetReturnsToIdleAndAContinueDoesNothing)
{
    Cmd t;
    ASSERT_TRUE(t.start({"[JSSET1]", "JSMM=01", "JSSS=00"}));
    t.f().JishiStart_Click();
    t.tick(5);
    t.f().JishiPause_Click();
    t.f().JishiEnd_Click();
    EXPECT_EQ(t.f().JishiPause->text(), "暂 停");
    EXPECT_FALSE(t.f().JishiPause->isEnabled());
    EXPECT_FALSE(t.menu().MJishiPause->isEnabled());
    EXPECT_EQ(t.f().Showtime->text(), "00:01:00");
    EXPECT_EQ(t.f().StartTime->text(), "00:00:00");
    EXPECT_EQ(t.f().EndTime->text(), "00:00:00");
    t.expectStartControls(true);
    t.f().JishiPause_Click();
    EXPECT_FALSE(t.m().IsTiming());
    EXPECT_EQ(t.f().JishiPause->text(), "暂 停");
}

TEST(Commands, ResetWhileIdleRewritesTheLabelsAndHidesThePicture)
{
    Cmd t;
    ASSERT_TRUE(t.start());
    t.app->fullScreenForm().Picture5->setVisible(true);
    t.f().Showtime->setText("12:34:56");
    t.f().JishiEnd_Click();
    EXPECT_FALSE(t.app->fullScreenForm().Picture5->isVisible());
    EXPECT_EQ(t.f().Showtime->text(), "00:00:30");
    t.expectStartControls(true);
}

TEST(Commands, PauseWhileIdleDoesNothing)
{
    Cmd t;
    ASSERT_TRUE(t.start());
    t.f().JishiPause_Click();
    EXPECT_FALSE(t.m().IsTiming());
    EXPECT_EQ(t.f().JishiPause->text(), "暂 停");
}

TEST(Commands, StartStateOneWithTheLargeToolbar)
{
    Cmd t;
    ASSERT_TRUE(t.start({"[COMMSET1]", "STARTSTATE=1", "MaxToolsBar=Yes"}));
    t.f().JishiStart_Click();
    EXPECT_TRUE(t.app->toolsBarFormMax().isVisible());
    EXPECT_FALSE(t.app->toolsBarForm().isVisible());
    EXPECT_FALSE(t.f().isVisible());
    EXPECT_TRUE(t.menu().MBacktoMain->isVisible());
    EXPECT_TRUE(t.menu().MMaxME->isVisible());
    EXPECT_FALSE(t.menu().MMinME->isVisible());
}

TEST(Commands, StartStatesAndTheirFallbacks)
{
    struct Case { const char* state; bool main, small, full; };
    for (const Case c : {Case{"3", true, false, false}, Case{"0", true, false, false}, Case{"2", false, false, true},
                         Case{"1", false, true, false}, Case{"7", true, false, false}, Case{" 2x", true, false, false}}) {
        Cmd t;
        ASSERT_TRUE(t.start({"[COMMSET1]", QString("STARTSTATE=") + c.state, "MaxToolsBar=yes"}));
        t.f().JishiStart_Click();
        EXPECT_EQ(t.f().isVisible(), c.main) << c.state;
        EXPECT_EQ(t.app->toolsBarForm().isVisible(), c.small) << c.state;
        EXPECT_FALSE(t.app->toolsBarFormMax().isVisible()) << c.state;
        EXPECT_EQ(t.app->fullScreenForm().isVisible(), c.full) << c.state;
    }
}

TEST(Commands, StartAfterStartBeginsAfresh)
{
    Cmd t;
    ASSERT_TRUE(t.start());
    t.f().JishiStart_Click();
    t.tick(10);
    t.app->session.StartTiming();
    t.tick();
    EXPECT_EQ(t.f().Showtime->text(), "00:00:30");
}

TEST(DisplayModes, EachModeShowsOneWindowAndHidesItsOwnMenuEntry)
{
    Cmd t;
    ASSERT_TRUE(t.start());
    TimingSession& m = t.m();
    m.EnterFullScreenMode();
    EXPECT_TRUE(t.app->fullScreenForm().isVisible());
    EXPECT_FALSE(t.f().isVisible());
    EXPECT_FALSE(t.menu().MMaxME->isVisible());
    EXPECT_TRUE(t.menu().MMinME->isVisible());
    EXPECT_TRUE(t.menu().MBacktoMain->isVisible());
    EXPECT_FALSE(t.menu().MAppInfo->isEnabled());
    m.EnterToolbarMode();
    EXPECT_TRUE(t.app->toolsBarForm().isVisible());
    EXPECT_FALSE(t.app->fullScreenForm().isVisible());
    EXPECT_FALSE(t.menu().MMinME->isVisible());
    EXPECT_TRUE(t.menu().MAppInfo->isEnabled());
    m.EnterMainMode();
    EXPECT_TRUE(t.f().isVisible());
    EXPECT_FALSE(t.app->toolsBarForm().isVisible());
    EXPECT_FALSE(t.menu().MBacktoMain->isVisible());
    EXPECT_TRUE(t.menu().MMinME->isVisible());
    EXPECT_TRUE(t.menu().MMaxME->isVisible());
}
