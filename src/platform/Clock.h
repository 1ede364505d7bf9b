#pragma once
#include <QDateTime>
#include <chrono>

// The current local date and time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
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
