#include "remote/server/RequestGate.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#ifdef _WIN32
#include <winsock2.h>
#define SHUT_WR SD_SEND
#else
#include <sys/socket.h>
#endif

namespace {
constexpr const char* kTicket = "horaltoTicket";
constexpr const char* kDeadline = "horaltoDeadline";
// What a connection has become: 0 not (yet) a WebSocket, 1 a viewing page's, 2 a control page's.
constexpr const char* kStage = "horaltoStage";

// Carried by every admitted socket as a child: the connection counts as open until the socket
// is destroyed, whoever owns it by then (the HTTP server or a WebSocket).
class ConnectionTicket final : public QObject {
public:
    ConnectionTicket(QObject* socket, std::shared_ptr<QHash<QString, int>> open, QString key)
        : QObject(socket), open_(std::move(open)), key_(std::move(key))
    {
        setObjectName(QLatin1String(kTicket));
        ++(*open_)[key_];
        ++(*open_)[QString()];
    }
    ~ConnectionTicket() override
    {
        for (const QString& k : {key_, QString()})
            if (--(*open_)[k] <= 0)
                open_->remove(k);
    }

private:
    std::shared_ptr<QHash<QString, int>> open_;
    QString key_;
};

// A timer on the socket that aborts it when it runs out.
void SetDeadline(QTcpSocket* socket, int ms)
{
    delete socket->findChild<QTimer*>(kDeadline, Qt::FindDirectChildrenOnly);
    auto* t = new QTimer(socket);
    t->setObjectName(kDeadline);
    t->setSingleShot(true);
    QObject::connect(t, &QTimer::timeout, socket, &QTcpSocket::abort);
    t->start(ms);
}
} // namespace

QString AddressKey(const QHostAddress& address)
{
    bool v4 = false;
    const quint32 a = address.toIPv4Address(&v4);
    return v4 ? QHostAddress(a).toString() : address.toString();
}

RequestGate::RequestGate(QObject* parent) : QTcpServer(parent), open_(std::make_shared<QHash<QString, int>>()) {}

RequestGate::~RequestGate() = default;

int RequestGate::connectionsFrom(const QHostAddress& address) const
{
    return open_->value(AddressKey(address));
}

void RequestGate::incomingConnection(qintptr descriptor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    const QString key = AddressKey(socket->peerAddress());
    if (open_->value(key) >= kPerAddress || (open_->value(QString()) >= kConnections && !makeRoom())) {
        socket->abort();
        delete socket;
        return;
    }
    new ConnectionTicket(socket, open_, key);
    if (admitted_.size() >= std::size_t(2 * kConnections)) // those closed since go
        std::erase_if(admitted_, [](const QPointer<QTcpSocket>& s) { return s.isNull(); });
    admitted_.emplace_back(socket);
    socket->setReadBufferSize(kHeadBytes + 1);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { inspect(socket); });
    SetDeadline(socket, kHeadMs);
}

bool RequestGate::makeRoom()
{
    std::erase_if(admitted_, [](const QPointer<QTcpSocket>& s) { return s.isNull(); });
    for (int stage : {0, 1}) {
        const auto it = std::find_if(admitted_.begin(), admitted_.end(),
                                     [stage](const QPointer<QTcpSocket>& s) { return s->property(kStage).toInt() == stage; });
        if (it == admitted_.end())
            continue;
        QTcpSocket* oldest = *it;
        admitted_.erase(it);
        // It stops counting now; its owner (this gate, the HTTP server or its WebSocket) lets
        // it go when it learns it is closed.
        delete oldest->findChild<QObject*>(QLatin1String(kTicket), Qt::FindDirectChildrenOnly);
        oldest->abort();
        return true;
    }
    return false;
}

void RequestGate::becameWebSocket(const QHostAddress& peer, quint16 port, bool control)
{
    for (const QPointer<QTcpSocket>& s : admitted_)
        if (s && s->peerPort() == port && s->peerAddress() == peer) {
            s->setProperty(kStage, control ? 2 : 1);
            delete s->findChild<QTimer*>(kDeadline, Qt::FindDirectChildrenOnly);
            return;
        }
}

void RequestGate::inspect(QTcpSocket* socket)
{
    if (!socket->isOpen())
        return; // dropped for a newcomer
    const QByteArray head = socket->peek(kHeadBytes + 1);
    const qsizetype end = head.indexOf("\r\n\r\n");
    if (end < 0 || end + 4 > kHeadBytes) {
        if (head.size() > kHeadBytes)
            refuse(socket, 431, "Request Header Fields Too Large");
        return; // the rest of the head is still on its way
    }
    QList<QByteArray> lines; // without their CR LF; the first is the request line
    for (qsizetype from = 0; from <= end;) {
        const qsizetype eol = head.indexOf("\r\n", from);
        lines << head.mid(from, eol - from);
        from = eol + 2;
    }
    // "METHOD /target HTTP/1.x": anything else is not a request this server understands.
    static const QRegularExpression requestLine(QStringLiteral("^[A-Z]{1,10} /[!-~]* HTTP/1\\.[01]$"));
    if (!requestLine.match(QString::fromLatin1(lines.first())).hasMatch()) {
        refuse(socket, 400, "Bad Request");
        return;
    }
    if (lines.size() - 1 > kHeaders) {
        refuse(socket, 431, "Request Header Fields Too Large");
        return;
    }
    int upgrades = 0;                  // Upgrade headers
    bool websocket = false;            // one of them asks for a WebSocket
    bool connectionUpgrade = false;    // a Connection header names "upgrade"
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype colon = line.indexOf(':');
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed().toLower();
        if (colon <= 0 || line.contains('\r') || line.contains('\n')) {
            refuse(socket, 400, "Bad Request");
            return;
        }
        // The server answers requests without a body only.
        if ((name == "content-length" && value != "0") || name == "transfer-encoding") {
            refuse(socket, 400, "Bad Request");
            return;
        }
        if (name == "upgrade") {
            ++upgrades;
            websocket = websocket || value == "websocket";
        }
        if (name == "connection")
            for (const QByteArray& token : value.split(','))
                connectionUpgrade = connectionUpgrade || token.trimmed() == "upgrade";
    }
    // An upgrade is a WebSocket's, asked for in full, or none: a half one would be taken for an
    // upgrade by one side and for a plain request by the other.
    if ((upgrades > 0 || connectionUpgrade) && !(upgrades == 1 && websocket && connectionUpgrade)) {
        refuse(socket, 400, "Bad Request");
        return;
    }
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    addPendingConnection(socket);
    emit newConnection();
    emit socket->readyRead(); // the head is waiting in the socket's buffer
}

void RequestGate::refuse(QTcpSocket* socket, int status, const char* reason)
{
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    const QByteArray body = QByteArray::number(status) + ' ' + reason + '\n';
    socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason
                  + "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    // Closing with unread data would reset the connection and could lose the answer: the
    // sending side is shut once the answer is out, what still comes in is dropped, and the
    // client's close (or the deadline) ends it.
    connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->skip(socket->bytesAvailable()); });
    auto shut = [socket] {
        if (socket->bytesToWrite() == 0)
            ::shutdown(decltype(::socket(0, 0, 0))(socket->socketDescriptor()), SHUT_WR);
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, shut);
    socket->skip(socket->bytesAvailable());
    socket->flush();
    shut();
    SetDeadline(socket, 2000);
}
