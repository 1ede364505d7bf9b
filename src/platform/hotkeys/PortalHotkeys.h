#pragma once
#include "platform/hotkeys/Hotkeys.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>
#include <functional>
#include <map>
#include <vector>

class QDBusMessage;
class QDBusPendingCall;

// Global hotkeys through the desktop's org.freedesktop.portal.GlobalShortcuts portal, for a
// Wayland session, where the X11 key grabs see keys only while an X11 window has the focus.
//
// The program names itself to the portal first (org.freedesktop.host.portal.Registry, where
// there is one), then opens a session and binds one shortcut per action, proposing the
// registered keys as their triggers. The desktop binds keys of its choosing (it may ask the
// user, and the user may change them in its settings) and sends Activated whatever has the
// focus; a key held down acts once. The registrations of one turn of the event loop are
// proposed together; a changed key, or proposeAgain, opens a new session, since a session binds
// once. Every call on the bus is asynchronous: nothing waits for the desktop.
//
// Without a bus, without a portal that offers the interface, when the desktop refuses the
// shortcuts or binds none of them, and when the session or the portal goes away, the keys are
// the fallback's (the X11 grabs) from then on: this is said once on standard error, and the
// change handler asks for every key again.
class PortalHotkeys final : public QObject, public HotkeyService {
    Q_OBJECT
public:
    static constexpr const char* kAppId = "io.horalto.Horalto";

    // On the bus at `busAddress` (empty: none). Construction touches nothing; the portal is
    // asked once the first key has been registered.
    PortalHotkeys(const QString& busAddress, HotkeyService& fallback, std::vector<HotkeyAction> actions);
    ~PortalHotkeys() override;
    PortalHotkeys(const PortalHotkeys&) = delete;
    PortalHotkeys& operator=(const PortalHotkeys&) = delete;

    // A Wayland session: XDG_SESSION_TYPE is "wayland" or WAYLAND_DISPLAY is set.
    static bool WaylandSession();

    bool registerKey(int id, int modifiers, int virtualKey) override;
    void unregisterKey(int id) override;
    void setPressHandler(std::function<void(int id)> handler) override;
    std::optional<QString> boundKey(int id) const override;
    void setChangeHandler(std::function<void()> handler) override;
    void proposeAgain() override;
    bool canConfigure() const override;
    void configure(unsigned long long parentWindow) override;

    // The keys are the fallback's.
    bool fellBack() const { return stage_ == Stage::FellBack; }

private slots:
    void onResponse(const QDBusMessage& message);
    void onActivated(const QDBusMessage& message);
    void onDeactivated(const QDBusMessage& message);
    void onShortcutsChanged(const QDBusMessage& message);
    void onSessionClosed();
    void onPortalGone();

private:
    enum class Stage { Idle, Starting, Binding, Bound, FellBack };
    struct Shortcut {
        QString name, description;
        std::optional<QString> trigger;  // of the latest registration, kept while unregistered
        bool active = false;              // registered now
        std::optional<QString> proposed;  // the trigger proposed at the latest binding
        std::optional<QString> bound;     // the desktop's words for the key it bound
        bool down = false;                // activated and not yet deactivated
        quint64 lastActivation = 0;       // the portal's time stamp, in milliseconds
    };
    using ResponseHandler = std::function<void(uint code, const QVariantMap& results)>;

    void queueSync();
    void sync();
    void start();
    void createSession();
    void bind();
    void closeSession();
    void takeBoundKeys(const QVariant& shortcuts, bool complete);
    void fallBack(const QString& reason);
    void changed();
    // Calls a portal method whose results come through a Request object named by `token`.
    void request(const QString& method, const QString& token, const QList<QVariant>& args, ResponseHandler handler);
    void whenAnswered(const QDBusPendingCall& call, std::function<void(const QDBusMessage&)> handler);
    Shortcut* byName(const QString& name, int* id = nullptr);

    QString address_;
    QString connectionName_;
    QDBusConnection bus_;
    HotkeyService& fallback_;
    std::map<int, Shortcut> shortcuts_; // by action id
    std::function<void(int)> pressHandler_;
    std::function<void()> changeHandler_;
    Stage stage_ = Stage::Idle;
    bool syncQueued_ = false;
    bool proposeAgain_ = false;
    uint version_ = 0;
    int tokens_ = 0;
    QString session_; // the session's object path, once the desktop opened it
    std::map<QString, ResponseHandler> requests_; // by request object path
};
