#pragma once
// The program's command line and the requests a later start sends the running program: one
// grammar for both, and every text the command line prints.
#include "core/OfferedCommands.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Exit statuses of a start that hands its request to the running program.
namespace ExitStatus {
inline constexpr int Acted = 0;       // the command ran (or the running program came to the front)
inline constexpr int NotOffered = 1;  // the command is not offered at the moment
inline constexpr int NoInstance = 2;  // no running program for this user and display answered
inline constexpr int Usage = 64;      // the arguments are not understood
}

// What the running program is asked for: to bring its display window to the front, or a command.
struct InstanceRequest {
    std::optional<CommandId> command; // none: to the front
    int speaker = 0;                  // with NextSpeaker: the programme's row 1.. instead of the next
    int seconds = 0;                  // with AdjustTime: the seconds, -3600..3600
    QString message;                  // with SpeakerMessage: the text, empty to clear
    bool key = false;                 // sent by a desktop shortcut's key: a key held down acts once
    qint64 pressedAt = 0;             // with key: when the desktop started the sending process (ms, monotonic)
    bool operator==(const InstanceRequest&) const = default;
};

struct CommandLine {
    enum class Action { Start, Command, Help, Version, Usage, Report, DesktopKeys };
    Action action = Action::Start;
    InstanceRequest request; // for Start and Command
    QString error;           // for Usage: one line
    int status = ExitStatus::Usage; // for Usage: the exit status
    QString file;            // for Report: the file to write, as given
    QString desktopKeys;     // for DesktopKeys: "on", "off", or empty to show them
};

// The arguments after the program's name.
QStringList ArgumentList(int argc, char** argv);
CommandLine ParseCommandLine(const QStringList& args);

// The request line sent to the running program (without its line end), and the parse of one
// received; nothing for a line that is not a request.
QByteArray RequestLine(const InstanceRequest& request);
std::optional<InstanceRequest> ParseRequestLine(const QByteArray& line);

// The running program's answers.
inline constexpr char kAnswerActed[] = "ACTED";
inline constexpr char kAnswerNotOffered[] = "NOT-OFFERED";
inline constexpr char kAnswerRefused[] = "REFUSED";
// "NOT-STORED <reason in base64>": the command ran, but its change is not kept on disk.
QByteArray NotStoredAnswer(const QString& reason);
std::optional<QString> NotStoredReason(const QByteArray& answer);
// Not offered because a speech is timed: the schemes and the programme's speakers wait for its end.
inline constexpr char kAnswerNotWhileTiming[] = "NOT-OFFERED TIMING";

// The texts the command line prints.
namespace CommandLineText {
QString Help();
QString Version();
QString UsageHint(); // the line after a usage error
QString UnknownWord(const QString& word);
QString SchemeNumber();
QString SpeakerNumber();
QString AdjustSeconds();
QString MessageLength();
QString ReportFile();
QString DesktopKeysWord();
QString HotkeyWords();
QString NoInstance();
QString NoAnswer();
QString NotStored(const QString& reason);
// Why a command exited 1: not while a speech is timed, no following speaker, or not now.
QString NotWhileTiming();
QString NoNextSpeaker();
QString NotOfferedNow();
}
