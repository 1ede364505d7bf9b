#pragma once
#include <QDateTime>
#include <QtGlobal>
#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

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
#ifdef _WIN32
        return qint64(GetTickCount64()); // counts on through sleep, as CLOCK_BOOTTIME does
#else
        timespec t{};
        clock_gettime(CLOCK_BOOTTIME, &t);
        return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
#endif
    }
};
