// The session's hooks for a debate scheme: its keys, the clocks on the tick, 换方 and the views.
#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"
#include "core/TimingSession.h"
#include "platform/Clock.h"

#include <QCoreApplication>

CommandOffer TimingSession::Offered(CommandId id) const
{
    if (id == CommandId::SwitchSides)
        return {debate_, debate_ && phase_ != TimingPhase::Idle && debateClocks_.CanSwitch()};
    return OfferedCommand(id, phase_, mode_, overtime_);
}

QString TimingSession::SideName(int side) const
{
    if (!sideNames_[side].isEmpty())
        return sideNames_[side];
    return side == 0 ? QCoreApplication::translate("TimingSession", "正方")
                     : QCoreApplication::translate("TimingSession", "反方");
}

DebateShown TimingSession::Debate() const
{
    return debateClocks_.Shown(svc_.clock.monotonicMs(), SideName(0), SideName(1));
}

void TimingSession::LoadDebate()
{
    // Looked at only: a scheme without the keys keeps its file as it is.
    const QString section = Section(IniSection::COMMSET);
    debate_ = config_.PeekIniText(section, IniKey::Debate).value_or(QString()) == QLatin1String("Yes");
    sideNames_ = {config_.PeekIniText(section, IniKey::SideA).value_or(QString()).trimmed(),
                  config_.PeekIniText(section, IniKey::SideB).value_or(QString()).trimmed()};
    DebateClocks::Scheme scheme;
    scheme.lengthSeconds = TimeLenSeconds;
    scheme.promptSeconds = PromptSeconds;
    scheme.promptColors = PromptColors;
    scheme.overtime = config_.PeekIniText(section, IniKey::OverTime).value_or(QString()) == QLatin1String("Yes");
    debateClocks_.Configure(scheme);
    emit debateChanged();
}

void TimingSession::ShowDebate()
{
    if (!debate_)
        return;
    const qint64 now = svc_.clock.monotonicMs();
    // A view that shows one counter shows the clock with the floor.
    CounterSeconds = debateClocks_.RemainingSeconds(debateClocks_.Floor(), now);
    SetCounterText(debateClocks_.Text(debateClocks_.Floor(), now));
    emit debateChanged();
}

void TimingSession::DebateTick()
{
    AfterDebateEvents(debateClocks_.Tick(svc_.clock.monotonicMs()));
}

void TimingSession::AfterDebateEvents(const DebateEvents& ev)
{
    if (ev.prompt) {
        PlayWav(PromptWav);
        if (ev.blinks)
            StartBlink();
        if (config_.ReadIniText(Section(IniSection::COMMSET), IniKey::DouDong, "No") == "Yes")
            emit shakeRequested(200);
    }
    SetSignalColor(debateClocks_.FloorSignal());
    ShowDebate();
    if (ev.bothEnded) {
        // The timing ends as a timing ends; with overtime the side with the floor counts on.
        FinishTiming();
        ShowDebate();
        return;
    }
    if (ev.sideEnded) {
        PlayWav(EndWav);
        emit offersChanged(); // 换方 may have nobody to hand over to
    }
}

void TimingSession::SwitchSides()
{
    if (!debate_ || phase_ == TimingPhase::Idle)
        return;
    // An end that fell since the last tick comes first: the floor may have passed on already.
    if (phase_ == TimingPhase::Running) {
        AfterDebateEvents(debateClocks_.Tick(svc_.clock.monotonicMs()));
        if (phase_ == TimingPhase::Idle)
            return;
    }
    if (!debateClocks_.Switch(svc_.clock.monotonicMs()))
        return;
    SetSignalColor(debateClocks_.FloorSignal());
    ShowDebate();
    emit offersChanged();
    emit journalDue();
}
