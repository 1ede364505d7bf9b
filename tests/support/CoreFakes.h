#pragma once
// Test doubles for the services the timing session uses: a clock the test sets, scripted random
// numbers, recorded sounds, timers that tick on demand, waiting events, the screen-saver hold.
// Qt Core only.
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/ProgramEnv.h"
#include "platform/Random.h"
#include "platform/desktop/ScreenSaver.h"
#include "platform/sound/Sound.h"
#include "platform/Timer.h"

#include <QDateTime>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class FakeClock final : public Clock {
public:
    QDateTime t{QDate(2026, 12, 7), QTime(9, 0, 0)};
    qint64 ms = 0; // the monotonic reading
    QDateTime now() const override { return t; }
    qint64 monotonicMs() const override { return ms; }
    void advance(int seconds) { pass(qint64(seconds) * 1000); }
    void pass(qint64 msecs) { t = t.addMSecs(msecs), ms += msecs; }
};


class FakeRandom final : public Random {
public:
    std::deque<int> script; // values handed out first; afterwards `next`, counting up
    int next = 0;
    int calls = 0;
    int between(int low, int high) override;
    int secrets = 0; // secretBytes() calls; the n-th call gives bytes that all hold n
    QByteArray secretBytes(int count) override { return QByteArray(count, char(++secrets)); }
};

class FakeSound final : public Sound {
public:
    QStringList played;
    QStringList loaded;
    int prepared = 0;
    void play(const QString& path) override { played << path; }
    void prepare() override { ++prepared; }
    void load(const QStringList& paths) override { loaded = paths; }
};

class FakeTimer final : public IntervalTimer {
public:
    FakeTimer(int interval, std::function<void()> f) : interval_(interval), tick_(std::move(f)) {}
    void setEnabled(bool on) override { enabled_ = on; }
    bool isEnabled() const override { return enabled_; }
    int interval() const override { return interval_; }
    // One tick, as the real timer would give it: only while enabled.
    void fire() { if (enabled_) tick_(); }

private:
    int interval_;
    std::function<void()> tick_;
    bool enabled_ = false;
};

class FakeTimers final : public TimerFactory {
public:
    std::vector<FakeTimer*> made; // in creation order; owned by whoever asked for them
    std::unique_ptr<IntervalTimer> create(int intervalMs, std::function<void()> onTick) override;
};

class FakeEvents final : public EventPump {
public:
    int calls = 0;
    std::function<void()> pending; // what the waiting events do, run by every processPending()
    void processPending() override
    {
        ++calls;
        if (pending)
            pending();
    }
};

// Every setHeld() call in order, and the state asked for last.
class FakeScreenSaver final : public ScreenSaver {
public:
    std::vector<bool> calls;
    bool held = false;
    void setHeld(bool h) override
    {
        calls.push_back(h);
        held = h;
    }
};
