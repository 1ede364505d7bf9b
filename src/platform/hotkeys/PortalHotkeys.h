#pragma once
#include "platform/Clock.h"
#include "platform/hotkeys/Hotkeys.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>
#include <functional>
#include <map>
#include <vector>

class QDBusMessage;
class QDBusPendingCall;

// What the program knows beforehand of the desktop whose portal binds the keys.
struct PortalDesktop {
    bool keypadKeys = true; // it binds keypad keys as such
    bool keepsKeys = false; // it keeps the keys it once bound whatever is proposed later
    // KDE Plasma (XDG_CURRENT_DESKTOP lists "KDE"): no keypad keys, and it keeps its keys.
    static PortalDesktop FromEnvironment();
};

// Global hotkeys through the desktop's org.freedesktop.portal.GlobalShortcuts portal, for a
// Wayland session, where the X11 key grabs see keys only while an X11 window has the focus.
//
// The program names itself to the portal first (org.freedesktop.host.portal.Registry, where
// there is one; without it the portal may know the program by an empty app id, which works as
// well), then opens a session and binds one shortcut per action, proposing the registered keys
// as their triggers. The list goes with the session's creation as well as with the binding: KDE
// Plasma's portal takes it only from the creation, binds there and answers with the keys; then
// the binding call, which there would only open the desktop's settings, is left out. The desktop
// binds keys of its choosing (it may ask the user, and the user may change them in its
// settings; KDE keeps the keys it once bound and ignores later proposals, so such a desktop, and
// one that binds with the session, is not asked again while the program runs) and sends Activated
// whatever has the focus. The session always has the same handle token, since the desktop may
// name the program's shortcuts after it. A key held down acts once: an activation while the
// key is down is the same press, timed by the program's own clock (a desktop may send no times
// and no release), and a release not announced is assumed after kHeldMs. The registrations of
// one turn of the event loop are proposed together; a changed key, or proposeAgain, opens a new
// session, since a session binds once. Every call on the bus is asynchronous: nothing waits for
// the desktop.
//
// A keypad key is proposed only where the desktop binds it as such: KDE Plasma turns the keypad's
// "1" into the ordinary "1", which would take that key away from typing everywhere. There such a
// hotkey is listed without a key, for the user to bind in the desktop's settings.
//
// Without a bus, without a portal that offers the interface, when the desktop refuses the
// shortcuts or binds none of them, and when the session or the portal goes away, the keys are
// the fallback's (the X11 grabs) from then on: this is said once on standard error, and the
// change handler asks for every key again.
class PortalHotkeys final : public QObject, public HotkeyService {
    Q_OBJECT
public:
    static constexpr const char* kAppId = "io.horalto.Horalto";
    static constexpr const char* kSessionToken = "Horalto";
    // An activation this long after the one before is a new press even without a release.
    static constexpr qint64 kHeldMs = 1000;

    // On the bus at `busAddress` (empty: none). Construction touches nothing; the portal is asked
    // once the first key has been registered.
    PortalHotkeys(const QString& busAddress, HotkeyService& fallback, std::vector<HotkeyAction> actions,
                  const Clock& clock, PortalDesktop desktop = {});
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
    bool focusOnly() const override { return fellBack() && fallback_.focusOnly(); }

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
        qint64 lastActivation = 0;        // by the program's clock
    };
    using ResponseHandler = std::function<void(uint code, const QVariantMap& results)>;

    void queueSync();
    void sync();
    void start();
    void createSession();
    void bind();
    // The shortcut list with the keys to propose; sets `proposing` when it proposes any.
    QVariant proposal(bool* proposing);
    void bound(const QVariant& shortcuts, bool proposing);
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
    const Clock& clock_;
    PortalDesktop desktop_;
    std::map<int, Shortcut> shortcuts_; // by action id
    std::function<void(int)> pressHandler_;
    std::function<void()> changeHandler_;
    Stage stage_ = Stage::Idle;
    bool syncQueued_ = false;
    bool proposeAgain_ = false;
    bool bindsWithSession_ = false; // the desktop bound the keys as it opened the session
    uint version_ = 0;
    int tokens_ = 0;
    QString session_; // the session's object path, once the desktop opened it
    std::map<QString, ResponseHandler> requests_; // by request object path
};
