// Start, pause/continue, reset and the end of a timing.
#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"
#include "core/TimeText.h"
#include "core/TimingSession.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/sound/Sound.h"

void TimingSession::StartTiming()
{
    CatchUp();
    CloseRecord(TimingEnd::Restarted);
    SetSignalColor(std::nullopt);
    SetInfoPictureShown(false);
    if (CountDirection == 0)
        CounterSeconds = TimeLenSeconds;
    else if (CountDirection == 1)
        CounterSeconds = 0;
    const QDateTime now = svc_.clock.now();
    SetTimeLabels(DateTimeText(now), DateTimeText(now.addSecs(TimeLenSeconds)));
    SetCounterText(TimeLenText);
    OpenRecord();
    if (debate_) {
        debateClocks_.Start(svc_.clock.monotonicMs());
        SetTimeLabels(startTimeText_, DateTimeText(now.addSecs(2 * qint64(TimeLenSeconds))));
        ShowDebate();
    }
    SetRunningControls();
    svc_.sound.prepare();
    if (const bool missing = !svc_.sound.outputAvailable(); missing != soundOutputMissing_) {
        soundOutputMissing_ = missing;
        emit soundOutputMissingChanged(missing);
    }
    ApplyDisplayState(config_.ReadIniText(Section(IniSection::COMMSET), IniKey::STARTSTATE, "3"));
    journalBeats_ = 0;
    emit journalDue();
}

void TimingSession::TogglePause()
{
    CatchUp();
    // A debate side's end that fell since the last tick comes first.
    if (debate_ && phase_ == TimingPhase::Running) {
        DebateTick();
        if (phase_ != TimingPhase::Running)
            return;
    }
    if (phase_ == TimingPhase::Running) {
        if (record_)
            ++record_->pauses;
        counted_.Pause(svc_.clock.monotonicMs());
        if (debate_) {
            debateClocks_.Pause(svc_.clock.monotonicMs());
            ShowDebate();
        }
        SetPhase(TimingPhase::Paused);
        emit journalDue();
    } else if (phase_ == TimingPhase::Paused) {
        const qint64 now = svc_.clock.monotonicMs();
        counted_.Resume(now, UntilBeat(now));
        if (debate_) {
            debateClocks_.Resume(now);
            ShowDebate();
        }
        SetPhase(TimingPhase::Running);
        emit journalDue();
        // Beyond the end the end time shown stays the one that has passed.
        if (overtime_)
            return;
        // Counting down the counter holds the time still to run; counting up it holds the
        // elapsed time, so the time still to run is the length minus the counter.
        // A debate's time still to run is both sides' together.
        const std::int32_t left = debate_ ? debateClocks_.RemainingSeconds(0, now) + debateClocks_.RemainingSeconds(1, now)
                                  : CountDirection == 1 ? TimeLenSeconds - CounterSeconds
                                                        : CounterSeconds;
        SetTimeLabels(startTimeText_, DateTimeText(svc_.clock.now().addSecs(left)));
    }
}

// A timing reset before its end (or in its overtime) is recorded by the idle controls.
void TimingSession::ResetTiming()
{
    CatchUp();
    SetInfoPictureShown(false);
    SetTimeLabels(QStringLiteral("00:00:00"), QStringLiteral("00:00:00"));
    SetCounterText(TimeLenText);
    SetIdleControls();
    if (debate_) {
        debateClocks_.Reset();
        ShowDebate();
    }
}

void TimingSession::FinishTiming()
{
    PlayWav(EndWav);
    // A scheme that counts overtime keeps its timing (and its record) open beyond the end; the
    // key is looked at only, so a file without it stays as it is.
    if (config_.PeekIniText(Section(IniSection::COMMSET), IniKey::OverTime).value_or(QString()) == "Yes") {
        EnterOvertime();
        ApplyDisplayState(config_.ReadIniText(Section(IniSection::COMMSET), IniKey::FINSHSTATE, "3"));
        EndTail();
        return;
    }
    CloseRecord(TimingEnd::Reached);
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
    EndTail();
}

void TimingSession::EndTail()
{
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
