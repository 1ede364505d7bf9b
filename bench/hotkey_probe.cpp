// Starts Horalto and measures how long a global hotkey takes: from an XTest key press to the
// main window's map state changing. F7 (toolbar mode) unmaps the main window, F9 (back to the
// main window) maps it again; the two alternate. Prints the median, minimum and maximum in ms.
// Usage: hotkey_probe PRESSES PROGRAM [ARGS...]
// With PRESSES written "switch:N" it measures 换方 instead, in a debate scheme whose 换方 is F10:
// F5 starts and Pause pauses the timing, then each F10 press hands the floor over, and the time
// is taken until the pixels of the main window's counter area change (they do not otherwise
// while the timing is paused).
// Runs on the X server in DISPLAY, without a window manager (windows map as children of the root).
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xcbext.h>

#define XK_MISCELLANY
#include <X11/keysymdef.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/uio.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// XTEST FakeInput (minor opcode 2), sent as a raw request so that only libxcb is needed.
xcb_extension_t xtestExtension = {"XTEST", 0};

struct FakeInputRequest {
    std::uint8_t majorOpcode;
    std::uint8_t minorOpcode;
    std::uint16_t length;
    std::uint8_t type;
    std::uint8_t detail;
    std::uint8_t pad0[2];
    std::uint32_t time;
    xcb_window_t root;
    std::uint8_t pad1[8];
    std::int16_t rootX;
    std::int16_t rootY;
    std::uint8_t pad2[7];
    std::uint8_t deviceId;
};
static_assert(sizeof(FakeInputRequest) == 36);

void FakeKey(xcb_connection_t* c, std::uint8_t type, xcb_keycode_t code)
{
    static const xcb_protocol_request_t request = {2, &xtestExtension, 2, 1};
    FakeInputRequest out{};
    out.type = type;
    out.detail = code;
    iovec parts[4];
    parts[2].iov_base = &out;
    parts[2].iov_len = sizeof(out);
    parts[3].iov_base = nullptr;
    parts[3].iov_len = -sizeof(out) & 3;
    xcb_send_request(c, 0, parts + 2, &request);
}

std::string WindowName(xcb_connection_t* c, xcb_window_t w)
{
    auto atom = [c](const char* name) {
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
        std::free(r);
        return a;
    };
    std::string name;
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 0, 256), nullptr);
    if (r) {
        name.assign(static_cast<const char*>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
        std::free(r);
    }
    return name;
}

// The next event, or null after `ms` milliseconds.
xcb_generic_event_t* NextEvent(xcb_connection_t* c, int ms)
{
    if (xcb_generic_event_t* e = xcb_poll_for_event(c))
        return e;
    pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
    if (poll(&p, 1, ms) <= 0)
        return nullptr;
    return xcb_poll_for_event(c);
}

// Waits for the main window to be mapped (true) or unmapped (false); the time it happened.
bool WaitForMain(xcb_connection_t* c, xcb_window_t main, bool mapped, Clock::time_point& when)
{
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < deadline) {
        xcb_generic_event_t* e = NextEvent(c, 100);
        if (!e)
            continue;
        const auto t = Clock::now();
        const std::uint8_t type = e->response_type & ~0x80;
        const bool hit = (mapped && type == XCB_MAP_NOTIFY && reinterpret_cast<xcb_map_notify_event_t*>(e)->window == main)
                         || (!mapped && type == XCB_UNMAP_NOTIFY
                             && reinterpret_cast<xcb_unmap_notify_event_t*>(e)->window == main);
        std::free(e);
        if (hit) {
            when = t;
            return true;
        }
    }
    return false;
}

// A checksum of the pixels of `w` in the rectangle.
std::uint64_t AreaSum(xcb_connection_t* c, xcb_window_t w, std::int16_t x, std::int16_t y, std::uint16_t width, std::uint16_t height)
{
    xcb_get_image_reply_t* r =
        xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, x, y, width, height, ~0u), nullptr);
    if (!r)
        return 0;
    const std::uint8_t* d = xcb_get_image_data(r);
    std::uint64_t sum = 1469598103934665603ull;
    for (int i = 0, n = xcb_get_image_data_length(r); i < n; ++i)
        sum = (sum ^ d[i]) * 1099511628211ull;
    std::free(r);
    return sum;
}

void Press(xcb_connection_t* c, xcb_keycode_t code)
{
    FakeKey(c, XCB_KEY_PRESS, code);
    xcb_flush(c);
    FakeKey(c, XCB_KEY_RELEASE, code);
    xcb_flush(c);
}

// 换方 presses: the time from each F10 press until the counter area of `main` looks different.
int MeasureSwitch(xcb_connection_t* c, xcb_key_symbols_t* syms, xcb_window_t main, int presses, std::vector<double>& ms)
{
    xcb_keycode_t* f5 = xcb_key_symbols_get_keycode(syms, XK_F5);
    xcb_keycode_t* pause = xcb_key_symbols_get_keycode(syms, XK_Pause);
    xcb_keycode_t* f10 = xcb_key_symbols_get_keycode(syms, XK_F10);
    int status = f5 && pause && f10 ? 0 : 2;
    if (!status) {
        Press(c, f5[0]);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        Press(c, pause[0]);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    // The counter's place in the main window (360, 1290, 5715, 1665 twips).
    auto area = [&] { return AreaSum(c, main, 24, 86, 381, 111); };
    for (int i = 0; !status && i < presses; ++i) {
        const std::uint64_t before = area();
        const auto t0 = Clock::now();
        Press(c, f10[0]);
        bool changed = false;
        while (!changed && Clock::now() - t0 < std::chrono::seconds(5))
            changed = area() != before;
        if (!changed) {
            std::fprintf(stderr, "hotkey_probe: no change after 换方 press %d\n", i + 1);
            status = 1;
            break;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
    std::free(f5);
    std::free(pause);
    std::free(f10);
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: hotkey_probe PRESSES PROGRAM [ARGS...]\n");
        return 2;
    }
    const bool switching = std::strncmp(argv[1], "switch:", 7) == 0;
    const int presses = std::atoi(argv[1] + (switching ? 7 : 0));
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(c, &xtestExtension);
    if (!xtest || !xtest->present) {
        std::fprintf(stderr, "hotkey_probe: the X server has no XTEST\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_key_symbols_t* syms = xcb_key_symbols_alloc(c);
    xcb_keycode_t* f7 = xcb_key_symbols_get_keycode(syms, XK_F7);
    xcb_keycode_t* f9 = xcb_key_symbols_get_keycode(syms, XK_F9);
    if (!f7 || !f9)
        return 2;
    xcb_flush(c);

    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }
    // The main window: the first mapped window whose name starts with "Horalto".
    xcb_window_t main = 0;
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (!main && Clock::now() < deadline) {
        xcb_generic_event_t* e = NextEvent(c, 100);
        if (e && (e->response_type & ~0x80) == XCB_MAP_NOTIFY) {
            auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (!m->override_redirect && WindowName(c, m->window).rfind("Horalto", 0) == 0)
                main = m->window;
        }
        std::free(e);
    }
    int status = 0;
    std::vector<double> ms;
    if (!main) {
        std::fprintf(stderr, "hotkey_probe: the main window did not appear\n");
        status = 1;
    } else if (switching) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500)); // start-up settles
        status = MeasureSwitch(c, syms, main, presses, ms);
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(500)); // start-up settles
        for (int i = 0; i < presses; ++i) {
            const bool toToolbar = i % 2 == 0;
            const xcb_keycode_t code = toToolbar ? f7[0] : f9[0];
            FakeKey(c, XCB_KEY_PRESS, code);
            const auto t0 = Clock::now();
            xcb_flush(c);
            FakeKey(c, XCB_KEY_RELEASE, code);
            xcb_flush(c);
            Clock::time_point t1;
            if (!WaitForMain(c, main, !toToolbar, t1)) {
                std::fprintf(stderr, "hotkey_probe: no reaction to press %d\n", i + 1);
                status = 1;
                break;
            }
            ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::free(f7);
    std::free(f9);
    xcb_key_symbols_free(syms);
    xcb_disconnect(c);
    if (ms.empty())
        return status ? status : 1;
    std::sort(ms.begin(), ms.end());
    const double median = ms.size() % 2 ? ms[ms.size() / 2] : (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2;
    std::printf("%.2f %.2f %.2f %zu\n", median, ms.front(), ms.back(), ms.size());
    return status;
}
