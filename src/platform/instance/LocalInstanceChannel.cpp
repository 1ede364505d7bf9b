#include "platform/instance/LocalInstanceChannel.h"

#include "platform/instance/RequestStamp.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

namespace {
constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = int(kAnswerWaitMs); // the running program's answer
constexpr int kStartingMs = 10000; // a program that holds the lock and does not listen yet
constexpr int kIdleMs = 2000;      // a connection without a whole request is closed after this

bool SameUser(int fd)
{
    ucred cred {};
    socklen_t len = sizeof cred;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &len) == 0 && cred.uid == ::geteuid();
}

// The socket's address; false when the path does not fit.
bool AddressOf(const QString& path, sockaddr_un* address)
{
    const QByteArray p = QFile::encodeName(path);
    *address = {};
    address->sun_family = AF_UNIX;
    if (p.size() >= qsizetype(sizeof address->sun_path))
        return false;
    std::memcpy(address->sun_path, p.constData(), p.size());
    return true;
}

// The monotonic clock every process of the machine reads alike, in milliseconds.
qint64 MachineMs()
{
    timespec t{};
    clock_gettime(CLOCK_BOOTTIME, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// Waits up to `ms` for `events` on `fd`.
bool Ready(int fd, short events, qint64 ms)
{
    pollfd p {fd, events, 0};
    int r;
    do
        r = ::poll(&p, 1, int(std::max<qint64>(0, ms)));
    while (r < 0 && errno == EINTR);
    return r > 0;
}

// One connection of a later start: one request line in, one answer line out.
class Peer final : public QObject {
public:
    Peer(int fd, QObject* parent, const InstanceChannel::Answerer& answerer)
        : QObject(parent), fd_(fd), answerer_(answerer), readable_(fd, QSocketNotifier::Read, this)
    {
        QObject::connect(&readable_, &QSocketNotifier::activated, this, [this] { Read(); });
        QTimer::singleShot(kIdleMs, this, [this] {
            if (!answered_)
                Finish();
        });
    }
    ~Peer() override { ::close(fd_); }

private:
    void Read()
    {
        if (answered_)
            return;
        char in[InstanceChannel::kMaxRequest + 1];
        const ssize_t n = ::recv(fd_, in, size_t(InstanceChannel::kMaxRequest + 1 - bytes_.size()), MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (n <= 0) { // gone
            Finish();
            return;
        }
        bytes_.append(in, n);
        const qsizetype end = bytes_.indexOf('\n');
        if (end < 0 && bytes_.size() <= InstanceChannel::kMaxRequest)
            return; // more to come
        // Too long, or more than one line: refused unread.
        int more = 0;
        if (end < 0 || end != bytes_.size() - 1 || (::ioctl(fd_, FIONREAD, &more) == 0 && more > 0)) {
            Finish();
            return;
        }
        answered_ = true;
        readable_.setEnabled(false);
        // The answer may take a nested event loop (a message box); the channel may go meanwhile.
        QPointer<Peer> alive(this);
        // A request its sender has stopped waiting for is dropped: the sender reported it undone.
        const std::optional<QByteArray> request = FreshRequest(bytes_.left(end), MachineMs());
        if (!request) {
            std::fprintf(stderr, "Horalto: a request came after its sender had given up waiting; it was not acted on\n");
            Finish();
            return;
        }
        const QByteArray answer = answerer_(*request) + '\n';
        if (!alive)
            return;
        (void)::send(fd_, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        Finish();
    }
    void Finish()
    {
        readable_.setEnabled(false);
        deleteLater();
    }

    int fd_;
    const InstanceChannel::Answerer& answerer_;
    QSocketNotifier readable_;
    QByteArray bytes_;
    bool answered_ = false;
};

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

// Why `path` is not a folder of this user that nobody else may enter (created when asked and
// missing); empty when it is one.
QString NotPrivate(const QString& path, bool create)
{
    const QByteArray p = QFile::encodeName(path);
    if (create)
        ::mkdir(p.constData(), 0700);
    struct stat st {};
    if (::lstat(p.constData(), &st) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("it is a symbolic link");
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("it is not a folder");
    if (st.st_uid != ::geteuid())
        return QStringLiteral("it belongs to user %1").arg(st.st_uid);
    if ((st.st_mode & 077) != 0)
        return QStringLiteral("others may enter it (mode %1)").arg(st.st_mode & 07777, 4, 8, QLatin1Char('0'));
    return QString();
}

bool PrivateFolder(const QString& path, bool create)
{
    return NotPrivate(path, create).isEmpty();
}

// The place of the channel without a runtime folder: a private folder in /tmp, or, when that
// name is taken by something that is not one, a private folder in the user's cache folder
// (named after the machine, as a home folder may be shared).
QString FolderWithoutRuntime()
{
    const QString tmp = QStringLiteral("/tmp/horalto-%1").arg(::geteuid());
    const QString why = NotPrivate(tmp, true);
    if (why.isEmpty())
        return tmp;
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!QDir::isAbsolutePath(cache))
        cache = qEnvironmentVariable("HOME") + QStringLiteral("/.cache");
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    const QString own = QDir::cleanPath(cache + QStringLiteral("/horalto/run-") + QString::fromLocal8Bit(host));
    QDir().mkpath(QFileInfo(own).absolutePath());
    std::fprintf(stderr, "Horalto: not using %s for the instance channel: %s; using %s instead\n", qPrintable(tmp),
                 qPrintable(why), qPrintable(own));
    return own;
}
} // namespace

LocalInstanceChannel::LocalInstanceChannel()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    inTmp_ = !QDir::isAbsolutePath(runtime) || !QFileInfo(runtime).isDir();
    folder_ = inTmp_ ? FolderWithoutRuntime() : QDir::cleanPath(runtime);
    socketPath_ = folder_ + QStringLiteral("/horalto-") + DisplayKey();
    lockPath_ = socketPath_ + QStringLiteral(".lock");
}

LocalInstanceChannel::~LocalInstanceChannel()
{
    listening_.reset();
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(QFile::encodeName(socketPath_).constData());
    }
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

InstanceChannel::Reply LocalInstanceChannel::ask(const QByteArray& request, bool claim)
{
    return AskUntilSettled([&] { return Exchange(request); }, [&] { return ProbeLock(claim); }, kStartingMs);
}

// Nothing when no program listens; a null answer when one listens but does not answer.
std::optional<QByteArray> LocalInstanceChannel::Exchange(const QByteArray& request) const
{
    sockaddr_un address;
    if ((inTmp_ && !PrivateFolder(folder_, false)) || !AddressOf(socketPath_, &address))
        return std::nullopt;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return std::nullopt;
    struct Closed {
        int fd;
        ~Closed() { ::close(fd); }
    } closed {fd};
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        // A running program whose queue is full answers when it has room.
        int error = 0;
        socklen_t len = sizeof error;
        if (errno != EAGAIN || !Ready(fd, POLLOUT, kConnectMs)
            || ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len) != 0 || error != 0)
            return std::nullopt;
    }
    if (!SameUser(fd))
        return std::nullopt;
    QElapsedTimer waited;
    waited.start();
    const QByteArray line = StampedRequest(request, MachineMs()) + '\n';
    if (::send(fd, line.constData(), size_t(line.size()), MSG_NOSIGNAL) != line.size())
        return QByteArray();
    QByteArray in;
    while (!in.contains('\n') && in.size() <= kMaxRequest && Ready(fd, POLLIN, kAnswerMs - waited.elapsed())) {
        char buffer[kMaxRequest + 1];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        in.append(buffer, n);
    }
    const qsizetype end = in.indexOf('\n');
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
    ::unlink(QFile::encodeName(socketPath_).constData()); // left by a program that was killed
    return Lock::Held;
}

bool LocalInstanceChannel::listen(Answerer answerer)
{
    sockaddr_un address;
    if (lockFd_ < 0 || listenFd_ >= 0 || !AddressOf(socketPath_, &address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // Only this user may connect (the folder keeps others out too; each peer is checked).
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
        || ::chmod(address.sun_path, S_IRWXU) != 0 || ::listen(fd, 16) != 0) {
        ::close(fd);
        return false;
    }
    listenFd_ = fd;
    answerer_ = std::move(answerer);
    listening_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(listening_.get(), &QSocketNotifier::activated, listening_.get(), [this] {
        int peer;
        while ((peer = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0)
            Serve(peer);
    });
    return true;
}

void LocalInstanceChannel::Serve(int fd)
{
    if (!SameUser(fd)) {
        ::close(fd);
        return;
    }
    new Peer(fd, &peers_, answerer_);
}
