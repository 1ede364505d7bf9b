// The hotkeys through the desktop's global-shortcuts portal: the whole program on test doubles,
// with the real portal service on a private bus and the stand-in portal; the X11 grabs it falls
// back on are the hotkeys double.
#include "support/SessionBus.h"
#include "support/TestApp.h"

#include "hotkeys/HotKeyCaptions.h"
#include "hotkeys/HotKeyForm.h"
#include "hotkeys/HotKeys.h"
#include "menu/MenuForm.h"
#include "platform/hotkeys/PortalHotkeys.h"

#include <QAction>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString Fill(int n) { return QString(n, QChar(0x3000)); }

// The program with the portal service for its hotkeys.
struct PortalApp {
    explicit PortalApp(const QString& bus, const QStringList& ini = {"[COMMSET]"}) : keys(bus, w.hotkeys, HotKeyActions(), clock)
    {
        w.writeIni(ini);
        started = app.Start();
    }
    FakeWorld w;
    SystemClock clock;
    PortalHotkeys keys;
    Services services = w.with(keys);
    App app{services};
    bool started = false;
};

// The stand-in's lines but the sessions' (their paths name the program's connection).
const QRegularExpression kCalls("^(?!session )");

} // namespace

TEST(PortalHotkeys, TheStoredKeysAreProposedActAsOfferedAndTheDesktopsKeysAreShown)
{
    PrivateSessionBus bus;
    PortalStandIn portal(bus.address());
    ASSERT_TRUE(portal.ready());
    PortalApp p(bus.address(), {"[COMMSET]", "HotKeySetA10=Ctrl", "HotKeySetB10=116", "HotKeyDesc10=Ctrl+F5", "HotKeyDesc2=NotSet"});
    ASSERT_TRUE(p.started);
    ASSERT_GE(portal.waitFor("bind"), 0);
    EXPECT_EQ(portal.log().filter(kCalls), QStringList({"ready", "register io.horalto.Horalto",
                                                "bind start=F5 reset= toolbar=F7 fullscreen=F8 main=F9 pause=Pause "
                                                "scheme1=KP_1 scheme2=KP_2 scheme3=KP_3 scheme4=CTRL+F5 scheme5=KP_5 next= switch="}));
    MenuForm& menu = p.app.menuForm();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.app.hotKeys().Statuses()[10].bound.has_value(); }, 5000));
    EXPECT_TRUE(p.w.hotkeys.registered.empty()) << "X11 grabs beside the portal";
    EXPECT_EQ(QStringList({menu.MJsFa[4]->text(), menu.MJsFa[1]->text(), menu.MJishiEnd->text()}),
              QStringList({"计时方案四" + Fill(2) + "Ctrl+F5", "计时方案一" + Fill(2) + "Num1", "复位"}));

    // Each step waits for its outcome; one that wrongly acted shows at the step after it.
    TimingSession& s = p.app.session;
    struct Step { const char* command; TimingPhase phase; int scheme; };
    const Step steps[] = {
        {"activate scheme3 100", TimingPhase::Idle, 3},
        {"activate start 200", TimingPhase::Running, 3},
        {"activate scheme1 300", TimingPhase::Running, 3}, // not offered while timing
        {"activate pause 400", TimingPhase::Paused, 3},
        {"activate pause 450", TimingPhase::Paused, 3},    // held down
        {"deactivate pause 500", TimingPhase::Paused, 3},
        {"activate reset 600", TimingPhase::Paused, 3},    // switched off in config.ini
        {"activate pause 700", TimingPhase::Running, 3},
    };
    for (const Step& step : steps) {
        portal.send(step.command);
        EXPECT_TRUE(QTest::qWaitFor([&] { return s.Phase() == step.phase && s.FangAnId() == step.scheme; }, 3000))
            << step.command;
    }

    // The desktop changes a key, and leaves one without a key.
    portal.send("change start Ctrl+Alt+S");
    portal.send("change scheme4");
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu.MJsFa[4]->text() == "计时方案四"; }, 3000));
    EXPECT_EQ(menu.MJishiStart->text(), "计时" + Fill(5) + "Ctrl+Alt+S");

    // The dialog shows the desktop's keys, opens its settings, and a saved key is proposed.
    const int before = portal.log().size();
    EXPECT_TRUE(WithModal<HotKeyForm>([&] { p.app.ShowHotKeyForm(&p.app.mainForm()); }, [&](HotKeyForm& f) {
        EXPECT_EQ(QStringList({f.Text1[1]->text(), f.Text1[10]->text()}), QStringList({"Ctrl+Alt+S", "NotSet"}));
        ASSERT_FALSE(f.Command3->isHidden());
        f.Command3->click();
        QTest::keyClick(f.Text1[1], Qt::Key_F2, Qt::ShiftModifier);
        f.Command1->click();
    }));
    QTest::keyRelease(&p.app.mainForm(), Qt::Key_Shift); // Qt keeps Shift held after the click above
    ASSERT_GE(portal.waitFor("bind", before), 0);
    const QString calls = portal.log().mid(before).filter(kCalls).join(" | ");
    EXPECT_TRUE(QRegularExpression("^configure x11:[0-9a-f]+ \\| close /\\S+ \\| bind start=SHIFT\\+F2 reset= toolbar=F7 ")
                    .match(calls).hasMatch()) << calls.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu.MJishiStart->text() == "计时" + Fill(5) + "Shift+F2"; }, 3000));
}

TEST(PortalHotkeys, WithoutTheDesktopsShortcutsTheKeysAreGrabbedAsToday)
{
    PrivateSessionBus bus;
    const Grabs defaults = {{1, {0, 116}}, {2, {0, 117}},  {3, {0, 118}},  {4, {0, 119}},
                            {5, {0, 120}}, {6, {0, 19}},   {7, {0, 97}},   {8, {0, 98}},
                            {9, {0, 99}},  {10, {0, 100}}, {11, {0, 101}}};
    struct Case {
        const char* what;
        std::optional<QStringList> portal; // options of the stand-in; none: no portal on the bus
        QByteArray afterBinding;           // what the desktop does once the keys are bound
        bool noBus = false;
    };
    const Case cases[] = {
        {"no session bus", std::nullopt, {}, true},
        {"no portal", std::nullopt, {}},
        {"a portal without global shortcuts", QStringList{"--no-shortcuts"}, {}},
        {"the user declines", QStringList{"--refuse"}, {}},
        {"the desktop closes the session", QStringList{}, "close-session"},
        {"the portal goes away", QStringList{}, "quit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<PortalStandIn> portal;
        if (c.portal)
            ASSERT_TRUE(portal.emplace(bus.address(), *c.portal).ready());
        PortalApp p(c.noBus ? QString() : bus.address());
        ASSERT_TRUE(p.started);
        if (!c.afterBinding.isEmpty()) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return p.app.hotKeys().Statuses()[1].bound.has_value(); }, 5000));
            EXPECT_TRUE(p.w.hotkeys.registered.empty());
            portal->send(c.afterBinding);
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return Registered(p.w.hotkeys) == defaults; }, 5000));
        EXPECT_TRUE(p.keys.fellBack());
        EXPECT_EQ(p.app.menuForm().MJishiStart->text(), "计时" + Fill(5) + "F5");
        p.w.hotkeys.press(1);
        EXPECT_EQ(p.app.session.Phase(), TimingPhase::Running);
    }
}

TEST(PortalHotkeys, AHeldKeyActsOnceByTheProgramsOwnClockAndAMissingReleaseEndsIt)
{
    PrivateSessionBus bus;
    PortalStandIn portal(bus.address());
    ASSERT_TRUE(portal.ready());
    FakeClock clock;
    FakeHotkeys fallback;
    PortalHotkeys keys(bus.address(), fallback, HotKeyActions(), clock);
    int presses = 0;
    keys.setPressHandler([&](int) { ++presses; });
    ASSERT_TRUE(keys.registerKey(1, 0, 116));
    ASSERT_TRUE(QTest::qWaitFor([&] { return keys.boundKey(1).has_value(); }, 5000));
    const QString session = portal.log().filter(QRegularExpression("^session ")).value(0).mid(8);

    // The desktop's time stamps are 0 throughout, as KDE Plasma sends them.
    struct Step { qint64 at; const char* signal; int presses; } const steps[] = {
        {10000, "Activated", 1},
        {10040, "Activated", 1}, // the key repeats while held
        {10900, "Activated", 1},
        {10950, "Deactivated", 1},
        {10960, "Activated", 2}, // pressed again
        {12000, "Activated", 3}, // no release came: a new press (an invoked shortcut)
        {12100, "Activated", 3},
        {13200, "Activated", 4},
    };
    for (const Step& step : steps) {
        clock.ms = step.at;
        QDBusMessage m = QDBusMessage::createSignal("/org/freedesktop/portal/desktop", "org.freedesktop.portal.GlobalShortcuts", step.signal);
        m << QVariant::fromValue(QDBusObjectPath(session)) << QString("start") << quint64(0) << QVariantMap();
        ASSERT_TRUE(QMetaObject::invokeMethod(&keys, QByteArray("on") + step.signal, Q_ARG(QDBusMessage, m)));
        EXPECT_EQ(presses, step.presses) << step.at;
    }
}
