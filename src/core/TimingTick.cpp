// The one-second tick: the clock, the counter, the prompts and the end.
#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"
#include "core/TimeText.h"
#include "core/TimingSession.h"
#include "platform/Clock.h"

#include <algorithm>

void TimingSession::Tick()
{
    clockText_ = DateTimeText(svc_.clock.now());
    emit clockTextChanged(clockText_);
    if (!IsTiming())
        return;
    if (overtime_) {
        SetCounterText(OvertimeText(++overtimeSeconds_));
        return;
    }
    ++countedTicks_;

    SetCounterText(SecondsToTimeText(CounterSeconds));

    const bool prompt = CounterSeconds != 0
        && std::find(PromptSeconds.begin(), PromptSeconds.end(), CounterSeconds) != PromptSeconds.end();
    if (prompt) {
        PlayWav(PromptWav);
        StartBlink();
        if (config_.ReadIniText(Section(IniSection::COMMSET), IniKey::DouDong, "No") == "Yes")
            emit shakeRequested(200);
    }

    const bool ends = (CounterSeconds == 0 && CountDirection == 0)
        || (CounterSeconds >= TimeLenSeconds && CountDirection == 1);

    if (CountDirection == 0)
        --CounterSeconds;
    else if (CountDirection == 1)
        ++CounterSeconds;

    // The end comes after the step: it lets the waiting events run, and a start or a scheme
    // switch among them sets up a new timing whose counter this tick must leave alone.
    if (ends)
        FinishTiming();
}
