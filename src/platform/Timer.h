#pragma once
#include <functional>
#include <memory>

// An interval timer on the user-interface thread. The tick handler is an ordinary function;
// tests use a timer that only ticks when they say so.
class IntervalTimer {
public:
    virtual ~IntervalTimer() = default;
    virtual void setEnabled(bool on) = 0;
    virtual bool isEnabled() const = 0;
    virtual int interval() const = 0;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<IntervalTimer> create(int intervalMs, std::function<void()> onTick) = 0;
};

// Real timers: Qt::PreciseTimer, so a one-second tick does not drift.
class QtTimerFactory final : public TimerFactory {
public:
    std::unique_ptr<IntervalTimer> create(int intervalMs, std::function<void()> onTick) override;
};
