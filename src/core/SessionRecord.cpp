// The record of each timing and the overtime after the end.
#include "core/TimingSession.h"

#include "core/Qualify.h"
#include "platform/Clock.h"

#include <algorithm>
#include <utility>

void TimingSession::OpenRecord()
{
    TimingRecord r;
    r.start = svc_.clock.now();
    r.scheme = fangAnId_;
    r.title = TitleText;
    r.lengthSeconds = TimeLenSeconds;
    r.direction = CountDirection;
    if (debate_)
        r.sideSeconds.emplace();
    record_ = r;
    countedTicks_ = 0;
    adjustedBeforeEnd_ = 0;
    const qint64 now = svc_.clock.monotonicMs();
    counted_.Start(now, UntilBeat(now));
}

void TimingSession::CloseRecord(TimingEnd how)
{
    const bool overtime = overtime_;
    std::optional<TimingRecord> r = RecordSoFar(how);
    overtime_ = false;
    overtimeSeconds_ = 0;
    record_.reset();
    if (!r)
        return;
    if (overtime)
        r->ending = TimingEnd::Reached;
    emit timingEnded(*r);
}

std::optional<TimingRecord> TimingSession::RecordSoFar(TimingEnd how) const
{
    if (!record_)
        return std::nullopt;
    TimingRecord r = *record_;
    r.end = svc_.clock.now();
    // The first tick shows the counter as it started: what the counter has counted is one
    // second less than the ticks that showed it, less the time given back by an adjustment.
    r.countedSeconds = std::max(countedTicks_ - 1 - adjustedBeforeEnd_, 0);
    r.pausedSeconds += std::int32_t((counted_.PausedMs(svc_.clock.monotonicMs()) + 500) / 1000);
    r.ending = how;
    if (overtime_)
        r.overtimeSeconds = overtimeSeconds_;
    if (r.sideSeconds) {
        // A debate: both sides' clocks; no qualifying window judges two sides together.
        const qint64 now = svc_.clock.monotonicMs();
        std::int32_t ownTime = 0;
        std::int32_t beyond = 0;
        for (int side = 0; side < 2; ++side) {
            // Beyond its end a side counts only with overtime on (else it is the moment before
            // the tick that ends it).
            const std::int32_t own = debateClocks_.CountedSeconds(side, now);
            const std::int32_t over = debateClocks_.Configured().overtime ? debateClocks_.OvertimeSeconds(side, now) : 0;
            (*r.sideSeconds)[side] = own + over;
            ownTime += own;
            beyond += over;
        }
        r.countedSeconds = ownTime;
        if (debateClocks_.Configured().overtime && (overtime_ || beyond > 0))
            r.overtimeSeconds = beyond;
        // Filed under its two sides, or the scheme's title when the scheme names none.
        r.speaker = sideNames_[0].isEmpty() && sideNames_[1].isEmpty() ? r.title : SideName(0) + QStringLiteral(" / ") + SideName(1);
        r.speakerTitle.clear();
        return r;
    }
    // The whole time the speaker spoke, judged against the window the scheme has now.
    r.result = QualifyResult(r.countedSeconds + overtimeSeconds_, ReadQualifyWindow(config_, r.scheme));
    return r;
}

void TimingSession::EnterOvertime()
{
    // The counter, the start and the end time stay as the end left them; the next tick shows
    // the first second beyond the end. The timing goes on, so the screen saver stays held; the
    // information picture stays hidden, as it would cover the counter.
    overtime_ = true;
    overtimeSeconds_ = 0;
    emit offersChanged();
    emit journalDue();
}

void TimingSession::RecordExit()
{
    CloseRecord(TimingEnd::Exited);
}
