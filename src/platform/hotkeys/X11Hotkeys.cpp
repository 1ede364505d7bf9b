#include "platform/hotkeys/X11Hotkeys.h"

#include "platform/hotkeys/VirtualKeys.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <QPointer>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#define XK_MISCELLANY
#include <X11/keysymdef.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

// The eight core modifier bits of an event state; the bits above carry pointer buttons and the
// keyboard group.
constexpr std::uint16_t kModifierBits = 0xFF;
// A key that stays down is taken as held (its presses are repeats) for at most this long
// without a further press; past it a lost release is assumed and the press counts again.
constexpr std::uint32_t kHeldTimeoutMs = 3000;

struct KeyGrab {
    xcb_window_t root;
    xcb_keycode_t keycode;
    std::uint16_t mods; // exact modifier state grabbed, Lock/NumLock variants included
};

struct Registration {
    std::uint16_t mods = 0; // Shift/Control/Mod1 part
    std::vector<xcb_keycode_t> keycodes;
    std::vector<KeyGrab> grabs;
    quint64 serial = 0;
};

// Auto-repeat tracking for one keycode. Without detectable auto-repeat the server sends a
// release and a press with the same timestamp for each repeat; with it, presses only.
struct KeyState {
    bool down = false;
    bool released = false;
    std::uint32_t releaseTime = 0;
    std::uint32_t lastPressTime = 0;
};

std::vector<xcb_window_t> rootWindows(xcb_connection_t* c)
{
    std::vector<xcb_window_t> roots;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(c)); it.rem; xcb_screen_next(&it))
        roots.push_back(it.data->root);
    return roots;
}

// The modifier mask that Num Lock sets (Mod2 on the usual keymaps), 0 when no modifier carries it.
std::uint16_t numLockMask(xcb_connection_t* c, xcb_key_symbols_t* syms)
{
    xcb_keycode_t* numLockCodes = xcb_key_symbols_get_keycode(syms, XK_Num_Lock);
    if (!numLockCodes)
        return 0;
    std::uint16_t mask = 0;
    auto* reply = xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr);
    if (reply) {
        const xcb_keycode_t* map = xcb_get_modifier_mapping_keycodes(reply);
        const int perMod = reply->keycodes_per_modifier;
        for (int mod = 0; mod < 8 && !mask; ++mod) {
            for (int k = 0; k < perMod && !mask; ++k) {
                const xcb_keycode_t code = map[mod * perMod + k];
                for (xcb_keycode_t* n = numLockCodes; code && *n; ++n)
                    if (*n == code)
                        mask = static_cast<std::uint16_t>(1u << mod);
            }
        }
        std::free(reply);
    }
    std::free(numLockCodes);
    return mask;
}

} // namespace

struct X11Hotkeys::Impl final : public QAbstractNativeEventFilter {
    QPointer<QCoreApplication> app;
    xcb_connection_t* conn = nullptr;
    bool tried = false;
    std::uint16_t numLock = 0; // Num Lock's modifier bit, ignored like Caps Lock when matching
    // The keyboard mapping (and Num Lock's bit in it), fetched once for a burst of
    // registrations, the ones made before the event loop runs again; it is dropped then, so a
    // later registration sees a keyboard remapped in the meantime.
    xcb_key_symbols_t* syms = nullptr;
    std::map<int, Registration> regs;
    std::map<xcb_keycode_t, KeyState> keys;
    std::function<void(int)> handler;
    quint64 nextSerial = 1;
    QObject context; // queued deliveries die with it

    ~Impl() override
    {
        dropKeyboardMapping();
        if (!app || !conn)
            return;
        for (auto& [id, r] : regs)
            ungrab(r.grabs);
        xcb_flush(conn);
        app->removeNativeEventFilter(this);
    }

    void dropKeyboardMapping()
    {
        if (syms)
            xcb_key_symbols_free(syms);
        syms = nullptr;
    }

    // Qt's connection, taken once the application exists; null without an X11 platform.
    bool connect()
    {
        if (tried)
            return conn != nullptr;
        auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
        if (!gui)
            return false;
        tried = true;
        auto* x11 = gui->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || !x11->connection())
            return false;
        app = gui;
        conn = x11->connection();
        gui->installNativeEventFilter(this);
        return true;
    }

    void ungrab(const std::vector<KeyGrab>& grabs)
    {
        for (const KeyGrab& g : grabs)
            xcb_ungrab_key(conn, g.keycode, g.root, g.mods);
    }

    bool takenByOther(int id, std::uint16_t mods, const std::vector<xcb_keycode_t>& codes) const
    {
        for (const auto& [other, r] : regs) {
            if (other == id || r.mods != mods)
                continue;
            for (xcb_keycode_t c : codes)
                if (std::find(r.keycodes.begin(), r.keycodes.end(), c) != r.keycodes.end())
                    return true;
        }
        return false;
    }

    bool add(int id, int modifierBits, int virtualKey)
    {
        remove(id);
        if (!connect())
            return false;
        const std::uint32_t keysym = KeysymForVirtualKey(virtualKey);
        if (!keysym)
            return false;

        if (!syms) {
            if (!(syms = xcb_key_symbols_alloc(conn)))
                return false;
            numLock = numLockMask(conn, syms);
            QMetaObject::invokeMethod(&context, [this] { dropKeyboardMapping(); }, Qt::QueuedConnection);
        }
        std::vector<xcb_keycode_t> codes;
        if (xcb_keycode_t* list = xcb_key_symbols_get_keycode(syms, keysym)) {
            for (xcb_keycode_t* k = list; *k; ++k)
                if (std::find(codes.begin(), codes.end(), *k) == codes.end())
                    codes.push_back(*k);
            std::free(list);
        }
        if (codes.empty())
            return false;

        const std::uint16_t mods = X11ModifiersFor(modifierBits);
        // One client's second grab of a combination would silently replace its first one, so a
        // key that another id already holds is refused here, as the server refuses other clients.
        if (takenByOther(id, mods, codes))
            return false;

        std::vector<std::uint16_t> variants{0, XCB_MOD_MASK_LOCK};
        if (numLock && numLock != XCB_MOD_MASK_LOCK) {
            variants.push_back(numLock);
            variants.push_back(numLock | XCB_MOD_MASK_LOCK);
        }

        std::vector<KeyGrab> tries;
        std::vector<xcb_void_cookie_t> cookies;
        for (xcb_window_t root : rootWindows(conn))
            for (xcb_keycode_t code : codes)
                for (std::uint16_t v : variants) {
                    const KeyGrab g{root, code, static_cast<std::uint16_t>(mods | v)};
                    tries.push_back(g);
                    cookies.push_back(xcb_grab_key_checked(conn, 1, root, g.mods, code,
                                                           XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
                }
        std::vector<KeyGrab> done;
        bool refused = false;
        for (std::size_t i = 0; i < cookies.size(); ++i) {
            if (xcb_generic_error_t* e = xcb_request_check(conn, cookies[i])) {
                refused = true; // BadAccess: another client holds it
                std::free(e);
            } else {
                done.push_back(tries[i]);
            }
        }
        if (refused) {
            ungrab(done);
            xcb_flush(conn);
            return false;
        }

        Registration r;
        r.mods = mods;
        r.keycodes = codes;
        r.grabs = std::move(done);
        r.serial = nextSerial++;
        for (xcb_keycode_t c : codes)
            keys.erase(c);
        regs[id] = std::move(r);
        return true;
    }

    void remove(int id)
    {
        auto it = regs.find(id);
        if (it == regs.end())
            return;
        if (conn) {
            ungrab(it->second.grabs);
            // A round trip: the key is free for other clients once this returns, not only
            // once the server gets round to reading our requests.
            std::free(xcb_get_input_focus_reply(conn, xcb_get_input_focus(conn), nullptr));
        }
        for (xcb_keycode_t c : it->second.keycodes)
            keys.erase(c);
        regs.erase(it);
    }

    int match(xcb_keycode_t code, std::uint16_t state) const
    {
        const std::uint16_t ignored = XCB_MOD_MASK_LOCK | numLock;
        const std::uint16_t mods = state & kModifierBits & ~ignored;
        for (const auto& [id, r] : regs)
            if (r.mods == mods && std::find(r.keycodes.begin(), r.keycodes.end(), code) != r.keycodes.end())
                return id;
        return 0;
    }

    bool isGrabbedKeycode(xcb_keycode_t code) const
    {
        for (const auto& [id, r] : regs)
            if (std::find(r.keycodes.begin(), r.keycodes.end(), code) != r.keycodes.end())
                return true;
        return false;
    }

    // True for the first press of a key, false for its auto-repeats.
    bool firstPress(xcb_keycode_t code, std::uint32_t time)
    {
        KeyState& k = keys[code];
        const bool heldRecently = k.down && time - k.lastPressTime < kHeldTimeoutMs;
        const bool repeatPair = k.released && time == k.releaseTime;
        k.down = true;
        k.released = false;
        k.lastPressTime = time;
        return !heldRecently && !repeatPair;
    }

    void deliver(int id)
    {
        const quint64 serial = regs.at(id).serial;
        QMetaObject::invokeMethod(
            &context,
            [this, id, serial] {
                // A key unregistered (or registered anew) in the meantime does not act.
                auto it = regs.find(id);
                if (it == regs.end() || it->second.serial != serial || !handler)
                    return;
                auto h = handler; // the handler may replace itself
                h(id);
            },
            Qt::QueuedConnection);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t" || regs.empty())
            return false;
        auto* ev = static_cast<xcb_generic_event_t*>(message);
        const std::uint8_t type = ev->response_type & ~0x80;
        if (type == XCB_KEY_PRESS) {
            auto* kp = reinterpret_cast<xcb_key_press_event_t*>(ev);
            const int id = match(kp->detail, kp->state);
            if (!id)
                return false;
            if (firstPress(kp->detail, kp->time))
                deliver(id);
            return true; // a hotkey press is not also a key press for the focused widget
        }
        if (type == XCB_KEY_RELEASE) {
            auto* kr = reinterpret_cast<xcb_key_release_event_t*>(ev);
            if (isGrabbedKeycode(kr->detail)) {
                KeyState& k = keys[kr->detail];
                k.down = false;
                k.released = true;
                k.releaseTime = kr->time;
            }
        }
        return false;
    }
};

X11Hotkeys::X11Hotkeys() : d_(std::make_unique<Impl>()) {}

X11Hotkeys::~X11Hotkeys() = default;

bool X11Hotkeys::registerKey(int id, int modifiers, int virtualKey)
{
    return d_->add(id, modifiers, virtualKey);
}

void X11Hotkeys::unregisterKey(int id)
{
    d_->remove(id);
}

void X11Hotkeys::setPressHandler(std::function<void(int id)> handler)
{
    d_->handler = std::move(handler);
}

bool X11Hotkeys::focusOnly() const
{
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
