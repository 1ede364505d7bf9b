// The one-second tick: the clock, the counter, the prompts and the end.
#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"
#include "core/TimeText.h"
#include "core/TimingSession.h"
#include "platform/Clock.h"
#include "platform/Timer.h"

#include <algorithm>

void TimingSession::StartTick()
{
    Timer1->setEnabled(true);
    lastTickAt_ = svc_.clock.monotonicMs();
}

qint64 TimingSession::UntilBeat(qint64 now) const
{
    return CountedTime::UntilBeat(lastTickAt_ < 0 ? now : lastTickAt_, now);
}

void TimingSession::Tick()
{
    lastTickAt_ = svc_.clock.monotonicMs();
    clockText_ = DateTimeText(svc_.clock.now());
    emit clockTextChanged(clockText_);
    if (IsTiming() && debate_)
        DebateTick();
    else if (IsTiming())
        AdvanceCounter(counted_.TakeTick(lastTickAt_));
    // While it runs the journal follows the counter every few seconds: a cut-off timing is
    // recorded with the time up to then.
    if (IsTiming() && ++journalBeats_ >= kJournalBeats) {
        journalBeats_ = 0;
        emit journalDue();
    }
}

void TimingSession::CatchUp()
{
    // A debate's clocks read the monotonic clock: a stall costs them nothing to catch up.
    if (IsTiming() && !debate_)
        if (const int late = counted_.TakeOverdue(svc_.clock.monotonicMs()))
            AdvanceCounter(late);
}

void TimingSession::AdvanceCounter(int beats)
{
    if (overtime_) {
        overtimeSeconds_ += beats;
        SetCounterText(OvertimeText(overtimeSeconds_));
        return;
    }
    // Each beat shows the counter's value before its step; the beats a stall hid are stepped
    // through unseen, up to the end.
    std::int32_t shown = CounterSeconds;
    bool prompt = false;
    bool blinks = false;
    std::optional<QRgb> signal;
    bool ends = false;
    int taken = 0;
    while (taken < beats && !ends) {
        shown = CounterSeconds;
        ++taken;
        for (int k = 0; k < 5; ++k) {
            if (shown == 0 || PromptSeconds[k] != shown)
                continue;
            prompt = true;
            // A prompt with a signal colour is a steady signal; one without blinks as always.
            if (PromptColors[k])
                signal = PromptColors[k];
            else
                blinks = true;
        }
        ends = (shown == 0 && CountDirection == 0) || (shown >= TimeLenSeconds && CountDirection == 1);
        if (CountDirection == 0)
            --CounterSeconds;
        else if (CountDirection == 1)
            ++CounterSeconds;
        else
            taken = beats; // a counter that stands still shows the same value on every beat
    }
    countedTicks_ += taken;

    SetCounterText(SecondsToTimeText(shown));
    if (signal)
        SetSignalColor(signal);
    if (prompt) {
        PlayWav(PromptWav);
        if (blinks)
            StartBlink();
        if (config_.ReadIniText(Section(IniSection::COMMSET), IniKey::DouDong, "No") == "Yes")
            emit shakeRequested(200);
    }
    // The end comes after the step: it lets the waiting events run, and a start or a scheme
    // switch among them sets up a new timing whose counter this tick must leave alone.
    if (ends) {
        FinishTiming();
        if (overtime_ && taken < beats)
            AdvanceCounter(beats - taken);
    }
}
