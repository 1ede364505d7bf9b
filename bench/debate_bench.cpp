// A free debate of four minutes, the floor handed over every 5 s, on the session's own code:
// prints each side's counted time, their sum and the wall time the clocks ran. By default on
// a simulated clock whose ticks come 0..60 ms late (and one 2.5 s stall); with --real on the
// system's monotonic clock and the program's own one-second timer, in real time.
// Usage: debate_bench [--real] [SECONDS]   (default 240)
#include "support/CoreFakes.h"

#include "config/ConfigFile.h"
#include "core/TimingSession.h"
#include "platform/Timer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool real = argc > 1 && std::strcmp(argv[1], "--real") == 0;
    const int seconds = argc > 1 + real ? std::atoi(argv[1 + real]) : 240;
    QTemporaryDir tmp;
    QFile ini(tmp.path() + "/config.ini");
    ini.open(QIODevice::WriteOnly);
    ini.write("[JSSET1]\r\nJSHH=00\r\nJSMM=10\r\nJSSS=00\r\n[COMMSET1]\r\nDebate=Yes\r\n");
    ini.close();
    FixedDir dir(tmp.path());
    ConfigFile config(dir);
    FakeClock fake;
    SystemClock system;
    Clock& clock = real ? static_cast<Clock&>(system) : fake;
    FakeRandom random;
    FakeSound sound;
    FakeTimers fakeTimers;
    QtTimerFactory qtTimers;
    FakeEvents events;
    FakeScreenSaver screenSaver;
    TimingSession s(SessionServices{clock, random, sound, real ? static_cast<TimerFactory&>(qtTimers) : fakeTimers, events,
                                    screenSaver, dir},
                    config);
    s.SetFangAnId(1);
    s.ReadSchemeState();
    s.ShowLoadedScheme();
    s.StartTick();
    std::int32_t recorded[2] = {0, 0};
    QObject::connect(&s, &TimingSession::timingEnded, [&](const TimingRecord& r) {
        recorded[0] = (*r.sideSeconds)[0];
        recorded[1] = (*r.sideSeconds)[1];
    });

    const qint64 begin = clock.monotonicMs();
    s.StartTiming();
    int switches = 0;
    if (real) {
        QTimer handOver;
        QObject::connect(&handOver, &QTimer::timeout, [&] { s.SwitchSides(), ++switches; });
        handOver.start(5000);
        QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
        app.exec();
    } else {
        // Ticks every second, a little late each, one stall; the floor handed over every 5 s.
        qint64 nextSwitch = 5000, nextTick = 1000;
        for (qint64 t = 0; t < seconds * 1000;) {
            const qint64 tickAt = nextTick + (nextTick / 1000 == 100 ? 2500 : (nextTick * 7) % 61);
            // The ticks a stall held back come at once after it, as the timer's would.
            const qint64 step = std::max<qint64>(0, std::min(tickAt, nextSwitch) - t);
            fake.pass(step);
            t += step;
            if (t == nextSwitch) {
                s.SwitchSides(), ++switches;
                nextSwitch += 5000;
            } else {
                static_cast<FakeTimer&>(*s.Timer1).fire();
                nextTick += 1000;
            }
        }
    }
    const qint64 now = clock.monotonicMs();
    const DebateShown shown = s.Debate();
    s.ResetTiming();
    const double wall = (now - begin) / 1000.0;
    std::printf("%s clock, %d hand-overs in %.3f s\n", real ? "real" : "simulated", switches, wall);
    std::printf("side A %s shown, %d s recorded; side B %s shown, %d s recorded\n", qPrintable(shown.sides[0].text),
                recorded[0], qPrintable(shown.sides[1].text), recorded[1]);
    std::printf("sum of both sides %d s, wall time %.3f s, difference %.3f s\n", recorded[0] + recorded[1], wall,
                recorded[0] + recorded[1] - wall);
    return 0;
}
