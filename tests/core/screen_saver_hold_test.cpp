// The screen saver is held off while a timing runs or is paused and while the full-screen window
// shows; released as soon as neither holds, and when the program ends.
#include "support/SessionBus.h"
#include "support/TestApp.h"

#include "platform/desktop/DesktopScreenSaver.h"
#include "windows/MainForm.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// 'S' start, 'P' pause or continue, 'R' reset, 'F' full screen, 'M' back to the main window,
// 'E' ticks up to the end of the timing, 'X' the exit command, 'D' the program object goes.
void run(TestApp& t, const char* steps)
{
    for (const char* s = steps; *s; ++s) {
        switch (*s) {
        case 'S': t.app->Run(CommandId::Start); break;
        case 'P': t.app->Run(CommandId::PauseContinue); break;
        case 'R': t.app->Run(CommandId::Reset); break;
        case 'F': t.app->Run(CommandId::FullScreenMode); break;
        case 'M': t.app->Run(CommandId::BackToMain); break;
        case 'X': t.w.dialogs.questionAnswers = {true}; t.app->Run(CommandId::Exit); break; // "是" if asked
        case 'D': t.app.reset(); break;
        case 'E':
            for (int i = 0; i < 5 && t.m().Phase() != TimingPhase::Idle; ++i)
                t.app->mainForm().Timer1_Timer();
            break;
        }
    }
}

// The calls the service got: 'H' hold, 'L' let go.
std::string calls(const FakeScreenSaver& s)
{
    std::string out;
    for (bool held : s.calls)
        out += held ? 'H' : 'L';
    return out;
}

} // namespace

TEST(ScreenSaverHold, HeldWhileTimingOrFullScreenAndOnlyOnChange)
{
    struct Case {
        const char* finish; // FINSHSTATE: 0 main window, 2 full screen, 3 stay
        const char* steps;
        const char* calls;
    } const cases[] = {
        {"3", "S", "H"},
        {"3", "SPPP", "H"},      // a pause keeps the hold
        {"3", "SPR", "HL"},
        {"3", "SE", "HL"},       // the end, display staying as it is
        {"0", "SFE", "HL"},      // the end back in the main window
        {"2", "SE", "H"},        // the end in full screen: still shown
        {"2", "SEM", "HL"},
        {"3", "F", "H"},
        {"3", "FSRM", "HL"},     // full screen and timing: one hold
        {"3", "SFMR", "HL"},
        {"3", "SX", "HL"},       // the exit command
        {"3", "SXD", "HL"},
        {"3", "SPD", "HL"},      // the program object goes however it ends
        {"3", "RMD", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.finish) + " " + c.steps);
        TestApp t;
        ASSERT_TRUE(t.start({"[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=02", "[COMMSET1]", QString("FINSHSTATE=") + c.finish}));
        run(t, c.steps);
        EXPECT_EQ(calls(t.w.screenSaver), c.calls);
    }
}

// The same rules on a real session bus: the matching UnInhibit with the same cookie.
TEST(ScreenSaverHold, InhibitAndUnInhibitOnTheSessionBus)
{
    PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    ScreenSaverRecorder recorder(bus.address());
    ASSERT_TRUE(recorder.registered());
    FakeWorld w;
    DesktopScreenSaver saver(bus.address());
    Services services{w.clock, w.random, w.sound, w.dialogs, w.dir, w.end, w.hotkeys, w.timers, w.events, w.programs, saver,
                      w.records, w.desktop, w.remote, w.qtTexts};
    App app(services);
    ASSERT_TRUE(app.Start());
    auto logSoon = [&](qsizetype n) {
        (void)QTest::qWaitFor([&] { return recorder.log().size() >= n; }, 3000);
        QTest::qWait(20); // room for a call that should not come
        return recorder.log().join(" | ").toStdString();
    };
    app.Run(CommandId::Start);
    app.Run(CommandId::PauseContinue);
    app.Run(CommandId::FullScreenMode);
    EXPECT_EQ(logSoon(1), "Inhibit 7001 Horalto 演讲计时");
    app.Run(CommandId::BackToMain);
    app.Run(CommandId::Reset);
    EXPECT_EQ(logSoon(2), "Inhibit 7001 Horalto 演讲计时 | UnInhibit 7001");
    app.Run(CommandId::FullScreenMode);
    saver.settle();
    app.Run(CommandId::Exit);
    EXPECT_EQ(logSoon(4), "Inhibit 7001 Horalto 演讲计时 | UnInhibit 7001 | Inhibit 7002 Horalto 演讲计时 | UnInhibit 7002");
}
