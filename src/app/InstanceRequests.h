#pragma once
// A start of the program beside one that runs: the command line decides, the running program
// answers.
#include "app/CommandLine.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <optional>

class Commands;
class HeldKeys;
class InstanceChannel;
class TimingSession;

// Run first in main(): prints the help, the version or a usage error, or hands the request of
// the arguments to the program already running for this user and display. The exit status
// when this start ends here; nothing when this program is to run (it then holds the claim).
// `beforePrinting` runs once before the first text is printed: it chooses the texts' language.
// `keyPressedAt` goes with a "hotkey" command: when this process was started (ms, monotonic).
std::optional<int> HandOverOrClaim(const QStringList& args, InstanceChannel& channel,
                                   const std::function<void()>& beforePrinting = {}, qint64 keyPressedAt = 0);

// From now on the running program answers later starts through the command port.
// A desktop shortcut's key held down acts once, by `heldKeys` (none: every request acts).
void AnswerRequests(const TimingSession& session, Commands& commands, InstanceChannel& channel,
                    HeldKeys* heldKeys = nullptr);
// The answer to one request line: the display window of the current mode to the front, or a
// command run as its hotkey would run it.
// A command that ran but whose change could not be stored is answered NotStoredAnswer.
QByteArray AnswerRequest(const TimingSession& session, Commands& commands, const QByteArray& line,
                         HeldKeys* heldKeys = nullptr);
QByteArray AnswerCommand(const TimingSession& session, Commands& commands, const QByteArray& line,
                         HeldKeys* heldKeys = nullptr);
