// The three display modes: the main window, a toolbar strip, the full-screen window.
#include "config/ConfigKeys.h"
#include "core/App.h"
#include "core/MainModule.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"


namespace {
void ShowOnTop(QWidget& w)
{
    w.show();
    w.raise();
}
} // namespace

void MainModule::ApplyDisplayState(const QString& value)
{
    if (value == "0")
        EnterMainMode();
    else if (value == "1")
        EnterToolbarMode();
    else if (value == "2")
        EnterFullScreenMode();
}

void MainModule::EnterMainMode()
{
    app_.toolsBarForm().hide();
    app_.toolsBarFormMax().hide();
    app_.fullScreenForm().hide();
    MainForm& f = app_.mainForm();
    f.setWindowState(Qt::WindowNoState);
    ShowOnTop(f);
    f.activateWindow();
    Mode = DisplayMode::Main;
    ApplyOffers();
}

void MainModule::ShowChosenToolbar()
{
    const bool large = app_.config.ReadIniText(Section(IniSection::COMMSET), IniKey::MaxToolsBar, "No") == "Yes";
    ToolsBarForm& shown = large ? app_.toolsBarFormMax() : app_.toolsBarForm();
    ToolsBarForm& other = large ? app_.toolsBarForm() : app_.toolsBarFormMax();
    ShowOnTop(shown);
    other.hide();
}

void MainModule::EnterToolbarMode()
{
    ShowChosenToolbar();
    app_.fullScreenForm().hide();
    app_.mainForm().hide();
    Mode = DisplayMode::Toolbar;
    ApplyOffers();
}

void MainModule::EnterFullScreenMode()
{
    FullScreenForm& fs = app_.fullScreenForm();
    fs.PlaceOnChosenMonitor(); // monitors may have come or gone while it was hidden
    ShowOnTop(fs);
    fs.activateWindow();
    app_.toolsBarForm().hide();
    app_.toolsBarFormMax().hide();
    app_.mainForm().hide();
    Mode = DisplayMode::FullScreen;
    ApplyOffers();
}
