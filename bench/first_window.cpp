// Time from starting a program to its first top-level window being mapped on
// the X display, side by side with a bare Qt window that this same program
// makes (--bare-window). Rounds alternate between the two, so a load that
// comes and goes falls on both; the medians and their ratio are reported.
//
//   bench_first_window [--rounds N] PROGRAM [ARGS...]
#include <QApplication>
#include <QMainWindow>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto MapTimeout = std::chrono::seconds(30);
constexpr auto ExitTimeout = std::chrono::seconds(5);

int bareWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(895, 658); // the main window's size
    window.show();
    return app.exec();
}

xcb_atom_t atom(xcb_connection_t *x, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return a;
}

// _NET_WM_PID of the window, which Qt sets before it maps it.
std::optional<pid_t> windowPid(xcb_connection_t *x, xcb_window_t w, xcb_atom_t netWmPid)
{
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(x, xcb_get_property(x, 0, w, netWmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    std::optional<pid_t> pid;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = static_cast<pid_t>(*static_cast<const std::uint32_t *>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}

void endChild(pid_t child)
{
    kill(child, SIGTERM);
    const auto deadline = Clock::now() + ExitTimeout;
    while (Clock::now() < deadline) {
        if (waitpid(child, nullptr, WNOHANG) == child)
            return;
        usleep(10'000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

// Milliseconds from fork to the MapNotify of the child's first top-level window.
std::optional<double> timeToMap(xcb_connection_t *x, xcb_atom_t netWmPid, const std::vector<char *> &command)
{
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        execv(command[0], command.data());
        std::fprintf(stderr, "cannot start %s: %s\n", command[0], std::strerror(errno));
        _exit(127);
    }
    std::optional<double> result;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (!result && Clock::now() - start < MapTimeout) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "%s ended before showing a window\n", command[0]);
            return std::nullopt;
        }
        poll(&fd, 1, 50);
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            const auto now = Clock::now();
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (!map->override_redirect && !result && windowPid(x, map->window, netWmPid) == child)
                    result = std::chrono::duration<double, std::milli>(now - start).count();
            }
            std::free(event);
        }
    }
    endChild(child);
    return result;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string loadAverage()
{
    char text[64] = {};
    if (FILE *f = std::fopen("/proc/loadavg", "r")) {
        if (!std::fgets(text, sizeof text, f))
            text[0] = 0;
        std::fclose(f);
    }
    std::string s(text);
    while (!s.empty() && s.back() == '\n')
        s.pop_back();
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--bare-window") == 0)
        return bareWindow(argc, argv);

    int rounds = 9;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--rounds") == 0) {
        rounds = std::clamp(std::atoi(argv[2]), 1, 100);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--rounds N] PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return 2;
    self[n] = 0;
    std::vector<char *> program(argv + first, argv + argc);
    program.push_back(nullptr);
    char bareFlag[] = "--bare-window";
    const std::vector<char *> bare{self, bareFlag, nullptr};

    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmPid = atom(x, "_NET_WM_PID");
    xcb_flush(x);

    std::printf("load average before: %s\n", loadAverage().c_str());
    std::vector<double> programMs, bareMs;
    for (int r = 0; r < rounds; ++r) {
        const auto p = timeToMap(x, netWmPid, program);
        const auto b = timeToMap(x, netWmPid, bare);
        if (!p || !b) {
            std::fprintf(stderr, "round %d: no window within %lld s\n", r + 1,
                         static_cast<long long>(MapTimeout.count()));
            return 1;
        }
        programMs.push_back(*p);
        bareMs.push_back(*b);
        std::printf("round %d: program %.1f ms, bare Qt window %.1f ms\n", r + 1, *p, *b);
        std::fflush(stdout);
    }
    std::printf("load average after: %s\n", loadAverage().c_str());
    const double pm = median(programMs), bm = median(bareMs);
    std::printf("median to first window: program %.1f ms, bare Qt window %.1f ms, ratio %.2f\n", pm, bm, pm / bm);
    xcb_disconnect(x);
    return 0;
}
