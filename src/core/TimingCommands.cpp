// Start, pause/continue, reset and the end of a timing.
#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"
#include "core/TimeText.h"
#include "core/TimingSession.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/Sound.h"

void TimingSession::StartTiming()
{
    SetInfoPictureShown(false);
    if (CountDirection == 0)
        CounterSeconds = TimeLenSeconds;
    else if (CountDirection == 1)
        CounterSeconds = 0;
    const QDateTime now = svc_.clock.now();
    SetTimeLabels(DateTimeText(now), DateTimeText(now.addSecs(TimeLenSeconds)));
    SetCounterText(TimeLenText);
    SetRunningControls();
    svc_.sound.prepare();
    ApplyDisplayState(config_.ReadIniText(Section(IniSection::COMMSET), IniKey::STARTSTATE, "3"));
}

void TimingSession::TogglePause()
{
    if (phase_ == TimingPhase::Running) {
        SetPhase(TimingPhase::Paused);
    } else if (phase_ == TimingPhase::Paused) {
        SetPhase(TimingPhase::Running);
        // Counting down the counter holds the time still to run; counting up it holds the
        // elapsed time, so the time still to run is the length minus the counter.
        const std::int32_t left = CountDirection == 1 ? TimeLenSeconds - CounterSeconds : CounterSeconds;
        SetTimeLabels(startTimeText_, DateTimeText(svc_.clock.now().addSecs(left)));
    }
}

void TimingSession::ResetTiming()
{
    SetInfoPictureShown(false);
    SetTimeLabels(QStringLiteral("00:00:00"), QStringLiteral("00:00:00"));
    SetCounterText(TimeLenText);
    SetIdleControls();
}

void TimingSession::FinishTiming()
{
    PlayWav(EndWav);
    SetTimeLabels(QStringLiteral("00:00:00"), QStringLiteral("00:00:00"));
    SetCounterText(QStringLiteral("00:00:00"));
    endSwitchingDisplay_ = true;
    SetIdleControls();
    const QString state = config_.ReadIniText(Section(IniSection::COMMSET), IniKey::FINSHSTATE, "3");
    if (state == "2" && config_.ReadIniText(IniSection::InfoPicSet, IniKey::ShowInfoPic, "No") == "Yes")
        SetInfoPictureShown(true);
    ApplyDisplayState(state);
    endSwitchingDisplay_ = false;
    ApplyScreenSaverHold();
    svc_.events.processPending();
    svc_.events.processPending();
    if (ended_)
        return;
    if (config_.ReadIniText(Section(IniSection::COMMSET), IniKey::DouDong, "No") == "Yes")
        emit shakeRequested(500);
}

void TimingSession::PlayWav(const QString& path)
{
    svc_.sound.play(path);
}
