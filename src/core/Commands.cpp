// Start, pause/continue and reset, and the enabled states that go with them.
#include "config/ConfigKeys.h"
#include "core/App.h"
#include "core/MainModule.h"
#include "menu/MenuForm.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <QAction>
#include <QPushButton>

namespace {
const QString kPause = QStringLiteral("暂 停");
const QString kContinue = QStringLiteral("继 续");
} // namespace

void MainModule::ApplyOffers()
{
    MainForm& f = app_.mainForm();
    ToolsBarForm& small = app_.toolsBarForm();
    ToolsBarForm& large = app_.toolsBarFormMax();
    FullScreenForm& fs = app_.fullScreenForm();
    MenuForm& menu = app_.menuForm();
    // The buttons of the display windows are always there; only their enabled state follows.
    const std::pair<QWidget*, CommandId> buttons[] = {
        {f.JishiStart, CommandId::Start},         {f.JishiEnd, CommandId::Reset},
        {f.JishiPause, CommandId::PauseContinue}, {f.MinMe, CommandId::ToolbarMode},
        {f.MaxMe, CommandId::FullScreenMode},     {f.SetupMe, CommandId::Setup},
        {small.StartTimer, CommandId::Start},     {large.StartTimer, CommandId::Start},
        {small.StopTimer, CommandId::Reset},      {large.StopTimer, CommandId::Reset},
        {small.SystemSetup, CommandId::Setup},    {large.SystemSetup, CommandId::Setup},
        {small.BacktoMain, CommandId::BackToMain}, {large.BacktoMain, CommandId::BackToMain},
        {small.GoFullScreen, CommandId::FullScreenMode}, {large.GoFullScreen, CommandId::FullScreenMode},
        {fs.KongZhi1, CommandId::Start},          {fs.KongZhi2, CommandId::Reset},
        {fs.KongZhi3, CommandId::BackToMain},     {fs.KongZhi4, CommandId::ToolbarMode},
    };
    for (const auto& [button, id] : buttons)
        button->setEnabled(Offered(id).enabled);
    for (int n = 1; n <= int(CommandId::Exit); ++n) {
        const CommandOffer offer = Offered(CommandId(n));
        QAction* item = menu.CommandItem(CommandId(n));
        item->setVisible(offer.visible);
        item->setEnabled(offer.enabled);
    }
    ApplyScreenSaverHold();
}

void MainModule::ApplyScreenSaverHold()
{
    if (EndSwitchingDisplay)
        return;
    const bool held = !app_.IsUnloaded() && (Phase != TimingPhase::Idle || Mode == DisplayMode::FullScreen);
    if (held == ScreenSaverHeld)
        return;
    ScreenSaverHeld = held;
    app_.svc.screenSaver.setHeld(held);
}

void MainModule::SetRunningControls()
{
    Phase = TimingPhase::Running;
    ApplyOffers();
    app_.mainForm().JishiPause->setText(kPause);
    SetPauseMenuCaption(QStringLiteral("暂停"));
}

void MainModule::SetIdleControls()
{
    Phase = TimingPhase::Idle;
    ApplyOffers();
    app_.mainForm().JishiPause->setText(kPause);
    SetPauseMenuCaption(QStringLiteral("暂停"));
}

void MainModule::StartTiming()
{
    MainForm& f = app_.mainForm();
    app_.session.SetInfoPictureShown(false);
    if (CountDirection == 0)
        CounterSeconds = TimeLenSeconds;
    else if (CountDirection == 1)
        CounterSeconds = 0;
    const QDateTime now = app_.svc.clock.now();
    f.StartTime->setText(DateTimeText(now));
    f.StartTime->adjustSize();
    f.EndTime->setText(DateTimeText(now.addSecs(TimeLenSeconds)));
    f.EndTime->adjustSize();
    SetCounterTexts(TimeLenText);
    SetRunningControls();
    IsTiming = true;
    app_.svc.sound.prepare();
    ApplyDisplayState(app_.config.ReadIniText(Section(IniSection::COMMSET), IniKey::STARTSTATE, "3"));
}

void MainModule::TogglePause()
{
    MainForm& f = app_.mainForm();
    if (Phase == TimingPhase::Running) {
        Phase = TimingPhase::Paused;
        IsTiming = false;
        f.JishiPause->setText(kContinue);
        SetPauseMenuCaption(QStringLiteral("继续"));
        ApplyOffers();
    } else if (Phase == TimingPhase::Paused) {
        Phase = TimingPhase::Running;
        IsTiming = true;
        f.JishiPause->setText(kPause);
        SetPauseMenuCaption(QStringLiteral("暂停"));
        ApplyOffers();
        // Counting down the counter holds the time still to run; counting up it holds the
        // elapsed time, so the time still to run is the length minus the counter.
        const std::int32_t left = CountDirection == 1 ? TimeLenSeconds - CounterSeconds : CounterSeconds;
        f.EndTime->setText(DateTimeText(app_.svc.clock.now().addSecs(left)));
        f.EndTime->adjustSize();
    }
}

void MainModule::ResetTiming()
{
    MainForm& f = app_.mainForm();
    app_.session.SetInfoPictureShown(false);
    f.StartTime->setText(QStringLiteral("00:00:00"));
    f.StartTime->adjustSize();
    f.EndTime->setText(QStringLiteral("00:00:00"));
    f.EndTime->adjustSize();
    SetCounterTexts(TimeLenText);
    IsTiming = false;
    SetIdleControls();
}
