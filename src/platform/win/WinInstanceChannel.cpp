#include "platform/win/WinInstanceChannel.h"

#include "platform/win/WinSameUser.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <windows.h>

namespace {
constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 5000;    // the running program's answer
constexpr int kStartingMs = 10000; // a program that holds the mutex and does not listen yet
constexpr int kIdleMs = 2000;      // a connection without a whole request is closed after this

// The user's name and session, as far as a pipe's and a mutex's name may hold them.
QString OwnKey()
{
    wchar_t user[257] = {};
    DWORD n = DWORD(std::size(user));
    if (!GetUserNameW(user, &n))
        user[0] = 0;
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    QString key = QStringLiteral("Horalto-%1-").arg(session) + QString::fromWCharArray(user);
    for (QChar& c : key)
        if (!(c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u'.'))
            c = u'_';
    return key;
}

// Waits for an overlapped operation on `h` until `deadline`; the bytes moved, or -1.
qint64 Finish(HANDLE h, OVERLAPPED* o, BOOL started, const QElapsedTimer& since, int deadlineMs)
{
    if (!started && GetLastError() != ERROR_IO_PENDING)
        return -1;
    const qint64 left = std::max<qint64>(0, deadlineMs - since.elapsed());
    if (WaitForSingleObject(o->hEvent, DWORD(left)) != WAIT_OBJECT_0) {
        CancelIo(h);
        DWORD ignored = 0;
        GetOverlappedResult(h, o, &ignored, TRUE);
        return -1;
    }
    DWORD moved = 0;
    return GetOverlappedResult(h, o, &moved, FALSE) ? qint64(moved) : -1;
}

// One request being served: a line in, a line out, then closed.
void Serve(QLocalSocket* socket, const InstanceChannel::Answerer& answerer)
{
    auto* bytes = new QByteArray;
    QObject::connect(socket, &QObject::destroyed, [bytes] { delete bytes; });
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kIdleMs, socket, [socket] { socket->abort(); socket->deleteLater(); });
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, bytes, &answerer] {
        bytes->append(socket->read(InstanceChannel::kMaxRequest + 1 - bytes->size()));
        const qsizetype end = bytes->indexOf('\n');
        if (end < 0 && bytes->size() <= InstanceChannel::kMaxRequest)
            return; // more to come
        if (end < 0 || end != bytes->size() - 1 || socket->bytesAvailable() > 0) {
            socket->abort();
            socket->deleteLater();
            return;
        }
        QObject::disconnect(socket, &QLocalSocket::readyRead, nullptr, nullptr);
        QPointer<QLocalSocket> alive(socket);
        const QByteArray answer = answerer(bytes->left(end)) + '\n';
        if (!alive)
            return;
        socket->write(answer);
        socket->flush();
        socket->disconnectFromServer(); // after what is written is out
    });
}
} // namespace

WinInstanceChannel::WinInstanceChannel(QString name) : name_(name.isEmpty() ? OwnKey() : std::move(name)) {}

WinInstanceChannel::~WinInstanceChannel()
{
    server_.reset();
    if (mutex_)
        CloseHandle(static_cast<HANDLE>(mutex_));
}

InstanceChannel::Reply WinInstanceChannel::ask(const QByteArray& request, bool claim)
{
    return AskUntilSettled([&] { return exchange(request); }, [&] { return probeLock(claim); }, kStartingMs);
}

std::optional<QByteArray> WinInstanceChannel::exchange(const QByteArray& request) const
{
    const std::wstring path = (QStringLiteral("\\\\.\\pipe\\") + name_).toStdWString();
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_PIPE_BUSY && WaitNamedPipeW(path.c_str(), kConnectMs))
        h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED,
                        nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::nullopt;
    struct Closed {
        HANDLE h, event;
        ~Closed() { CloseHandle(h); CloseHandle(event); }
    } closed {h, CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    if (!SameUserProcess(PipeServerProcess(h)))
        return std::nullopt;
    QElapsedTimer since;
    since.start();
    const QByteArray line = request + '\n';
    OVERLAPPED o {};
    o.hEvent = closed.event;
    if (Finish(h, &o, WriteFile(h, line.constData(), DWORD(line.size()), nullptr, &o), since, kAnswerMs) != line.size())
        return QByteArray();
    QByteArray in;
    while (!in.contains('\n') && in.size() <= kMaxRequest) {
        char buffer[kMaxRequest + 1];
        o = {};
        o.hEvent = closed.event;
        ResetEvent(closed.event);
        const qint64 n = Finish(h, &o, ReadFile(h, buffer, sizeof buffer, nullptr, &o), since, kAnswerMs);
        if (n <= 0)
            break;
        in.append(buffer, n);
    }
    const qsizetype end = in.indexOf('\n');
    return end < 0 ? QByteArray() : in.left(end);
}

WinInstanceChannel::Lock WinInstanceChannel::probeLock(bool keep)
{
    const std::wstring name = (QStringLiteral("Local\\") + name_).toStdWString();
    if (!keep) {
        const HANDLE m = OpenMutexW(SYNCHRONIZE, FALSE, name.c_str());
        if (!m)
            return Lock::Free;
        CloseHandle(m);
        return Lock::Taken;
    }
    const HANDLE m = CreateMutexW(nullptr, FALSE, name.c_str());
    if (!m)
        return Lock::Held; // no mutex to be had: this program runs unguarded
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(m);
        return Lock::Taken;
    }
    mutex_ = m;
    return Lock::Held;
}

bool WinInstanceChannel::listen(Answerer answerer)
{
    if (!mutex_ || server_)
        return false;
    answerer_ = std::move(answerer);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        server_.reset();
        return false;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            socket->setParent(server_.get());
            if (!SameUserProcess(PipeClientProcess(reinterpret_cast<void*>(socket->socketDescriptor())))) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            Serve(socket, answerer_);
        }
    });
    return true;
}
