#pragma once
// A private D-Bus session bus for a test, and stand-ins on it for the desktop's screen-saver
// service and its portal, which record the calls they get.
#include <QMutex>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

// dbus-daemon with a configuration of its own: no service is started on demand, so nothing
// of the machine's desktop comes onto the bus. Stopped with the object.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    // Empty when the daemon did not start.
    QString address() const { return address_; }

private:
    QTemporaryDir dir_;
    QProcess daemon_;
    QString address_;
};

// org.freedesktop.ScreenSaver at /org/freedesktop/ScreenSaver, answering on a thread of its
// own (so that a blocking call from the test's thread is answered). Cookies count up from 7001.
// log(): "Inhibit <cookie> <application> <reason>", "UnInhibit <cookie>".
class ScreenSaverRecorder : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    // False from registered() when the service name could not be taken.
    explicit ScreenSaverRecorder(const QString& busAddress);
    ~ScreenSaverRecorder() override;
    bool registered() const { return registered_; }
    QStringList log() const;
    // An empty log, and cookies from 7001 again.
    void reset();

public slots:
    uint Inhibit(const QString& application, const QString& reason);
    void UnInhibit(uint cookie);

private:
    QThread thread_;
    QString connectionName_;
    bool registered_ = false;
    mutable QMutex mutex_;
    QStringList log_;
    uint next_ = 7001;
};

// The desktop's portal with global shortcuts (portal_standin.py, which describes its lines and
// commands), in a process of its own. Stopped with the object.
class PortalStandIn {
public:
    explicit PortalStandIn(const QString& busAddress, const QStringList& options = {});
    ~PortalStandIn();
    // It owns the portal's name.
    bool ready() { return waitFor("ready") >= 0; }
    // Waits (events processed) for a line from the stand-in starting with `prefix`, from line
    // `from` on; its index, -1 when none came in time.
    int waitFor(const QString& prefix, int from = 0, int timeoutMs = 5000);
    // Every line so far.
    QStringList log();
    void send(const QByteArray& command) { proc_.write(command + '\n'); }

private:
    QProcess proc_;
    QStringList lines_;
    QByteArray partial_;
};
