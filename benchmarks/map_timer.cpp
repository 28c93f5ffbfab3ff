// Starts a program on the X display (DISPLAY, best without a window manager)
// and prints the milliseconds from exec to its first top-level window being
// mapped, then, a second later, its peak resident memory in kB:
//   map_timer <program> [arguments...]   ->   "<milliseconds> <kB>"
#include <xcb/xcb.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

long PeakResidentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_timer <program> [arguments...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "map_timer: cannot open the display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }

    double milliseconds = -1.0;
    pollfd display{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (milliseconds < 0.0 && poll(&display, 1, 20000) > 0) {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(raw, &std::free);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(raw);
            if (!map->override_redirect && milliseconds < 0.0)
                milliseconds
                    = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        }
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long peakKb = PeakResidentKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    if (milliseconds < 0.0) {
        std::fprintf(stderr, "map_timer: %s mapped no window\n", argv[1]);
        return 1;
    }
    std::printf("%.3f %ld\n", milliseconds, peakKb);
    return 0;
}
