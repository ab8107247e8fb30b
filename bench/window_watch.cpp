// Start-up as a player sees it: how long from launching a program until its first window is
// mapped on the X display. It listens for the display's own notice instead of polling, so the
// measuring takes no processor time from the program it measures.
// Usage: verminadia-bench-window PROGRAM [ARGS...]
//   prints "MILLISECONDS PID" once the window is on screen, and leaves the program running. The
//   program's standard output goes nowhere; its standard error is this one's.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: verminadia-bench-window PROGRAM [ARGS...]\n");
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "verminadia-bench-window: cannot connect to the X display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
    // Every window made a child of the root reports its mapping to whoever listens there.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t* refused =
        xcb_request_check(x, xcb_change_window_attributes_checked(x, screens.data->root, XCB_CW_EVENT_MASK, &mask));
    if (refused) {
        std::fprintf(stderr, "verminadia-bench-window: the display refused to report its windows\n");
        std::free(refused);
        return 1;
    }

    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, argv[1], &quiet, nullptr, argv + 1, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (failed) {
        std::fprintf(stderr, "verminadia-bench-window: cannot start %s\n", argv[1]);
        return 1;
    }
    pollfd display{xcb_get_file_descriptor(x), POLLIN, 0};
    while (!xcb_connection_has_error(x)) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            std::printf("%.1f %d\n", took.count(), static_cast<int>(pid));
            xcb_disconnect(x);
            return 0;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "verminadia-bench-window: %s ended before it showed a window\n", argv[1]);
            return 1;
        }
        poll(&display, 1, 100);
    }
    std::fprintf(stderr, "verminadia-bench-window: the display closed before a window was shown\n");
    return 1;
}
