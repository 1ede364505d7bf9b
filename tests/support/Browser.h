#pragma once
// Debian's headless Chromium with an empty profile, driven through its DevTools protocol on the
// loopback address: a page is opened and script expressions are evaluated in it.
#include <QHash>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QWebSocket>

#include <functional>

// A TCP port on the loopback address that nothing listens on right now.
quint16 FreeLoopbackPort();
// Handles events as they come (no polling delay) until `done` holds; false when time ran out.
bool AwaitEvents(const std::function<bool()>& done, int timeoutMs);

class Browser {
public:
    Browser();
    ~Browser();
    // Opens the address in the browser's page; false when the browser did not come up.
    bool open(const QString& url);
    // The value of an expression in the page (undefined when it failed).
    QJsonValue eval(const QString& expression);
    // Waits until the expression is true in the page.
    bool waitFor(const QString& expression, int timeoutMs = 10000);

private:
    QJsonObject call(const QString& method, const QJsonObject& params);

    QTemporaryDir profile_;
    QProcess process_;
    QWebSocket devtools_;
    QString session_;
    int lastId_ = 0;
    QHash<int, QJsonObject> replies_;
};
