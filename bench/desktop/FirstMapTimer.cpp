// Starts a program and tells how long it took to put its first window on the screen:
// the time from the start to the X server's first map of a top-level window (a
// window manager's frame counts, as it maps only for a client). It watches the root
// window before the program starts, so no map is missed, and leaves the program running.
//
//   orbelune_first_map COMMAND [ARGUMENTS...]
// prints "<process id> <milliseconds>" on its standard output; ends with 1 when no
// window came within 60 seconds or the program ended first.
#include <xcb/xcb.h>

#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int GiveUpMs = 60000;

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: orbelune_first_map COMMAND [ARGUMENTS...]\n", stderr);
        return 2;
    }
    xcb_connection_t* Connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(Connection)) {
        std::fputs("cannot open the display\n", stderr);
        return 2;
    }
    const xcb_window_t Root = xcb_setup_roots_iterator(xcb_get_setup(Connection)).data->root;
    const uint32_t Mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(Connection, Root, XCB_CW_EVENT_MASK, &Mask);
    // A round trip, so the server watches before the program starts.
    free(xcb_get_input_focus_reply(Connection, xcb_get_input_focus(Connection), nullptr));

    const auto Started = std::chrono::steady_clock::now();
    const pid_t Child = fork();
    if (Child == 0) {
        close(xcb_get_file_descriptor(Connection));
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const auto ElapsedMs = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Started)
            .count();
    };
    while (ElapsedMs() < GiveUpMs) {
        std::unique_ptr<xcb_generic_event_t, decltype(&free)> Event(xcb_poll_for_event(Connection),
                                                                    &free);
        if (!Event) {
            if (xcb_connection_has_error(Connection)) break;
            if (waitpid(Child, nullptr, WNOHANG) == Child) break;
            usleep(200);
            continue;
        }
        if ((Event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
        const auto* Map = reinterpret_cast<xcb_map_notify_event_t*>(Event.get());
        if (Map->override_redirect) continue;
        std::printf("%d %.1f\n", static_cast<int>(Child), ElapsedMs());
        return 0;
    }
    std::fputs("no window appeared\n", stderr);
    return 1;
}
