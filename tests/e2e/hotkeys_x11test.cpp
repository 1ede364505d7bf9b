// The real program and its global hotkeys: keys pressed with xdotool (XTest) while another X
// client has the keyboard focus, observed through the window titles and visibility, config.ini
// and the counter digits read back by OCR.
#include "support/E2e.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString kMain1 = QStringLiteral("Horalto 计时方案1");
const QString kMain3 = QStringLiteral("Horalto 计时方案3");
const QString kMain4 = QStringLiteral("Horalto 计时方案4");
// The centre of the main window's exit button "退 出".
const QPoint kExit(374 + 27, 212 + 12);

bool Visible(const QString& name)
{
    return !RunTool("xdotool", {"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(name) + "$"}).isEmpty();
}

// Waits up to `ms` for the condition; true as soon as it holds.
template <typename F>
bool WaitFor(F f, int ms)
{
    QElapsedTimer t;
    t.start();
    do {
        if (f())
            return true;
        QThread::msleep(50);
    } while (t.elapsed() < ms);
    return f();
}

// Another X client that holds the keyboard focus while the keys are pressed.
class FocusHolder {
public:
    FocusHolder()
    {
        proc_.start("xmessage", {"-title", "FocusHolder", "-geometry", "260x60+10+700", "another program"});
        proc_.waitForStarted();
        id_ = RunTool("xdotool", {"search", "--sync", "--name", "^FocusHolder$"}).section('\n', 0, 0);
    }
    ~FocusHolder()
    {
        proc_.kill();
        proc_.waitForFinished(3000);
    }
    // Gives it the focus again (the program takes it at its start and in its dialogs).
    bool take()
    {
        return WaitFor(
            [&] {
                RunTool("xdotool", {"windowactivate", id_});
                return WaitFor([&] { return RunTool("xdotool", {"getwindowfocus"}) == id_; }, 500);
            },
            5000);
    }
    QString id() const { return id_; }

private:
    QProcess proc_;
    QString id_;
};

class EndToEndHotkeys : public ::testing::Test {
protected:
    // Presses a key (xdotool syntax) while the other client has the focus.
    void press(const QString& keys)
    {
        ASSERT_TRUE(holder.take()) << "the other client did not get the focus";
        ProgramRun::key(keys);
    }
    QString scheme() const
    {
        for (const QString& l : run.iniLines())
            if (l.startsWith("JsFangAnId="))
                return l.mid(11);
        return {};
    }

    ProgramRun run;
    FocusHolder holder;
};

} // namespace

TEST_F(EndToEndHotkeys, KeysActWhileAnotherProgramHasTheFocusAsTheMenuAllows)
{
    run.writeIni({"[JSSET3]", "JSHH=00", "JSMM=05", "JSSS=00",
                  "[COMMSET]", "HotKeySetA10=Ctrl", "HotKeySetB10=116", "HotKeyDesc10=Ctrl+F5"});
    ASSERT_FALSE(holder.id().isEmpty());
    ASSERT_TRUE(run.start());
    ASSERT_FALSE(ProgramRun::findWindow(kMain1).isEmpty()) << "the main window did not appear";

    // Scheme keys while stopped: Ctrl+F5 (id 10, scheme 4), then Num3 (scheme 3).
    press("ctrl+F5");
    ASSERT_FALSE(ProgramRun::findWindow(kMain4, 3000).isEmpty()) << "Ctrl+F5 did not switch to scheme 4";
    EXPECT_EQ(scheme(), "4");
    press("KP_3");
    const QString main = ProgramRun::findWindow(kMain3, 3000);
    ASSERT_FALSE(main.isEmpty()) << "Num3 did not switch to scheme 3";
    EXPECT_EQ(scheme(), "3");
    EXPECT_EQ(ProgramRun::counterSeconds(main), 300);

    // F5 starts.
    press("F5");
    int counter = 300;
    ASSERT_TRUE(WaitFor([&] { return (counter = ProgramRun::counterSeconds(main)) < 300 && counter > 0; }, 4000))
        << "F5 did not start the count";

    // While timing: F5 does not start again, the scheme keys do nothing.
    QThread::msleep(1100);
    const int before = ProgramRun::counterSeconds(main);
    press("F5");
    press("KP_3");
    press("ctrl+F5");
    QThread::msleep(300);
    const int after = ProgramRun::counterSeconds(main);
    EXPECT_GT(before, 0);
    EXPECT_LE(after, before) << "F5 restarted the count";
    EXPECT_EQ(scheme(), "3");
    EXPECT_TRUE(Visible(kMain3));

    // Pause holds the counter, Pause again lets it go on.
    press("Pause");
    QThread::msleep(1100);
    const int held = ProgramRun::counterSeconds(main);
    QThread::msleep(1600);
    EXPECT_EQ(ProgramRun::counterSeconds(main), held) << "Pause did not hold the count";
    press("Pause");
    EXPECT_TRUE(WaitFor([&] { return ProgramRun::counterSeconds(main) < held; }, 3000)) << "Pause did not resume";

    // F6 resets; the count stays at the full length.
    press("F6");
    EXPECT_TRUE(WaitFor([&] { return ProgramRun::counterSeconds(main) == 300; }, 2000)) << "F6 did not reset";
    QThread::msleep(1200);
    EXPECT_EQ(ProgramRun::counterSeconds(main), 300);
    // Pause after a reset does nothing either.
    press("Pause");
    QThread::msleep(1200);
    EXPECT_EQ(ProgramRun::counterSeconds(main), 300);

    // Display keys: F9 does nothing in the main window; F7 toolbar, F8 full screen, F9 back.
    press("F9");
    QThread::msleep(400);
    EXPECT_TRUE(Visible(kMain3));
    EXPECT_FALSE(Visible("Horalto 工具条") || Visible("Horalto 全屏幕"));
    press("F7");
    EXPECT_FALSE(ProgramRun::findWindow("Horalto 工具条", 3000).isEmpty()) << "F7 did not show the toolbar";
    EXPECT_TRUE(WaitFor([&] { return !Visible(kMain3); }, 2000));
    press("F8");
    EXPECT_FALSE(ProgramRun::findWindow("Horalto 全屏幕", 3000).isEmpty()) << "F8 did not go full screen";
    EXPECT_TRUE(WaitFor([&] { return !Visible("Horalto 工具条"); }, 2000));
    press("F9");
    EXPECT_FALSE(ProgramRun::findWindow(kMain3, 3000).isEmpty()) << "F9 did not return to the main window";
    EXPECT_TRUE(WaitFor([&] { return !Visible("Horalto 全屏幕"); }, 2000));

    // Scheme keys work again after the reset.
    press("KP_1");
    EXPECT_FALSE(ProgramRun::findWindow(kMain1, 3000).isEmpty());
    EXPECT_EQ(scheme(), "1");

    const QString mainNow = ProgramRun::findWindow(kMain1);
    ProgramRun::click(ProgramRun::geometry(mainNow).topLeft() + kExit);
    EXPECT_EQ(run.waitForEnd(), 0);
}

TEST_F(EndToEndHotkeys, DisplayKeysLeaveTheFocusWithTheOtherProgram)
{
    ASSERT_TRUE(run.start());
    ASSERT_FALSE(ProgramRun::findWindow(kMain1).isEmpty()) << "the main window did not appear";
    ASSERT_TRUE(holder.take()) << "the other client did not get the focus";
    for (const auto& [keys, window] : {std::pair{"F7", QString("Horalto 工具条")}, {"F8", QString("Horalto 全屏幕")}, {"F9", kMain1}}) {
        ProgramRun::key(keys);
        ASSERT_FALSE(ProgramRun::findWindow(window, 3000).isEmpty()) << keys << " did not show " << window.toStdString();
        QThread::msleep(300);
        EXPECT_EQ(RunTool("xdotool", {"getwindowfocus"}), holder.id()) << keys << " took the focus";
    }
    ProgramRun::click(ProgramRun::geometry(ProgramRun::findWindow(kMain1)).topLeft() + kExit);
    EXPECT_EQ(run.waitForEnd(), 0);
}
