#include "support/Browser.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

quint16 FreeLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool AwaitEvents(const std::function<bool()>& done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer wake; // the deadline is checked even when nothing happens
    wake.start(20);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

Browser::Browser()
{
    QObject::connect(&devtools_, &QWebSocket::textMessageReceived, &devtools_, [this](const QString& m) {
        const QJsonObject o = QJsonDocument::fromJson(m.toUtf8()).object();
        if (o.contains("id"))
            replies_.insert(o.value("id").toInt(), o);
    });
    // Its complaints about the missing system bus and the like are of no interest here.
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.start("chromium", {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                                "--remote-debugging-address=127.0.0.1", "--remote-debugging-port=0",
                                "--user-data-dir=" + profile_.path(), "about:blank"});
}

Browser::~Browser()
{
    if (devtools_.state() == QAbstractSocket::ConnectedState)
        call("Browser.close", {});
    if (!process_.waitForFinished(5000))
        process_.kill();
    process_.waitForFinished(3000);
}

QJsonObject Browser::call(const QString& method, const QJsonObject& params)
{
    const int id = ++lastId_;
    QJsonObject message{{"id", id}, {"method", method}, {"params", params}};
    if (!session_.isEmpty())
        message.insert("sessionId", session_);
    devtools_.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    if (!AwaitEvents([&] { return replies_.contains(id); }, 10000))
        return {};
    return replies_.take(id).value("result").toObject();
}

bool Browser::open(const QString& url)
{
    // The browser writes its port and path into the profile once it listens.
    QFile active(profile_.filePath("DevToolsActivePort"));
    if (!QTest::qWaitFor([&] { return active.exists() && active.size() > 0; }, 30000) || !active.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = active.readAll().split('\n');
    devtools_.open(QUrl("ws://127.0.0.1:" + lines.value(0) + lines.value(1)));
    if (!QTest::qWaitFor([&] { return devtools_.state() == QAbstractSocket::ConnectedState; }, 10000))
        return false;
    QString target;
    for (const QJsonValue& t : call("Target.getTargets", {}).value("targetInfos").toArray())
        if (t.toObject().value("type") == "page")
            target = t.toObject().value("targetId").toString();
    session_ = call("Target.attachToTarget", {{"targetId", target}, {"flatten", true}}).value("sessionId").toString();
    return !session_.isEmpty() && call("Page.navigate", {{"url", url}}).contains("frameId");
}

QJsonValue Browser::eval(const QString& expression)
{
    return call("Runtime.evaluate", {{"expression", expression}, {"returnByValue", true}})
        .value("result").toObject().value("value");
}

bool Browser::waitFor(const QString& expression, int timeoutMs)
{
    return QTest::qWaitFor([&] { return eval(expression) == QJsonValue(true); }, timeoutMs);
}
