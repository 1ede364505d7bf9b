#include "platform/desktop/DesktopScreenSaver.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <sys/stat.h>

namespace {

const QString kApplication = QStringLiteral("Horalto");
// The reason the desktop may show, in the interface's language.
const char* const kReason = QT_TRANSLATE_NOOP("DesktopScreenSaver", "演讲计时");

// A value in a D-Bus address: bytes other than -, 0-9, A-Z, a-z, _, /, . and * as %XX.
QString escapeAddressValue(const QString& value)
{
    QString out;
    for (const char c : value.toUtf8()) {
        const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')
            || c == '-' || c == '_' || c == '/' || c == '.' || c == '*';
        if (plain)
            out += QLatin1Char(c);
        else
            out += QStringLiteral("%%%1").arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0'));
    }
    return out;
}

QDBusMessage screenSaverCall(const QString& method)
{
    return QDBusMessage::createMethodCall(QString::fromLatin1(DesktopScreenSaver::kService),
                                          QString::fromLatin1(DesktopScreenSaver::kPath),
                                          QString::fromLatin1(DesktopScreenSaver::kService), method);
}

xcb_connection_t* qtXConnection()
{
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!gui)
        return nullptr;
    auto* x11 = gui->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

int connectionCount = 0;

} // namespace

QString DesktopScreenSaver::SessionBusAddress()
{
    const QString given = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (!given.isEmpty())
        return given;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        return {};
    const QString socket = runtime + QStringLiteral("/bus");
    struct stat st{};
    if (::stat(QFile::encodeName(socket).constData(), &st) != 0 || !S_ISSOCK(st.st_mode))
        return {};
    return QStringLiteral("unix:path=") + escapeAddressValue(socket);
}

DesktopScreenSaver::DesktopScreenSaver(const QString& busAddress) : address_(busAddress)
{
    busFailed_ = address_.isEmpty();
}

DesktopScreenSaver::~DesktopScreenSaver()
{
    settle();
    setHeld(false);
    if (lastRelease_)
        lastRelease_->waitForFinished();
    if (!connectionName_.isEmpty())
        QDBusConnection::disconnectFromBus(connectionName_);
}

void DesktopScreenSaver::setHeld(bool held)
{
    if (held == held_)
        return;
    held_ = held;
    if (held) {
        if (inhibitCall_)
            return; // its cookie is kept when it comes
        if (connectBus())
            inhibitOnBus();
        else
            suspendX(true);
        return;
    }
    if (cookie_) {
        unInhibit(*cookie_);
        cookie_.reset();
    }
    suspendX(false);
}

void DesktopScreenSaver::settle()
{
    if (!inhibitCall_)
        return;
    inhibitCall_->waitForFinished();
    onInhibitAnswer();
}

bool DesktopScreenSaver::connectBus()
{
    if (busFailed_)
        return false;
    if (!connectionName_.isEmpty())
        return true;
    const QString name = QStringLiteral("horalto-screensaver-%1").arg(++connectionCount);
    if (!QDBusConnection::connectToBus(address_, name).isConnected()) {
        QDBusConnection::disconnectFromBus(name);
        busFailed_ = true;
        return false;
    }
    connectionName_ = name;
    return true;
}

void DesktopScreenSaver::inhibitOnBus()
{
    QDBusMessage call = screenSaverCall(QStringLiteral("Inhibit"));
    call << kApplication << QCoreApplication::translate("DesktopScreenSaver", kReason);
    inhibitCall_ = QDBusConnection(connectionName_).asyncCall(call, kCallTimeoutMs);
    watcher_ = new QDBusPendingCallWatcher(*inhibitCall_, this);
    connect(watcher_, &QDBusPendingCallWatcher::finished, this, &DesktopScreenSaver::onInhibitAnswer);
}

void DesktopScreenSaver::onInhibitAnswer()
{
    if (!inhibitCall_ || !inhibitCall_->isFinished())
        return;
    const QDBusPendingReply<uint> reply = *inhibitCall_;
    inhibitCall_.reset();
    watcher_->disconnect(this);
    watcher_->deleteLater();
    watcher_ = nullptr;
    if (reply.isError()) {
        busFailed_ = true;
        if (held_)
            suspendX(true);
    } else if (held_) {
        cookie_ = reply.value();
    } else {
        unInhibit(reply.value());
    }
}

void DesktopScreenSaver::unInhibit(uint cookie)
{
    QDBusMessage call = screenSaverCall(QStringLiteral("UnInhibit"));
    call << cookie;
    lastRelease_ = QDBusConnection(connectionName_).asyncCall(call, kCallTimeoutMs);
}

bool DesktopScreenSaver::xUsable()
{
    xcb_connection_t* c = qtXConnection();
    if (!c)
        return false;
    if (!xUsable_) {
        xUsable_ = false;
        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_screensaver_id);
        if (ext && ext->present) {
            auto* v = xcb_screensaver_query_version_reply(c, xcb_screensaver_query_version(c, 1, 1), nullptr);
            if (v)
                xUsable_ = v->server_major_version > 1 || (v->server_major_version == 1 && v->server_minor_version >= 1);
            std::free(v);
        }
    }
    return *xUsable_;
}

void DesktopScreenSaver::suspendX(bool on)
{
    if (on == xSuspended_ || !xUsable())
        return;
    xcb_connection_t* c = qtXConnection();
    xcb_screensaver_suspend(c, on ? 1 : 0);
    xcb_flush(c);
    xSuspended_ = on;
}
