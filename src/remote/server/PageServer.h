#pragma once
#include "platform/RemoteServer.h"

#include <QAbstractHttpServer>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QWebSocket;
class RequestGate;

// The page server: GET of the viewing page "/", the control page "/control?key=...", the
// speaker's view "/speaker", the streaming overlay "/overlay" and their style sheets and scripts, and the WebSocket "/ws" (with "?key=..." for a control page) over
// which every page gets the state and a control page sends commands. Everything else is
// refused: another method 405, another path 404, a missing or wrong key 403. Ten wrong keys
// from one address within a minute lock that address out of the control page for a minute.
class PageServer final : public QAbstractHttpServer, public RemoteServer {
    Q_OBJECT
public:
    static constexpr int kWrongKeys = 10;
    static constexpr qint64 kLockoutMs = 60000;
    static constexpr qint64 kSlowClientBytes = 64 * 1024; // unsent bytes that drop a page
    static constexpr int kCommandBytes = 1024;             // largest message a page may send

    // `listenOn`: every address of the machine, or (tests) the loopback address only.
    explicit PageServer(QHostAddress listenOn = QHostAddress::Any);
    ~PageServer() override;

    QString start(quint16 port, const QByteArray& controlKey, RemoteCommands& commands,
                  const QString& address = {}) override;
    void stop() override;
    bool serving() const override { return gate_ != nullptr; }
    void setControlKey(const QByteArray& key) override;
    void publish(const RemoteState& state) override;
    void setTexts(const QString& language, const QMap<QString, QString>& texts) override;
    QStringList addresses() override;
    // The addresses among `all` that a phone can use, in the order addresses() gives them.
    static QStringList UsableAddresses(const QList<QHostAddress>& all);
    QImage qrCode(const QString& text) override;

    // The port served on (0 when not serving).
    quint16 port() const;
    // The connections open from one address.
    int connectionsFrom(const QHostAddress& address) const;
    // The monotonic clock of the lockout, in milliseconds; tests set their own.
    std::function<qint64()> now;

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    struct Peer {
        std::unique_ptr<QWebSocket> socket;
        bool control = false;
        bool speaker = false; // the control page or the speaker's view: the message to the speaker is sent
    };
    struct Attempts {
        std::deque<qint64> wrong; // times of the wrong keys within the last minute
        qint64 lockedUntil = 0;
    };

    // Whether a request's key is the control key; a wrong or missing one counts against its
    // address, and a locked-out address is refused whatever it sends.
    bool KeyAccepted(const QHostAddress& from, const QByteArray& key);
    void AdoptSockets();
    void Received(QWebSocket* socket, const QString& message);
    void Send(Peer& peer, const QString& text);
    void Drop(QWebSocket* socket);
    void SendToAll();

    QHostAddress listenOn_;
    QHostAddress listening_; // the address the gate listens on
    RequestGate* gate_ = nullptr;
    QByteArray key_;
    RemoteCommands* commands_ = nullptr;
    std::vector<Peer> peers_;
    QHash<QString, Attempts> attempts_;
    int refusedStatus_ = 404; // the answer missingHandler gives to a refused WebSocket upgrade
    RemoteState state_;
    QString stateText_; // state_ as the control page and the speaker's view get it
    QString audienceText_; // the same without the message to the speaker, for every other page
    const QString& StateFor(const Peer& peer) const;
    QString textsText_; // the page's texts as the pages get them; empty: the page's own
    QHash<QByteArray, QByteArray> pages_; // each page's HTML in the language of the texts; none: as it is
    QTimer heartbeat_;
    QElapsedTimer sinceSent_; // since the state last went to every page
};
