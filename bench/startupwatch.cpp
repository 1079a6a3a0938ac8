// startupwatch: times one start of a window program from outside, as the X server sees it.
//
//   startupwatch [--click NEXT] TITLE -- PROGRAM [ARGS...]
//
// Starts PROGRAM and prints the milliseconds from its start to the mapping of a top-level window
// titled TITLE. With --click it then clicks that window at once (through xdotool) and also prints
// the milliseconds from the click to the mapping of a window titled NEXT. The program is ended
// afterwards. Mapping is what a player sees first; the X server's events make it exact, with no
// polling that would take processor time from the program being timed.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Steady = std::chrono::steady_clock;

double Ms(Steady::time_point from, Steady::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

std::string Name(xcb_connection_t* x, xcb_window_t w, xcb_atom_t utf8name, xcb_atom_t utf8) {
    for (auto [atom, type] :
         {std::pair<xcb_atom_t, xcb_atom_t>{utf8name, utf8}, {XCB_ATOM_WM_NAME, XCB_ATOM_STRING}}) {
        xcb_get_property_reply_t* r =
            xcb_get_property_reply(x, xcb_get_property(x, 0, w, atom, type, 0, 256), nullptr);
        if (!r) continue;
        std::string name(static_cast<const char*>(xcb_get_property_value(r)),
                         xcb_get_property_value_length(r));
        free(r);
        if (!name.empty()) return name;
    }
    return {};
}

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    free(r);
    return a;
}

class Watch {
public:
    explicit Watch(xcb_connection_t* x)
        : x_(x), utf8name_(Atom(x, "_NET_WM_NAME")), utf8_(Atom(x, "UTF8_STRING")) {}

    // Waits for a mapped top-level window titled `title`, which may be mapped before it is
    // named; returns it, or 0 when the connection ends.
    xcb_window_t Await(const std::string& title) {
        while (xcb_generic_event_t* e = xcb_wait_for_event(x_)) {
            xcb_window_t w = 0;
            switch (e->response_type & 0x7f) {
            case XCB_MAP_NOTIFY:
                w = reinterpret_cast<xcb_map_notify_event_t*>(e)->window;
                if (mapped_.insert(w).second) {
                    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
                    xcb_change_window_attributes(x_, w, XCB_CW_EVENT_MASK, &mask);
                }
                break;
            case XCB_UNMAP_NOTIFY:
                mapped_.erase(reinterpret_cast<xcb_unmap_notify_event_t*>(e)->window);
                break;
            case XCB_PROPERTY_NOTIFY:
                w = reinterpret_cast<xcb_property_notify_event_t*>(e)->window;
                if (!mapped_.count(w)) w = 0;
                break;
            }
            free(e);
            if (w && Name(x_, w, utf8name_, utf8_) == title) return w;
        }
        return 0;
    }

private:
    xcb_connection_t* x_;
    xcb_atom_t utf8name_, utf8_;
    std::set<xcb_window_t> mapped_;
};

int Usage() {
    std::fprintf(stderr, "usage: startupwatch [--click NEXT] TITLE -- PROGRAM [ARGS...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int a = 1;
    const char* next = nullptr;
    if (a + 1 < argc && std::strcmp(argv[a], "--click") == 0) {
        next = argv[a + 1];
        a += 2;
    }
    if (a + 2 >= argc || std::strcmp(argv[a + 1], "--") != 0) return Usage();
    const std::string title = argv[a];
    char** program = argv + a + 2;

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startupwatch: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    Watch watch(x);

    const Steady::time_point start = Steady::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(program[0], program);
        std::perror(program[0]);
        _exit(127);
    }
    int status = 1;
    const xcb_window_t shown = watch.Await(title);
    const Steady::time_point mapped = Steady::now();
    if (shown) {
        std::printf("%.1f", Ms(start, mapped));
        if (next) {
            // Not waited for: the watcher must read the server's events while it clicks.
            const std::string window = std::to_string(shown);
            const char* click[] = {"xdotool", "mousemove", "--window",  window.c_str(),
                                   "5",       "5",         "mousedown", "1",
                                   "mouseup", "1",         nullptr};
            const Steady::time_point clicked = Steady::now();
            pid_t clicker = 0;
            if (posix_spawnp(&clicker, click[0], nullptr, nullptr, const_cast<char**>(click),
                             environ) == 0 &&
                watch.Await(next)) {
                std::printf(" %.1f", Ms(clicked, Steady::now()));
                status = 0;
            }
            if (clicker) waitpid(clicker, nullptr, 0);
        } else {
            status = 0;
        }
        std::printf("\n");
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    return status;
}
