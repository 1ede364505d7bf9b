// The hotkey dialog and the About box with the real X11 hotkey layer (Xvfb with openbox, see
// xsession.sh): real key presses from xdotool reach the dialog's rows through the native key
// mapping, and the hotkeys it saves act while another X client has the focus.
#include "about/frmAbout.h"
#include "core/App.h"
#include "hotkeys/HotKeyForm.h"
#include "platform/X11Hotkeys.h"
#include "support/Fakes.h"
#include "windows/MainForm.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString Output(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

void Tool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(10000) && p.exitCode() == 0) << program.toStdString() << " " << args.join(' ').toStdString();
}

struct DialogsOnX11 : ::testing::Test {
    FakeWorld w;
    X11Hotkeys keys;
    Services services{w.clock, w.random, w.sound, w.dialogs, w.dir, w.end, keys, w.timers, w.events, w.programs};
    std::unique_ptr<App> app;
    QProcess holder;
    QString holderId;

    void SetUp() override
    {
        ASSERT_TRUE(QTest::qWaitFor([] { return Output("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"); }, 20000));
        app = std::make_unique<App>(services);
        ASSERT_TRUE(app->Start());
        holder.start("xmessage", {"-title", "DialogFocusHolder", "-geometry", "260x60+10+700", "another program"});
        ASSERT_TRUE(holder.waitForStarted());
        holderId = Output("xdotool", {"search", "--sync", "--name", "^DialogFocusHolder$"}).section('\n', 0, 0);
        ASSERT_FALSE(holderId.isEmpty());
    }
    void TearDown() override
    {
        app.reset();
        holder.kill();
        holder.waitForFinished(3000);
    }
    // The other client takes the keyboard focus.
    bool focusOther()
    {
        return QTest::qWaitFor(
            [&] {
                Tool("xdotool", {"windowactivate", holderId});
                return QTest::qWaitFor([&] { return Output("xdotool", {"getwindowfocus"}) == holderId; }, 500);
            },
            5000);
    }
    // A key (xdotool syntax), then a moment for the program to see it or not.
    void key(const QString& k, int settleMs = 0)
    {
        Tool("xdotool", {"key", k});
        if (settleMs)
            QTest::qWait(settleMs);
    }
    // Runs `act` on the open modal dialog of type D, which it leaves active; closes it afterwards.
    template <typename D>
    bool withDialog(void (App::*show)(QWidget*), const std::function<void(D&)>& act)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
            if (d) {
                d->activateWindow();
                ran = QTest::qWaitForWindowActive(d);
                if (ran)
                    act(*d);
            }
            if (QApplication::activeModalWidget())
                QApplication::activeModalWidget()->close();
        });
        (app.get()->*show)(&app->mainForm());
        return ran;
    }
};

} // namespace

TEST_F(DialogsOnX11, RealKeysSetTheRowsAndTheSavedCtrlF5ActsWhileAnotherClientHasTheFocus)
{
    const bool ran = withDialog<HotKeyForm>(&App::ShowHotKeyForm, [&](HotKeyForm& f) {
        QLineEdit* row1 = f.Text1[1];
        row1->setFocus();
        auto shows = [&](const QString& text) { return QTest::qWaitFor([&] { return row1->text() == text; }, 3000); };
        // The current start key is an ordinary key here: it sets the row and starts nothing.
        key("Home");
        EXPECT_TRUE(shows("Home"));
        key("F5", 300);
        EXPECT_TRUE(shows("F5"));
        EXPECT_FALSE(app->module.IsTiming);
        // Keys whose Qt key or keysym differs from the key itself.
        Tool("numlockx", {"off"});
        key("KP_End");
        EXPECT_TRUE(shows("Num1")) << row1->text().toStdString();
        key("ctrl+Pause");
        EXPECT_TRUE(shows("Ctrl+Pause")) << row1->text().toStdString();
        key("shift+1");
        EXPECT_TRUE(shows("Shift+1")) << row1->text().toStdString();
        Tool("numlockx", {"on"});
        key("KP_0");
        EXPECT_TRUE(shows("Num0")) << row1->text().toStdString();
        key("ctrl+F5");
        EXPECT_TRUE(shows("Ctrl+F5"));
        EXPECT_EQ(app->module.HotKeys[1].SetB, "116");
        f.Command1->click();
    });
    ASSERT_TRUE(ran) << "the hotkey dialog did not open and take the focus";
    EXPECT_EQ(app->config.PeekIniText("COMMSET", "HotKeyDesc1").value_or(""), "Ctrl+F5");

    ASSERT_TRUE(focusOther());
    key("F5", 500);
    EXPECT_FALSE(app->module.IsTiming) << "the bare F5 started timing";
    key("ctrl+F5");
    EXPECT_TRUE(QTest::qWaitFor([&] { return app->module.IsTiming; }, 3000)) << "Ctrl+F5 did not start timing";
}

TEST_F(DialogsOnX11, TheStartKeyDoesNothingWhileTheAboutBoxIsOpenAndWorksAfterwards)
{
    const bool ran = withDialog<frmAbout>(&App::ShowAboutBox, [&](frmAbout& box) {
        key("F5", 400); // to the About box
        EXPECT_TRUE(focusOther());
        key("F5", 400); // to the other client
        EXPECT_FALSE(app->module.IsTiming);
        box.cmdOK->click();
    });
    ASSERT_TRUE(ran) << "the About box did not open and take the focus";
    EXPECT_FALSE(app->module.IsTiming);
    ASSERT_TRUE(focusOther());
    key("F5");
    EXPECT_TRUE(QTest::qWaitFor([&] { return app->module.IsTiming; }, 3000)) << "F5 did not act after the About box";
}
