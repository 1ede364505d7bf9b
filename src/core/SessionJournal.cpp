// The journal of the timing on the counter, and a timing the program's last end cut off: recorded,
// or continued where it would be now.
#include "core/TimeText.h"
#include "core/TimingSession.h"
#include "platform/Clock.h"

#include <algorithm>

std::optional<TimingJournal> TimingSession::Journal() const
{
    const std::optional<TimingRecord> r = RecordSoFar(TimingEnd::Interrupted);
    if (!r)
        return std::nullopt;
    TimingJournal j;
    j.record = *r;
    j.paused = phase_ == TimingPhase::Paused;
    j.overtime = overtime_;
    if (debate_) {
        const qint64 now = svc_.clock.monotonicMs();
        for (int side = 0; side < 2; ++side)
            j.sideMs[side] = debateClocks_.CountedMs(side, now);
        j.floor = debateClocks_.Floor();
    }
    return j;
}

void TimingSession::RecordCutOff(const TimingJournal& journal)
{
    TimingRecord r = journal.record;
    r.ending = TimingEnd::Interrupted;
    emit timingEnded(r);
}

void TimingSession::ContinueCutOff(const TimingJournal& journal, const CutOffRecovery& recovery)
{
    StartTiming();
    if (!record_)
        return;
    const TimingRecord& was = journal.record;
    record_->start = was.start;
    record_->pauses = was.pauses;
    record_->pausedSeconds = was.pausedSeconds;
    record_->adjustSeconds = was.adjustSeconds;
    const qint64 now = svc_.clock.monotonicMs();
    std::int32_t left = 0;
    if (debate_) {
        debateClocks_.Restore(recovery.sideMs, journal.floor, false, now);
        SetSignalColor(debateClocks_.FloorSignal());
        ShowDebate();
        left = debateClocks_.RemainingSeconds(0, now) + debateClocks_.RemainingSeconds(1, now);
    } else if (CountDirection == 0 || CountDirection == 1) {
        // The next tick shows the counter `counted` seconds in, as it would have.
        const std::int32_t counted = std::clamp(recovery.countedSeconds, 0, TimeLenSeconds);
        CounterSeconds = CountDirection == 0 ? TimeLenSeconds - counted : counted;
        countedTicks_ = counted;
        counted_.Adjust(qint64(counted) * CountedTime::kBeat);
        SetCounterText(SecondsToTimeText(CounterSeconds));
        SetSignalColor(SignalBefore(CounterSeconds));
        left = TimeLenSeconds - counted;
    }
    SetTimeLabels(DateTimeText(was.start), DateTimeText(svc_.clock.now().addSecs(left)));
    if (journal.paused) {
        TogglePause();
        record_->pauses = was.pauses;
    }
    emit journalDue();
}
