#include "app/App.h"

#include "about/frmAbout.h"
#include "hotkeys/FocusOnlyNote.h"
#include "hotkeys/HotKeyForm.h"
#include "hotkeys/HotKeys.h"
#include "message/FullScreenMessage.h"
#include "message/SpeakerMessageForm.h"
#include "menu/MenuForm.h"
#include "programme/ProgrammeForm.h"
#include "programme/ProgrammeRun.h"
#include "records/RecordsForm.h"
#include "report/ReportJob.h"
#include "platform/desktop/X11WindowMove.h"
#include "report/ReportPreview.h"

#include <QPointer>
#include "remote/RemoteSettings.h"
#include "remote/RemoteView.h"
#include "remote/RemoteViewForm.h"
#include "settings/OptionForm.h"
#include "windows/FullScreenForm.h"
#include "windows/MainForm.h"
#include "windows/ToolsBarForm.h"

#include "core/TimeText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>

App::App(Services& services)
    : svc(services)
    , config(services.programDir)
    , session(SessionServices{services.clock, services.random, services.sound, services.timers, services.events,
                              services.screenSaver, services.programDir},
              config)
    , programmeStore(services.programmePath, programme)
    , journal(services.journalPath)
{
    QObject::connect(&session, &TimingSession::modeChanged, &session,
                     [this](DisplayMode mode) { ShowModeWindows(mode); }, Qt::DirectConnection);
    QObject::connect(&session, &TimingSession::toolbarChosen, &session,
                     [this](bool large) { ShowToolbar(large); }, Qt::DirectConnection);
    QObject::connect(&session, &TimingSession::shakeRequested, &session,
                     [this](int cycles) { ShakeWindows(cycles); }, Qt::DirectConnection);
    // Every timing that ends goes on record; a record that cannot be written leaves the timing
    // alone and the main window says so until a record is written again.
    QObject::connect(&session, &TimingSession::timingEnded, &session,
                     [this](const TimingRecord& r) {
                         TimingRecord named = r;
                         if (programmeRun_)
                             programmeRun_->NameRecord(named);
                         const bool written = svc.records.append(CsvLine(RecordFields(named)));
                         failedRecords_ += written ? 0 : 1;
                         recordsProblem_ = written ? QString()
                                                   : QCoreApplication::translate("App", "无法写入计时记录 %1：这次计时没有记录")
                                                         .arg(QDir::toNativeSeparators(svc.records.path()));
                         // The journal goes once the record is kept: a record that could not be
                         // written is still found as cut off at the next start.
                         if (written) {
                             journal.Remove();
                             journalFailed_ = false;
                         }
                         if (named.ending != TimingEnd::Interrupted)
                             recoveryLine_.clear();
                         ShowNotice();
                     },
                     Qt::DirectConnection);
    QObject::connect(&programmeStore, &ProgrammeStore::writeProblemChanged, &session, [this] { ShowNotice(); });
    QObject::connect(&session, &TimingSession::journalDue, &session, [this] { WriteJournal(); }, Qt::DirectConnection);
    QObject::connect(&session, &TimingSession::textsChanged, &session, [this] { ShowNotice(); });
}

App::~App()
{
    // The screen saver is let go however the program ends.
    session.SetUnloaded();
    remoteView_.reset();
    speakerMessageForm_.reset();
    reportJob_.reset();
    programmeForm_.reset();
    // Windows go before the hotkey service's handler owner; the menu last, since the display
    // windows' handlers may still refer to it while they are torn down.
    recordsForm_.reset();
    toolsBarFormMax_.reset();
    toolsBarForm_.reset();
    fullScreenMessage_.reset();
    fullScreenForm_.reset();
    mainForm_.reset();
    menuForm_.reset();
    hotKeys_.reset();
}

bool App::Start()
{
    config.RemoveStaleTempFiles();
    // The stored language before any window: the configuration error too speaks it, once known.
    UseLanguage(config.FileUsable() ? ReadLanguage(config) : Language::Chinese);
    StartProgramme();
    {
        // The defaults that the start fills in reach the disk in one write, also when a
        // configuration error ends the start: before its message shows.
        ConfigFile::DefaultsBatch defaults(config);
        try {
            LoadMainForm();
        } catch (const ConfigError&) {
            defaults.commit();
            StartupConfigError();
            return false;
        }
    }
    if (ended_)
        return false;
    ShowSpeaker();
    ShowNotice();
    QObject::connect(programmeRun_.get(), &ProgrammeRun::displayChanged, &session, [this] { ShowSpeaker(); },
                     Qt::DirectConnection);
    mainForm().show();
    mainForm().raise();
    mainForm().activateWindow();
    if (RemoteSettings::Read(config).enabled)
        remoteView().StartIfEnabled();
    RecoverCutOffTiming();
    return true;
}

void App::WriteJournal()
{
    std::optional<TimingJournal> j = session.Journal();
    if (!j || journal.Path().isEmpty())
        return;
    if (programmeRun_)
        programmeRun_->NameJournal(*j);
    if (const bool failed = !journal.Write(*j); failed != journalFailed_) {
        journalFailed_ = failed;
        ShowNotice();
    }
}

void App::RecoverCutOffTiming()
{
    const std::optional<TimingJournal> j = journal.Read();
    if (!j || ended_)
        return;
    CutOffRecovery recovery = DecideRecovery(*j, svc.clock.now());
    const TimingRecord& r = j->record;
    const QString who = r.speaker.isEmpty() ? r.title : r.speaker;
    const QString start = r.start.toString(QStringLiteral("HH:mm:ss"));
    bool resume = false;
    if (recovery.canContinue) {
        const QString question = QCoreApplication::translate("App", "上次的计时（%1，%2 开始）在程序结束时被中断。\n\n"
                                    "是：继续上次计时，计数器在现在应到的位置%3\n"
                                    "否：把它记入计时记录，结束方式“中断”")
                                     .arg(who, start, j->paused ? QCoreApplication::translate("App", "（保持暂停）") : QString());
        resume = svc.dialogs.question(&mainForm(), QCoreApplication::translate("App", "继续上次计时"), question);
        // The counter goes on where it would be once the answer came (the length may have
        // run out meanwhile).
        recovery = DecideRecovery(*j, svc.clock.now());
        resume = resume && recovery.canContinue;
    }
    if (resume && r.scheme != session.FangAnId())
        SwitchScheme(r.scheme);
    if (resume && r.scheme == session.FangAnId() && !ended_) {
        const int row = j->speakerRow;
        if (programmeRun_ && row >= 0 && row < programme.Size() && programme.Speakers()[row].name == r.speaker)
            programme.SetCurrent(row);
        session.ContinueCutOff(*j, recovery);
        recoveryLine_ = QCoreApplication::translate("App", "已继续上次中断的计时（%1）").arg(who);
    } else if (!ended_) {
        if (programmeRun_)
            programmeRun_->AdoptCutOff(*j);
        session.RecordCutOff(*j);
        recoveryLine_ = QCoreApplication::translate("App", "上次中断的计时（%1）已记入计时记录：%2")
                            .arg(who, SecondsToTimeText(r.countedSeconds + r.overtimeSeconds.value_or(0)));
    }
    std::fprintf(stderr, "Horalto: %s\n", recoveryLine_.toLocal8Bit().constData());
    ShowNotice();
}

MainForm& App::mainForm()
{
    if (!mainForm_)
        mainForm_ = std::make_unique<MainForm>(session, *this, *this);
    return *mainForm_;
}

ToolsBarForm& App::toolsBarForm()
{
    if (!toolsBarForm_) {
        toolsBarForm_ = std::make_unique<ToolsBarForm>(session, *this, *this, false);
        toolsBarForm_->Form_Load();
    }
    return *toolsBarForm_;
}

ToolsBarForm& App::toolsBarFormMax()
{
    if (!toolsBarFormMax_) {
        toolsBarFormMax_ = std::make_unique<ToolsBarForm>(session, *this, *this, true);
        toolsBarFormMax_->Form_Load();
    }
    return *toolsBarFormMax_;
}

FullScreenForm& App::fullScreenForm()
{
    if (!fullScreenForm_) {
        fullScreenForm_ = std::make_unique<FullScreenForm>(session, *this, *this, config, svc.programDir);
        fullScreenForm_->Form_Load();
        fullScreenMessage_ = std::make_unique<FullScreenMessage>(session, *fullScreenForm_,
                                                                 SpeakerMessageSettings::FullScreenShown(config));
        if (programmeRun_)
            fullScreenForm_->ShowSpeaker(programmeRun_->DisplayTitle(), programmeRun_->NextLine());
    }
    return *fullScreenForm_;
}

MenuForm& App::menuForm()
{
    if (!menuForm_)
        menuForm_ = std::make_unique<MenuForm>(session, *this, hotKeys(), config);
    return *menuForm_;
}

RemoteView& App::remoteView()
{
    if (!remoteView_) {
        remoteView_ = std::make_unique<RemoteView>(session, *this, config, svc.remote, svc.random);
        if (programmeRun_)
            remoteView_->ShowSpeaker(programmeRun_->DisplayTitle(), programmeRun_->NextLine());
    }
    return *remoteView_;
}

HotKeys& App::hotKeys()
{
    if (!hotKeys_)
        hotKeys_ = std::make_unique<HotKeys>(session, *this, config, svc.hotkeys);
    return *hotKeys_;
}

RecordsForm& App::recordsForm()
{
    if (!recordsForm_)
        recordsForm_ = std::make_unique<RecordsForm>(svc.records, svc.desktop, svc.dialogs, svc.clock);
    return *recordsForm_;
}

void App::StartProgramme()
{
    programmeStore.Load();
    programmeRun_ = std::make_unique<ProgrammeRun>(programme, session, *this);
}

void App::ShowSpeaker()
{
    const QString title = programmeRun_->DisplayTitle();
    if (mainForm_)
        mainForm_->ShowSpeaker(title);
    if (fullScreenForm_)
        fullScreenForm_->ShowSpeaker(title, programmeRun_->NextLine());
    if (remoteView_)
        remoteView_->ShowSpeaker(title, programmeRun_->NextLine());
    // Whether 下一位 is offered follows the programme too.
    if (menuForm_)
        menuForm_->ApplyOffers();
}

ProgrammeForm& App::programmeForm()
{
    if (!programmeForm_) {
        programmeForm_ = std::make_unique<ProgrammeForm>(*programmeRun_, programmeStore, session, svc.dialogs,
                                                         svc.desktop, svc.random);
        QObject::connect(programmeForm_.get(), &ProgrammeForm::reportRequested, programmeForm_.get(),
                         [this] { Run(CommandId::ContestReport, programmeForm_.get()); });
    }
    return *programmeForm_;
}

void App::ShowReport(QWidget* owner)
{
    if (!svc.printing)
        return;
    // The title the user gave the timings; the report's own title otherwise.
    const QString title = session.TitleText == QLatin1String("Horalto") ? QString() : session.TitleText;
    // One report at a time; its preview opens when its PDF and pictures are made.
    if (reportJob_ && reportJob_->Running())
        return;
    reportJob_ = std::make_unique<ReportJob>(
        programme.Speakers(), svc.records.readAll(), title, svc.clock.now().date(),
        QualifyingText(config, programme.Speakers(), session.FangAnId()),
        [this, owner = QPointer<QWidget>(owner)](ContestReport report, QByteArray pdf, QList<QByteArray> pages) {
            ReportPreview preview(std::move(report), std::move(pdf), std::move(pages), *svc.printing, svc.dialogs,
                                  reportFolder_, owner);
            preview.exec();
            reportFolder_ = preview.Folder();
        });
}

void App::ShowRecords()
{
    recordsForm().Form_Show();
}

namespace {
// The commands whose dialog is modal over the window that sent them.
bool OpensModalDialog(CommandId id)
{
    switch (id) {
    case CommandId::About: case CommandId::Setup: case CommandId::HotKeySetup: case CommandId::AppInfo:
    case CommandId::RemoteView: case CommandId::EditTitle: case CommandId::MainCounterColor:
    case CommandId::SmallToolbarCounterColor: case CommandId::LargeToolbarCounterColor:
    case CommandId::FullScreenCounterColor:
        return true;
    default:
        return false;
    }
}
} // namespace

void App::Run(CommandId id, QWidget* owner)
{
    // A dialog opened from a window that never takes the focus (the toolbar's gear, over the
    // slides) gives the focus back, when it closes, to the window that had it: the presenter's
    // next PageDown goes to the slides again.
    if (OpensModalDialog(id) && !QApplication::activeWindow()) {
        const quint32 before = ActiveX11WindowId();
        RunCommand(id, owner);
        const quint32 after = ActiveX11WindowId();
        const QWindowList windows = QGuiApplication::allWindows();
        const bool ours = after == 0 || std::any_of(windows.begin(), windows.end(),
                                                    [after](QWindow* w) { return w->handle() && w->winId() == after; });
        if (before && after != before && ours)
            ActivateX11WindowId(before);
        return;
    }
    RunCommand(id, owner);
}

void App::RunCommand(CommandId id, QWidget* owner)
{
    if (const int scheme = SchemeOf(id)) {
        SwitchScheme(scheme);
        return;
    }
    switch (id) {
    case CommandId::Start: session.StartTiming(); break;
    case CommandId::Reset: session.ResetTiming(); break;
    case CommandId::ToolbarMode: session.EnterToolbarMode(); break;
    case CommandId::FullScreenMode: session.EnterFullScreenMode(); break;
    case CommandId::BackToMain: session.EnterMainMode(); break;
    case CommandId::PauseContinue: session.TogglePause(); break;
    case CommandId::About: ShowAboutBox(owner); break;
    case CommandId::Setup: ShowOptionForm(owner); break;
    case CommandId::HotKeySetup: ShowHotKeyForm(owner); break;
    case CommandId::AppInfo: EditInfoText(owner); break;
    case CommandId::Shake: session.ToggleShake(); break;
    case CommandId::LargeToolbar: session.ToggleLargeToolbar(); break;
    case CommandId::Exit:
        if (ExitConfirmed(owner))
            Unload();
        break;
    case CommandId::Records: ShowRecords(); break;
    case CommandId::RemoteView: ShowRemoteViewForm(owner); break;
    case CommandId::Programme:
        if (programmeRun_)
            programmeForm().Form_Show();
        break;
    case CommandId::NextSpeaker:
        if (programmeRun_)
            programmeRun_->Next();
        break;
    case CommandId::SwitchSides: session.SwitchSides(); break;
    case CommandId::EditTitle: EditTitle(owner); break;
    case CommandId::MainCounterColor: PickCounterColor(TimingSession::MainCounter, owner); break;
    case CommandId::SmallToolbarCounterColor: PickCounterColor(TimingSession::SmallToolbarCounter, owner); break;
    case CommandId::LargeToolbarCounterColor: PickCounterColor(TimingSession::LargeToolbarCounter, owner); break;
    case CommandId::FullScreenCounterColor: PickCounterColor(TimingSession::FullScreenCounter, owner); break;
    case CommandId::ChineseLanguage: ChooseLanguage(Language::Chinese); break;
    case CommandId::EnglishLanguage: ChooseLanguage(Language::English); break;
    case CommandId::FullScreenToMonitor: PlaceFullScreen(); break;
    case CommandId::HotKeyCaptions: ShowHotKeyCaptions(); break;
    case CommandId::BringToFront: BringToFront(); break;
    case CommandId::ContestReport: ShowReport(owner); break;
    case CommandId::SpeakerMessage: speakerMessageForm().Form_Show(); break;
    default: break;
    }
}

bool App::RunOffered(CommandId id)
{
    if ((hotKeys_ && hotKeys_->Held()) || !Offered(id).offered())
        return false;
    Run(id);
    return true;
}

CommandOffer App::Offered(CommandId id) const
{
    CommandOffer offer = session.Offered(id);
    if (id == CommandId::NextSpeaker)
        offer.enabled = programmeRun_ && programmeRun_->NextOffered();
    return offer;
}

bool App::GoToSpeaker(int row)
{
    if ((hotKeys_ && hotKeys_->Held()) || !programmeRun_)
        return false;
    return programmeRun_->GoTo(row);
}

std::optional<int> App::AdjustTime(int seconds)
{
    if ((hotKeys_ && hotKeys_->Held()) || !Offered(CommandId::AdjustTime).offered())
        return std::nullopt;
    return session.AdjustTime(seconds);
}

void App::SetSpeakerMessage(const QString& text)
{
    session.SetSpeakerMessage(text);
}

QString App::UnsavedChange() const
{
    return !programmeStore.WriteProblem().isEmpty() ? programmeStore.WriteProblem() : recordsProblem_;
}

QString App::NoticeText() const
{
    // Short: the line has the width of the counter (the programme window says more).
    QStringList lines;
    if (!programmeStore.WriteProblem().isEmpty())
        lines << QCoreApplication::translate("App", "比赛名单无法保存，更改只在屏幕上");
    if (!recordsProblem_.isEmpty())
        lines << QCoreApplication::translate("App", "计时记录无法写入");
    if (journalFailed_)
        lines << QCoreApplication::translate("App", "计时日志无法写入，程序意外结束时这次计时会丢失");
    if (!recoveryLine_.isEmpty())
        lines << recoveryLine_;
    return lines.join(QStringLiteral("；"));
}

void App::ShowNotice()
{
    if (mainForm_)
        mainForm_->ShowNotice(NoticeText());
}

SpeakerMessageForm& App::speakerMessageForm()
{
    if (!speakerMessageForm_) {
        speakerMessageForm_ = std::make_unique<SpeakerMessageForm>(session, *this, config);
        QObject::connect(speakerMessageForm_.get(), &SpeakerMessageForm::fullScreenChosen, &session, [this](bool shown) {
            if (fullScreenMessage_)
                fullScreenMessage_->SetShown(shown);
        });
    }
    return *speakerMessageForm_;
}

void App::ShowPopupMenu(QWidget* owner, QPoint globalPos)
{
    menuForm().ShowPopup(owner, globalPos);
}

void App::ShowHotKeyCaptions()
{
    menuForm().ShowHotKeyCaptions(session.HotKeys, hotKeys().Statuses());
    if (!focusOnlyNote_)
        focusOnlyNote_ = new FocusOnlyNote(svc.hotkeys, &mainForm());
    focusOnlyNote_->Update();
}

void App::ShowOptionForm(QWidget* owner)
{
    OptionForm form(session, config, hotKeys(), svc.dialogs, svc.programDir, owner);
    form.Form_Load();
    form.exec();
}

void App::ShowHotKeyForm(QWidget* owner)
{
    HotKeyForm form(session, config, hotKeys(), svc.hotkeys, svc.dialogs, owner);
    form.Form_Load();
    form.exec();
}

void App::ShowAboutBox(QWidget* owner)
{
    frmAbout form(hotKeys(), svc.programs, svc.dialogs, owner);
    form.Form_Load();
    form.exec();
}

void App::ShowRemoteViewForm(QWidget* owner)
{
    RemoteViewForm form(remoteView(), svc.remote, owner);
    form.Form_Load();
    form.exec();
}

void App::Unload()
{
    if (session.Unloading())
        return;
    session.MarkUnloading();
    // A timing still going is recorded as ended by the exit. Hotkeys first, then every other
    // window; the program ends with no window left. Nothing is written to the configuration.
    session.RecordExit();
    hotKeys().UnregisterAll();
    session.StopTimers();
    if (fullScreenForm_)
        fullScreenForm_->hide();
    if (menuForm_)
        menuForm_->hide();
    if (recordsForm_)
        recordsForm_->hide();
    if (programmeForm_)
        programmeForm_->hide();
    if (toolsBarForm_)
        toolsBarForm_->hide();
    if (toolsBarFormMax_)
        toolsBarFormMax_->hide();
    if (mainForm_)
        mainForm_->hide();
    session.SetUnloaded(); // the screen saver is let go
    if (remoteView_)
        remoteView_->Stop(); // the pages say at once that the program has gone
    EndProgram(0);
}

void App::EndProgram(int status)
{
    if (ended_)
        return;
    ended_ = true;
    session.MarkEnded();
    svc.programEnd.end(status);
}
