// Starts a program and prints how long it took until its first top-level window
// was mapped, in milliseconds, and its resident memory in KiB once the window has
// been shown for a moment; then closes the window as a user would (the window
// manager's delete request) and waits for the program to end.
//   usage: startup_probe SETTLE_MS COMMAND [ARG...]

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t atom(xcb_connection_t* x, const char* name)
{
    const auto cookie = xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(xcb_intern_atom_reply(x, cookie, nullptr),
                                                                         &std::free);
    return reply ? reply->atom : XCB_ATOM_NONE;
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

bool waitForExit(pid_t pid, std::chrono::milliseconds limit)
{
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fputs("usage: startup_probe SETTLE_MS COMMAND [ARG...]\n", stderr);
        return 2;
    }
    const auto settle = std::chrono::milliseconds(std::atoi(argv[1]));
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fputs("startup_probe: no X display\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t protocols = atom(x, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = atom(x, "WM_DELETE_WINDOW");
    xcb_flush(x);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    xcb_window_t window = XCB_NONE;
    while (window == XCB_NONE) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_wait_for_event(x), &std::free);
        if (!event) {
            std::fputs("startup_probe: lost the X connection\n", stderr);
            return 1;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            if (!map->override_redirect)
                window = map->window;
        }
    }
    const double startupMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    std::this_thread::sleep_for(settle);
    const long rss = residentKiB(pid);

    xcb_client_message_event_t close{};
    close.response_type = XCB_CLIENT_MESSAGE;
    close.format = 32;
    close.window = window;
    close.type = protocols;
    close.data.data32[0] = deleteWindow;
    close.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(x, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&close));
    xcb_flush(x);
    const bool closed = waitForExit(pid, std::chrono::seconds(5));
    if (!closed) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    std::printf("%.2f %ld %s\n", startupMs, rss, closed ? "closed" : "killed");
    xcb_disconnect(x);
    return closed ? 0 : 3;
}
