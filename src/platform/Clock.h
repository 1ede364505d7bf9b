#pragma once
#include <QDateTime>
#include <QtGlobal>
#include <chrono>
#include <time.h>

// The current local date and time, and a monotonic clock for measuring spans.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds from an arbitrary origin; never goes back, whatever the date and time are set
    // to, and goes on while the computer sleeps.
    virtual qint64 monotonicMs() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 monotonicMs() const override
    {
        timespec t{};
        clock_gettime(CLOCK_BOOTTIME, &t);
        return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
    }
};

// Milliseconds from a fixed point, never going back (not the time of day): for spans of time.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual qint64 msecs() const = 0;
};

class SteadyClock final : public MonotonicClock {
public:
    qint64 msecs() const override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};
