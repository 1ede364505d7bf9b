#include "platform/desktop/DesktopScreenSaver.h"
#include "support/SessionBus.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

std::string text(const QStringList& lines) { return lines.join(" | ").toStdString(); }

QStringList messages;
void keepMessage(QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; }

// Runs the steps: 'H' hold, 'R' release, 's' settle.
void run(DesktopScreenSaver& s, const QString& steps)
{
    for (const QChar step : steps) {
        if (step == 'H')
            s.setHeld(true);
        else if (step == 'R')
            s.setHeld(false);
        else if (step == 's')
            s.settle();
    }
}

} // namespace

TEST(DesktopScreenSaver, OneInhibitPerHoldReleasedWithItsCookie)
{
    PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    ScreenSaverRecorder recorder(bus.address());
    ASSERT_TRUE(recorder.registered());
    const QString in1 = "Inhibit 7001 Horalto 演讲计时", un1 = "UnInhibit 7001";
    const QString in2 = "Inhibit 7002 Horalto 演讲计时", un2 = "UnInhibit 7002";
    struct Case {
        const char* steps;
        QStringList beforeEnd; // once the calls on the way have arrived
        QStringList atEnd;     // added when the inhibitor goes
    } const cases[] = {
        {"HsHsRR", {in1, un1}, {}},
        {"Hs", {in1}, {un1}},
        {"HR", {in1, un1}, {}},           // released before the cookie came
        {"HRH", {in1}, {un1}},            // held again before the cookie came: still one inhibit
        {"HsRHs", {in1, un1, in2}, {un2}},
        {"R", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.steps);
        recorder.reset();
        auto s = std::make_unique<DesktopScreenSaver>(bus.address());
        run(*s, c.steps);
        (void)QTest::qWaitFor([&] { return recorder.log().size() >= c.beforeEnd.size(); }, 3000);
        QTest::qWait(20); // room for a call that should not come
        EXPECT_EQ(text(recorder.log()), text(c.beforeEnd));
        s.reset();
        EXPECT_EQ(text(recorder.log()), text(c.beforeEnd + c.atEnd));
    }
}

TEST(DesktopScreenSaver, WithoutServiceOrBusItDoesNothingAndSaysNothing)
{
    PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().isEmpty());
    for (const QString& address : {bus.address(), QString(), QStringLiteral("unix:path=/nonexistent/bus")}) {
        messages.clear();
        const QtMessageHandler old = qInstallMessageHandler(keepMessage);
        {
            DesktopScreenSaver s(address);
            run(s, "HsRHs");
        }
        qInstallMessageHandler(old);
        EXPECT_EQ(text(messages), "") << address.toStdString();
    }
}
