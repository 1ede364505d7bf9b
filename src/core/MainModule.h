#pragma once
#include "core/OfferedCommands.h"
#include "hotkeys/HotKeyTable.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>

class App;
class QWidget;

// The shared timing state and the procedures that every window works with. There is one,
// owned by the App; windows reach it through the App.
class MainModule {
public:
    explicit MainModule(App& app) : app_(app) {}

    // ---- shared timing state ----
    std::int16_t FangAnId = 0;             // current scheme, 1..5 once loaded
    QString TimeLenText;                   // "JSHH:JSMM:JSSS" as read
    std::int32_t TimeLenSeconds = 0;       // 0..86399
    std::int16_t CountDirection = 0;       // 0 down, 1 up, anything else stands still
    std::array<QString, 5> PromptTimes;    // "TSHHk:TSMMk:TSSSk"
    std::array<std::int32_t, 5> PromptSeconds{}; // 0 = no prompt
    QString PromptWav;
    QString EndWav;
    bool IsTiming = false;
    TimingPhase Phase = TimingPhase::Idle;
    DisplayMode Mode = DisplayMode::Main;
    std::int32_t CounterSeconds = 0;       // remaining (down) or elapsed (up)
    QString TitleText;
    HotKeyTable HotKeys;                   // the hotkey table (HotKeyTable)
    bool ScreenSaverHeld = false;          // what the screen-saver service was last told
    bool EndSwitchingDisplay = false;      // an end is switching the display: the hold waits for it

    // ---- scheme loading and captions ----
    // Reads scheme FangAnId into the state above; throws ConfigError when a value does not convert.
    void LoadScheme();
    // The scheme title into the session, which tells every view (ShowTitleInWindows).
    void ShowSchemeTitle();
    void ShowTitleInWindows(const QString& caption);
    // Counter colours of the four display windows from ColorSet<n>; throws ConfigError when a
    // colour is not a number.
    void ApplyCounterColors();
    // The same, but a colour that does not convert leaves that counter's current colour.
    void RestoreCounterColors();
    void SetPauseMenuCaption(const QString& word);
    // The configuration-error message box, then the end of the program.
    void StartupConfigError();
    // The scheme-loading steps shared by start-up and the scheme switch (after the scheme
    // number and the title are set); throws ConfigError.
    void LoadCurrentSchemeIntoWindows(bool startUp);

    // ---- the tick (every 1000 ms) and the blink colours ----
    void Tick();
    // A blink colour of the session (TimingSession::CounterView order) into that counter label.
    void ShowBlinkColor(int view, int color);

    // ---- timing commands ----
    void StartTiming();
    void TogglePause();
    void ResetTiming();
    void SetRunningControls();
    void SetIdleControls();
    // Whether a command is offered now (OfferedCommand for the current phase and mode).
    CommandOffer Offered(CommandId id) const { return OfferedCommand(id, Phase, Mode); }
    // The enabled states of every command button and the enabled and visible states of every
    // command item of the popup menu, from OfferedCommand.
    void ApplyOffers();
    // The screen saver is held off while a timing runs or is paused and while the full-screen
    // window shows, never once the program is unloaded. Called after every phase or mode change
    // (by ApplyOffers) and at the unload; tells the service only when the hold changes. An end
    // that switches to the full-screen window keeps the hold without a release in between.
    void ApplyScreenSaverHold();
    // Makes scheme `index` (1..5) the current one: check mark, stored number, title, scheme.
    void SwitchScheme(int index);
    void FinishTiming();
    void ShakeWindows(int cycles);
    void PlayWav(const QString& path);

    // ---- display modes ----
    void ApplyDisplayState(const QString& value);
    void EnterMainMode();
    void EnterToolbarMode();
    void EnterFullScreenMode();
    // Shows the toolbar chosen by MaxToolsBar of the current scheme and hides the other one.
    void ShowChosenToolbar();

    // ---- the counter labels ----
    // The counter text into the session, which tells every view (ShowCounterInWindows).
    void SetCounterTexts(const QString& text);
    void ShowCounterInWindows(const QString& text);

    // ---- colour choice of a counter label, stored under key of ColorSet<n> ----
    void PickCounterColor(QWidget* label, const QString& key);

    // ---- helpers ----
    QString Section(const QString& word) const { return word + QString::number(FangAnId); }
    QString DateTimeText(const QDateTime& t) const;
    QString DefaultPromptWav() const;
    QString DefaultEndWav() const;

private:
    App& app_;
};

// Time texts and counter texts.
// "h:m:s" as a time of day (hours 0..23, minutes and seconds 0..59, parts of decimal digits)
// to seconds; throws ConfigError for anything else.
std::int32_t TimeTextToSeconds(const QString& text);
// Seconds as "hh:mm:ss", each part at least two digits.
QString SecondsToTimeText(std::int32_t seconds);
// A scheme number as stored: a decimal number (rounded to a whole number) in 16 bits;
// throws ConfigError otherwise.
std::int16_t SchemeNumberFromText(const QString& text);

// The program's version as "major.minor.revision".
QString ProgramVersion();
// The built-in information text of the full-screen window.
QString DefaultInfoText();
// The one configuration-error message.
QString ConfigErrorMessage();
