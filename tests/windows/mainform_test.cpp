// The main window: picture buttons, minimise/maximise, title edit, counter colour, popup, unload.
#include "support/TestApp.h"

#include "windows/LabelColor.h"
#include "menu/MenuForm.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(MainForm, LayoutFollowsTheDesignInPixels)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    MainForm& f = t.app->mainForm();
    EXPECT_EQ(f.size(), QSize(441, 248));
    EXPECT_EQ(f.Showtime->geometry(), QRect(24, 86, 381, 111));
    EXPECT_EQ(f.JishiStart->geometry(), QRect(12, 212, 55, 25));
    EXPECT_EQ(f.ExitMe->geometry(), QRect(374, 212, 55, 25));
    EXPECT_EQ(f.Picture1->geometry(), QRect(4, 4, 433, 19));
    EXPECT_EQ(f.Image1.shown->geometry(), QRect(387, 2, 42, 15));
    EXPECT_TRUE(f.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(f.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(f.Showtime->toolTip(), "双击可以设置显示文字颜色！");
}

TEST(MainForm, PictureButtonsShowHoverPressedAndNormal)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    MainForm& f = t.app->mainForm();
    QTest::mouseMove(f.Image2.shown, QPoint(5, 5));
    EXPECT_EQ(f.Image2.state, 2);
    EXPECT_EQ(f.Image1.state, 1);
    QTest::mouseMove(f.Image1.shown, QPoint(5, 5));
    EXPECT_EQ(f.Image1.state, 2);
    EXPECT_EQ(f.Image2.state, 1);
    QTest::mouseMove(f.Label5, QPoint(2, 2)); // the title leaves the hover picture
    EXPECT_EQ(f.Image1.state, 2);
    QTest::mouseMove(f.Picture1, QPoint(200, 5));
    EXPECT_EQ(f.Image1.state, 1);
    QTest::mousePress(f.Image3.shown, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(f.Image3.state, 3);
}

TEST(MainForm, MinimiseShowsTheChosenToolbarAndMaximiseTheFullScreen)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[COMMSET1]", "MaxToolsBar=Yes"}));
    MainForm& f = t.app->mainForm();
    QTest::mousePress(f.Image3.shown, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(f.Image3.shown, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(t.app->toolsBarFormMax().isVisible());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.windowState(), Qt::WindowNoState);
    t.m().EnterMainMode();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.windowState(), Qt::WindowNoState);

    f.setWindowState(Qt::WindowMaximized); // by the window system
    EXPECT_TRUE(t.app->fullScreenForm().isVisible());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.windowState(), Qt::WindowNoState);
}

TEST(MainForm, CloseReleasedElsewhereStillClosesAndReleasesEveryHotkey)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    MainForm& f = t.app->mainForm();
    f.JishiStart_Click();
    const QByteArray before = t.w.iniBytes();
    t.w.dialogs.questionAnswers = {true}; // while timing the close asks first
    QTest::mousePress(f.Image1.shown, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(f.Image1.shown, Qt::LeftButton, {}, QPoint(-200, 100));
    EXPECT_EQ(t.w.dialogs.questions.at(0).text, "正在计时，确定要退出吗？");
    EXPECT_EQ(t.w.end.statuses, std::vector<int>{0});
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(t.w.hotkeys.registered.empty());
    std::vector<QString> dels(t.w.hotkeys.log.end() - 11, t.w.hotkeys.log.end());
    for (int id = 1; id <= 11; ++id)
        EXPECT_EQ(dels[id - 1], QString("del %1").arg(id));
    EXPECT_TRUE(t.w.sound.played.isEmpty());
    EXPECT_EQ(t.w.iniBytes(), before);
    EXPECT_FALSE(t.app->session.Timer1->isEnabled());
}

TEST(MainForm, ExitButtonAndWindowSystemCloseUnloadOnce)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    t.app->mainForm().close();
    t.app->mainForm().ExitMe_Click();
    EXPECT_EQ(t.w.end.statuses, std::vector<int>{0});
}

TEST(MainForm, TitleEditSetsAllThreeCaptionsCancelKeepsItAndARestartShowsIt)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    const QByteArray untouched = t.w.iniBytes();
    MainForm& f = t.app->mainForm();
    f.Label5_DblClick(); // cancelled: nothing changes, nothing is written
    EXPECT_EQ(t.w.iniBytes(), untouched);
    t.w.dialogs.inputAnswers = {QString("决赛")};
    QTest::mouseDClick(f.Label5, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(t.w.dialogs.inputs.size(), 2u);
    EXPECT_EQ(t.w.dialogs.inputs[1].preset, "Horalto");
    EXPECT_EQ(t.w.dialogs.inputs[1].title, "Horalto");
    EXPECT_EQ(t.w.dialogs.inputs[1].prompt, "请在下面文本框中输入您需要显示的标题信息！");
    EXPECT_EQ(f.windowTitle(), "决赛 计时方案1");
    EXPECT_EQ(f.Label5->text(), "决赛 计时方案1");
    EXPECT_EQ(t.app->fullScreenForm().Label1->text(), "决赛 计时方案1");
    f.Label5_DblClick(); // cancelled
    EXPECT_EQ(t.w.dialogs.inputs[2].preset, "决赛");
    EXPECT_EQ(f.windowTitle(), "决赛 计时方案1");
    t.app.reset();
    ASSERT_TRUE(t.start());
    EXPECT_EQ(t.app->mainForm().windowTitle(), "决赛 计时方案1");
    t.w.dialogs.inputAnswers = {QString()};
    t.app->mainForm().Label5_DblClick(); // empty
    EXPECT_EQ(t.app->fullScreenForm().Label1->text(), "Horalto 计时方案1");
    EXPECT_EQ(t.ini("FangAnSelect", "JsFangAnId"), "1");
}

TEST(MainForm, CounterColourIsStoredForTheCurrentSchemeOnly)
{
    TestApp t;
    ASSERT_TRUE(t.start({"[FangAnSelect]", "JsFangAnId=2"}));
    MainForm& f = t.app->mainForm();
    const QByteArray before = t.w.iniBytes();
    QTest::mouseDClick(f.Showtime, Qt::LeftButton, {}, QPoint(10, 10)); // cancelled
    EXPECT_EQ(t.w.dialogs.colorCalls, 1);
    EXPECT_EQ(t.w.iniBytes(), before);
    EXPECT_EQ(ForeColor(f.Showtime), 255);
    t.w.dialogs.colorAnswers = {65535};
    f.Showtime_DblClick();
    EXPECT_EQ(ForeColor(f.Showtime), 65535);
    EXPECT_EQ(t.ini("ColorSet2", "Normal"), "65535");
    EXPECT_EQ(t.ini("ColorSet1", "Normal"), "");
    EXPECT_EQ(ForeColor(t.app->toolsBarForm().Showtime), 65535); // its own default, untouched
    t.app->menuForm().MJsFa_Click(1);
    EXPECT_EQ(ForeColor(f.Showtime), 255);
}

TEST(MainForm, RightReleaseOnBackgroundOrCounterOpensThePopup)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    MainForm& f = t.app->mainForm();
    QTest::mouseClick(f.Showtime, Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_EQ(t.app->menuForm().PopupCount(), 1);
    QTest::mouseClick(&f, Qt::RightButton, {}, QPoint(5, 240));
    EXPECT_EQ(t.app->menuForm().PopupCount(), 2);
    QTest::mouseClick(&f, Qt::MiddleButton, {}, QPoint(5, 240));
    QTest::mouseClick(f.Showtime, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(t.app->menuForm().PopupCount(), 2);
    t.app->menuForm().MypopMenu->hide();
}

TEST(MainForm, DraggingByTheTitleStripMovesTheWindowWithoutAWindowManager)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    MainForm& f = t.app->mainForm();
    const QPoint start = f.pos();
    QTest::mousePress(f.Picture1, Qt::LeftButton, {}, QPoint(100, 5));
    QTest::mouseMove(f.Picture1, QPoint(130, 25));
    EXPECT_EQ(f.pos(), start + QPoint(30, 20));
    QTest::mouseRelease(f.Picture1, Qt::LeftButton, {}, QPoint(100, 5));
    QTest::mouseMove(f.Picture1, QPoint(10, 10)); // released: no longer follows
    EXPECT_EQ(f.pos(), start + QPoint(30, 20));
}

TEST(MainForm, ButtonsRunTheirCommands)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    MainForm& f = t.app->mainForm();
    QTest::mouseClick(f.JishiStart, Qt::LeftButton);
    EXPECT_TRUE(t.m().IsTiming());
    QTest::mouseClick(f.JishiPause, Qt::LeftButton);
    EXPECT_FALSE(t.m().IsTiming());
    QTest::mouseClick(f.JishiEnd, Qt::LeftButton);
    EXPECT_FALSE(f.JishiPause->isEnabled());
    QTest::mouseClick(f.MaxMe, Qt::LeftButton);
    EXPECT_TRUE(t.app->fullScreenForm().isVisible());
    t.m().EnterMainMode();
    QTest::mouseClick(f.MinMe, Qt::LeftButton);
    EXPECT_TRUE(t.app->toolsBarForm().isVisible());
    t.m().EnterMainMode();
    QTest::mouseClick(f.ExitMe, Qt::LeftButton);
    EXPECT_TRUE(t.w.end.ended());
}
