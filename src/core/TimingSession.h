#pragma once
#include "core/CountedTime.h"
#include "core/DebateClocks.h"
#include "core/HotKeyTable.h"
#include "core/OfferedCommands.h"
#include "core/TimingJournal.h"
#include "core/TimingRecord.h"

#include <QDateTime>
#include <QObject>
#include <QRgb>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class Clock;
class ConfigFile;
class EventPump;
class IntervalTimer;
class ProgramDir;
class Random;
class ScreenSaver;
class Sound;
class TimerFactory;

// What the timing session needs from the outside world.
struct SessionServices {
    Clock& clock;
    Random& random;
    Sound& sound;
    TimerFactory& timers;
    EventPump& events;
    ScreenSaver& screenSaver;
    ProgramDir& programDir;
};

// The one timing session: the current scheme, the timing phase, the display mode and everything
// a view of the counter shows, with the tick, the blink and the running-light timers and the
// timing commands. It knows no window. Views read the getters when they are created and then
// follow the signals (direct connections, emitted at the point where a view is to change); the
// application shows and hides the display windows on modeChanged and toolbarChosen.
class TimingSession : public QObject {
    Q_OBJECT
public:
    // The counter views, in the order the blink draws their colours.
    enum CounterView { MainCounter, SmallToolbarCounter, LargeToolbarCounter, FullScreenCounter, CounterViews };

    TimingSession(const SessionServices& services, ConfigFile& config);
    ~TimingSession() override;

    // ---- the current scheme, as read from config.ini ----
    std::int16_t FangAnId() const { return fangAnId_; } // 1..5 once loaded
    void SetFangAnId(std::int16_t scheme);               // the scheme check marks follow
    QString TitleText;                     // the first part of the scheme title
    QString TimeLenText;                   // "JSHH:JSMM:JSSS" as read
    std::int32_t TimeLenSeconds = 0;       // 0..86399
    std::int16_t CountDirection = 0;       // 0 down, 1 up, anything else stands still
    std::array<QString, 5> PromptTimes;    // "TSHHk:TSMMk:TSSSk"
    std::array<std::int32_t, 5> PromptSeconds{}; // 0 = no prompt
    std::array<std::optional<QRgb>, 5> PromptColors; // the prompts' signal colours (TSColork)
    QString PromptWav;
    QString EndWav;
    std::int32_t CounterSeconds = 0;       // remaining (down) or elapsed (up)
    HotKeyTable HotKeys;                   // the eleven global hotkeys as configured
    // A section name of the current scheme: "JSSET" + "2".
    QString Section(const QString& word) const { return word + QString::number(fangAnId_); }

    // ---- timers ----
    std::unique_ptr<IntervalTimer> Timer2;      // 500 ms, the blink after a prompt
    std::unique_ptr<IntervalTimer> Timer1;      // 1000 ms, the tick
    std::unique_ptr<IntervalTimer> LightsTimer; // 500 ms, the running lights of the full-screen strip

    // ---- phase, display mode and what is offered ----
    TimingPhase Phase() const { return phase_; }
    bool IsTiming() const { return phase_ == TimingPhase::Running; }
    // The end has been reached and the counter counts the time beyond it (running or paused).
    bool Overtime() const { return overtime_; }
    DisplayMode Mode() const { return mode_; }
    // Which toolbar the toolbar mode shows (chosen by MaxToolsBar when the mode is entered).
    bool LargeToolbarChosen() const { return largeToolbarChosen_; }
    // The table's rule; 换方 is offered in a debate scheme while a timing runs or is paused and
    // the other side may take the floor.
    CommandOffer Offered(CommandId id) const;
    // "暂停", or "继续" while paused: the pause command's word, in the interface's language.
    QString PauseWord() const;

    // ---- what the views show ----
    const QString& CounterText() const { return counterText_; }  // every counter view
    const QString& SchemeTitle() const { return schemeTitle_; }  // "<title> 计时方案<n>", translated
    const QString& ClockText() const { return clockText_; }      // the main window's clock
    const QString& StartTimeText() const { return startTimeText_; }
    const QString& EndTimeText() const { return endTimeText_; }
    const QString& TimeLenShown() const { return timeLenShown_; } // the main window's length label
    QString InfoText() const;                                     // the full-screen information text
    // The information picture's file (relative to the program directory); empty when it is off.
    const QString& InfoPictureName() const { return infoPictureName_; }
    bool InfoPictureShown() const { return infoPictureShown_; }
    int LitLight() const { return litLight_; } // 0..8; 0 is the blank step at rest
    // The colour of a counter view as 0xBBGGRR; -1 until the scheme's colours are applied.
    int CounterColor(CounterView view) const { return counterColors_[view]; }
    bool ShakeMarked() const { return shakeMarked_; }
    bool LargeToolbarMarked() const { return largeToolbarMarked_; }
    int BlinkTicks() const { return blinkTicks_; }
    bool Blinking() const;
    // The contest signal shown behind every counter: the colour of the last prompt with a colour
    // reached in this timing; nullopt without one. A pause keeps it, overtime keeps it; a start,
    // the end (without overtime), a reset and a scheme switch clear it.
    std::optional<QRgb> SignalColor() const { return signalColor_; }
    bool ScreenSaverHeld() const { return screenSaverHeld_; }
    bool Ended() const { return ended_; }
    // No sound output was found when the last timing started: prompts and the end are silent.
    bool SoundOutputMissing() const { return soundOutputMissing_; }

    // ---- a debate scheme: two sides, each with the length on its own clock ----
    // The current scheme is a debate (Debate=Yes in its COMMSET).
    bool IsDebate() const { return debate_; }
    // Both clocks, their names and the side with the floor, as every view shows them.
    DebateShown Debate() const;
    // A side's name as the scheme sets it; "正方"/"反方" (in the interface's language) without one.
    QString SideName(int side) const;
    // 换方: the floor to the other side, at once (running) or for the continue (paused).
    void SwitchSides();

    // ---- start-up and the scheme ----
    // The information text and picture of the full-screen window from [InfoTxtSet] and
    // [InfoPicSet], read once; the running lights start.
    void LoadInfoDisplay();
    void ShowSchemeTitle();
    // Reads scheme FangAnId into the state above; throws ConfigError when a value does not convert.
    void LoadScheme();
    // The large-toolbar mark, the scheme, idle; throws ConfigError. The views follow with
    // ShowLoadedScheme.
    void ReadSchemeState();
    // The loaded scheme into the views: length, counter, clock, offers, colours, shake mark;
    // throws ConfigError when a colour is not a number.
    void ShowLoadedScheme();
    // Makes scheme `index` (1..5) the current one: check mark, stored number, title, scheme;
    // throws ConfigError (the defaults read so far are stored first).
    void SwitchScheme(int index);
    // The current scheme again after the settings dialog: the state and the counters. A scheme
    // that does not convert keeps what is held.
    void ReloadCurrentScheme();
    // Counter colours from ColorSet<n>; throws ConfigError when one is not a number.
    void ApplyCounterColors();
    // The same, but a colour that does not convert leaves that counter's current colour.
    void RestoreCounterColors();

    // ---- timing commands ----
    void StartTiming();
    void TogglePause();
    void ResetTiming();
    void SetRunningControls();
    void SetIdleControls();
    // The tick starts (once, at start-up); it runs from then until the program unloads.
    void StartTick();
    // The one-second tick: clock, counter, prompt, end and step. The counter takes the beats of
    // the tick that fell since the last one (CountedTime): one, or more after a stall.
    void Tick();
    void FinishTiming();
    void PlayWav(const QString& path);
    // The program ends: a timing still running or paused is recorded as ended by the exit (or
    // as ended at its end, when it was counting overtime).
    void RecordExit();
    // The running or paused timing's counter moved by `seconds` (TimingAdjust.cpp): a plus gives
    // the speaker time, a minus takes it, within zero and the length; the seconds applied.
    int AdjustTime(int seconds);

    // ---- the journal of the timing on the counter (SessionJournal.cpp) ----
    // The running or paused timing as its journal keeps it now; nothing while idle.
    std::optional<TimingJournal> Journal() const;
    // A timing the program's last end cut off, recorded as it was when its journal was written.
    void RecordCutOff(const TimingJournal& journal);
    // The same timing continued, its counter (a debate: both clocks) where `recovery` puts it,
    // paused when it was. The journal's scheme must be the current one.
    void ContinueCutOff(const TimingJournal& journal, const CutOffRecovery& recovery);

    // ---- the message to the speaker (SpeakerMessage.cpp) ----
    const QString& SpeakerMessage() const { return speakerMessage_; }
    // Shown as SpeakerMessageText makes it; empty clears it.
    void SetSpeakerMessage(const QString& text);

    // ---- display modes ----
    // "0" main window, "1" toolbar, "2" full screen, anything else no change.
    void ApplyDisplayState(const QString& value);
    void EnterMainMode();
    void EnterToolbarMode();
    void EnterFullScreenMode();
    // The toolbar chosen by MaxToolsBar of the current scheme, told by toolbarChosen.
    void ShowChosenToolbar();

    // ---- the user's choices ----
    void SetTitleText(const QString& answer);        // empty: "Horalto"; stored either way
    // The title the user set last ([TitleSet] Title), "Horalto" without one; reads only.
    void LoadTitleText();
    void SetInfoTextFrom(const QString& answer);     // stored, then shown as stored
    void ToggleShake();
    void ToggleLargeToolbar();
    // A colour picked for a counter view: shown and stored under the view's ColorSet<n> key.
    void ChooseCounterColor(CounterView view, int color);
    void SetCounterColor(CounterView view, int color);
    void SetCounterText(const QString& text);
    void SetSchemeTitle(const QString& caption);
    // The information picture of the full-screen window: shown by an end into full screen,
    // hidden by a start or a reset.
    void SetInfoPictureShown(bool shown);
    // The interface's language changed: the scheme title again (a title already shown), and
    // textsChanged for the views of the session's texts.
    void RetranslateTexts();

    // ---- the running lights and the blink ----
    // While a timing runs each step lights the next light, round the strip; otherwise a step
    // puts it back to 0.
    void StepRunningLight(bool timing);
    // A prompt: the blink runs (a blink already running goes on with its count).
    void StartBlink();
    void StopBlink();
    // One blink step: seven steps of random colours (red, green, blue drawn for each view in
    // CounterView order), then the eighth restores the configured colours and ends the blink.
    void BlinkTick();

    // ---- the end of the program ----
    // The screen saver is held off while a timing runs or is paused and while the full-screen
    // window shows, never once the program is unloaded. Tells the service only when the hold
    // changes; an end that switches to the full-screen window keeps the hold throughout.
    void ApplyScreenSaverHold();
    // The program unloads: the tick and the blink stop.
    void StopTimers();
    // Unloaded: the screen saver is let go and stays so.
    void SetUnloaded();
    // The program has been ended: an end that is still running stops after its event pumps.
    void MarkEnded() { ended_ = true; }
    // The program unloads (the exit, or the main window closed): no window switches the mode
    // any more.
    void MarkUnloading() { unloading_ = true; }
    bool Unloading() const { return unloading_; }

    QString DateTimeText(const QDateTime& t) const;
    QString DefaultPromptWav() const;
    QString DefaultEndWav() const;

signals:
    void counterTextChanged(const QString& text);
    void schemeTitleChanged(const QString& caption);
    void schemeNumberChanged(int scheme);
    void phaseChanged(TimingPhase phase);         // the pause captions follow
    void offersChanged();                         // after every phase or mode change
    void modeChanged(DisplayMode mode);           // every mode entry, changed or not
    void toolbarChosen(bool large);               // the toolbar to show in toolbar mode
    void clockTextChanged(const QString& text);
    void timeLabelsChanged();                     // start, end or length text
    void infoTextChanged(const QString& text);
    void infoPictureShownChanged(bool shown);
    void runningLightMoved(int from, int to);     // only when the lit light changes
    void counterColorChanged(int view, int color); // color as 0xBBGGRR
    void shakeMarkChanged(bool marked);
    void largeToolbarMarkChanged(bool marked);
    void shakeRequested(int cycles);              // the visible windows shake
    void timingEnded(const TimingRecord& record); // a started timing is over, however it ended
    void textsChanged();                          // the interface's language changed
    void soundOutputMissingChanged(bool missing); // looked at when a timing starts
    void signalColorChanged(std::optional<QRgb> color); // only when it changes
    void speakerMessageChanged(const QString& text);    // only when it changes
    void debateChanged(); // a debate scheme's clocks, names or floor changed: read Debate()
    // The timing's journal is to be written (Journal()): at a start, a pause, a continue, an
    // adjustment, a hand-over, the end reached into overtime, and every few seconds of running.
    // timingEnded makes it go.
    void journalDue();

private:
    void SetPhase(TimingPhase phase);
    void SetMode(DisplayMode mode);
    void SetTimeLabels(const QString& start, const QString& end);
    void SetSignalColor(std::optional<QRgb> color);
    void ReadLargeToolbarChoice();
    // Flips a Yes/No switch of COMMSET<n> and stores it; the mark ends as stored.
    bool ToggleStoredSwitch(bool& mark, const QString& key);
    // The record of the timing that starts now; the one before must have been closed.
    void OpenRecord();
    // The timing's record is complete: announced by timingEnded. Nothing when none is open.
    void CloseRecord(TimingEnd how);
    // The record as it would be closed now; nothing when none is open.
    std::optional<TimingRecord> RecordSoFar(TimingEnd how) const;
    // The end of a scheme that counts overtime: the counter goes on beyond it.
    void EnterOvertime();
    // The end's last steps: the waiting events, then the shake.
    void EndTail();
    // The counter takes `beats` steps at once and shows where it stands: a prompt among them
    // acts once, and an end among them ends the timing (the rest counting as overtime).
    void AdvanceCounter(int beats);
    // A command that comes after a stall, before the late tick: the beats it missed first.
    void CatchUp();
    // The debate hooks: the scheme's keys, the clock with the floor on each tick, the views told.
    void LoadDebate();
    void DebateTick();
    void AfterDebateEvents(const DebateEvents& ev);
    void ShowDebate();
    // How long until the tick's next beat.
    qint64 UntilBeat(qint64 now) const;
    // The signal colour of the prompts the counter has passed when the next tick shows `next`.
    std::optional<QRgb> SignalBefore(std::int32_t next) const;

    SessionServices svc_;
    ConfigFile& config_;
    std::int16_t fangAnId_ = 0;
    TimingPhase phase_ = TimingPhase::Idle;
    DisplayMode mode_ = DisplayMode::Main;
    bool largeToolbarChosen_ = false;
    bool soundOutputMissing_ = false;
    QString counterText_;
    QString schemeTitle_;
    QString clockText_;
    QString startTimeText_ = QStringLiteral("00:00:00");
    QString endTimeText_ = QStringLiteral("00:00:00");
    QString timeLenShown_ = QStringLiteral("00:00:00");
    QString infoText_;
    QString infoPictureName_;
    bool infoPictureShown_ = false;
    int litLight_ = 0;
    std::array<int, CounterViews> counterColors_{-1, -1, -1, -1};
    bool shakeMarked_ = false;
    bool largeToolbarMarked_ = false;
    int blinkTicks_ = 0;
    bool screenSaverHeld_ = false;
    bool endSwitchingDisplay_ = false; // an end is switching the display: the hold waits for it
    bool unloaded_ = false;
    bool ended_ = false;
    bool unloading_ = false;
    bool overtime_ = false;
    std::optional<QRgb> signalColor_;
    std::int32_t overtimeSeconds_ = 0;
    std::optional<TimingRecord> record_; // the timing started and not yet over
    std::int32_t countedTicks_ = 0;      // beats of the record's timing that showed its counter
    CountedTime counted_;                // the record's timing on the monotonic clock
    qint64 lastTickAt_ = -1;             // the monotonic reading of the last tick
    std::int32_t adjustedBeforeEnd_ = 0; // the record's timing adjusted before its end, in seconds
    int journalBeats_ = 0;               // ticks of running since the journal was last due
    static constexpr int kJournalBeats = 5;
    QString speakerMessage_;
    bool debate_ = false;
    std::array<QString, 2> sideNames_;   // as the scheme has them; empty for the default names
    DebateClocks debateClocks_;
};
