#pragma once
#include "platform/instance/InstanceChannel.h"

#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;

// The channel on a local socket named after the display (DISPLAY) in the user's runtime folder
// ($XDG_RUNTIME_DIR, else a private folder in /tmp, else, when that name is taken by what is not
// a private folder of this user, one in the user's cache folder), with a lock file beside it. The running
// program holds the lock (flock) until it ends, so the lock of a killed program is gone with it;
// the socket left behind is replaced by the next claim. Both ends check that the other runs as
// the same user. Plain sockets: the start of every program pays for no network library.
class LocalInstanceChannel final : public InstanceChannel {
public:
    LocalInstanceChannel();
    ~LocalInstanceChannel() override;
    Reply ask(const QByteArray& request, bool claim) override;
    bool listen(Answerer answerer) override;

    QString socketPath() const { return socketPath_; }

private:
    std::optional<QByteArray> Exchange(const QByteArray& request) const;
    Lock ProbeLock(bool keep);
    void Serve(int fd);

    bool inTmp_ = false; // no runtime folder: a private folder of its own
    QString folder_;
    QString socketPath_;
    QString lockPath_;
    int lockFd_ = -1;
    int listenFd_ = -1;
    std::unique_ptr<QSocketNotifier> listening_;
    QObject peers_; // the connections being served, closed with the channel
    Answerer answerer_;
};
