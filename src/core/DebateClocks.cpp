#include "core/DebateClocks.h"

#include "core/TimeText.h"
#include "core/TimingRecord.h"

#include <algorithm>

void DebateClocks::Configure(const Scheme& scheme)
{
    scheme_ = scheme;
    Reset();
}

void DebateClocks::Reset()
{
    for (Side& s : sides_) {
        s = Side();
        s.counted.Start(0, CountedTime::kBeat);
        s.counted.Pause(0);
        // A prompt beyond the length is never reached, as on a speech's counter.
        for (int k = 0; k < 5; ++k)
            s.prompted[k] = scheme_.promptSeconds[k] <= 0 || scheme_.promptSeconds[k] > scheme_.lengthSeconds;
    }
    floor_ = 0;
    running_ = false;
}

void DebateClocks::Restore(const std::array<qint64, 2>& countedMs, int floor, bool paused, qint64 now)
{
    Reset();
    for (int side = 0; side < 2; ++side) {
        Side& s = sides_[side];
        s.counted.Adjust(std::max<qint64>(countedMs[side], 0));
        s.gone = s.counted.CountedMs(0) >= LengthMs();
        const std::int32_t remaining = RemainingSeconds(side, 0);
        std::int32_t nearest = -1;
        for (int k = 0; k < 5; ++k) {
            const std::int32_t p = scheme_.promptSeconds[k];
            if (p <= 0 || p > scheme_.lengthSeconds || remaining >= p)
                continue;
            s.prompted[k] = true;
            if (scheme_.promptColors[k] && (nearest < 0 || p <= nearest)) {
                nearest = p;
                s.signal = scheme_.promptColors[k];
            }
        }
    }
    floor_ = floor == 1 ? 1 : 0;
    if (!paused) {
        Run(floor_, now);
        running_ = true;
    }
}

void DebateClocks::Start(qint64 now)
{
    Reset();
    Run(0, now);
    running_ = true;
}

void DebateClocks::Run(int side, qint64 now) { sides_[side].counted.Resume(now, CountedTime::kBeat); }

void DebateClocks::Stop(int side, qint64 now) { sides_[side].counted.Pause(now); }

void DebateClocks::Pause(qint64 now)
{
    if (!running_)
        return;
    Stop(floor_, now);
    running_ = false;
}

void DebateClocks::Resume(qint64 now)
{
    if (running_)
        return;
    Run(floor_, now);
    running_ = true;
}

bool DebateClocks::CanSwitch() const { return !sides_[1 - floor_].gone || scheme_.overtime; }

bool DebateClocks::Switch(qint64 now)
{
    if (!CanSwitch())
        return false;
    // Both at the same reading: what one clock stops counting the other counts.
    if (running_)
        Stop(floor_, now);
    floor_ = 1 - floor_;
    if (running_)
        Run(floor_, now);
    return true;
}

DebateEvents DebateClocks::Tick(qint64 now)
{
    DebateEvents ev;
    // At most one hand-over a tick: the second side's end comes in the same round at the latest.
    for (int round = 0; round < 2 && running_; ++round) {
        Side& s = sides_[floor_];
        const qint64 counted = s.counted.CountedMs(now);
        if (s.gone)
            break;
        const std::int32_t remaining = RemainingSeconds(floor_, now);
        for (int k = 0; k < 5; ++k) {
            if (s.prompted[k] || remaining > scheme_.promptSeconds[k])
                continue;
            s.prompted[k] = true;
            ev.prompt = true;
            if (scheme_.promptColors[k])
                s.signal = scheme_.promptColors[k];
            else
                ev.blinks = true;
        }
        if (counted < LengthMs())
            break;
        s.gone = true;
        ev.sideEnded = true;
        const int other = 1 - floor_;
        ev.bothEnded = sides_[other].gone;
        if (scheme_.overtime)
            break; // the side keeps the floor and counts on beyond its end
        // The clock stops at its end; the time since then belongs to the other side.
        const qint64 excess = counted - LengthMs();
        Stop(floor_, now);
        s.counted.Adjust(-excess);
        if (ev.bothEnded) {
            running_ = false;
            break;
        }
        floor_ = other;
        Run(other, now);
        sides_[other].counted.Adjust(excess);
    }
    return ev;
}

int DebateClocks::Adjust(int seconds, qint64 now)
{
    Side& s = sides_[floor_];
    if (s.gone)
        return 0;
    const qint64 counted = s.counted.CountedMs(now);
    // A clock that has reached its end (a tick has not said so yet) has no time to move: never
    // does a minus give time back.
    if (counted >= LengthMs())
        return 0;
    const auto most = [](qint64 ms) { return int(std::clamp<qint64>(ms / 1000, 0, 3600)); };
    const int applied = std::clamp(seconds, -most(LengthMs() - counted), most(counted));
    if (applied == 0)
        return 0;
    s.counted.Adjust(-qint64(applied) * 1000);
    const std::int32_t remaining = RemainingSeconds(floor_, now);
    s.signal.reset();
    std::int32_t nearest = -1;
    for (int k = 0; k < 5; ++k) {
        const std::int32_t p = scheme_.promptSeconds[k];
        if (p <= 0 || p > scheme_.lengthSeconds)
            continue;
        // Passed (heard or jumped over), or in front of the clock again; one the clock stands
        // on acts on the next tick, as it would have.
        s.prompted[k] = remaining < p;
        if (s.prompted[k] && scheme_.promptColors[k] && (nearest < 0 || p <= nearest)) {
            nearest = p;
            s.signal = scheme_.promptColors[k];
        }
    }
    return applied;
}

qint64 DebateClocks::CountedMs(int side, qint64 now) const { return sides_[side].counted.CountedMs(now); }

std::int32_t DebateClocks::CountedSeconds(int side, qint64 now) const
{
    return std::int32_t((std::min(CountedMs(side, now), LengthMs()) + 500) / 1000);
}

std::int32_t DebateClocks::OvertimeSeconds(int side, qint64 now) const
{
    return std::int32_t(std::max<qint64>(0, CountedMs(side, now) - LengthMs()) / 1000);
}

std::int32_t DebateClocks::RemainingSeconds(int side, qint64 now) const
{
    return std::max<std::int32_t>(0, scheme_.lengthSeconds - std::int32_t(CountedMs(side, now) / 1000));
}

QString DebateClocks::Text(int side, qint64 now) const
{
    if (sides_[side].gone && scheme_.overtime)
        return OvertimeText(OvertimeSeconds(side, now));
    return SecondsToTimeText(RemainingSeconds(side, now));
}

DebateShown DebateClocks::Shown(qint64 now, const QString& nameA, const QString& nameB) const
{
    DebateShown shown;
    shown.floor = floor_;
    shown.running = running_;
    for (int side = 0; side < 2; ++side)
        shown.sides[side] = {side == 0 ? nameA : nameB, Text(side, now), sides_[side].gone};
    return shown;
}
