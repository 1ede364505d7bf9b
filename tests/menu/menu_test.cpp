// The popup menu: scheme switching, the information text and the two per-scheme switches.
#include "support/TestApp.h"
#include "core/TimeText.h"

#include "windows/LabelColor.h"
#include "menu/MenuForm.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QAction>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
const QStringList kFiveSchemes = {"[JSSET1]", "JSMM=05", "JSSS=00", "[JSSET3]", "JSHH=01", "JSMM=00", "JSSS=00",
                                  "[COMMSET3]", "MaxToolsBar=Yes", "DouDong=Yes", "[ColorSet3]", "Normal=65280"};
}

TEST(Menu, SwitchingToSchemeThreeWhileStopped)
{
    TestApp t;
    ASSERT_TRUE(t.start(kFiveSchemes));
    MenuForm& menu = t.app->menuForm();
    t.w.dialogs.inputAnswers = {QString("初赛")};
    t.app->mainForm().Label5_DblClick();
    t.app->mainForm().JishiStart_Click();
    t.app->mainForm().JishiEnd_Click();
    const QString startTime = t.app->mainForm().StartTime->text();

    menu.MJsFa[3]->trigger(); // as a click in the menu
    EXPECT_TRUE(menu.MJsFa[3]->isChecked());
    for (int i : {1, 2, 4, 5})
        EXPECT_FALSE(menu.MJsFa[i]->isChecked()) << i;
    EXPECT_EQ(t.ini("FangAnSelect", "JsFangAnId"), "3");
    EXPECT_EQ(t.m().FangAnId(), 3);
    EXPECT_EQ(t.app->mainForm().windowTitle(), "初赛 计时方案3");
    EXPECT_EQ(t.app->fullScreenForm().Label1->text(), "初赛 计时方案3");
    EXPECT_EQ(t.app->mainForm().TimeLen->text(), "01:00:00");
    EXPECT_EQ(t.app->toolsBarFormMax().Showtime->text(), "01:00:00");
    EXPECT_EQ(t.app->mainForm().StartTime->text(), startTime);
    EXPECT_EQ(ForeColor(t.app->mainForm().Showtime), 65280);
    EXPECT_TRUE(menu.MMaxToolsBar->isChecked());
    EXPECT_TRUE(menu.MDouDong->isChecked());
    EXPECT_EQ(t.ini("JSSET3", "JSSS"), "00");
    EXPECT_EQ(t.ini("TSSET3", "TSHH5"), "00"); // the new scheme's keys appear as they are read
    EXPECT_TRUE(t.app->mainForm().isVisible());
    EXPECT_FALSE(t.m().IsTiming());
}

TEST(Menu, SwitchingWhileTheSmallToolbarShowsExchangesItForTheLargeOne)
{
    TestApp t;
    ASSERT_TRUE(t.start(kFiveSchemes));
    t.m().EnterToolbarMode();
    ASSERT_TRUE(t.app->toolsBarForm().isVisible());
    t.app->menuForm().MJsFa_Click(3);
    EXPECT_TRUE(t.app->toolsBarFormMax().isVisible());
    EXPECT_FALSE(t.app->toolsBarForm().isVisible());
    t.app->menuForm().MJsFa_Click(1);
    EXPECT_TRUE(t.app->toolsBarForm().isVisible());
    EXPECT_FALSE(t.app->toolsBarFormMax().isVisible());
}

TEST(Menu, SwitchingToASchemeWithLettersInATimeEndsTheProgram)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[TSSET2]", "TSMM1=ab"}));
    t.app->menuForm().MJsFa_Click(2);
    ASSERT_EQ(t.w.dialogs.warnings.size(), 1u);
    EXPECT_EQ(t.w.dialogs.warnings[0].text, ConfigErrorMessage());
    EXPECT_EQ(t.w.end.statuses, std::vector<int>{1});
    EXPECT_EQ(t.ini("FangAnSelect", "JsFangAnId"), "2"); // already written: the next start meets it again
}

TEST(Menu, InformationTextCancelAndBlanksStoreTheBuiltInText)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    MenuForm& menu = t.app->menuForm();
    t.w.dialogs.inputAnswers = {QString("  第十届演讲比赛  ")};
    menu.MAppInfo_Click();
    EXPECT_EQ(t.ini("InfoTxtSet", "ShowinfoTxt"), "第十届演讲比赛");
    EXPECT_EQ(t.app->fullScreenForm().Label2->text(), "第十届演讲比赛");
    ASSERT_EQ(t.w.dialogs.inputs.size(), 1u);
    EXPECT_EQ(t.w.dialogs.inputs[0].preset, DefaultInfoText());
    EXPECT_EQ(t.w.dialogs.inputs[0].prompt, "请在输入需要在全屏状态下显示的程序信息！");
    menu.MAppInfo_Click(); // cancelled
    EXPECT_EQ(t.ini("InfoTxtSet", "ShowinfoTxt"), DefaultInfoText());
    t.w.dialogs.inputAnswers = {QString("   ")};
    menu.MAppInfo_Click();
    EXPECT_EQ(t.ini("InfoTxtSet", "ShowinfoTxt"), DefaultInfoText());
    EXPECT_EQ(t.app->fullScreenForm().Label2->text(), DefaultInfoText());
}

TEST(Menu, LargeToolbarSwitchWhileTheMainWindowShows)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    MenuForm& menu = t.app->menuForm();
    menu.MMaxToolsBar->trigger();
    EXPECT_TRUE(menu.MMaxToolsBar->isChecked());
    EXPECT_EQ(t.ini("COMMSET1", "MaxToolsBar"), "Yes");
    EXPECT_FALSE(t.app->toolsBarForm().isVisible());
    EXPECT_FALSE(t.app->toolsBarFormMax().isVisible());
    t.m().EnterToolbarMode();
    EXPECT_TRUE(t.app->toolsBarFormMax().isVisible());
    menu.MMaxToolsBar_Click();
    EXPECT_EQ(t.ini("COMMSET1", "MaxToolsBar"), "No");
    EXPECT_TRUE(t.app->toolsBarForm().isVisible());
    EXPECT_FALSE(t.app->toolsBarFormMax().isVisible());
}

TEST(Menu, LargeToolbarSwitchReappliesTheToolbarColourToBoth)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    t.app->config.WriteIniText("ColorSet1", "ToolsBar", "255");
    t.app->menuForm().MMaxToolsBar_Click();
    EXPECT_EQ(ForeColor(t.app->toolsBarForm().Showtime), 255);
    EXPECT_EQ(ForeColor(t.app->toolsBarFormMax().Showtime), 255);
}

TEST(Menu, ShakeSwitchTogglesAndStoresPerScheme)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    MenuForm& menu = t.app->menuForm();
    EXPECT_FALSE(menu.MDouDong->isChecked());
    EXPECT_EQ(t.ini("COMMSET1", "DouDong"), ""); // looked at, not written, at start-up
    menu.MDouDong->trigger();
    EXPECT_TRUE(menu.MDouDong->isChecked());
    EXPECT_EQ(t.ini("COMMSET1", "DouDong"), "Yes");
    menu.MDouDong_Click();
    EXPECT_FALSE(menu.MDouDong->isChecked());
    EXPECT_EQ(t.ini("COMMSET1", "DouDong"), "No");
}

TEST(Menu, ItemStatesFollowTheTimingState)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    MenuForm& menu = t.app->menuForm();
    menu.MJishiStart->trigger();
    EXPECT_TRUE(t.m().IsTiming());
    EXPECT_FALSE(menu.MJishiStart->isEnabled());
    EXPECT_TRUE(menu.MJishiPause->isEnabled());
    menu.MJishiPause->trigger();
    EXPECT_FALSE(t.m().IsTiming());
    EXPECT_TRUE(menu.MJishiPause->isEnabled());
    menu.MJishiEnd->trigger();
    EXPECT_TRUE(menu.MJishiStart->isEnabled());
    EXPECT_FALSE(menu.MJishiPause->isEnabled());
    menu.MMaxME->trigger();
    EXPECT_TRUE(t.app->fullScreenForm().isVisible());
    menu.MBacktoMain->trigger();
    EXPECT_TRUE(t.app->mainForm().isVisible());
    menu.MExitMe->trigger();
    EXPECT_TRUE(t.w.end.ended());
}
