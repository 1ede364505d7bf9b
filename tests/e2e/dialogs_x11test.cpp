// The real program's hotkey dialog and About box, opened from the popup menu: a hotkey set by
// pressing it and saved acts from another X client. Screenshots of both dialogs are left in /tmp
// (horalto_hotkey_dialog.png, horalto_about_box.png) for a look.
#include "support/E2e.h"

#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString kMain = QStringLiteral("Horalto 计时方案1");

// Opens the popup menu on the main window's counter and chooses its n-th offered item.
void ChooseMenuItem(const QString& mainWindow, int n)
{
    ProgramRun::click(ProgramRun::geometry(mainWindow).topLeft() + QPoint(200, 140), 3);
    QThread::msleep(500);
    for (int i = 0; i < n; ++i)
        ProgramRun::key("Down");
    ProgramRun::key("Return");
}

// The dialog's window, after a moment to draw, shot with a margin.
QRect Shoot(const QString& window, const QString& file)
{
    const QRect r = ProgramRun::geometry(window);
    QThread::msleep(300);
    ProgramRun::screenshot().copy(r.adjusted(-10, -10, 10, 10)).save(file);
    return r;
}

bool Gone(const QString& name)
{
    for (int waited = 0; waited < 3000; waited += 100, QThread::msleep(100))
        if (RunTool("xdotool", {"search", "--onlyvisible", "--name", "^" + name + "$"}).isEmpty())
            return true;
    return false;
}

} // namespace

TEST(EndToEndDialogs, F11SetInTheHotkeyDialogSwitchesToFullScreenAndTheAboutBoxOpensAndCloses)
{
    ProgramRun run;
    ASSERT_TRUE(run.start());
    const QString main = ProgramRun::findWindow(kMain);
    ASSERT_FALSE(main.isEmpty()) << "the main window did not appear";

    // Item 12: the five schemes, 计时, 复位, 工具条模式, 全屏幕模式, 关于, 计时选项设置, 全局热键设置.
    ChooseMenuItem(main, 12);
    const QString dialog = ProgramRun::findWindow(QStringLiteral("全局快捷键设置"));
    ASSERT_FALSE(dialog.isEmpty()) << "the hotkey dialog did not open";
    const QPoint d = ProgramRun::geometry(dialog).topLeft();
    ProgramRun::click(d + QPoint(250, 178)); // row 4's box (110, 166 px)
    ProgramRun::key("F11");
    EXPECT_EQ(Shoot(dialog, "/tmp/horalto_hotkey_dialog.png").size(), QSize(418, 541)); // with the rows 下一位 and 换方
    ProgramRun::click(d + QPoint(249, 517)); // 保存设置, below the thirteenth row
    ASSERT_TRUE(Gone(QStringLiteral("全局快捷键设置"))) << "保存设置 did not close the dialog";
    EXPECT_TRUE(run.iniLines().contains("HotKeySetB4=122"));
    EXPECT_TRUE(run.iniLines().contains("HotKeyDesc4=F11"));

    // F11 while another client has the focus switches to full screen; F9 comes back.
    QProcess other;
    other.start("xmessage", {"-title", "DialogsFocusHolder", "-geometry", "260x60+10+700", "another program"});
    const QString otherId = RunTool("xdotool", {"search", "--sync", "--name", "^DialogsFocusHolder$"}).section('\n', 0, 0);
    RunTool("xdotool", {"windowactivate", "--sync", otherId});
    ProgramRun::key("F11");
    EXPECT_FALSE(ProgramRun::findWindow(QStringLiteral("Horalto 全屏幕"), 3000).isEmpty()) << "F11 did not go full screen";
    ProgramRun::key("F9");
    ASSERT_FALSE(ProgramRun::findWindow(kMain, 3000).isEmpty());
    other.kill();
    other.waitForFinished(3000);

    ChooseMenuItem(main, 10); // 关于Horalto...
    const QString about = ProgramRun::findWindow(QStringLiteral("关于 Horalto"));
    ASSERT_FALSE(about.isEmpty()) << "the About box did not open";
    const QRect a = Shoot(about, "/tmp/horalto_about_box.png");
    EXPECT_EQ(a.size(), QSize(440, 320));
    ProgramRun::click(a.topLeft() + QPoint(376, 293)); // 确    定
    EXPECT_TRUE(Gone(QStringLiteral("关于 Horalto"))) << "确    定 did not close the About box";

    ProgramRun::click(ProgramRun::geometry(main).topLeft() + QPoint(374 + 27, 212 + 12)); // 退 出
    EXPECT_EQ(run.waitForEnd(), 0);
}
