#pragma once
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <memory>

class QTcpSocket;

// The listening socket of the page server. It holds each new connection until its request head
// (request line and headers) is complete and within bounds, and only then hands it on: a
// connection beyond the limits is closed at once, a head that is too large, has too many
// headers, carries a body or does not arrive in time gets an error and is closed. Nothing here
// waits for a client: every step runs when data arrives.
class RequestGate final : public QTcpServer {
    Q_OBJECT
public:
    static constexpr int kHeadBytes = 8192;    // request line and headers together
    static constexpr int kHeaders = 40;
    static constexpr int kPerAddress = 64;     // open connections from one address
    static constexpr int kConnections = 256;   // open connections in all
    static constexpr int kHeadMs = 10000;      // time for a request head to arrive

    explicit RequestGate(QObject* parent = nullptr);
    ~RequestGate() override;

    // The open connections from one address (an IPv4 address mapped into IPv6 counts as IPv4).
    int connectionsFrom(const QHostAddress& address) const;

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void inspect(QTcpSocket* socket);
    // Answers with a short error and closes the connection once the answer is out, reading and
    // dropping whatever the client still sends meanwhile.
    void refuse(QTcpSocket* socket, int status, const char* reason);

    // Open connections per address, shared with the tickets the sockets carry.
    std::shared_ptr<QHash<QString, int>> open_;
};

// The text an address is counted under.
QString AddressKey(const QHostAddress& address);
