#include "support/SessionBus.h"

#include <QDBusConnection>
#include <QFile>
#include <QMutexLocker>
#include <QTest>

PrivateSessionBus::PrivateSessionBus()
{
    QFile conf(dir_.filePath("bus.conf"));
    if (!conf.open(QIODevice::WriteOnly))
        return;
    conf.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig><type>session</type><listen>unix:dir=" + QFile::encodeName(dir_.path()) + "</listen>"
               "<auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
               "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
    conf.close();
    daemon_.setStandardErrorFile(QProcess::nullDevice()); // it cannot raise its file limit: no matter
    daemon_.start("dbus-daemon", {"--config-file=" + conf.fileName(), "--nofork", "--nopidfile", "--print-address"});
    if (daemon_.waitForStarted(5000) && daemon_.waitForReadyRead(5000))
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
}

PrivateSessionBus::~PrivateSessionBus()
{
    if (daemon_.state() == QProcess::NotRunning)
        return;
    daemon_.terminate();
    if (!daemon_.waitForFinished(3000)) {
        daemon_.kill();
        daemon_.waitForFinished(3000);
    }
}

ScreenSaverRecorder::ScreenSaverRecorder(const QString& busAddress)
{
    static int count = 0;
    connectionName_ = QStringLiteral("screensaver-recorder-%1").arg(++count);
    thread_.start();
    moveToThread(&thread_);
    QDBusConnection bus = QDBusConnection::connectToBus(busAddress, connectionName_);
    registered_ = bus.isConnected() && bus.registerObject("/org/freedesktop/ScreenSaver", this, QDBusConnection::ExportAllSlots)
        && bus.registerService("org.freedesktop.ScreenSaver");
}

ScreenSaverRecorder::~ScreenSaverRecorder()
{
    QDBusConnection::disconnectFromBus(connectionName_);
    thread_.quit();
    thread_.wait();
}

QStringList ScreenSaverRecorder::log() const
{
    QMutexLocker lock(&mutex_);
    return log_;
}

void ScreenSaverRecorder::reset()
{
    QMutexLocker lock(&mutex_);
    log_.clear();
    next_ = 7001;
}

uint ScreenSaverRecorder::Inhibit(const QString& application, const QString& reason)
{
    QMutexLocker lock(&mutex_);
    const uint cookie = next_++;
    log_ << QStringLiteral("Inhibit %1 %2 %3").arg(cookie).arg(application, reason);
    return cookie;
}

void ScreenSaverRecorder::UnInhibit(uint cookie)
{
    QMutexLocker lock(&mutex_);
    log_ << QStringLiteral("UnInhibit %1").arg(cookie);
}

PortalStandIn::PortalStandIn(const QString& busAddress, const QStringList& options)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", busAddress);
    proc_.setProcessEnvironment(env);
    proc_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proc_.start("/usr/bin/python3", QStringList{HORALTO_SOURCE_DIR "/tests/support/portal_standin.py"} + options);
}

PortalStandIn::~PortalStandIn()
{
    send("quit");
    if (!proc_.waitForFinished(3000)) {
        proc_.kill();
        proc_.waitForFinished(3000);
    }
}

int PortalStandIn::waitFor(const QString& prefix, int from, int timeoutMs)
{
    int found = -1;
    (void)QTest::qWaitFor([&] {
        const QStringList lines = log();
        for (int i = from; i < lines.size() && found < 0; ++i)
            if (lines[i].startsWith(prefix))
                found = i;
        return found >= 0 || proc_.state() == QProcess::NotRunning;
    }, timeoutMs);
    return found;
}

QStringList PortalStandIn::log()
{
    partial_ += proc_.readAllStandardOutput();
    for (int end; (end = partial_.indexOf('\n')) >= 0; partial_.remove(0, end + 1))
        lines_ << QString::fromUtf8(partial_.left(end));
    return lines_;
}
