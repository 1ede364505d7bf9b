// Horalto for Windows: the same program as on Linux, built on the Windows services.
#include "app/App.h"
#include "app/InstanceRequests.h"
#include "core/TimeText.h"
#include "core/TimingRecord.h"
#include "journal/JournalStore.h"
#include "platform/LogThrottle.h"
#include "platform/LoadedRemote.h"
#include "platform/desktop/QtTranslations.h"
#include "platform/instance/QuitSignals.h"
#include "platform/sound/LoadedSound.h"
#include "platform/win/WinHotkeys.h"
#include "platform/win/WinInstanceChannel.h"
#include "platform/win/WinScreenSaver.h"
#include "report/ReportCommand.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <windows.h>

namespace {
// Horalto.exe is a program with windows: started from a console (cmd.exe, PowerShell) with a
// command, its answers and the help go to that console.
void AnswerInParentConsole()
{
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((out && out != INVALID_HANDLE_VALUE) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        AnswerInParentConsole();
    // The contest report is written by this start alone, with or without a running program.
    if (const CommandLine line = ParseCommandLine(ArgumentList(argc, argv)); line.action == CommandLine::Action::Report)
        return RunReportCommand(argc, argv, line.file);
    ThrottleServerMessages();
    // The command line first: help, version, usage errors and a program already running.
    WinInstanceChannel instance;
    ProgramTexts commandLineTexts; // in the language the running program's config.ini keeps
    auto readLanguage = [&commandLineTexts] {
        const ExecutableDir dir;
        commandLineTexts.Use(ReadLanguage(ConfigFile(dir)));
    };
    if (const std::optional<int> status = HandOverOrClaim(ArgumentList(argc, argv), instance, readLanguage))
        return *status;

    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Horalto"));
    QApplication::setApplicationVersion(ProgramVersion());
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/io.horalto.Horalto_%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    QApplication::setQuitOnLastWindowClosed(false);
    QtTranslations qtTexts;

    SystemClock clock;
    SystemRandom random;
    LoadedSound sound(QCoreApplication::applicationDirPath() + QLatin1Char('/') + LoadedSound::kModuleName);
    QtDialogs dialogs;
    ExecutableDir programDir;
    // Installed where the user may not write: the user's files go to %APPDATA%\Horalto.
    if (!programDir.writable() && !programDir.configHome().isEmpty())
        QDir().mkpath(programDir.configHome() + QStringLiteral("/Horalto"));
    QtProgramEnd programEnd;
    WinHotkeys hotkeys;
    QtTimerFactory timers;
    QtEventPump events;
    QtProgramStarter programs;
    WinScreenSaver screenSaver;
    RecordFile records(RecordFile::DefaultPath(), CsvLine(RecordHeader()));
    QtDesktop desktop;
    LoadedRemote remote(QCoreApplication::applicationDirPath() + QLatin1Char('/') + LoadedRemote::kModuleName);
    Services services{clock, random, sound, dialogs, programDir, programEnd, hotkeys, timers, events, programs,
                      screenSaver, records, desktop, remote, qtTexts};
    services.programmePath = ProgrammePathBeside(records.path());
    services.journalPath = JournalStore::PathBeside(records.path());
    QtPrinting printing;
    services.printing = &printing;

    App app(services);
    const QuitSignals quit([&app] { app.Unload(); });
    if (!app.Start())
        return 1;
    AnswerRequests(app.session, app, instance);
    QTimer::singleShot(2000, [&sound] { sound.prepareAhead(); });
    return QApplication::exec();
}
