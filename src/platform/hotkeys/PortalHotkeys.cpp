#include "platform/hotkeys/PortalHotkeys.h"

#include "platform/hotkeys/VirtualKeys.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

#include <cstdio>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kSession = QStringLiteral("org.freedesktop.portal.Session");
const QString kRegistry = QStringLiteral("org.freedesktop.host.portal.Registry");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

int connectionCount = 0;

// A trigger of a key of the numeric keypad ("KP_1", "CTRL+KP_Add").
bool KeypadTrigger(const QString& trigger)
{
    return trigger.mid(trigger.lastIndexOf(u'+') + 1).startsWith(QLatin1String("KP_"));
}

} // namespace

// One shortcut as the portal passes it: its name and a dictionary of its properties.
struct PortalShortcut {
    QString name;
    QVariantMap properties;
};
Q_DECLARE_METATYPE(PortalShortcut)

QDBusArgument& operator<<(QDBusArgument& arg, const PortalShortcut& s)
{
    arg.beginStructure();
    arg << s.name << s.properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, PortalShortcut& s)
{
    arg.beginStructure();
    arg >> s.name >> s.properties;
    arg.endStructure();
    return arg;
}

namespace {
QList<PortalShortcut> shortcutList(const QVariant& v)
{
    return v.canConvert<QDBusArgument>() ? qdbus_cast<QList<PortalShortcut>>(v.value<QDBusArgument>())
                                         : v.value<QList<PortalShortcut>>();
}
} // namespace

PortalHotkeys::PortalHotkeys(const QString& busAddress, HotkeyService& fallback, std::vector<HotkeyAction> actions,
                             const Clock& clock, PortalDesktop desktop)
    : address_(busAddress),
      connectionName_(QStringLiteral("horalto-shortcuts-%1").arg(++connectionCount)),
      bus_(connectionName_),
      fallback_(fallback),
      clock_(clock),
      desktop_(desktop)
{
    for (HotkeyAction& a : actions) {
        Shortcut& s = shortcuts_[a.id];
        s.name = std::move(a.name);
        s.description = std::move(a.description);
    }
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
}

PortalHotkeys::~PortalHotkeys()
{
    // Leaving the bus ends the session: the portal drops what a client that left had bound.
    if (stage_ != Stage::Idle)
        QDBusConnection::disconnectFromBus(connectionName_);
}

bool PortalHotkeys::WaylandSession()
{
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

PortalDesktop PortalDesktop::FromEnvironment()
{
    const bool kde = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':').contains(QLatin1String("KDE"), Qt::CaseInsensitive);
    return {!kde, kde};
}

bool PortalHotkeys::registerKey(int id, int modifiers, int virtualKey)
{
    if (fellBack())
        return fallback_.registerKey(id, modifiers, virtualKey);
    const auto it = shortcuts_.find(id);
    if (it == shortcuts_.end())
        return false;
    const QString trigger = TriggerForVirtualKey(modifiers, virtualKey);
    it->second.active = !trigger.isEmpty();
    if (trigger.isEmpty())
        return false;
    it->second.trigger = trigger;
    queueSync();
    return true;
}

void PortalHotkeys::unregisterKey(int id)
{
    if (fellBack())
        return fallback_.unregisterKey(id);
    // The desktop keeps the key bound; its activations are not delivered.
    if (const auto it = shortcuts_.find(id); it != shortcuts_.end())
        it->second.active = false;
}

void PortalHotkeys::setPressHandler(std::function<void(int id)> handler)
{
    pressHandler_ = handler;
    fallback_.setPressHandler(std::move(handler));
}

std::optional<QString> PortalHotkeys::boundKey(int id) const
{
    const auto it = shortcuts_.find(id);
    if (fellBack() || it == shortcuts_.end())
        return std::nullopt;
    const Shortcut& s = it->second;
    return s.trigger && s.proposed == s.trigger ? s.bound : std::nullopt;
}

void PortalHotkeys::setChangeHandler(std::function<void()> handler)
{
    changeHandler_ = std::move(handler);
}

void PortalHotkeys::proposeAgain()
{
    proposeAgain_ = true;
}

bool PortalHotkeys::canConfigure() const
{
    return stage_ == Stage::Bound && version_ >= 2;
}

void PortalHotkeys::configure(unsigned long long parentWindow)
{
    if (!canConfigure())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kShortcuts, QStringLiteral("ConfigureShortcuts"));
    call << QVariant::fromValue(QDBusObjectPath(session_))
         << (parentWindow ? QStringLiteral("x11:%1").arg(parentWindow, 0, 16) : QString()) << QVariantMap();
    bus_.send(call);
}

void PortalHotkeys::queueSync()
{
    if (syncQueued_)
        return;
    syncQueued_ = true;
    QMetaObject::invokeMethod(this, [this] { syncQueued_ = false; sync(); }, Qt::QueuedConnection);
}

// After a burst of registrations: the portal is asked once, and a key that changed is proposed.
void PortalHotkeys::sync()
{
    if (stage_ == Stage::Idle)
        return start();
    if (stage_ != Stage::Bound)
        return; // looked at again when the desktop has answered
    bool again = proposeAgain_;
    for (const auto& [id, s] : shortcuts_)
        again = again || (s.active && s.trigger != s.proposed);
    if (!again)
        return;
    if (bindsWithSession_ || desktop_.keepsKeys) {
        // That desktop keeps the keys it bound and takes new ones only in its own settings; a new
        // session would propose in vain (and its old one, going away, would disable the keys).
        for (auto& [id, s] : shortcuts_)
            s.proposed = s.active ? s.trigger : std::nullopt;
        proposeAgain_ = false;
        return changed();
    }
    closeSession();
    createSession();
}

void PortalHotkeys::start()
{
    stage_ = Stage::Starting;
    if (address_.isEmpty())
        return fallBack(QStringLiteral("there is no session bus"));
    bus_ = QDBusConnection::connectToBus(address_, connectionName_);
    if (!bus_.isConnected())
        return fallBack(QStringLiteral("the session bus cannot be reached"));
    auto* watcher = new QDBusServiceWatcher(kService, bus_, QDBusServiceWatcher::WatchForUnregistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, &PortalHotkeys::onPortalGone);
    bus_.connect(QString(), kPath, kShortcuts, QStringLiteral("Activated"), this, SLOT(onActivated(QDBusMessage)));
    bus_.connect(QString(), kPath, kShortcuts, QStringLiteral("Deactivated"), this, SLOT(onDeactivated(QDBusMessage)));
    bus_.connect(QString(), kPath, kShortcuts, QStringLiteral("ShortcutsChanged"), this,
                 SLOT(onShortcutsChanged(QDBusMessage)));

    // The program's name first: the portal knows a program on the host by it. An older portal
    // has no registry; its error does not matter.
    QDBusMessage hello = QDBusMessage::createMethodCall(kService, kPath, kRegistry, QStringLiteral("Register"));
    hello << QString::fromLatin1(kAppId) << QVariantMap();
    whenAnswered(bus_.asyncCall(hello), [this](const QDBusMessage&) {
        QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, kProperties, QStringLiteral("Get"));
        get << kShortcuts << QStringLiteral("version");
        whenAnswered(bus_.asyncCall(get), [this](const QDBusMessage& reply) {
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
                return fallBack(QStringLiteral("the desktop portal offers no global shortcuts (%1)").arg(reply.errorName()));
            version_ = reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt();
            createSession();
        });
    });
}

void PortalHotkeys::createSession()
{
    stage_ = Stage::Binding;
    bool proposing = false;
    const QString token = QStringLiteral("horalto%1").arg(++tokens_);
    const QVariantMap options{{QStringLiteral("handle_token"), token},
                              {QStringLiteral("session_handle_token"), QString::fromLatin1(kSessionToken)},
                              {QStringLiteral("shortcuts"), proposal(&proposing)}};
    request(QStringLiteral("CreateSession"), token, {options}, [this, proposing](uint code, const QVariantMap& results) {
        const QVariant handle = results.value(QStringLiteral("session_handle"));
        session_ = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
        if (code != 0 || session_.isEmpty())
            return fallBack(QStringLiteral("the desktop portal opened no shortcuts session"));
        bus_.connect(QString(), session_, kSession, QStringLiteral("Closed"), this, SLOT(onSessionClosed()));
        const QVariant listed = results.value(QStringLiteral("shortcuts"));
        if (!listed.isValid() || shortcutList(listed).isEmpty())
            return bind();
        bindsWithSession_ = true;
        bound(listed, proposing);
    });
}

QVariant PortalHotkeys::proposal(bool* proposing)
{
    QList<PortalShortcut> list;
    for (auto& [id, s] : shortcuts_) {
        PortalShortcut p{s.name, {{QStringLiteral("description"), s.description}}};
        s.proposed = s.active ? s.trigger : std::nullopt;
        if (s.proposed && (desktop_.keypadKeys || !KeypadTrigger(*s.proposed))) {
            p.properties.insert(QStringLiteral("preferred_trigger"), *s.proposed);
            *proposing = true;
        }
        list << p;
    }
    proposeAgain_ = false;
    return QVariant::fromValue(list);
}

void PortalHotkeys::bind()
{
    bool proposing = false;
    const QVariant list = proposal(&proposing);
    const QString token = QStringLiteral("horalto%1").arg(++tokens_);
    const QVariantMap options{{QStringLiteral("handle_token"), token}};
    const QList<QVariant> args{QVariant::fromValue(QDBusObjectPath(session_)), list, QString(), options};
    request(QStringLiteral("BindShortcuts"), token, args, [this, proposing](uint code, const QVariantMap& results) {
        if (code != 0)
            return fallBack(QStringLiteral("the desktop did not allow the shortcuts"));
        bound(results.value(QStringLiteral("shortcuts")), proposing);
    });
}

void PortalHotkeys::bound(const QVariant& shortcuts, bool proposing)
{
    takeBoundKeys(shortcuts, true);
    const bool anyBound = std::any_of(shortcuts_.begin(), shortcuts_.end(),
                                      [](const auto& e) { return e.second.bound && !e.second.bound->isEmpty(); });
    if (proposing && !anyBound)
        return fallBack(QStringLiteral("the desktop bound none of the shortcuts"));
    stage_ = Stage::Bound;
    changed();
    sync(); // what was registered while the desktop decided
}

void PortalHotkeys::closeSession()
{
    if (session_.isEmpty())
        return;
    bus_.disconnect(QString(), session_, kSession, QStringLiteral("Closed"), this, SLOT(onSessionClosed()));
    bus_.send(QDBusMessage::createMethodCall(kService, session_, kSession, QStringLiteral("Close")));
    session_.clear();
}

// The desktop's words for the keys it bound: a binding lists every shortcut (one it leaves out
// has no key), a change only those that changed.
void PortalHotkeys::takeBoundKeys(const QVariant& shortcuts, bool complete)
{
    if (complete)
        for (auto& [id, s] : shortcuts_)
            s.bound = QString();
    for (const PortalShortcut& p : shortcutList(shortcuts))
        if (Shortcut* s = byName(p.name))
            s->bound = p.properties.value(QStringLiteral("trigger_description")).toString();
}

void PortalHotkeys::fallBack(const QString& reason)
{
    if (fellBack())
        return;
    closeSession();
    for (const auto& [path, handler] : requests_)
        bus_.disconnect(QString(), path, kRequest, QStringLiteral("Response"), this, SLOT(onResponse(QDBusMessage)));
    requests_.clear();
    stage_ = Stage::FellBack;
    std::fprintf(stderr, "Horalto: %s; the hotkeys are X11 key grabs, which see keys only while an X11 window has the focus.\n",
                 reason.toLocal8Bit().constData());
    changed();
}

void PortalHotkeys::changed()
{
    if (changeHandler_) {
        auto handler = changeHandler_; // it may replace itself
        handler();
    }
}

void PortalHotkeys::request(const QString& method, const QString& token, const QList<QVariant>& args, ResponseHandler handler)
{
    // The Request object's path is known before the call, so its answer cannot come before the
    // program listens for it.
    const QString sender = bus_.baseService().mid(1).replace(u'.', u'_');
    const QString path = kPath + QStringLiteral("/request/") + sender + u'/' + token;
    requests_[path] = std::move(handler);
    bus_.connect(QString(), path, kRequest, QStringLiteral("Response"), this, SLOT(onResponse(QDBusMessage)));
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kShortcuts, method);
    call.setArguments(args);
    whenAnswered(bus_.asyncCall(call), [this, method, path](const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ReplyMessage)
            return fallBack(QStringLiteral("the desktop portal answered %1 with %2").arg(method, reply.errorName()));
        // An older portal may choose the path itself.
        const QString given = reply.arguments().value(0).value<QDBusObjectPath>().path();
        const auto it = requests_.find(path);
        if (given.isEmpty() || given == path || it == requests_.end())
            return;
        bus_.disconnect(QString(), path, kRequest, QStringLiteral("Response"), this, SLOT(onResponse(QDBusMessage)));
        bus_.connect(QString(), given, kRequest, QStringLiteral("Response"), this, SLOT(onResponse(QDBusMessage)));
        requests_[given] = std::move(it->second);
        requests_.erase(path);
    });
}

void PortalHotkeys::whenAnswered(const QDBusPendingCall& call, std::function<void(const QDBusMessage&)> handler)
{
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, handler = std::move(handler)] {
        watcher->deleteLater();
        handler(watcher->reply());
    });
}

PortalHotkeys::Shortcut* PortalHotkeys::byName(const QString& name, int* id)
{
    for (auto& [n, s] : shortcuts_)
        if (s.name == name) {
            if (id)
                *id = n;
            return &s;
        }
    return nullptr;
}

void PortalHotkeys::onResponse(const QDBusMessage& message)
{
    const auto it = requests_.find(message.path());
    if (it == requests_.end() || message.arguments().size() < 2)
        return;
    bus_.disconnect(QString(), it->first, kRequest, QStringLiteral("Response"), this, SLOT(onResponse(QDBusMessage)));
    const ResponseHandler handler = std::move(it->second);
    requests_.erase(it);
    const QVariant results = message.arguments().at(1);
    handler(message.arguments().at(0).toUInt(),
            results.canConvert<QDBusArgument>() ? qdbus_cast<QVariantMap>(results.value<QDBusArgument>()) : results.toMap());
}

void PortalHotkeys::onActivated(const QDBusMessage& message)
{
    const QList<QVariant> args = message.arguments();
    int id = 0;
    Shortcut* s = args.size() >= 3 && !fellBack() && args[0].value<QDBusObjectPath>().path() == session_
        ? byName(args[1].toString(), &id)
        : nullptr;
    if (!s || !s->active)
        return;
    const qint64 time = clock_.monotonicMs();
    const bool held = s->down && time - s->lastActivation < kHeldMs;
    s->down = true;
    s->lastActivation = time;
    if (held || !pressHandler_)
        return;
    auto handler = pressHandler_; // the handler may replace itself
    handler(id);
}

void PortalHotkeys::onDeactivated(const QDBusMessage& message)
{
    const QList<QVariant> args = message.arguments();
    if (args.size() >= 2 && args[0].value<QDBusObjectPath>().path() == session_)
        if (Shortcut* s = byName(args[1].toString()))
            s->down = false;
}

void PortalHotkeys::onShortcutsChanged(const QDBusMessage& message)
{
    const QList<QVariant> args = message.arguments();
    if (fellBack() || args.size() < 2 || args[0].value<QDBusObjectPath>().path() != session_)
        return;
    takeBoundKeys(args[1], false);
    changed();
}

void PortalHotkeys::onSessionClosed()
{
    fallBack(QStringLiteral("the desktop closed the shortcuts session"));
}

void PortalHotkeys::onPortalGone()
{
    if (stage_ == Stage::Binding || stage_ == Stage::Bound)
        fallBack(QStringLiteral("the desktop portal went away"));
}
