#pragma once
#include "platform/instance/InstanceChannel.h"

#include <QString>
#include <memory>
#include <optional>

class QLocalServer;

// The channel on Windows: the running program holds a named mutex of the user's session (gone
// with the program, however it ends) and listens on a named pipe that only this user may open
// (QLocalServer's user access). Both ends check that the process at the other end runs as the
// same user. A later start asks through the pipe before any Qt object exists.
class WinInstanceChannel final : public InstanceChannel {
public:
    // `name` tells channels apart (tests); empty: the user's own.
    explicit WinInstanceChannel(QString name = {});
    ~WinInstanceChannel() override;
    Reply ask(const QByteArray& request, bool claim) override;
    bool listen(Answerer answerer) override;

    QString pipeName() const { return name_; }

private:
    std::optional<QByteArray> exchange(const QByteArray& request) const;
    Lock probeLock(bool keep);

    QString name_;
    void* mutex_ = nullptr; // HANDLE, held while this program is the running one
    std::unique_ptr<QLocalServer> server_;
    Answerer answerer_;
};
