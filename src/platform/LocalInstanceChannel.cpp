#include "platform/LocalInstanceChannel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 5000;    // the running program's answer
constexpr int kStartingMs = 10000; // a program that holds the lock and does not listen yet
constexpr int kIdleMs = 2000;      // a connection without a whole request is closed after this

bool SameUser(qintptr fd)
{
    ucred cred {};
    socklen_t len = sizeof cred;
    return ::getsockopt(int(fd), SOL_SOCKET, SO_PEERCRED, &cred, &len) == 0 && cred.uid == ::geteuid();
}

// The display, as a file name: ":0.0" and ":0" are the same display.
QString DisplayKey()
{
    QString d = qEnvironmentVariable("DISPLAY");
    const int colon = d.lastIndexOf(u':');
    const int dot = d.indexOf(u'.', colon);
    if (colon >= 0 && dot > colon)
        d.truncate(dot);
    for (QChar& c : d)
        if (!((c.isLetterOrNumber() && c.unicode() < 128) || c == u'.' || c == u'-'))
            c = u'_';
    return d.isEmpty() ? QStringLiteral("none") : d;
}

// Whether `path` is a folder of this user that nobody else may enter (created when asked).
bool PrivateFolder(const QString& path, bool create)
{
    const QByteArray p = QFile::encodeName(path);
    if (create)
        ::mkdir(p.constData(), 0700);
    struct stat st {};
    return ::lstat(p.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}
} // namespace

LocalInstanceChannel::LocalInstanceChannel()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    inTmp_ = !QDir::isAbsolutePath(runtime) || !QFileInfo(runtime).isDir();
    folder_ = inTmp_ ? QStringLiteral("/tmp/horalto-%1").arg(::geteuid()) : QDir::cleanPath(runtime);
    socketPath_ = folder_ + QStringLiteral("/horalto-") + DisplayKey();
    lockPath_ = socketPath_ + QStringLiteral(".lock");
}

LocalInstanceChannel::~LocalInstanceChannel()
{
    if (server_)
        server_->close(); // removes the socket
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

InstanceChannel::Reply LocalInstanceChannel::ask(const QByteArray& request, bool claim)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (const std::optional<QByteArray> answer = Exchange(request))
            return answer->isNull() ? Reply {Reply::Kind::NoAnswer, {}} : Reply {Reply::Kind::Answered, *answer};
        switch (ProbeLock(claim)) {
        case Lock::Free:
            return {Reply::Kind::NoneRuns, {}};
        case Lock::Held:
            return {Reply::Kind::Claimed, {}};
        case Lock::Taken: // another program is starting and listens soon
            break;
        }
        if (waited.elapsed() > kStartingMs)
            return {Reply::Kind::NoAnswer, {}};
        QThread::msleep(50);
    }
}

// Nothing when no program listens; a null answer when one listens but does not answer.
std::optional<QByteArray> LocalInstanceChannel::Exchange(const QByteArray& request) const
{
    if (inTmp_ && !PrivateFolder(folder_, false))
        return std::nullopt;
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kConnectMs) || !SameUser(socket.socketDescriptor()))
        return std::nullopt;
    socket.write(request + '\n');
    QByteArray in;
    QElapsedTimer waited;
    waited.start();
    while (!in.contains('\n') && in.size() <= kMaxRequest && waited.elapsed() < kAnswerMs) {
        const bool more = socket.waitForReadyRead(int(std::max<qint64>(1, kAnswerMs - waited.elapsed())));
        in += socket.readAll();
        if (!more)
            break;
    }
    const int end = in.indexOf('\n');
    return end < 0 ? QByteArray() : in.left(end);
}

LocalInstanceChannel::Lock LocalInstanceChannel::ProbeLock(bool keep)
{
    if (keep && inTmp_ && !PrivateFolder(folder_, true))
        return Lock::Held; // no private place for the lock: this program runs unguarded
    const int fd = ::open(QFile::encodeName(lockPath_).constData(), O_RDWR | O_CLOEXEC | (keep ? O_CREAT : 0), 0600);
    if (fd < 0)
        return keep ? Lock::Held : Lock::Free;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return Lock::Taken;
    }
    if (!keep) {
        ::close(fd);
        return Lock::Free;
    }
    lockFd_ = fd;
    QLocalServer::removeServer(socketPath_); // left by a program that was killed
    return Lock::Held;
}

bool LocalInstanceChannel::listen(Answerer answerer)
{
    if (lockFd_ < 0 || server_)
        return false;
    answerer_ = std::move(answerer);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection())
            Serve(socket);
    });
    return server_->listen(socketPath_);
}

void LocalInstanceChannel::Serve(QLocalSocket* socket)
{
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    const auto refuse = [socket] {
        socket->abort();
        socket->deleteLater();
    };
    if (!SameUser(socket->socketDescriptor())) {
        refuse();
        return;
    }
    struct Request {
        QByteArray bytes;
        bool answered = false;
    };
    auto received = std::make_shared<Request>();
    QTimer::singleShot(kIdleMs, socket, [received, refuse] {
        if (!received->answered)
            refuse();
    });
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, received, refuse] {
        if (received->answered)
            return;
        QByteArray& bytes = received->bytes;
        bytes += socket->read(kMaxRequest + 1 - bytes.size());
        const int end = bytes.indexOf('\n');
        if (end < 0 && bytes.size() <= kMaxRequest)
            return; // more to come
        // Too long, or more than one line: refused unread.
        if (end < 0 || end != bytes.size() - 1 || socket->bytesAvailable() > 0) {
            refuse();
            return;
        }
        received->answered = true;
        const QByteArray request = bytes.left(end);
        // The answer may take a nested event loop (a message box); the socket may go meanwhile.
        QPointer<QLocalSocket> alive(socket);
        const QByteArray answer = answerer_(request);
        if (!alive)
            return;
        socket->write(answer + '\n');
        socket->disconnectFromServer();
    });
}
