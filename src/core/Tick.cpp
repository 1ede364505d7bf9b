// The one-second tick, the blink after a prompt, the end of a timing and the window shake.
#include "config/ConfigKeys.h"
#include "core/App.h"
#include "core/Colors.h"
#include "core/MainModule.h"
#include "core/Twips.h"
#include "windows/Control.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include <algorithm>

void MainModule::Tick()
{
    MainForm& f = app_.mainForm();
    f.IsTime->setText(DateTimeText(app_.svc.clock.now()));
    f.IsTime->adjustSize();
    if (!IsTiming)
        return;

    SetCounterTexts(SecondsToTimeText(CounterSeconds));

    const bool prompt = CounterSeconds != 0
        && std::find(PromptSeconds.begin(), PromptSeconds.end(), CounterSeconds) != PromptSeconds.end();
    if (prompt) {
        PlayWav(PromptWav);
        app_.session.StartBlink();
        if (app_.config.ReadIniText(Section(IniSection::COMMSET), IniKey::DouDong, "No") == "Yes")
            ShakeWindows(200);
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

void MainModule::ShowBlinkColor(int view, int color)
{
    QWidget* labels[] = {app_.mainForm().Showtime, app_.toolsBarForm().Showtime,
                         app_.toolsBarFormMax().Showtime, app_.fullScreenForm().Showtime};
    SetForeColor(labels[view], color);
}

void MainModule::FinishTiming()
{
    MainForm& f = app_.mainForm();
    PlayWav(EndWav);
    f.StartTime->setText(QStringLiteral("00:00:00"));
    f.StartTime->adjustSize();
    f.EndTime->setText(QStringLiteral("00:00:00"));
    f.EndTime->adjustSize();
    SetCounterTexts(QStringLiteral("00:00:00"));
    EndSwitchingDisplay = true;
    SetIdleControls();
    IsTiming = false;
    const QString state = app_.config.ReadIniText(Section(IniSection::COMMSET), IniKey::FINSHSTATE, "3");
    if (state == "2" && app_.config.ReadIniText(IniSection::InfoPicSet, IniKey::ShowInfoPic, "No") == "Yes")
        app_.session.SetInfoPictureShown(true);
    ApplyDisplayState(state);
    EndSwitchingDisplay = false;
    ApplyScreenSaverHold();
    app_.svc.events.processPending();
    app_.svc.events.processPending();
    if (app_.Ended())
        return;
    if (app_.config.ReadIniText(Section(IniSection::COMMSET), IniKey::DouDong, "No") == "Yes")
        ShakeWindows(500);
}

void MainModule::ShakeWindows(int cycles)
{
    // 50 twips, rounded to whole pixels. The full-screen window never moves.
    constexpr int step = Twips(50);
    QWidget* windows[] = {&app_.mainForm(), &app_.toolsBarForm(), &app_.toolsBarFormMax()};
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        for (QWidget* w : windows) {
            if (!w->isVisible())
                continue;
            w->move(w->x(), w->y() + step);
            w->move(w->x() + step, w->y());
            w->move(w->x(), w->y() - step);
            w->move(w->x() - step, w->y());
        }
    }
}

void MainModule::PlayWav(const QString& path)
{
    app_.svc.sound.play(path);
}
