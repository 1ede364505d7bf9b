// The hotkey dialog and the About box with the real X11 hotkey layer (Xvfb with openbox, see
// xsession.sh): real key presses from xdotool reach the dialog's rows through the native key
// mapping, and the hotkeys it saves act while another X client has the focus.
#include "about/frmAbout.h"
#include "hotkeys/HotKeyForm.h"
#include "menu/MenuForm.h"
#include "platform/hotkeys/X11Hotkeys.h"
#include "support/E2e.h"
#include "support/TestApp.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace {

struct DialogsOnX11 : ::testing::Test {
    FakeWorld w;
    X11Hotkeys keys;
    Services services{w.clock, w.random, w.sound, w.dialogs, w.dir, w.end, keys, w.timers, w.events, w.programs, w.screenSaver,
                      w.records, w.desktop, w.remote, w.qtTexts};
    std::unique_ptr<App> app;
    QProcess holder; // another X client
    QString holderId;

    void SetUp() override
    {
        ASSERT_TRUE(QTest::qWaitFor([] { return RunTool("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"); }, 20000));
        app = std::make_unique<App>(services);
        ASSERT_TRUE(app->Start());
        holder.start("xmessage", {"-title", "DialogFocusHolder", "-geometry", "260x60+10+700", "another program"});
        holderId = RunTool("xdotool", {"search", "--sync", "--name", "^DialogFocusHolder$"}).section('\n', 0, 0);
        ASSERT_FALSE(holderId.isEmpty());
    }
    void TearDown() override
    {
        app.reset();
        holder.kill();
        holder.waitForFinished(3000);
    }
    bool focusOther()
    {
        RunTool("xdotool", {"windowactivate", "--sync", holderId});
        return QTest::qWaitFor([&] { return RunTool("xdotool", {"getwindowfocus"}) == holderId; }, 3000);
    }
    // A key (xdotool syntax), then a moment for the program to see it, or not.
    void key(const QString& k, int settleMs = 0)
    {
        RunTool("xdotool", {"key", k});
        QTest::qWait(settleMs);
    }
    template <typename D>
    bool withActive(void (App::*show)(QWidget*), const std::function<void(D&)>& act)
    {
        return WithModal<D>([&] { (app.get()->*show)(&app->mainForm()); }, [&](D& d) {
            d.activateWindow();
            if (QTest::qWaitForWindowActive(&d))
                act(d);
            else
                ADD_FAILURE() << "the dialog did not take the focus";
        });
    }
};

} // namespace

TEST_F(DialogsOnX11, RealKeysSetTheRowsAndTheSavedCtrlF5ActsWhileAnotherClientHasTheFocus)
{
    RunTool("setxkbmap", {"de"}); // a keymap with AltGr and dead keys
    EXPECT_TRUE(withActive<HotKeyForm>(&App::ShowHotKeyForm, [&](HotKeyForm& f) {
        f.Text1[1]->setFocus();
        auto shows = [&](const char* text) { return QTest::qWaitFor([&] { return f.Text1[1]->text() == text; }, 3000); };
        // The current start key (F5) is an ordinary key here: it sets the row and starts nothing.
        // The others are keys whose Qt key or event keysym is not the key itself.
        // AltGr, Super and a dead key cannot be stored: the row is switched off. The input method
        // takes a dead key's press; only its release comes.
        const std::pair<const char*, const char*> presses[] = {{"Home", "Home"}, {"ISO_Level3_Shift+F5", "NotSet"},
            {"F5", "F5"}, {"super+F5", "NotSet"}, {"KP_End", "Num1"}, {"ctrl+Pause", "Ctrl+Pause"},
            {"shift+1", "Shift+1"}, {"KP_0", "Num0"}, {"dead_acute", "NotSet"}, {"ctrl+F5", "Ctrl+F5"}};
        RunTool("numlockx", {"off"});
        for (const auto& [pressed, shown] : presses) {
            key(pressed);
            EXPECT_TRUE(shows(shown)) << pressed << " showed " << f.Text1[1]->text().toStdString();
        }
        EXPECT_FALSE(app->session.IsTiming());
        f.Command1->click();
    }));
    EXPECT_EQ(app->config.PeekIniText("COMMSET", "HotKeyDesc1").value_or(""), "Ctrl+F5");

    ASSERT_TRUE(focusOther());
    key("F5", 500);
    EXPECT_FALSE(app->session.IsTiming()) << "the bare F5 started timing";
    key("ctrl+F5");
    EXPECT_TRUE(QTest::qWaitFor([&] { return app->session.IsTiming(); }, 3000)) << "Ctrl+F5 did not start timing";
}

TEST_F(DialogsOnX11, TheStartKeyDoesNothingWhileTheAboutBoxIsOpenAndWorksAfterwards)
{
    EXPECT_TRUE(withActive<frmAbout>(&App::ShowAboutBox, [&](frmAbout& box) {
        key("F5", 400); // to the About box
        EXPECT_TRUE(focusOther());
        key("F5", 400); // to the other client
        box.cmdOK->click();
    }));
    EXPECT_FALSE(app->session.IsTiming());
    ASSERT_TRUE(focusOther());
    key("F5");
    EXPECT_TRUE(QTest::qWaitFor([&] { return app->session.IsTiming(); }, 3000)) << "F5 did not act after the About box";
}

// A second X client takes F6 (the reset key) while the About box has the hotkeys unregistered:
// the registration after the box is refused, and the menu caption, the hotkey dialog's row and
// its text line say so until the key is free again.
TEST_F(DialogsOnX11, AKeyAnotherClientHoldsIsShownAsTakenUntilItIsFree)
{
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    xcb_key_symbols_t* syms = xcb_key_symbols_alloc(other);
    const xcb_keycode_t f6 = xcb_key_symbols_get_keycode(syms, 0xffc3)[0]; // F6; leaks a few bytes
    xcb_key_symbols_free(syms);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
    EXPECT_TRUE(withActive<frmAbout>(&App::ShowAboutBox, [&](frmAbout& box) {
        EXPECT_EQ(xcb_request_check(other, xcb_grab_key_checked(other, 1, root, 0, f6, 1, 1)), nullptr);
        box.cmdOK->click();
    }));
    EXPECT_EQ(app->menuForm().MJishiEnd->text(), QStringLiteral("复位") + QString(5, QChar(0x3000)) + "F6（被占用）");
    EXPECT_TRUE(withActive<HotKeyForm>(&App::ShowHotKeyForm, [&](HotKeyForm& f) {
        EXPECT_EQ(f.Text1[2]->text(), "F6（被占用）");
        EXPECT_TRUE(f.Label2->text().endsWith("\nF6 已被其他程序占用，请另选按键！")) << f.Label2->text().toStdString();
        xcb_disconnect(other); // the other program ends
        f.Command2->click();
    }));
    EXPECT_EQ(app->menuForm().MJishiEnd->text(), QStringLiteral("复位") + QString(5, QChar(0x3000)) + "F6");
}
