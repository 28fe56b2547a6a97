// Starts a program on the X server named by DISPLAY and reports, from outside the program, how
// long it took from its start to the first drawing into one of its windows, and its peak
// resident memory up to a moment after that.
//
//   first_paint [--timeout-ms N] [--linger-ms N] -- program [arguments...]
//
// It watches the root window for new top-level windows and puts a DAMAGE monitor on each as it
// is created, before it can be mapped. Qt creates its windows with no background, so mapping
// draws nothing: the first damage marks the program's first drawing into its window. From then
// it reads the window's centre pixel until it differs from the screen behind (run the server
// with a plain root, Xvfb -br): that moment is the first paint.
// Prints one line: first_paint_ms=... damage_ms=... cpu_ms=... max_rss_kb=... size=WxH
// pixel=RRGGBB, where cpu_ms is the processor time the program used in all, first paint and
// the idle linger after it included
// and exits non-zero if the program ends or no paint comes before the timeout.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The peak resident set so far, in KiB, from the kernel's high-water mark.
long peakRssKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Reads one pixel of the window; the probe's own check that what it saw was a real frame.
unsigned pixelAt(xcb_connection_t *connection, xcb_window_t window, int x, int y)
{
    auto cookie = xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, int16_t(x),
                                int16_t(y), 1, 1, ~0u);
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)>
        reply(xcb_get_image_reply(connection, cookie, nullptr), &std::free);
    if (!reply || xcb_get_image_data_length(reply.get()) < 4)
        return 0xFFFFFFFFu;
    unsigned value = 0;
    std::memcpy(&value, xcb_get_image_data(reply.get()), sizeof value);
    return value & 0xFFFFFFu;
}

int usage()
{
    std::fprintf(stderr, "usage: first_paint [--timeout-ms N] [--linger-ms N] -- program [args]\n");
    return 2;
}

// Ends the program; returns the processor time it used, in milliseconds.
double stop(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto ms = [](timeval t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

} // namespace

int main(int argc, char **argv)
{
    int timeoutMs = 20000;
    int lingerMs = 500;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--") {
            ++first;
            break;
        }
        if (first + 1 >= argc)
            return usage();
        if (arg == "--timeout-ms")
            timeoutMs = std::atoi(argv[++first]);
        else if (arg == "--linger-ms")
            lingerMs = std::atoi(argv[++first]);
        else
            return usage();
    }
    if (first >= argc)
        return usage();

    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "first_paint: cannot connect to the X server\n");
        return 1;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "first_paint: the X server has no DAMAGE extension\n");
        return 1;
    }
    std::free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1),
                                             nullptr));

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip, so the watch is in place before the program starts.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    // Whatever shows through a window that has not drawn yet (the root's colour).
    const unsigned background = pixelAt(connection, root, 0, 0);

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[first], nullptr, nullptr, argv + first, environ) != 0) {
        std::fprintf(stderr, "first_paint: cannot start %s\n", argv[first]);
        return 1;
    }

    struct Size
    {
        int width;
        int height;
    };
    std::map<xcb_window_t, Size> windows;
    const int fd = xcb_get_file_descriptor(connection);
    double paintMs = -1;
    xcb_window_t painted = 0;
    while (paintMs < 0) {
        if (msSince(start) > timeoutMs) {
            std::fprintf(stderr, "first_paint: no paint within %d ms\n", timeoutMs);
            stop(pid);
            return 1;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "first_paint: the program ended before painting\n");
            return 1;
        }
        pollfd readable{fd, POLLIN, 0};
        poll(&readable, 1, 10);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const int type = event->response_type & 0x7F;
            if (type == XCB_CREATE_NOTIFY) {
                const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
                windows[created->window] = {created->width, created->height};
                xcb_damage_create(connection, xcb_generate_id(connection), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connection);
            } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && paintMs < 0) {
                const auto *notify = reinterpret_cast<xcb_damage_notify_event_t *>(event);
                // Tiny helper windows are not the program's window.
                if (notify->geometry.width > 16 && notify->geometry.height > 16) {
                    paintMs = msSince(start);
                    painted = notify->drawable;
                    windows[painted] = {notify->geometry.width, notify->geometry.height};
                }
            }
            std::free(event);
        }
        if (xcb_connection_has_error(connection)) {
            std::fprintf(stderr, "first_paint: lost the X server\n");
            stop(pid);
            return 1;
        }
    }

    // The damage is reported as the first drawing starts; the frame counts as painted once the
    // window's centre no longer shows what was on the screen before.
    const Size size = windows[painted];
    unsigned pixel = pixelAt(connection, painted, size.width / 2, size.height / 2);
    while (pixel == background && msSince(start) < timeoutMs) {
        usleep(500);
        pixel = pixelAt(connection, painted, size.width / 2, size.height / 2);
    }
    const double shownMs = msSince(start);
    if (pixel == background) {
        std::fprintf(stderr, "first_paint: the window never showed its frame\n");
        stop(pid);
        return 1;
    }
    usleep(useconds_t(lingerMs) * 1000);
    const long rssKb = peakRssKb(pid);
    const double cpuMs = stop(pid);
    xcb_disconnect(connection);

    std::printf("first_paint_ms=%.1f damage_ms=%.1f cpu_ms=%.1f max_rss_kb=%ld size=%dx%d "
                "pixel=%06x\n",
                shownMs, paintMs, cpuMs, rssKb, size.width, size.height, pixel);
    return 0;
}
