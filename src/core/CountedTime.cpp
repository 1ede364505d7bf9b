#include "core/CountedTime.h"

#include <algorithm>

void CountedTime::Start(qint64 now, qint64 untilBeat)
{
    *this = CountedTime();
    start_ = now;
    nextBeat_ = untilBeat;
}

void CountedTime::Pause(qint64 now)
{
    if (!Paused())
        pausedSince_ = now;
}

void CountedTime::Resume(qint64 now, qint64 untilBeat)
{
    if (!Paused())
        return;
    pausedMs_ += now - pausedSince_;
    pausedSince_ = -1;
    // The tick goes on on its own beat: the first tick after continuing takes one step, however
    // much of a second was left when the pause came.
    nextBeat_ = CountedMs(now) + untilBeat;
}

void CountedTime::Adjust(qint64 ms)
{
    start_ -= ms;
    nextBeat_ += ms;
}

qint64 CountedTime::CountedMs(qint64 now) const
{
    return (Paused() ? pausedSince_ : now) - start_ - pausedMs_;
}

qint64 CountedTime::PausedMs(qint64 now) const
{
    return pausedMs_ + (Paused() ? now - pausedSince_ : 0);
}

int CountedTime::Take(qint64 now, qint64 slack, int least)
{
    // The beats up to `now` + `slack`. A tick takes at least its own beat: one that comes early
    // (its beat was taken by a command, or the tick's phase was guessed late) keeps the counter
    // within a beat of its time; the beats it takes from then on stay one a tick.
    const qint64 late = CountedMs(now) + slack - nextBeat_;
    const int due = std::max<qint64>(least, late < 0 ? 0 : late / kBeat + 1);
    nextBeat_ += due * kBeat;
    return due;
}

// A tick may come a few milliseconds before its beat, and any time up to a beat after it while
// the tick keeps its phase; a tick later than that has missed beats.
int CountedTime::TakeTick(qint64 now) { return Take(now, kBeat / 10, 1); }

int CountedTime::TakeOverdue(qint64 now) { return Take(now, -kBeat, 0); }

qint64 CountedTime::UntilBeat(qint64 lastTick, qint64 now)
{
    const qint64 r = ((lastTick - now) % kBeat + kBeat) % kBeat;
    return r == 0 ? kBeat : r;
}
