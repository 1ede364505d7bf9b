// Adjusting a running or paused timing: the chairperson gives the speaker time back or takes it.
#include "core/TimeText.h"
#include "core/TimingSession.h"
#include "platform/Clock.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {
// The overtime count an adjustment may reach: far beyond a day, far from overflowing.
constexpr std::int64_t kMostOvertime = std::numeric_limits<std::int32_t>::max() / 2;
} // namespace

int TimingSession::AdjustTime(int seconds)
{
    CatchUp();
    if (phase_ == TimingPhase::Idle || seconds == 0 || (!debate_ && CountDirection != 0 && CountDirection != 1) || !record_)
        return 0;
    int applied = 0;
    if (debate_) {
        // A debate: the side with the floor, on its own clock, brought up to the clock first (an
        // end that fell since the last tick hands the floor on or ends the timing).
        if (phase_ == TimingPhase::Running) {
            DebateTick();
            if (phase_ == TimingPhase::Idle || !record_)
                return 0;
        }
        applied = debateClocks_.Adjust(seconds, svc_.clock.monotonicMs());
        if (applied == 0)
            return 0;
        SetSignalColor(debateClocks_.FloorSignal());
        ShowDebate();
    } else if (overtime_) {
        // Beyond the end the end stays passed: a plus takes from the overtime counted, a minus
        // adds to it. The counter shows the overtime itself, and the next tick counts on from it.
        const std::int32_t before = overtimeSeconds_;
        overtimeSeconds_ = std::int32_t(std::clamp<std::int64_t>(std::int64_t(before) - seconds, 0, kMostOvertime));
        applied = before - overtimeSeconds_;
        if (applied == 0)
            return 0;
        SetCounterText(OvertimeText(overtimeSeconds_));
    } else {
        // CounterSeconds is what the next tick shows; once a tick has shown the counter, the
        // value on display is one step behind it. The counter stays within zero and the length:
        // counting down, a next value of 0 ends the timing on the next tick; counting up, the
        // length does.
        const int step = CountDirection == 0 ? -1 : 1;
        const int lead = countedTicks_ > 0 ? 1 : 0;
        const std::int64_t lowest = CountDirection == 0 ? 0 : lead;
        const std::int64_t highest = CountDirection == 0 ? TimeLenSeconds - lead : TimeLenSeconds;
        if (lowest > highest)
            return 0;
        // A plus moves a count-down up and a count-up down.
        const std::int64_t wanted = std::int64_t(CounterSeconds) - std::int64_t(step) * seconds;
        const auto next = std::int32_t(std::clamp(wanted, lowest, highest));
        applied = (CounterSeconds - next) * step;
        if (applied == 0)
            return 0;
        CounterSeconds = next;
        adjustedBeforeEnd_ += applied;
        counted_.Adjust(-qint64(applied) * CountedTime::kBeat);
        SetCounterText(SecondsToTimeText(next - step * lead));
        // A prompt moved back in front of the counter acts again when it is reached; one jumped
        // over stays silent. The signal is the one of the prompts passed at the new place.
        SetSignalColor(SignalBefore(next));
        const std::int32_t left = CountDirection == 1 ? TimeLenSeconds - next : next;
        SetTimeLabels(startTimeText_, DateTimeText(svc_.clock.now().addSecs(left)));
    }
    record_->adjustSeconds = record_->adjustSeconds.value_or(0) + applied;
    emit journalDue();
    return applied;
}

std::optional<QRgb> TimingSession::SignalBefore(std::int32_t next) const
{
    // Passed: shown by a tick already, never by the ticks to come. The last passed with a colour
    // is the one nearest the counter.
    std::optional<QRgb> signal;
    std::int32_t nearest = -1;
    for (int k = 0; k < 5; ++k) {
        const std::int32_t p = PromptSeconds[k];
        const bool passed = CountDirection == 0 ? p > next : p < next;
        if (p == 0 || !passed || !PromptColors[k])
            continue;
        const std::int32_t distance = CountDirection == 0 ? p - next : next - p;
        if (nearest < 0 || distance <= nearest) {
            nearest = distance;
            signal = PromptColors[k];
        }
    }
    return signal;
}
