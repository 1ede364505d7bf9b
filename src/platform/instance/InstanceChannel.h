#pragma once
#include <QByteArray>
#include <functional>
#include <optional>

// One running program per user and display, and the one-line requests a later start sends it.
// A later start asks; the running program listens and answers each request with one line.
class InstanceChannel {
public:
    struct Reply {
        enum class Kind {
            Answered, // the running program answered: `answer` (without its line end)
            NoneRuns, // no program runs (and none was to be claimed)
            Claimed,  // none ran; this program is now the running one until it ends
            NoAnswer, // a program runs but gave no answer in time
        };
        Kind kind;
        QByteArray answer;
    };
    using Answerer = std::function<QByteArray(const QByteArray& request)>;

    virtual ~InstanceChannel() = default;
    // Sends `request` to the running program. When none runs and `claim` is true, this program
    // becomes the running one.
    virtual Reply ask(const QByteArray& request, bool claim) = 0;
    // Takes the requests of later starts from now on (after a claim; needs the application
    // object): each is a line of at most kMaxRequest bytes from a program of the same user. A
    // request that comes after its sender gave up waiting (RequestStamp.h) is not answered:
    // the sender's NoAnswer means the request was not acted on.
    virtual bool listen(Answerer answerer) = 0;

    // Room for the longest request: a message to the speaker of 100 characters (up to
    // kSpeakerMessageUnits UTF-16 units, 3 bytes each at most in UTF-8), in base64.
    static constexpr int kMaxRequest = 2048;

protected:
    // The claim of the running program: nobody holds it, another program holds it (starting, it
    // listens soon), or this program holds it now.
    enum class Lock { Free, Taken, Held };
    // The asking both channels share: `exchange` with a listening program (nothing when none
    // listens, a null answer when it gave none); else the claim probed, again every 50 ms while
    // another program is starting, for at most `startingMs`.
    static Reply AskUntilSettled(const std::function<std::optional<QByteArray>()>& exchange,
                                 const std::function<Lock()>& probeLock, int startingMs);
};
