// How long the first visible step of the counter takes after a start command, issued a fixed
// time after a tick: it polls the main window's pixels (the whole window changes on every tick,
// the counter's area on a step), runs the command PAUSE_AT ms after a tick, and prints the
// milliseconds from the command to the counter's first change. With a sound server's pid, the
// server is stopped (SIGSTOP) for 1.2 s from just before the command, as a slow one would be.
// Usage: first_step_probe WINDOW_ID PAUSE_AT SERVER_PID|0 PROGRAM [ARGS...]
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

// A hash of the window's pixels in the given rectangle (the whole window when w is 0).
std::size_t Pixels(xcb_connection_t* c, xcb_window_t win, int x, int y, int w, int h)
{
    if (w == 0) {
        xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, win), nullptr);
        if (!g)
            return 0;
        w = g->width;
        h = g->height;
        free(g);
    }
    xcb_get_image_reply_t* r =
        xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, win, x, y, w, h, ~0u), nullptr);
    if (!r)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(xcb_get_image_data(r)), xcb_get_image_data_length(r));
    free(r);
    return std::hash<std::string>()(bytes);
}

bool WaitForChange(const std::function<std::size_t()>& look, Clock::time_point& when, int timeoutMs)
{
    const std::size_t first = look();
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        if (look() != first) {
            when = Clock::now();
            return true;
        }
    }
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: first_step_probe WINDOW_ID PAUSE_AT SERVER_PID|0 PROGRAM [ARGS...]\n");
        return 2;
    }
    const xcb_window_t win = xcb_window_t(std::strtoul(argv[1], nullptr, 0));
    const int pauseAt = std::atoi(argv[2]);
    const pid_t server = pid_t(std::atoi(argv[3]));
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    Clock::time_point tick, step;
    if (!WaitForChange([&] { return Pixels(c, win, 0, 0, 0, 0); }, tick, 3000)) {
        std::fprintf(stderr, "first_step_probe: no tick seen\n");
        return 1;
    }
    std::this_thread::sleep_until(tick + std::chrono::milliseconds(pauseAt));
    auto counter = [&] { return Pixels(c, win, 24, 86, 381, 111); };
    const std::size_t before = counter();
    if (server > 0)
        kill(server, SIGSTOP);
    const Clock::time_point t0 = Clock::now();
    if (fork() == 0) {
        execv(argv[4], argv + 4);
        _exit(127);
    }
    std::thread resume;
    if (server > 0)
        resume = std::thread([&] {
            std::this_thread::sleep_until(t0 + std::chrono::milliseconds(1200));
            kill(server, SIGCONT);
        });
    bool seen = false;
    while (!seen && Clock::now() < t0 + std::chrono::seconds(6)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        if (counter() != before) {
            step = Clock::now();
            seen = true;
        }
    }
    if (resume.joinable())
        resume.join();
    while (wait(nullptr) > 0) {
    }
    if (!seen) {
        std::fprintf(stderr, "first_step_probe: no step seen\n");
        return 1;
    }
    std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(step - t0).count()));
    xcb_disconnect(c);
    return 0;
}
