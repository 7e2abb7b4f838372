// SPDX-License-Identifier: GPL-3.0-or-later
// Times a program's first paint from outside it: starts the program, waits
// for the first drawing the X server reports anywhere on the screen (the
// damage extension, watched on the root window), then kills it. Prints the
// milliseconds from launch to that drawing and the program's peak resident
// memory in KiB. Run under Xvfb with no other client drawing.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

double now_ms() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: paint_watch PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "paint_watch: no X display\n");
        return 2;
    }
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(x, &xcb_damage_id);
    if (!ext || !ext->present) {
        std::fprintf(stderr, "paint_watch: the X server has no damage extension\n");
        return 2;
    }
    std::free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_damage_damage_t damage = xcb_generate_id(x);
    xcb_damage_create(x, damage, root, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr)); // in force now
    // Whatever was drawn before the launch does not count.
    xcb_damage_subtract(x, damage, XCB_NONE, XCB_NONE);
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    while (xcb_generic_event_t* old = xcb_poll_for_event(x)) {
        std::free(old);
    }

    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double painted = -1;
    while (xcb_generic_event_t* e = xcb_wait_for_event(x)) {
        const bool drawn = (e->response_type & 0x7f) == ext->first_event + XCB_DAMAGE_NOTIFY;
        if (drawn && std::getenv("PAINT_WATCH_DEBUG")) {
            auto* n = reinterpret_cast<xcb_damage_notify_event_t*>(e);
            std::fprintf(stderr, "damage %dx%d+%d+%d at %.2f ms\n", n->area.width, n->area.height,
                         n->area.x, n->area.y, now_ms() - start);
        }
        std::free(e);
        if (drawn) {
            painted = now_ms() - start;
            break;
        }
    }
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_damage_destroy(x, damage);
    xcb_disconnect(x);
    if (painted < 0) {
        return 1;
    }
    std::printf("%.2f %ld\n", painted, usage.ru_maxrss);
    return 0;
}
