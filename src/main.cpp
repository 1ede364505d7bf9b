// Horalto: a countdown and count-up timer for speech contests.
#include "app/App.h"
#include "app/DesktopKeysCommand.h"
#include "app/HeldKeys.h"
#include "app/InstanceRequests.h"
#include "core/TimeText.h"
#include "core/TimingRecord.h"
#include "hotkeys/DesktopKeyHotkeys.h"
#include "hotkeys/HotKeyCaptions.h"
#include "journal/JournalStore.h"
#include "platform/desktop/DesktopScreenSaver.h"
#include "platform/instance/LocalInstanceChannel.h"
#include "platform/LoadedRemote.h"
#include "platform/LogThrottle.h"
#include "platform/ProcessStart.h"
#include "platform/sound/LoadedSound.h"
#include "platform/hotkeys/GioKeySettings.h"
#include "platform/hotkeys/PortalHotkeys.h"
#include "platform/desktop/QtTranslations.h"
#include "platform/instance/QuitSignals.h"
#include "platform/hotkeys/X11Hotkeys.h"
#include "report/ReportCommand.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <QIcon>
#include <cstdio>
#include <xcb/xcb.h>

namespace {
// Whether the X display can be opened; Qt would otherwise abort with a page of advice.
bool CanOpenDisplay()
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const bool ok = xcb_connection_has_error(c) == 0;
    xcb_disconnect(c);
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    // The contest report is written by this start alone, with or without a running program.
    if (const CommandLine line = ParseCommandLine(ArgumentList(argc, argv)); line.action == CommandLine::Action::Report)
        return RunReportCommand(argc, argv, line.file);
    else if (line.action == CommandLine::Action::DesktopKeys)
        return RunDesktopKeysCommand(argc, argv, line.desktopKeys);
    ThrottleServerMessages();
    // The command line first: help, version, usage errors and a program already running.
    LocalInstanceChannel instance;
    ProgramTexts commandLineTexts; // in the language the running program's config.ini keeps
    auto readLanguage = [&commandLineTexts] {
        const ExecutableDir dir;
        commandLineTexts.Use(ReadLanguage(ConfigFile(dir)));
    };
    if (const std::optional<int> status = HandOverOrClaim(ArgumentList(argc, argv), instance, readLanguage, ProcessStartedMs()))
        return *status;

    // Variables set here are the program's own choices; programs it starts do not inherit them.
    QStringList ownVariables;
    // Global hotkeys need X11: under a Wayland session the program runs through XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        ownVariables << QStringLiteral("QT_QPA_PLATFORM");
    }
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == "xcb") {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            std::fprintf(stderr, "Horalto: no X display to open (DISPLAY is not set); start Horalto from a desktop session.\n");
            return 1;
        }
        if (!CanOpenDisplay()) {
            std::fprintf(stderr, "Horalto: cannot open the X display %s; start Horalto from a desktop session.\n",
                         qgetenv("DISPLAY").constData());
            return 1;
        }
    }
    // The ffmpeg media backend fails without an audio device; GStreamer copes.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) {
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
        ownVariables << QStringLiteral("QT_MEDIA_BACKEND");
    }

    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Horalto"));
    QApplication::setApplicationVersion(ProgramVersion());
    QIcon icon; // the launcher's stopwatch, in the task bar and the window switcher
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/io.horalto.Horalto_%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    QApplication::setQuitOnLastWindowClosed(false);
    // The standard dialogs speak the language of the program's interface (App::Start).
    QtTranslations qtTexts;

    SystemClock clock;
    SystemRandom random;
    LoadedSound sound(QCoreApplication::applicationDirPath() + QLatin1Char('/') + LoadedSound::kModuleName);
    QtDialogs dialogs;
    ExecutableDir programDir;
    QtProgramEnd programEnd;
    X11Hotkeys x11Hotkeys;
    // On a Wayland desktop the X11 grabs see keys only while an X11 window has the focus: the
    // desktop's portal binds the keys there, with the grabs to fall back on.
    std::optional<PortalHotkeys> portalHotkeys;
    if (PortalHotkeys::WaylandSession())
        portalHotkeys.emplace(DesktopScreenSaver::SessionBusAddress(), x11Hotkeys, HotKeyActions(), clock,
                              PortalDesktop::FromEnvironment());
    HotkeyService& ownKeys = portalHotkeys ? static_cast<HotkeyService&>(*portalHotkeys) : x11Hotkeys;
    // GNOME without global shortcuts in its portal runs the keys as its own shortcuts, once the
    // user sets them so.
    GioKeySettings desktopKeySettings;
    DesktopKeys desktopKeys(desktopKeySettings, QCoreApplication::applicationFilePath(), DesktopKeyActions());
    DesktopKeyHotkeys hotkeys(ownKeys, &desktopKeys, PortalHotkeys::WaylandSession());
    HeldKeys heldKeys(clock);
    QtTimerFactory timers;
    QtEventPump events;
    QtProgramStarter programs(ownVariables);
    DesktopScreenSaver screenSaver;
    RecordFile records(RecordFile::DefaultPath(), CsvLine(RecordHeader()));
    QtDesktop desktop;
    LoadedRemote remote(QCoreApplication::applicationDirPath() + QLatin1Char('/') + LoadedRemote::kModuleName);
    Services services{clock, random, sound, dialogs, programDir, programEnd, hotkeys, timers, events, programs,
                      screenSaver, records, desktop, remote, qtTexts};
    // The programme beside the records.
    services.programmePath = ProgrammePathBeside(records.path());
    // The journal of the timing on the counter too.
    services.journalPath = JournalStore::PathBeside(records.path());
    QtPrinting printing;
    services.printing = &printing;

    App app(services);
    const QuitSignals quit([&app] { app.Unload(); }); // ends as "退出" does
    if (!app.Start())
        return 1;
    AnswerRequests(app.session, app, instance, &heldKeys);
    // The sound output is set up shortly after the main window shows (start-up itself stays
    // without it), on a thread of its own: a sound server slow to answer then holds up neither
    // the first start nor its tick.
    QTimer::singleShot(2000, [&sound] { sound.prepareAhead(); });
    return QApplication::exec();
}
