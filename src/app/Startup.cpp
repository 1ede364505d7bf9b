// The start-up sequence of the main window's load handler.
#include "app/App.h"
#include "config/ConfigKeys.h"
#include "core/TimeText.h"
#include "hotkeys/HotKeys.h"
#include "menu/MenuForm.h"
#include "platform/Timer.h"
#include "windows/MainForm.h"

#include <QGuiApplication>
#include <QScreen>

void App::LoadMainForm()
{
    MainForm& f = mainForm();
    // A named pipe, a device or a huge file in the configuration's place is no configuration.
    if (!config.FileUsable())
        throw ConfigError("config.ini is not a regular file of a usable size");
    TimingSession& s = session;
    // Centred, with its top at two fifths of the free height; topmost by its window flags.
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    f.move(free.x() + (free.width() - f.width()) / 2, free.y() + (free.height() - f.height()) * 2 / 5);

    s.SetFangAnId(SchemeNumberFromText(config.ReadIniText(IniSection::FangAnSelect, IniKey::JsFangAnId, "1")));
    s.LoadTitleText();
    s.LoadInfoDisplay();
    s.ShowSchemeTitle();

    menuForm(); // the scheme check marks follow the session
    if (s.FangAnId() < 1 || s.FangAnId() > 5)
        throw ConfigError("no such scheme");

    s.ReadSchemeState();
    hotKeys().LoadHotKeys();
    hotKeys().RegisterHotKeys();
    s.ShowLoadedScheme();
    s.StartTick();
    // The lights start again on the tick's beat: every other step of theirs falls on a tick, so
    // the program wakes twice a second for both, not three times.
    s.LightsTimer->setEnabled(false);
    s.LightsTimer->setEnabled(true);
}
