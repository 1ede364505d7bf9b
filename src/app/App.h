#pragma once
#include "config/ConfigFile.h"
#include "core/Commands.h"
#include "core/Language.h"
#include "core/PopupMenu.h"
#include "core/TimingSession.h"
#include "journal/JournalStore.h"
#include "platform/Services.h"
#include "programme/Programme.h"
#include "programme/ProgrammeStore.h"

#include <memory>

class MainForm;
class ToolsBarForm;
class FullScreenForm;
class MenuForm;
class HotKeys;
class RecordsForm;
class RemoteView;
class ProgrammeForm;
class ProgrammeRun;
class ReportJob;
class QWidget;
class SpeakerMessageForm;
class FullScreenMessage;
class FocusOnlyNote;

// The application object: owns the configuration access, the timing session, the hotkeys and
// every window. The windows observe the session and send their commands through the command
// port, which the application is; it shows and hides them as the session's display mode says.
// The main window and the popup menu are built at start-up; the toolbars and the full-screen
// window the first time they are shown (or touched).
class App final : public Commands, public PopupMenu {
public:
    explicit App(Services& services);
    ~App() override;
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Creates and loads the main window, then shows it. False when the configuration error
    // ended the program during loading (nothing is shown then).
    bool Start();

    // Unloads the main window and with it the program: hotkeys released, every other window
    // unloaded, the program ends. Nothing is saved.
    void Unload();
    bool IsUnloaded() const { return session.Unloading(); }

    Services& svc;
    ConfigFile config;
    TimingSession session;
    // The contest programme and its file (read by Start).
    Programme programme;
    ProgrammeStore programmeStore;
    // The journal of the timing on the counter (read by Start).
    JournalStore journal;

    MainForm& mainForm();
    ToolsBarForm& toolsBarForm();
    ToolsBarForm& toolsBarFormMax();
    FullScreenForm& fullScreenForm();
    MenuForm& menuForm();
    HotKeys& hotKeys();
    // The records window, built when first opened.
    RecordsForm& recordsForm();
    // Whether a window has been built yet.
    bool ToolbarBuilt(bool large) const { return large ? bool(toolsBarFormMax_) : bool(toolsBarForm_); }
    bool FullScreenBuilt() const { return bool(fullScreenForm_); }

    // The command port: the buttons, the toolbar and full-screen controls, the popup menu, the
    // hotkeys, the timing page and later starts send their command here.
    void Run(CommandId id, QWidget* owner = nullptr) override;
    bool RunOffered(CommandId id) override;
    // The popup menu of the display windows.
    void ShowPopupMenu(QWidget* owner, QPoint globalPos) override;
    CommandOffer Offered(CommandId id) const override;
    bool GoToSpeaker(int row) override;
    std::optional<int> AdjustTime(int seconds) override;
    void SetSpeakerMessage(const QString& text) override;
    QString UnsavedChange() const override;
    int FailedWrites() const override { return programmeStore.FailedWrites() + failedRecords_; }
    // The main window's notice line: what is not stored, then what the start recovered.
    QString NoticeText() const;
    // The programme at work; nothing before Start.
    ProgrammeRun* programmeRun() { return programmeRun_.get(); }
    // The programme window, built when first opened.
    ProgrammeForm& programmeForm();
    // The window of the message to the speaker, built when first opened.
    SpeakerMessageForm& speakerMessageForm();

    // The session's scheme switch; a scheme that does not convert is the configuration error.
    void SwitchScheme(int index);
    // The colour chooser for a counter view; the choice is shown and stored.
    void PickCounterColor(TimingSession::CounterView view, QWidget* owner);
    // The title and the information text, asked for and set.
    void EditTitle(QWidget* owner);
    void EditInfoText(QWidget* owner);
    // Whether the user's exit goes ahead: at once when idle; while a speech is timed (running
    // or paused) only when the user answers Yes. Signals never ask (see Unload).
    bool ExitConfirmed(QWidget* owner);
    // The configuration-error message box, then the end of the program.
    void StartupConfigError();

    // The hotkey texts of the current table into the popup menu's captions.
    void ShowHotKeyCaptions();

    // The settings dialog, the hotkey dialog and the About box, shown modally.
    void ShowOptionForm(QWidget* owner);
    void ShowHotKeyForm(QWidget* owner);
    void ShowAboutBox(QWidget* owner);
    // The records window, shown beside the display windows (not modal).
    void ShowRecords();
    // The timing page for phones: its view is built at start-up when the page is switched on,
    // or when its dialog ("远程显示") first opens.
    RemoteView& remoteView();
    void ShowRemoteViewForm(QWidget* owner);

    // The interface's language: picked in the menu, it is kept in config.ini and every window,
    // Qt's standard dialogs and the timing page change to it at once.
    void ChooseLanguage(Language language);
    void UseLanguage(Language language);

    // Set when the program has been ended (configuration error or unload).
    bool Ended() const { return ended_; }
    void EndProgram(int status);

private:
    // Run's work, command by command.
    void RunCommand(CommandId id, QWidget* owner);
    // The contest report's preview over `owner` (the programme window), modal.
    void ShowReport(QWidget* owner);
    // The start-up sequence of the main window; throws ConfigError.
    void LoadMainForm();
    // The running program's display window, or the modal dialog open over it, raised and activated.
    void BringToFront();
    // The full-screen window, when shown, onto the monitor chosen in the menu.
    void PlaceFullScreen();
    // The display windows of a mode: the mode's window shown on top, the others hidden.
    void ShowModeWindows(DisplayMode mode);
    void ShowToolbar(bool large);
    void ShakeWindows(int cycles);
    // The programme read and put to work; its speaker on the displays from then on.
    void StartProgramme();
    void ShowSpeaker();
    // A timing the last end of the program cut off: continued when its length has not run out
    // and the user says so, recorded as 中断 otherwise; the notice line says which.
    void RecoverCutOffTiming();
    void WriteJournal();

    std::unique_ptr<MainForm> mainForm_;
    std::unique_ptr<ToolsBarForm> toolsBarForm_;
    std::unique_ptr<ToolsBarForm> toolsBarFormMax_;
    std::unique_ptr<FullScreenForm> fullScreenForm_;
    std::unique_ptr<MenuForm> menuForm_;
    std::unique_ptr<HotKeys> hotKeys_;
    std::unique_ptr<RecordsForm> recordsForm_;
    std::unique_ptr<RemoteView> remoteView_;
    std::unique_ptr<ProgrammeRun> programmeRun_;
    std::unique_ptr<ProgrammeForm> programmeForm_;
    std::unique_ptr<SpeakerMessageForm> speakerMessageForm_;
    std::unique_ptr<FullScreenMessage> fullScreenMessage_; // the message in the full-screen window
    FocusOnlyNote* focusOnlyNote_ = nullptr; // the main window's line on hotkeys that need its focus
    ProgramTexts texts_;
    QString reportFolder_; // where the last report PDF went
    std::unique_ptr<ReportJob> reportJob_; // the report being laid out, or the last one
    QString recordsProblem_; // the last record could not be written
    int failedRecords_ = 0;
    bool journalFailed_ = false; // the last write of the journal failed
    QString recoveryLine_;   // what became of a timing the last end of the program cut off
    void ShowNotice();
    bool ended_ = false;
};
