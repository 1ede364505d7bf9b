#pragma once
#include "platform/desktop/ScreenSaver.h"

#include <QDBusPendingCall>
#include <QObject>
#include <QString>
#include <optional>

class QDBusPendingCallWatcher;

// Holds the screen saver off through the desktop's org.freedesktop.ScreenSaver service on the
// session bus (Inhibit, then UnInhibit with the cookie it gave). When the bus or the service is
// not there, or it answers with an error, the X server's screen saver (and its display power
// saving) is suspended through the MIT-SCREEN-SAVER extension on Qt's X connection instead.
// With neither, holding does nothing and says nothing.
//
// The calls on the bus do not wait for their answers: a release that comes before the cookie
// is sent as soon as the cookie arrives. Whatever is held is released when the object goes; it
// must go before the QApplication. Should the program end without that, the desktop drops the
// inhibit of a client that leaves the bus, and the X server the suspension of a client that
// disconnects.
class DesktopScreenSaver final : public QObject, public ScreenSaver {
public:
    static constexpr const char* kService = "org.freedesktop.ScreenSaver";
    static constexpr const char* kPath = "/org/freedesktop/ScreenSaver";
    static constexpr int kCallTimeoutMs = 2000;

    // On the bus at `busAddress`; an empty address means no bus.
    explicit DesktopScreenSaver(const QString& busAddress = SessionBusAddress());
    ~DesktopScreenSaver() override;
    DesktopScreenSaver(const DesktopScreenSaver&) = delete;
    DesktopScreenSaver& operator=(const DesktopScreenSaver&) = delete;

    void setHeld(bool held) override;
    // Waits (at most kCallTimeoutMs) for the answer to an Inhibit still on its way and acts on it.
    void settle();

    // The session bus of this login: $DBUS_SESSION_BUS_ADDRESS, else the bus socket in
    // $XDG_RUNTIME_DIR when there is one, else none. A bus is never started for the program.
    static QString SessionBusAddress();

private:
    bool connectBus();
    void inhibitOnBus();
    void onInhibitAnswer();
    void unInhibit(uint cookie);
    void suspendX(bool on);
    bool xUsable();

    QString address_;
    QString connectionName_; // set once connected
    bool held_ = false;
    bool busFailed_ = false; // no bus, or the service is not there or refused: the X server from then on
    std::optional<QDBusPendingCall> inhibitCall_;
    QDBusPendingCallWatcher* watcher_ = nullptr; // a child, for inhibitCall_
    std::optional<uint> cookie_;
    std::optional<QDBusPendingCall> lastRelease_;
    bool xSuspended_ = false;
    std::optional<bool> xUsable_; // the extension with suspending (1.1) is there
};
