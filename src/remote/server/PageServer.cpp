#include "remote/server/PageServer.h"

#include "remote/server/RequestGate.h"

#include "core/OfferedCommands.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QUrlQuery>
#include <QWebSocket>

using Status = QHttpServerResponder::StatusCode;

namespace {
struct Resource {
    const char* path;
    const char* file;
    const char* type;
};
// The page is the same for viewing and control: its script tells them apart by the address.
// The speaker's view and the overlay are pages of their own; every page keeps its link to the
// program by link.js.
const Resource kResources[] = {
    {"/", ":/remote/index.html", "text/html; charset=utf-8"},
    {"/control", ":/remote/index.html", "text/html; charset=utf-8"},
    {"/link.js", ":/remote/link.js", "text/javascript; charset=utf-8"},
    {"/horalto.css", ":/remote/horalto.css", "text/css; charset=utf-8"},
    {"/horalto.js", ":/remote/horalto.js", "text/javascript; charset=utf-8"},
    {"/speaker", ":/remote/speaker.html", "text/html; charset=utf-8"},
    {"/speaker.css", ":/remote/speaker.css", "text/css; charset=utf-8"},
    {"/speaker.js", ":/remote/speaker.js", "text/javascript; charset=utf-8"},
    {"/overlay", ":/remote/overlay.html", "text/html; charset=utf-8"},
    {"/overlay.css", ":/remote/overlay.css", "text/css; charset=utf-8"},
    {"/overlay.js", ":/remote/overlay.js", "text/javascript; charset=utf-8"},
};
// The most a control page's adjustment moves the counter, either way.
constexpr int kMostAdjust = 3600;
constexpr const char kSocketPath[] = "/ws";

const QByteArray& ResourceBytes(const Resource& r)
{
    static QHash<QByteArray, QByteArray> loaded;
    auto it = loaded.find(r.file);
    if (it == loaded.end()) {
        QFile f(QString::fromLatin1(r.file));
        f.open(QIODevice::ReadOnly);
        it = loaded.insert(r.file, f.readAll());
    }
    return *it;
}

// Compares a key in a time that depends on the stored key's length only.
bool SameKey(const QByteArray& given, const QByteArray& stored)
{
    unsigned diff = given.size() == stored.size() ? 0 : 1;
    for (qsizetype i = 0; i < stored.size(); ++i)
        diff |= unsigned(quint8(i < given.size() ? given[i] : 0) ^ quint8(stored[i]));
    return diff == 0 && !stored.isEmpty();
}

QByteArray KeyOf(const QUrl& url)
{
    return QUrlQuery(url).queryItemValue(QStringLiteral("key"), QUrl::FullyDecoded).toUtf8();
}

bool HasKey(const QUrl& url)
{
    return QUrlQuery(url).hasQueryItem(QStringLiteral("key"));
}

// The speaker's view asks for the socket with "?view=speaker": it shows the message to the speaker.
bool SpeakerView(const QUrl& url)
{
    return QUrlQuery(url).queryItemValue(QStringLiteral("view")) == QLatin1String("speaker");
}

void Answer(QHttpServerResponder&& responder, QTcpSocket* socket, Status status, const QByteArray& type,
            const QByteArray& body)
{
    responder.write(body,
                    {{"Content-Type", type},
                     {"Cache-Control", "no-store"},
                     {"X-Content-Type-Options", "nosniff"},
                     {"Referrer-Policy", "no-referrer"},
                     {"Content-Security-Policy",
                      "default-src 'none'; script-src 'self'; style-src 'self'; connect-src 'self'; "
                      "base-uri 'none'; form-action 'none'; frame-ancestors 'none'"},
                     {"Connection", "close"}},
                    status);
    // One request a connection: the connection closes once the answer is out.
    socket->disconnectFromHost();
}

QByteArray ErrorText(Status status)
{
    switch (status) {
    case Status::Forbidden: return "403 Forbidden\n";
    case Status::MethodNotAllowed: return "405 Method Not Allowed\n";
    case Status::BadRequest: return "400 Bad Request\n";
    default: return "404 Not Found\n";
    }
}
} // namespace

PageServer::PageServer(QHostAddress listenOn) : listenOn_(std::move(listenOn))
{
    now = [] { return QDeadlineTimer::current().deadline(); };
    heartbeat_.setInterval(1000);
    // Pages hear from the program at least once a second, also when nothing changes; while a
    // timing runs the ticks do that already.
    connect(&heartbeat_, &QTimer::timeout, this, [this] {
        if (!sinceSent_.isValid() || sinceSent_.elapsed() >= 900)
            SendToAll();
    });
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &PageServer::AdoptSockets);
}

PageServer::~PageServer()
{
    stop();
}

QString PageServer::start(quint16 port, const QByteArray& controlKey, RemoteCommands& commands,
                          const QString& address)
{
    commands_ = &commands;
    setControlKey(controlKey);
    const QHostAddress on = address.isEmpty() ? listenOn_ : QHostAddress(address);
    if (gate_ && gate_->serverPort() == port && listening_ == on)
        return QString();
    stop();
    auto* gate = new RequestGate(this);
    if (on.isNull() || !gate->listen(on, port)) {
        const QString why = gate->serverError() == QAbstractSocket::AddressInUseError
            ? QCoreApplication::translate("PageServer", "端口 %1 已被占用，请换一个端口").arg(port)
            : QCoreApplication::translate("PageServer", "无法在端口 %1 提供计时页面：%2").arg(port).arg(gate->errorString());
        delete gate;
        return why;
    }
    bind(gate);
    gate_ = gate;
    listening_ = on;
    heartbeat_.start();
    return QString();
}

void PageServer::stop()
{
    heartbeat_.stop();
    // Pages get a proper close first, so they say at once that the program has gone.
    for (Peer& p : std::exchange(peers_, {})) {
        p.socket->disconnect(this);
        p.socket->close(QWebSocketProtocol::CloseCodeGoingAway);
        p.socket->flush();
    }
    delete std::exchange(gate_, nullptr); // with it the connections it still holds
}

quint16 PageServer::port() const
{
    return gate_ ? gate_->serverPort() : 0;
}

int PageServer::connectionsFrom(const QHostAddress& address) const
{
    return gate_ ? gate_->connectionsFrom(address) : 0;
}

void PageServer::setControlKey(const QByteArray& key)
{
    if (key == key_)
        return;
    key_ = key;
    // A control page opened with the old key closes, with a code that tells it why.
    for (Peer& p : peers_)
        if (p.control)
            p.socket->close(QWebSocketProtocol::CloseCode(4403), QStringLiteral("key changed"));
}

void PageServer::publish(const RemoteState& state)
{
    if (state == state_ && !stateText_.isEmpty())
        return;
    state_ = state;
    QJsonObject o{{"t", "state"},
                        {"counter", state.counter},
                        {"color", state.color},
                        {"signal", state.signal},
                        {"title", state.title},
                        {"next", state.next},
                        {"info", state.info},
                        {"pause", state.pauseWord},
                        {"phase", state.phase},
                        {"scheme", state.scheme},
                        {"mode", state.mode},
                        {"blink", state.blinking},
                        {"end", state.finished},
                        {"over", state.overtime},
                        {"offers", state.offers},
                        {"message", state.message},
                        {"speaker", state.speaker},
                        {"adjust", state.adjustable}};
    if (state.debate) {
        QJsonArray sides;
        for (int side = 0; side < 2; ++side)
            sides.append(QJsonObject{{"name", state.sideNames[side]}, {"text", state.sideTexts[side]}, {"gone", state.sideGone[side]}});
        o.insert("debate", QJsonObject{{"floor", state.floor}, {"sides", sides}});
    }
    stateText_ = QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
    // The message is the speaker's: the audience's pages never receive it.
    o.insert("message", QString());
    audienceText_ = QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
    SendToAll();
}

void PageServer::setTexts(const QString& language, const QMap<QString, QString>& texts)
{
    // The page is served in the language: every element's text that the table names, and the
    // page's language. Its script follows the texts message.
    QJsonObject words;
    for (auto it = texts.begin(); it != texts.end(); ++it)
        words.insert(it.key(), it.value());
    pages_.clear();
    for (const Resource& r : kResources) {
        if (!QByteArray(r.type).startsWith("text/html") || pages_.contains(r.file))
            continue;
        QByteArray page = ResourceBytes(r);
        page.replace("<html lang=\"zh-CN\">", "<html lang=\"" + language.toHtmlEscaped().toUtf8() + "\">");
        for (auto it = texts.begin(); it != texts.end(); ++it)
            page.replace('>' + it.key().toUtf8() + '<', '>' + it.value().toHtmlEscaped().toUtf8() + '<');
        pages_.insert(r.file, page);
    }
    const QJsonObject o{{"t", "texts"}, {"lang", language}, {"words", words}};
    textsText_ = QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
    for (qsizetype i = 0; i < qsizetype(peers_.size()); ++i)
        Send(peers_[i], textsText_);
}

bool PageServer::KeyAccepted(const QHostAddress& from, const QByteArray& key)
{
    const qint64 t = now();
    Attempts& a = attempts_[AddressKey(from)];
    if (t < a.lockedUntil)
        return false;
    if (SameKey(key, key_))
        return true;
    a.wrong.push_back(t);
    while (!a.wrong.empty() && a.wrong.front() <= t - kLockoutMs)
        a.wrong.pop_front();
    if (int(a.wrong.size()) >= kWrongKeys) {
        a.lockedUntil = t + kLockoutMs;
        a.wrong.clear();
    }
    // The table forgets addresses whose attempts are over, so it cannot grow without end.
    if (attempts_.size() > 1024)
        attempts_.removeIf([t](const auto& it) {
            return it.value().lockedUntil <= t && (it.value().wrong.empty() || it.value().wrong.back() <= t - kLockoutMs);
        });
    return false;
}

bool PageServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    const QUrl url = request.url();
    const QString path = url.path();
    const bool get = request.method() == QHttpServerRequest::Method::Get;
    // An upgrade to a WebSocket: accepting writes nothing (the WebSocket server answers the
    // handshake); a refusal is answered by missingHandler.
    if (request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0) {
        const bool socketPath = get && path == QLatin1String(kSocketPath);
        if (socketPath && (!HasKey(url) || KeyAccepted(request.remoteAddress(), KeyOf(url))))
            return true;
        refusedStatus_ = int(!get ? Status::MethodNotAllowed : socketPath ? Status::Forbidden : Status::NotFound);
        return false;
    }
    Status status = get ? Status::NotFound : Status::MethodNotAllowed;
    const Resource* page = nullptr;
    for (const Resource& r : kResources)
        if (get && path == QLatin1String(r.path))
            page = &r;
    if (page && path == QLatin1String("/control") && !KeyAccepted(request.remoteAddress(), KeyOf(url))) {
        page = nullptr;
        status = Status::Forbidden;
    } else if (get && path == QLatin1String(kSocketPath)) {
        status = Status::BadRequest; // the socket path without the upgrade
    }
    if (page)
        Answer(makeResponder(request, socket), socket, Status::Ok, page->type,
               pages_.contains(page->file) ? pages_.value(page->file) : ResourceBytes(*page));
    else
        Answer(makeResponder(request, socket), socket, status, "text/plain; charset=utf-8", ErrorText(status));
    return true;
}

void PageServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    const Status status = Status(std::exchange(refusedStatus_, 404));
    Answer(makeResponder(request, socket), socket, status, "text/plain; charset=utf-8", ErrorText(status));
}

void PageServer::AdoptSockets()
{
    while (std::unique_ptr<QWebSocket> ws = nextPendingWebSocketConnection()) {
        const QUrl url = ws->requestUrl();
        // The key was checked at the upgrade; it may have changed during the handshake.
        const bool control = HasKey(url);
        if (control && !SameKey(KeyOf(url), key_)) {
            ws->close(QWebSocketProtocol::CloseCode(4403), QStringLiteral("key changed"));
            ws.release()->deleteLater();
            continue;
        }
        if (gate_)
            gate_->becameWebSocket(ws->peerAddress(), ws->peerPort(), control);
        ws->setMaxAllowedIncomingFrameSize(kCommandBytes);
        ws->setMaxAllowedIncomingMessageSize(kCommandBytes);
        QWebSocket* s = ws.get();
        connect(s, &QWebSocket::textMessageReceived, this, [this, s](const QString& m) { Received(s, m); });
        connect(s, &QWebSocket::disconnected, this, [this, s] { Drop(s); });
        peers_.push_back({std::move(ws), control, control || SpeakerView(url)});
        if (!textsText_.isEmpty())
            Send(peers_.back(), textsText_);
        if (!stateText_.isEmpty())
            Send(peers_.back(), StateFor(peers_.back()));
    }
}

void PageServer::Received(QWebSocket* socket, const QString& message)
{
    const auto it = std::find_if(peers_.begin(), peers_.end(), [socket](const Peer& p) { return p.socket.get() == socket; });
    if (it == peers_.end() || !it->control || !commands_)
        return; // a viewing page has nothing to say
    const QJsonObject o = QJsonDocument::fromJson(message.toUtf8()).object();
    QJsonObject done{{"t", "done"}};
    if (o.contains(QLatin1String("adjust"))) {
        // {"adjust": 30}: seconds given to the speaker (a minus takes them).
        const int seconds = o.value(QLatin1String("adjust")).toInt(0);
        if (seconds == 0 || seconds < -kMostAdjust || seconds > kMostAdjust)
            return;
        done.insert(QLatin1String("adjust"), seconds);
        done.insert(QLatin1String("ok"), commands_->runRemoteAdjust(seconds));
    } else if (o.contains(QLatin1String("message"))) {
        // {"message": "请总结"}: the message to the speaker; "" clears it.
        const QJsonValue text = o.value(QLatin1String("message"));
        if (!text.isString())
            return;
        commands_->setRemoteMessage(text.toString());
        done.insert(QLatin1String("message"), true);
        done.insert(QLatin1String("ok"), true);
    } else {
        // Every command a hotkey has (下一位 and 换方 too); the program decides whether it is offered.
        const int id = o.value(QStringLiteral("cmd")).toInt(0);
        if (id < 1 || id > kHotKeyCommands)
            return;
        done.insert(QLatin1String("cmd"), id);
        done.insert(QLatin1String("ok"), commands_->runRemoteCommand(id));
    }
    // The command may have closed this page (the program ended): look it up again.
    const auto still = std::find_if(peers_.begin(), peers_.end(), [socket](const Peer& p) { return p.socket.get() == socket; });
    if (still != peers_.end())
        Send(*still, QString::fromUtf8(QJsonDocument(done).toJson(QJsonDocument::Compact)));
}

void PageServer::Send(Peer& peer, const QString& text)
{
    // A page that does not read what it is sent is dropped (it reconnects when it can).
    if (peer.socket->bytesToWrite() > kSlowClientBytes) {
        QMetaObject::invokeMethod(peer.socket.get(), &QWebSocket::abort, Qt::QueuedConnection);
        return;
    }
    peer.socket->sendTextMessage(text);
}

void PageServer::Drop(QWebSocket* socket)
{
    const auto it = std::find_if(peers_.begin(), peers_.end(), [socket](const Peer& p) { return p.socket.get() == socket; });
    if (it == peers_.end())
        return;
    it->socket.release()->deleteLater(); // it is still emitting
    peers_.erase(it);
}

void PageServer::SendToAll()
{
    if (stateText_.isEmpty())
        return;
    sinceSent_.start();
    for (qsizetype i = 0; i < qsizetype(peers_.size()); ++i)
        Send(peers_[i], StateFor(peers_[i]));
}

const QString& PageServer::StateFor(const Peer& peer) const
{
    return peer.speaker ? stateText_ : audienceText_;
}
