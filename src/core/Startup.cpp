// The start-up sequence of the main window's load handler.
#include "config/ConfigKeys.h"
#include "core/App.h"
#include "core/MainModule.h"
#include "menu/MenuForm.h"
#include "platform/Timer.h"
#include "windows/MainForm.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

void MainForm::Form_Load()
{
    MainModule& m = app_.module;
    // Centred, with its top at two fifths of the free height; topmost by its window flags.
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    move(free.x() + (free.width() - width()) / 2, free.y() + (free.height() - height()) * 2 / 5);

    m.FangAnId = SchemeNumberFromText(app_.config.ReadIniText(IniSection::FangAnSelect, IniKey::JsFangAnId, "1"));
    m.TitleText = QStringLiteral("Horalto");
    m.ShowSchemeTitle();

    MenuForm& menu = app_.menuForm();
    for (int i = 1; i <= 5; ++i)
        menu.MJsFa[i]->setChecked(false);
    if (m.FangAnId < 1 || m.FangAnId > 5)
        throw ConfigError("no such scheme");
    menu.MJsFa[m.FangAnId]->setChecked(true);

    m.LoadCurrentSchemeIntoWindows(true);
    Timer1->setEnabled(true);
}
