// Runs the program's one-second tick timer for a while and prints how far the k-th tick lies
// from start + k seconds: the largest offset and the final one (ms), and any lost tick.
// Usage: drift [SECONDS]  (default 120)
#include "platform/Timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cmath>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 120;
    QtTimerFactory timers;
    QElapsedTimer clock;
    int ticks = 0;
    double worst = 0, last = 0;
    int lost = 0;
    std::unique_ptr<IntervalTimer> tick = timers.create(1000, [&] {
        ++ticks;
        const double offset = clock.nsecsElapsed() / 1e6 - ticks * 1000.0;
        if (offset > 1000.0)
            lost = int(offset / 1000.0);
        worst = std::max(worst, std::abs(offset));
        last = offset;
        if (ticks == seconds)
            app.quit();
    });
    clock.start();
    tick->setEnabled(true);
    app.exec();
    std::printf("ticks %d, max offset %.2f ms, final offset %.2f ms, lost ticks %d\n", ticks, worst, last, lost);
    return 0;
}
