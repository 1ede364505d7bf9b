// X11Hotkeys against a real X server (Xvfb with openbox, see xsession.sh): key grabs on the root
// window, keys pressed from outside with xdotool (XTest), focus held by another client.
#include "platform/hotkeys/VirtualKeys.h"
#include "platform/hotkeys/X11Hotkeys.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <gtest/gtest.h>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#define XK_MISCELLANY
#define XK_LATIN1
#include <X11/keysymdef.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr int kF5 = 116, kF6 = 117, kF7 = 118, kTab = 9, kNum3 = 99;
constexpr int kAlt = 1, kCtrl = 2;

int run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000))
        return -1;
    return p.exitCode();
}

QString output(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

void xdotool(const QStringList& args)
{
    ASSERT_EQ(run("xdotool", args), 0) << args.join(' ').toStdString();
}

// The window manager (openbox) may still be starting when a busy machine runs the test.
bool waitForWindowManager()
{
    return QTest::qWaitFor([] { return output("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"); },
                           20000);
}

// Raw key presses as they come off Qt's connection, seen before X11Hotkeys looks at them.
class PressSpy final : public QAbstractNativeEventFilter {
public:
    struct Press { xcb_keycode_t code; std::uint16_t state; };
    std::vector<Press> presses;
    PressSpy() { QCoreApplication::instance()->installNativeEventFilter(this); }
    ~PressSpy() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        auto* ev = static_cast<xcb_generic_event_t*>(message);
        if ((ev->response_type & ~0x80) == XCB_KEY_PRESS) {
            auto* kp = reinterpret_cast<xcb_key_press_event_t*>(ev);
            presses.push_back({kp->detail, kp->state});
        }
        return false;
    }
};

// A second X client with its own connection, to hold grabs and to look at the keymap.
class OtherClient {
public:
    OtherClient() : c_(xcb_connect(nullptr, nullptr))
    {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        syms_ = xcb_key_symbols_alloc(c_);
    }
    ~OtherClient()
    {
        xcb_key_symbols_free(syms_);
        xcb_disconnect(c_);
    }
    bool ok() const { return !xcb_connection_has_error(c_); }
    std::vector<xcb_keycode_t> keycodes(std::uint32_t keysym) const
    {
        std::vector<xcb_keycode_t> out;
        if (xcb_keycode_t* list = xcb_key_symbols_get_keycode(syms_, keysym)) {
            for (xcb_keycode_t* k = list; *k; ++k)
                out.push_back(*k);
            std::free(list);
        }
        return out;
    }
    bool grab(std::uint32_t keysym, std::uint16_t mods)
    {
        bool all = true;
        for (xcb_keycode_t code : keycodes(keysym)) {
            auto cookie = xcb_grab_key_checked(c_, 1, root_, mods, code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
            if (xcb_generic_error_t* e = xcb_request_check(c_, cookie)) {
                all = false;
                std::free(e);
            }
        }
        return all;
    }
    void ungrab(std::uint32_t keysym, std::uint16_t mods)
    {
        for (xcb_keycode_t code : keycodes(keysym))
            xcb_ungrab_key(c_, code, root_, mods);
        sync();
    }

private:
    void sync() { std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr)); }
    xcb_connection_t* c_;
    xcb_window_t root_ = 0;
    xcb_key_symbols_t* syms_ = nullptr;
};

class X11HotkeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "run through tests/xsession.sh";
        ASSERT_TRUE(waitForWindowManager());
        keys.setPressHandler([this](int id) {
            onUiThread = onUiThread && QThread::currentThread() == qApp->thread();
            got.push_back(id);
        });
    }
    void TearDown() override
    {
        if (dummy.state() != QProcess::NotRunning) {
            dummy.kill();
            dummy.waitForFinished();
        }
    }

    // Another X client, a small xmessage window, takes the keyboard focus.
    void focusOtherClient()
    {
        dummy.start("xmessage", {"-title", "HotkeyFocusDummy", "-geometry", "300x80+50+50", "focus here"});
        ASSERT_TRUE(dummy.waitForStarted());
        const QString win = output("xdotool", {"search", "--sync", "--name", "HotkeyFocusDummy"}).section('\n', 0, 0);
        ASSERT_FALSE(win.isEmpty());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                run("xdotool", {"windowactivate", win});
                return QTest::qWaitFor([&] { return output("xdotool", {"getwindowfocus"}) == win; }, 1000);
            },
            10000));
    }

    // Waits until `n` presses arrived, then a little longer to catch any extra one.
    std::vector<int> pressesAfter(std::size_t n)
    {
        if (n > 0)
            (void)QTest::qWaitFor([&] { return got.size() >= n; }, 3000);
        QTest::qWait(n > 0 ? 150 : 400);
        auto out = got;
        got.clear();
        return out;
    }

    X11Hotkeys keys;
    std::vector<int> got;
    bool onUiThread = true;
    QProcess dummy;
};

using Ids = std::vector<int>;

} // namespace

TEST_F(X11HotkeysTest, PressesReachTheirIdsWhileAnotherClientHasTheFocus)
{
    ASSERT_TRUE(keys.registerKey(1, 0, kF5));
    ASSERT_TRUE(keys.registerKey(2, kCtrl, kF5));
    ASSERT_TRUE(keys.registerKey(9, 0, kNum3));
    focusOtherClient();

    xdotool({"key", "F5"});
    EXPECT_EQ(pressesAfter(1), Ids{1});
    xdotool({"key", "ctrl+F5"});
    EXPECT_EQ(pressesAfter(1), Ids{2});
    xdotool({"key", "KP_3"});
    EXPECT_EQ(pressesAfter(1), Ids{9});
    // Combinations that were not registered stay with the focused client.
    xdotool({"key", "shift+F5"});
    xdotool({"key", "alt+F5"});
    xdotool({"key", "F6"});
    EXPECT_EQ(pressesAfter(0), Ids{});
    // Caps Lock on does not hide a hotkey, with Num Lock off or on.
    PressSpy spy;
    ASSERT_EQ(run("numlockx", {"off"}), 0);
    xdotool({"key", "Caps_Lock"});
    xdotool({"key", "F5"});
    EXPECT_EQ(pressesAfter(1), Ids{1});
    ASSERT_EQ(run("numlockx", {"on"}), 0);
    xdotool({"key", "F5"});
    EXPECT_EQ(pressesAfter(1), Ids{1});
    xdotool({"key", "Caps_Lock"});
    ASSERT_EQ(spy.presses.size(), 2u);
    EXPECT_EQ(spy.presses[0].state & (XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2), XCB_MOD_MASK_LOCK);
    EXPECT_EQ(spy.presses[1].state & (XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2), XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2);
    EXPECT_TRUE(onUiThread);
}

TEST_F(X11HotkeysTest, AHotkeyPressIsNotAlsoAKeyPressOfTheProgramsOwnFocusedWindow)
{
    struct KeyWidget : QWidget {
        std::vector<int> keys;
        void keyPressEvent(QKeyEvent* e) override { keys.push_back(e->key()); }
    } w;
    w.setWindowTitle("HotkeyOwnWindow");
    w.resize(200, 100);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    ASSERT_TRUE(keys.registerKey(1, 0, kF5));
    xdotool({"key", "F5"});
    xdotool({"key", "a"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.keys.empty(); }, 3000));
    EXPECT_EQ(pressesAfter(1), Ids{1});
    EXPECT_EQ(w.keys, std::vector<int>{Qt::Key_A});
}

TEST_F(X11HotkeysTest, KeysHeldByAnotherClientAreRefusedAndLeaveNoPartialGrab)
{
    OtherClient other;
    ASSERT_TRUE(other.ok());
    ASSERT_TRUE(other.grab(XK_F6, 0));
    EXPECT_FALSE(keys.registerKey(2, 0, kF6));
    EXPECT_TRUE(keys.registerKey(2, kCtrl, kF6)); // another combination of the same key is free

    // Only the Caps Lock variant of F7 is taken: F7 is refused as a whole, and the variants that
    // had been grabbed before the refusal are released again.
    ASSERT_TRUE(other.grab(XK_F7, XCB_MOD_MASK_LOCK));
    EXPECT_FALSE(keys.registerKey(3, 0, kF7));
    other.ungrab(XK_F7, XCB_MOD_MASK_LOCK);
    EXPECT_TRUE(other.grab(XK_F7, 0));
    other.ungrab(XK_F7, 0);

    // openbox holds Alt+Tab for window switching (once it has set up its key bindings).
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            if (!other.grab(XK_Tab, XCB_MOD_MASK_1))
                return true;
            other.ungrab(XK_Tab, XCB_MOD_MASK_1);
            return false;
        },
        10000));
    EXPECT_FALSE(keys.registerKey(5, kAlt, kTab));

    // Unregistering gives the key back to the others.
    ASSERT_TRUE(keys.registerKey(4, 0, kF7));
    EXPECT_FALSE(other.grab(XK_F7, 0));
    keys.unregisterKey(4);
    EXPECT_TRUE(other.grab(XK_F7, 0));
}

TEST_F(X11HotkeysTest, OneKeyServesOneIdAndUnregisteredOrUnhandledKeysDoNothing)
{
    ASSERT_TRUE(keys.registerKey(1, 0, kF5));
    EXPECT_FALSE(keys.registerKey(3, 0, kF5));
    EXPECT_FALSE(keys.registerKey(4, 0, 0));   // no key
    EXPECT_FALSE(keys.registerKey(4, 0, 255)); // no keysym for it
    ASSERT_TRUE(keys.registerKey(2, 0, kF6));
    focusOtherClient();
    xdotool({"key", "F5"});
    EXPECT_EQ(pressesAfter(1), Ids{1});

    // Registering an id again replaces its key, and frees the old one for another id.
    ASSERT_TRUE(keys.registerKey(1, 0, kF7));
    EXPECT_TRUE(keys.registerKey(3, 0, kF5));
    xdotool({"key", "F7"});
    xdotool({"key", "F5"});
    EXPECT_EQ(pressesAfter(2), (Ids{1, 3}));

    keys.unregisterKey(1);
    keys.unregisterKey(7); // never registered: harmless
    xdotool({"key", "F7"});
    xdotool({"key", "F6"});
    EXPECT_EQ(pressesAfter(1), Ids{2});

    // Without a handler a press is dropped, not kept for later.
    keys.setPressHandler(nullptr);
    xdotool({"key", "F6"});
    QTest::qWait(300);
    keys.setPressHandler([this](int id) { got.push_back(id); });
    EXPECT_EQ(pressesAfter(0), Ids{});
    xdotool({"key", "F6"});
    EXPECT_EQ(pressesAfter(1), Ids{2});
}

TEST_F(X11HotkeysTest, AHeldKeyActsOnceThoughTheServerRepeatsIt)
{
    ASSERT_EQ(run("xset", {"r", "on"}), 0);
    ASSERT_EQ(run("xset", {"r", "rate", "250", "30"}), 0);
    ASSERT_TRUE(keys.registerKey(1, 0, kF5));
    focusOtherClient();
    PressSpy spy; // after the first grab, so it sees the presses before X11Hotkeys does

    xdotool({"keydown", "F5"});
    QTest::qWait(1000);
    xdotool({"keyup", "F5"});
    EXPECT_EQ(pressesAfter(1), Ids{1});
    EXPECT_GT(spy.presses.size(), 5u) << "the server did not repeat the held key";

    // The next real press acts again, also right after the release.
    xdotool({"key", "F5"});
    EXPECT_EQ(pressesAfter(1), Ids{1});
    xdotool({"key", "--repeat", "3", "--delay", "50", "F5"});
    EXPECT_EQ(pressesAfter(3), (Ids{1, 1, 1}));
}

TEST_F(X11HotkeysTest, KeypadDigitWorksWithNumLockOnAndOff)
{
    ASSERT_TRUE(keys.registerKey(9, 0, kNum3));
    focusOtherClient();
    PressSpy spy;
    OtherClient other;
    const auto kp3 = other.keycodes(XK_KP_3);
    ASSERT_FALSE(kp3.empty());
    EXPECT_EQ(other.keycodes(XK_KP_Next), kp3) << "KP_3 and KP_Next share their key";

    ASSERT_EQ(run("numlockx", {"on"}), 0);
    xdotool({"key", "KP_3"});
    EXPECT_EQ(pressesAfter(1), Ids{9});
    ASSERT_EQ(run("numlockx", {"off"}), 0);
    xdotool({"key", "KP_Next"});
    EXPECT_EQ(pressesAfter(1), Ids{9});

    // The two presses differ in the Num Lock modifier (Mod2 here) only.
    ASSERT_EQ(spy.presses.size(), 2u);
    EXPECT_EQ(spy.presses[0].code, kp3[0]);
    EXPECT_EQ(spy.presses[1].code, kp3[0]);
    EXPECT_NE(spy.presses[0].state & XCB_MOD_MASK_2, 0);
    EXPECT_EQ(spy.presses[1].state & XCB_MOD_MASK_2, 0);
}

// Every virtual-key code that the table maps has a key in the server's keymap, except the keypad
// separator: the US keymap has no KP_Separator (the keypad's comma key is KP_Decimal here).
TEST(X11VirtualKeys, EveryMappedCodeHasAKeyInTheLiveKeymap)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY"));
    OtherClient x;
    ASSERT_TRUE(x.ok());
    std::vector<int> mapped, missing;
    for (int vk = 0; vk < 256; ++vk) {
        const auto sym = KeysymForVirtualKey(vk);
        if (!sym)
            continue;
        mapped.push_back(vk);
        if (x.keycodes(sym).empty())
            missing.push_back(vk);
    }
    EXPECT_EQ(mapped.size(), 80u);
    EXPECT_EQ(missing, std::vector<int>{108});
}

TEST_F(X11HotkeysTest, ARegistrationAfterAKeyboardRemappingUsesTheNewMapping)
{
    ASSERT_TRUE(keys.registerKey(1, 0, kF5)); // the mapping is fetched now
    const QString line = output("sh", {"-c", "xmodmap -pke | grep -m1 '= F6 '"});
    const QString keycode = line.simplified().section(' ', 1, 1);
    ASSERT_FALSE(keycode.isEmpty()) << "F6 has no keycode on this server";
    ASSERT_EQ(run("xmodmap", {"-e", "keycode " + keycode + " ="}), 0);
    QTest::qWait(300); // the MappingNotify arrives
    EXPECT_FALSE(keys.registerKey(2, 0, kF6)) << "F6 was grabbed on keycode " << keycode.toStdString() << ", which it no longer has";
    ASSERT_EQ(run("xmodmap", {"-e", "keycode " + keycode + " = F6"}), 0);
    QTest::qWait(300);
    EXPECT_TRUE(keys.registerKey(2, 0, kF6));
}
