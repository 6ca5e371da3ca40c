// Start-up time of the program beside a minimal Qt window, in one run on one
// X server: from fork/exec to the MapNotify of the first top-level window the
// started process maps. The programs take turns (the order turns by one every
// round), each start gets a fresh empty home and configuration folder, and
// each process is ended as soon as its window is mapped.
//
//   tests/support/with-xvfb.sh build/bench/startup_bench [ROUNDS] [PROGRAM... REFERENCE]
//
// Without programs given, it starts build/bin/Kvantor2 (the entry on the
// path, which hands the bar over to the desktop program), build/bin/kvantor2-desktop
// started directly, and build/bench/minimal_window, found beside this
// executable; each is compared with the last one named.
//
// A desktop session has a session bus, which both programs reach at start
// (the screen reader bridge asks it whether a screen reader runs). Without
// one, each start would have the bus library start a bus of its own first, a
// cost no user's session has; so when none is named in the environment, the
// benchmark starts a private one for its run.
#include <xcb/xcb.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr auto kMapTimeout = std::chrono::seconds(20);

struct Program {
    std::string path;
    std::vector<double> ms;
};

xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
    auto* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
    xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

// The process that owns a window, as it says itself (_NET_WM_PID); 0 if unknown.
pid_t windowPid(xcb_connection_t* c, xcb_atom_t netWmPid, xcb_window_t window) {
    auto* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, netWmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    pid_t pid = 0;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = pid_t(*static_cast<uint32_t*>(xcb_get_property_value(reply)));
    free(reply);
    return pid;
}

pid_t start(const Program& program, const fs::path& home) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    // The child: a first run, with nothing stored from the previous start.
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    freopen("/dev/null", "w", stdout);
    freopen("/dev/null", "w", stderr);
    execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

void stop(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Milliseconds from the start of the process to the mapping of its first
// top-level window (tooltips and menus, which bypass the window manager, do
// not count); nothing if it mapped none in time or ended first.
std::optional<double> timeToMap(xcb_connection_t* c, xcb_atom_t netWmPid, const Program& program) {
    const fs::path home = fs::temp_directory_path() / ("kv-startup-" + std::to_string(getpid()));
    fs::remove_all(home);
    fs::create_directories(home / ".config");
    fs::permissions(home, fs::perms::owner_all);

    const Clock::time_point begin = Clock::now();
    const pid_t pid = start(program, home);
    std::optional<double> result;
    while (!result && Clock::now() - begin < kMapTimeout) {
        xcb_generic_event_t* event = xcb_poll_for_event(c);
        if (!event) {
            if (xcb_connection_has_error(c)) break;
            if (waitpid(pid, nullptr, WNOHANG) == pid) {
                fs::remove_all(home);
                return std::nullopt;
            }
            usleep(200);
            continue;
        }
        const Clock::time_point at = Clock::now();
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!map->override_redirect && windowPid(c, netWmPid, map->window) == pid)
                result = std::chrono::duration<double, std::milli>(at - begin).count();
        }
        free(event);
    }
    stop(pid);
    fs::remove_all(home);
    return result;
}

// A private session bus for the run (see the top), ended with it; none when
// the environment already names a bus.
class SessionBus {
public:
    SessionBus() {
        if (std::getenv("DBUS_SESSION_BUS_ADDRESS")) return;
        FILE* out = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
        if (!out) return;
        char address[512] = {}, pid[32] = {};
        const bool read = std::fgets(address, sizeof address, out) && std::fgets(pid, sizeof pid, out);
        pclose(out);
        if (!read) {
            std::fprintf(stderr, "no session bus could be started: the figures include the bus library starting one\n");
            return;
        }
        address[std::strcspn(address, "\n")] = '\0';
        setenv("DBUS_SESSION_BUS_ADDRESS", address, 1);
        pid_ = pid_t(std::atoi(pid));
    }
    ~SessionBus() {
        if (pid_ > 0) kill(pid_, SIGTERM);
    }
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

private:
    pid_t pid_ = 0;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    const fs::path here = fs::canonical("/proc/self/exe").parent_path();
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) programs.push_back({argv[i], {}});
    if (programs.empty())
        programs = {{(here.parent_path() / "bin" / "Kvantor2").string(), {}},
                    {(here.parent_path() / "bin" / "kvantor2-desktop").string(), {}},
                    {(here / "minimal_window").string(), {}}};
    if (rounds < 1 || programs.size() < 2) {
        std::fprintf(stderr, "usage: %s [ROUNDS] [PROGRAM... REFERENCE]\n", argv[0]);
        return 2;
    }

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const SessionBus bus;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    const xcb_atom_t netWmPid = internAtom(c, "_NET_WM_PID");

    // One start of each, unmeasured: the files are in the page cache for both.
    for (const Program& p : programs)
        if (!timeToMap(c, netWmPid, p)) {
            std::fprintf(stderr, "%s mapped no window\n", p.path.c_str());
            return 1;
        }
    const std::size_t n = programs.size();
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t k = 0; k < n; ++k) {
            Program& p = programs[(std::size_t(round) + k) % n];
            std::optional<double> ms = timeToMap(c, netWmPid, p);
            if (!ms) {
                std::fprintf(stderr, "%s mapped no window\n", p.path.c_str());
                    return 1;
            }
            p.ms.push_back(*ms);
        }
    }
    xcb_disconnect(c);

    const double reference = median(programs.back().ms);
    for (const Program& p : programs) {
        const double m = median(p.ms);
        std::printf("%-40s median %7.1f ms  (min %.1f, max %.1f)", fs::path(p.path).filename().c_str(), m,
                    *std::min_element(p.ms.begin(), p.ms.end()), *std::max_element(p.ms.begin(), p.ms.end()));
        if (&p != &programs.back()) std::printf("  ratio %.2f", m / reference);
        std::printf("\n");
    }
    std::printf("over %d interleaved starts each\n", rounds);
    return 0;
}
