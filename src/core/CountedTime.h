#pragma once
#include <QtGlobal>

// The time a counter counts, read from a monotonic clock in milliseconds: it runs from its
// start, stands still while paused, and an adjustment moves it either way. The counter steps on
// the beats of the free-running one-second tick that fall while it runs: normally one beat per
// tick, but a tick that comes late by a beat or more (the program stalled) takes every beat it
// missed, so a stall costs the counter no second. Each side of a clock that counts
// several spans keeps one of these.
class CountedTime {
public:
    static constexpr qint64 kBeat = 1000;

    // Counting starts at `now` from nothing; the tick's next beat is `untilBeat` ms away.
    void Start(qint64 now, qint64 untilBeat);
    void Pause(qint64 now);
    void Resume(qint64 now, qint64 untilBeat);
    // Moves the counted time by `ms` and the beats with it: the owner moves its counter by as
    // much, and later ticks count on from there.
    void Adjust(qint64 ms);

    bool Paused() const { return pausedSince_ >= 0; }
    qint64 CountedMs(qint64 now) const;
    qint64 PausedMs(qint64 now) const;
    // The beats a tick of the running counter at `now` takes: at least one, more after a stall.
    int TakeTick(qint64 now);
    // The beats passed a beat ago or more that no tick has taken yet (the program stalled and a
    // command came before the late tick), taken now; 0 normally.
    int TakeOverdue(qint64 now);
    // The time until the next beat of a tick that last came at `lastTick` (0 < result <= kBeat).
    static qint64 UntilBeat(qint64 lastTick, qint64 now);

private:
    int Take(qint64 now, qint64 slack, int least);

    qint64 start_ = 0;        // the clock reading counting started from, less the adjustments
    qint64 pausedMs_ = 0;     // paused time before the current pause
    qint64 pausedSince_ = -1; // the reading the current pause began at; -1 while running
    qint64 nextBeat_ = kBeat; // the counted time of the next beat
};
