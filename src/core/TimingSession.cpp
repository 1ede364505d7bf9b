// The session's state setters, the display modes, the running lights, the blink and the
// screen-saver hold.
#include "core/TimingSession.h"

#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"
#include "core/Colors.h"
#include "core/TimeText.h"
#include "platform/Random.h"
#include "platform/desktop/ScreenSaver.h"
#include "platform/Timer.h"

#include <QCoreApplication>

TimingSession::TimingSession(const SessionServices& services, ConfigFile& config)
    : svc_(services), config_(config)
{
    Timer2 = svc_.timers.create(500, [this] { BlinkTick(); });
    Timer1 = svc_.timers.create(1000, [this] { Tick(); });
    LightsTimer = svc_.timers.create(500, [this] { StepRunningLight(IsTiming()); });
}

TimingSession::~TimingSession() = default;

void TimingSession::SetFangAnId(std::int16_t scheme)
{
    fangAnId_ = scheme;
    emit schemeNumberChanged(scheme);
}

QString TimingSession::PauseWord() const
{
    return phase_ == TimingPhase::Paused ? QCoreApplication::translate("TimingSession", "继续")
                                         : QCoreApplication::translate("TimingSession", "暂停");
}

void TimingSession::SetCounterText(const QString& text)
{
    counterText_ = text;
    emit counterTextChanged(counterText_);
}

void TimingSession::SetSchemeTitle(const QString& caption)
{
    schemeTitle_ = caption;
    emit schemeTitleChanged(schemeTitle_);
}

void TimingSession::ShowSchemeTitle()
{
    SetSchemeTitle(QCoreApplication::translate("TimingSession", "%1 计时方案%2").arg(TitleText, QString::number(fangAnId_)));
}

void TimingSession::RetranslateTexts()
{
    if (!schemeTitle_.isEmpty())
        ShowSchemeTitle();
    if (infoText_ == DefaultInfoText())
        emit infoTextChanged(InfoText());
    emit textsChanged();
}

QString TimingSession::InfoText() const
{
    return ShownInfoText(infoText_);
}

void TimingSession::LoadTitleText()
{
    const std::optional<QString> kept = config_.PeekIniText(IniSection::TitleSet, IniKey::Title);
    TitleText = kept && !kept->isEmpty() ? *kept : QStringLiteral("Horalto");
}

void TimingSession::SetTitleText(const QString& answer)
{
    TitleText = answer.isEmpty() ? QStringLiteral("Horalto") : answer;
    config_.WriteIniText(IniSection::TitleSet, IniKey::Title, answer);
    ShowSchemeTitle();
}

void TimingSession::SetInfoPictureShown(bool shown)
{
    infoPictureShown_ = shown;
    emit infoPictureShownChanged(infoPictureShown_);
}

void TimingSession::SetTimeLabels(const QString& start, const QString& end)
{
    startTimeText_ = start;
    endTimeText_ = end;
    emit timeLabelsChanged();
}

void TimingSession::SetCounterColor(CounterView view, int color)
{
    counterColors_[view] = color;
    emit counterColorChanged(view, color);
}

void TimingSession::SetPhase(TimingPhase phase)
{
    phase_ = phase;
    emit phaseChanged(phase_);
    emit offersChanged();
    ApplyScreenSaverHold();
}

void TimingSession::SetRunningControls() { SetPhase(TimingPhase::Running); }
void TimingSession::SetIdleControls()
{
    // Whatever makes a timing idle ends its record: a reset, or the end reached.
    CloseRecord(TimingEnd::Reset);
    SetSignalColor(std::nullopt);
    SetPhase(TimingPhase::Idle);
}

void TimingSession::SetSignalColor(std::optional<QRgb> color)
{
    if (color == signalColor_)
        return;
    signalColor_ = color;
    emit signalColorChanged(color);
}

// ---- display modes ----

void TimingSession::SetMode(DisplayMode mode)
{
    mode_ = mode;
    emit modeChanged(mode_);
    emit offersChanged();
    ApplyScreenSaverHold();
}

void TimingSession::ApplyDisplayState(const QString& value)
{
    if (value == "0")
        EnterMainMode();
    else if (value == "1")
        EnterToolbarMode();
    else if (value == "2")
        EnterFullScreenMode();
}

void TimingSession::EnterMainMode() { SetMode(DisplayMode::Main); }

void TimingSession::ReadLargeToolbarChoice()
{
    largeToolbarChosen_ = config_.ReadIniText(Section(IniSection::COMMSET), IniKey::MaxToolsBar, "No") == "Yes";
}

void TimingSession::EnterToolbarMode()
{
    ReadLargeToolbarChoice();
    SetMode(DisplayMode::Toolbar);
}

void TimingSession::EnterFullScreenMode() { SetMode(DisplayMode::FullScreen); }

void TimingSession::ShowChosenToolbar()
{
    ReadLargeToolbarChoice();
    emit toolbarChosen(largeToolbarChosen_);
}

// ---- the user's switches ----

bool TimingSession::ToggleStoredSwitch(bool& mark, const QString& key)
{
    // A switch shows the value in effect, which is the stored one: after a write that failed
    // it shows the value that stayed.
    const QString section = Section(IniSection::COMMSET);
    mark = !mark;
    if (!config_.WriteIniText(section, key, mark ? "Yes" : "No"))
        mark = config_.PeekIniText(section, key).value_or(QStringLiteral("No")) == QStringLiteral("Yes");
    return mark;
}

void TimingSession::ToggleShake()
{
    emit shakeMarkChanged(ToggleStoredSwitch(shakeMarked_, IniKey::DouDong));
}

void TimingSession::ToggleLargeToolbar()
{
    emit largeToolbarMarkChanged(ToggleStoredSwitch(largeToolbarMarked_, IniKey::MaxToolsBar));
    if (mode_ == DisplayMode::Toolbar && !unloaded_)
        ShowChosenToolbar();
    // A colour that is not a number leaves the toolbar counters as they are.
    if (const auto c = ParseBgr(config_.ReadIniText(Section(IniSection::ColorSet), IniKey::ToolsBar, "65535"))) {
        SetCounterColor(SmallToolbarCounter, *c);
        SetCounterColor(LargeToolbarCounter, *c);
    }
}

void TimingSession::ChooseCounterColor(CounterView view, int color)
{
    static const QString keys[CounterViews] = {IniKey::Normal, IniKey::ToolsBar, IniKey::ToolsBar, IniKey::FullScreen};
    SetCounterColor(view, color);
    config_.WriteIniText(Section(IniSection::ColorSet), keys[view], QString::number(color));
}

// ---- the running lights and the blink ----

void TimingSession::StepRunningLight(bool timing)
{
    constexpr int lights = 9;
    const int from = litLight_;
    litLight_ = timing ? (from + 1) % lights : 0;
    if (litLight_ != from)
        emit runningLightMoved(from, litLight_);
}

bool TimingSession::Blinking() const { return Timer2->isEnabled(); }

void TimingSession::StartBlink() { Timer2->setEnabled(true); }

void TimingSession::StopBlink() { Timer2->setEnabled(false); }

void TimingSession::BlinkTick()
{
    if (blinkTicks_ <= 6) {
        for (int view = 0; view < CounterViews; ++view) {
            const int red = svc_.random.between(0, 255);
            const int green = svc_.random.between(0, 255);
            const int blue = svc_.random.between(0, 255);
            SetCounterColor(CounterView(view), blue * 65536 + green * 256 + red);
        }
        ++blinkTicks_;
    } else {
        RestoreCounterColors();
        Timer2->setEnabled(false);
        blinkTicks_ = 0;
    }
}

// ---- the screen saver and the end of the program ----

void TimingSession::ApplyScreenSaverHold()
{
    if (endSwitchingDisplay_)
        return;
    const bool held = !unloaded_ && (phase_ != TimingPhase::Idle || mode_ == DisplayMode::FullScreen);
    if (held == screenSaverHeld_)
        return;
    screenSaverHeld_ = held;
    svc_.screenSaver.setHeld(held);
}

void TimingSession::StopTimers()
{
    Timer1->setEnabled(false);
    StopBlink();
}

void TimingSession::SetUnloaded()
{
    unloaded_ = true;
    ApplyScreenSaverHold();
}
