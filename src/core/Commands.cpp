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

void MainModule::SetRunningControls()
{
    MainForm& f = app_.mainForm();
    MenuForm& menu = app_.menuForm();
    f.JishiStart->setEnabled(false);
    app_.toolsBarForm().StartTimer->setEnabled(false);
    app_.toolsBarFormMax().StartTimer->setEnabled(false);
    app_.toolsBarForm().SystemSetup->setEnabled(false);
    app_.toolsBarFormMax().SystemSetup->setEnabled(false);
    app_.fullScreenForm().KongZhi1->setEnabled(false);
    f.SetupMe->setEnabled(false);
    menu.MJishiStart->setEnabled(false);
    menu.MSetupMe->setEnabled(false);

    f.JishiPause->setText(kPause);
    f.JishiPause->setEnabled(true);
    menu.MJishiPause->setEnabled(true);
    SetPauseMenuCaption(QStringLiteral("暂停"));

    for (int i = 1; i <= 5; ++i)
        menu.MJsFa[i]->setEnabled(false);
}

void MainModule::SetIdleControls()
{
    MainForm& f = app_.mainForm();
    MenuForm& menu = app_.menuForm();
    f.JishiStart->setEnabled(true);
    f.SetupMe->setEnabled(true);
    menu.MJishiStart->setEnabled(true);
    menu.MSetupMe->setEnabled(true);
    app_.toolsBarForm().StartTimer->setEnabled(true);
    app_.toolsBarFormMax().StartTimer->setEnabled(true);
    app_.toolsBarForm().SystemSetup->setEnabled(true);
    app_.toolsBarFormMax().SystemSetup->setEnabled(true);
    app_.fullScreenForm().KongZhi1->setEnabled(true);

    f.JishiPause->setText(kPause);
    f.JishiPause->setEnabled(false);
    menu.MJishiPause->setEnabled(false);
    SetPauseMenuCaption(QStringLiteral("暂停"));

    for (int i = 1; i <= 5; ++i)
        menu.MJsFa[i]->setEnabled(true);
}

void MainModule::StartTiming()
{
    MainForm& f = app_.mainForm();
    app_.fullScreenForm().Picture5->setVisible(false);
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
    if (f.JishiPause->text() == kPause && IsTiming) {
        IsTiming = false;
        f.JishiPause->setText(kContinue);
        SetPauseMenuCaption(QStringLiteral("继续"));
    } else if (f.JishiPause->text() == kContinue && !IsTiming) {
        IsTiming = true;
        f.JishiPause->setText(kPause);
        SetPauseMenuCaption(QStringLiteral("暂停"));
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
    app_.fullScreenForm().Picture5->setVisible(false);
    f.StartTime->setText(QStringLiteral("00:00:00"));
    f.StartTime->adjustSize();
    f.EndTime->setText(QStringLiteral("00:00:00"));
    f.EndTime->adjustSize();
    SetCounterTexts(TimeLenText);
    IsTiming = false;
    SetIdleControls();
}
