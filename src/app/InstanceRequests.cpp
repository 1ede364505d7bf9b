#include "app/InstanceRequests.h"

#include "app/CommandLine.h"
#include "app/HeldKeys.h"
#include "core/Commands.h"
#include "core/TimingSession.h"
#include "platform/instance/InstanceChannel.h"

#include <cstdio>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

namespace {
void Print(std::FILE* to, const QString& text)
{
#ifdef _WIN32
    // A Windows console takes the text as it is, whatever its code page; a file or a pipe gets
    // the ANSI code page's bytes, as Windows programs write them.
    const HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(to)));
    DWORD mode = 0;
    if (h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &mode)) {
        std::fflush(to);
        WriteConsoleW(h, reinterpret_cast<const wchar_t*>(text.utf16()), DWORD(text.size()), nullptr, nullptr);
        return;
    }
#endif
    std::fputs(text.toLocal8Bit().constData(), to);
}
} // namespace

std::optional<int> HandOverOrClaim(const QStringList& args, InstanceChannel& channel,
                                   const std::function<void()>& beforePrinting, qint64 keyPressedAt)
{
    CommandLine line = ParseCommandLine(args);
    if (line.request.key)
        line.request.pressedAt = keyPressedAt;
    auto print = [&beforePrinting](std::FILE* to, const std::function<QString()>& text) {
        if (beforePrinting)
            beforePrinting();
        Print(to, text());
    };
    switch (line.action) {
    case CommandLine::Action::Help:
        print(stdout, CommandLineText::Help);
        return ExitStatus::Acted;
    case CommandLine::Action::Version:
        print(stdout, CommandLineText::Version);
        return ExitStatus::Acted;
    case CommandLine::Action::Usage:
        // The error line again, now in the texts' language.
        print(stderr, [&args] { return ParseCommandLine(args).error + CommandLineText::UsageHint(); });
        return line.status;
    case CommandLine::Action::Report:
    case CommandLine::Action::DesktopKeys:
        // main() does these before asking anyone; never handed over.
        return ExitStatus::Usage;
    case CommandLine::Action::Start:
    case CommandLine::Action::Command:
        break;
    }
    const bool start = line.action == CommandLine::Action::Start;
    const InstanceChannel::Reply reply = channel.ask(RequestLine(line.request), /*claim=*/start);
    using Kind = InstanceChannel::Reply::Kind;
    if (reply.kind == Kind::Claimed)
        return std::nullopt;
    if (reply.kind == Kind::Answered && reply.answer == kAnswerActed)
        return ExitStatus::Acted;
    if (reply.kind == Kind::Answered && reply.answer.startsWith(kAnswerNotOffered) && !start) {
        // Said why, so that a script's user is not left with a bare exit status.
        if (reply.answer == kAnswerNotWhileTiming)
            print(stderr, CommandLineText::NotWhileTiming);
        else if (line.request.command == CommandId::NextSpeaker && line.request.speaker == 0)
            print(stderr, CommandLineText::NoNextSpeaker);
        else
            print(stderr, CommandLineText::NotOfferedNow);
        return ExitStatus::NotOffered;
    }
    if (reply.kind == Kind::Answered) {
        if (const std::optional<QString> why = NotStoredReason(reply.answer)) {
            print(stderr, [&why] { return CommandLineText::NotStored(*why); });
            return ExitStatus::NotOffered;
        }
    }
    print(stderr, reply.kind == Kind::NoneRuns ? CommandLineText::NoInstance : CommandLineText::NoAnswer);
    return ExitStatus::NoInstance;
}

void AnswerRequests(const TimingSession& session, Commands& commands, InstanceChannel& channel, HeldKeys* heldKeys)
{
    channel.listen([&session, &commands, heldKeys](const QByteArray& line) {
        return AnswerRequest(session, commands, line, heldKeys);
    });
}

QByteArray AnswerRequest(const TimingSession& session, Commands& commands, const QByteArray& line, HeldKeys* heldKeys)
{
    const int failedBefore = commands.FailedWrites();
    const QByteArray answer = AnswerCommand(session, commands, line, heldKeys);
    // A change the displays show but no store keeps is not done: the sender says why.
    if (answer == kAnswerActed && commands.FailedWrites() > failedBefore)
        return NotStoredAnswer(commands.UnsavedChange());
    return answer;
}

QByteArray AnswerCommand(const TimingSession& session, Commands& commands, const QByteArray& line, HeldKeys* heldKeys)
{
    const std::optional<InstanceRequest> request = ParseRequestLine(line);
    if (!request || session.Ended())
        return kAnswerRefused;
    // The key still held: its first command acted.
    InstanceRequest untimed = *request;
    untimed.pressedAt = 0;
    if (request->key && heldKeys && !heldKeys->NewPress(RequestLine(untimed), request->pressedAt))
        return kAnswerActed;
    if (!request->command) {
        commands.Run(CommandId::BringToFront);
        return kAnswerActed;
    }
    if (request->command == CommandId::AdjustTime)
        return commands.AdjustTime(request->seconds) ? kAnswerActed : kAnswerNotOffered;
    if (request->command == CommandId::SpeakerMessage) {
        commands.SetSpeakerMessage(request->message);
        return kAnswerActed;
    }
    const CommandId id = *request->command;
    if (request->speaker > 0 ? commands.GoToSpeaker(request->speaker - 1) : commands.RunOffered(id))
        return kAnswerActed;
    // The programme's speakers and the schemes change only between speeches.
    const bool waitsForTheEnd = id == CommandId::NextSpeaker || (id >= CommandId::Scheme1 && id <= CommandId::Scheme5);
    return waitsForTheEnd && session.Phase() != TimingPhase::Idle ? kAnswerNotWhileTiming : kAnswerNotOffered;
}
