#pragma once
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <deque>
#include <memory>

// The listening socket of the page server. It holds each new connection until its request head
// (request line and headers) is complete and within bounds, and only then hands it on: a head
// that is too large, has too many headers, carries a body, asks for an upgrade other than a
// WebSocket's or asks for one only half gets an error and is closed. Every connection that has
// not become a WebSocket is closed when the head deadline runs out, whatever became of it. One
// address may hold a part of the connections only; when all are taken a new one replaces the
// oldest that is not a WebSocket (else the oldest viewing page, which reconnects), so a few
// clients cannot lock the others out. Nothing here waits for a client: every step runs when
// data arrives.
class RequestGate final : public QTcpServer {
    Q_OBJECT
public:
    static constexpr int kHeadBytes = 8192;    // request line and headers together
    static constexpr int kHeaders = 40;
    static constexpr int kPerAddress = 32;     // open connections from one address
    static constexpr int kConnections = 256;   // open connections in all
    static constexpr int kHeadMs = 10000;      // time for a request head to arrive

    explicit RequestGate(QObject* parent = nullptr);
    ~RequestGate() override;

    // The open connections from one address (an IPv4 address mapped into IPv6 counts as IPv4).
    int connectionsFrom(const QHostAddress& address) const;
    // The connection from this peer has become a WebSocket: the head deadline no longer holds
    // it, and one that carries the control key is never dropped for a newcomer.
    void becameWebSocket(const QHostAddress& peer, quint16 port, bool control);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void inspect(QTcpSocket* socket);
    // Answers with a short error and closes the connection once the answer is out, reading and
    // dropping whatever the client still sends meanwhile.
    void refuse(QTcpSocket* socket, int status, const char* reason);
    // Makes room for one more connection when all are taken; false when there is none to drop.
    bool makeRoom();

    // Open connections per address, shared with the tickets the sockets carry.
    std::shared_ptr<QHash<QString, int>> open_;
    // The connections admitted, oldest first (those closed since are null).
    std::deque<QPointer<QTcpSocket>> admitted_;
};

// The text an address is counted under.
QString AddressKey(const QHostAddress& address);
