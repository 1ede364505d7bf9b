#pragma once
#include "config/ConfigFile.h"
#include "core/MainModule.h"
#include "core/TimingSession.h"
#include "platform/Services.h"

#include <memory>

class MainForm;
class ToolsBarForm;
class FullScreenForm;
class MenuForm;
class HotKeys;
class QWidget;

// The application object: owns the shared timing state, the configuration access and every
// window. Windows reach each other through it by their names. A window is created (and its
// load handler run) the first time it is touched, as the start-up sequence expects.
class App {
public:
    explicit App(Services& services);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Creates and loads the main window, then shows it. False when the configuration error
    // ended the program during loading (nothing is shown then).
    bool Start();

    // Unloads the main window and with it the program: hotkeys released, every other window
    // unloaded, the program ends. Nothing is saved.
    void Unload();
    bool IsUnloaded() const { return unloaded_; }

    Services& svc;
    ConfigFile config;
    MainModule module;
    TimingSession session; // the counter text, the scheme title, the information picture, the blink after a prompt

    MainForm& mainForm();
    ToolsBarForm& toolsBarForm();
    ToolsBarForm& toolsBarFormMax();
    FullScreenForm& fullScreenForm();
    MenuForm& menuForm();
    HotKeys& hotKeys();

    // The one command surface: the buttons, the toolbar and full-screen controls, the popup
    // menu and the hotkeys send their command here; `owner` is the window a dialog belongs to.
    // Runs the command whether or not it is offered: a control that is not offered cannot send.
    void Run(CommandId id, QWidget* owner = nullptr);

    // The hotkey texts of the current table into the popup menu's captions.
    void ShowHotKeyCaptions();

    // The settings dialog, the hotkey dialog and the About box, shown modally.
    void ShowOptionForm(QWidget* owner);
    void ShowHotKeyForm(QWidget* owner);
    void ShowAboutBox(QWidget* owner);

    // Set when the program has been ended (configuration error or unload).
    bool Ended() const { return ended_; }
    void EndProgram(int status);

private:
    std::unique_ptr<MainForm> mainForm_;
    std::unique_ptr<ToolsBarForm> toolsBarForm_;
    std::unique_ptr<ToolsBarForm> toolsBarFormMax_;
    std::unique_ptr<FullScreenForm> fullScreenForm_;
    std::unique_ptr<MenuForm> menuForm_;
    std::unique_ptr<HotKeys> hotKeys_;
    bool unloaded_ = false;
    bool ended_ = false;
};
