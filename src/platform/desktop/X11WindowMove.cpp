#include "platform/desktop/X11WindowMove.h"

#include <QGuiApplication>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return atom;
}

// Whether the window manager lists `atom` in the root window's _NET_SUPPORTED.
bool Supported(xcb_connection_t* c, xcb_window_t root, xcb_atom_t atom)
{
    const xcb_atom_t list = Atom(c, "_NET_SUPPORTED");
    if (list == XCB_ATOM_NONE || atom == XCB_ATOM_NONE)
        return false;
    xcb_get_property_reply_t* r = xcb_get_property_reply(c, xcb_get_property(c, 0, root, list, XCB_ATOM_ATOM, 0, 4096), nullptr);
    bool found = false;
    if (r && r->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(r));
        const int n = xcb_get_property_value_length(r) / 4;
        for (int i = 0; i < n && !found; ++i)
            found = atoms[i] == atom;
    }
    std::free(r);
    return found;
}

xcb_connection_t* Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

bool StartX11WindowMove(QWindow* window, QPoint globalStart)
{
    xcb_connection_t* c = Connection();
    if (!c || !window)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t moveResize = Atom(c, "_NET_WM_MOVERESIZE");
    if (!Supported(c, root, moveResize))
        return false;
    const qreal dpr = window->devicePixelRatio();
    xcb_client_message_event_t ev {};
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = xcb_window_t(window->winId());
    ev.type = moveResize;
    ev.data.data32[0] = std::uint32_t(qRound(globalStart.x() * dpr));
    ev.data.data32[1] = std::uint32_t(qRound(globalStart.y() * dpr));
    ev.data.data32[2] = 8; // _NET_WM_MOVERESIZE_MOVE
    ev.data.data32[3] = XCB_BUTTON_INDEX_1;
    ev.data.data32[4] = 1; // a normal application asks
    // The button press gave the program the pointer; the window manager takes it over.
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&ev));
    xcb_flush(c);
    return true;
}

void ActivateX11Window(QWindow* window)
{
    if (window)
        ActivateX11WindowId(quint32(window->winId()));
}

void ActivateX11WindowId(quint32 id)
{
    xcb_connection_t* c = Connection();
    if (!c || !id)
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t activeWindow = Atom(c, "_NET_ACTIVE_WINDOW");
    if (!Supported(c, root, activeWindow))
        return;
    xcb_client_message_event_t ev {};
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = xcb_window_t(id);
    ev.type = activeWindow;
    ev.data.data32[0] = 2; // a pager asks
    ev.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&ev));
    xcb_flush(c);
}

quint32 ActiveX11WindowId()
{
    xcb_connection_t* c = Connection();
    if (!c)
        return 0;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t activeWindow = Atom(c, "_NET_ACTIVE_WINDOW");
    if (activeWindow == XCB_ATOM_NONE)
        return 0;
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, activeWindow, XCB_ATOM_WINDOW, 0, 1), nullptr);
    quint32 id = 0;
    if (r && r->format == 32 && xcb_get_property_value_length(r) >= 4)
        id = *static_cast<const quint32*>(xcb_get_property_value(r));
    std::free(r);
    return id;
}

void RaiseX11Window(QWindow* window)
{
    xcb_connection_t* c = Connection();
    if (!c || !window)
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t restack = Atom(c, "_NET_RESTACK_WINDOW");
    if (Supported(c, root, restack)) {
        xcb_client_message_event_t ev {};
        ev.response_type = XCB_CLIENT_MESSAGE;
        ev.format = 32;
        ev.window = xcb_window_t(window->winId());
        ev.type = restack;
        ev.data.data32[0] = 2;                    // a pager asks: no focus rule holds it back
        ev.data.data32[1] = XCB_NONE;             // no sibling: above every other window
        ev.data.data32[2] = XCB_STACK_MODE_ABOVE;
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&ev));
    } else {
        const std::uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(c, xcb_window_t(window->winId()), XCB_CONFIG_WINDOW_STACK_MODE, &above);
    }
    xcb_flush(c);
}
