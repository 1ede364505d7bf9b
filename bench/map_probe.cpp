// Starts a program and prints the milliseconds from exec to the mapping of its first window whose
// name contains a given text, then, after an idle wait, the program's resident memory (kB).
// Usage: map_probe TITLE IDLE_SECONDS PROGRAM [ARGS...]
// Runs on the X server in DISPLAY; without a window manager windows map as children of the root.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
std::string WindowName(xcb_connection_t* c, xcb_window_t w)
{
    xcb_intern_atom_reply_t* utf8 = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 11, "UTF8_STRING"), nullptr);
    xcb_intern_atom_reply_t* net = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 12, "_NET_WM_NAME"), nullptr);
    std::string name;
    if (utf8 && net) {
        xcb_get_property_reply_t* r =
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, net->atom, utf8->atom, 0, 256), nullptr);
        if (r) {
            name.assign(static_cast<const char*>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
            free(r);
        }
    }
    free(utf8);
    free(net);
    return name;
}

long RssKb(pid_t pid)
{
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(f, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: map_probe TITLE IDLE_SECONDS PROGRAM [ARGS...]\n");
        return 2;
    }
    const std::string title = argv[1];
    const int idle = std::atoi(argv[2]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[3], argv + 3);
        _exit(127);
    }
    double ms = -1;
    while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
        if ((e->response_type & ~0x80) == XCB_MAP_NOTIFY) {
            auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (!m->override_redirect && WindowName(c, m->window).find(title) != std::string::npos) {
                ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
                free(e);
                break;
            }
        }
        free(e);
    }
    std::this_thread::sleep_for(std::chrono::seconds(idle));
    const long rss = RssKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.1f %ld\n", ms, rss);
    xcb_disconnect(c);
    return ms < 0 ? 1 : 0;
}
