// Several programs started side by side on the current X display, in turns: how
// long each takes to map its first window, and its resident memory once it has
// had time to settle. Every program is timed the same way, from outside: from
// its spawn to the X server's notice that a window of the display was mapped.
// Prints "NAME_first_window_ms" and "NAME_VmRSS_kib" medians, NAME being the
// program's file name. Usage: bench_sidebyside ROUNDS SETTLE_MS PROGRAM...
// Run under xvfb-run and dbus-run-session, every program meets the same fresh
// display and session bus.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

long residentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string field;
    long kib = 0;
    while (status >> field) {
        if (field == "VmRSS:" && status >> kib)
            return kib;
    }
    return 0;
}

// Waits for a window to be mapped anywhere on the screen; false after timeout.
bool waitForMap(xcb_connection_t* x, std::chrono::milliseconds timeout)
{
    const Clock::time_point end = Clock::now() + timeout;
    while (Clock::now() < end) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped)
                return true;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
}

struct Run {
    double firstWindowMs = 0;
    long residentKib = 0;
};

bool runOnce(xcb_connection_t* x, const char* program, std::chrono::milliseconds settle, Run& run)
{
    while (xcb_generic_event_t* stale = xcb_poll_for_event(x))
        std::free(stale);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;
    const bool mapped = waitForMap(x, std::chrono::seconds(10));
    run.firstWindowMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::this_thread::sleep_for(settle);
    run.residentKib = residentKib(pid);
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return mapped && run.residentKib > 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ROUNDS SETTLE_MS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    const std::chrono::milliseconds settle(std::atoi(argv[2]));
    setenv("BENCH_KEEP_OPEN", "1", 1); // the floor would end once it has measured itself
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    // Every window mapped on the screen is reported to the root's listeners.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    std::map<std::string, std::vector<double>> figures;
    for (int round = 0; round < rounds; ++round) {
        for (int i = 3; i < argc; ++i) {
            Run run;
            if (!runOnce(x, argv[i], settle, run)) {
                std::fprintf(stderr, "%s did not show a window\n", argv[i]);
                return 1;
            }
            const char* slash = std::strrchr(argv[i], '/');
            const std::string name = slash ? slash + 1 : argv[i];
            figures[name + "_first_window_ms"].push_back(run.firstWindowMs);
            figures[name + "_VmRSS_kib"].push_back(static_cast<double>(run.residentKib));
        }
    }
    for (const auto& [name, values] : figures)
        std::printf("%s %.3f\n", name.c_str(), median(values));
    xcb_disconnect(x);
    return 0;
}
