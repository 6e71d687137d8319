// Times two programs from launch to the first map of their window titled
// "Ludrix", with their peak resident memory at that moment, in interleaved
// runs: A B A B ... after a few warm-up pairs. Prints, for each, the median,
// minimum and maximum, and the median of the per-pair ratios A / B.
//
//   launch_to_map [--pairs N] [--warmups N] NAME_A COMMAND_A NAME_B COMMAND_B
//
// A command is one program path (no arguments). The X server is the one
// DISPLAY names; the programs inherit it. Watching the root window for
// SubstructureNotify catches the map as the server performs it, with no
// polling delay; with no window manager the top-level is a child of the root.
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view WindowTitle = "Ludrix";
constexpr int MapTimeoutMs = 30'000;

struct Sample {
    double milliseconds;
    double peakMiB;
};

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "launch_to_map: %s\n", why.c_str());
    std::exit(1);
}

double now()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// VmHWM, the most resident memory the process has had, in MiB.
double peakResidentMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:"))
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    }
    fail("no VmHWM for process " + std::to_string(pid));
}

class Display {
public:
    Display()
        : connection_(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(connection_))
            fail("cannot open the display; is DISPLAY set?");
        // Not for the programs it launches.
        fcntl(xcb_get_file_descriptor(connection_), F_SETFD, FD_CLOEXEC);
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_request_check(connection_, xcb_change_window_attributes_checked(connection_, root_, XCB_CW_EVENT_MASK, &events));
        netWmName_ = atom("_NET_WM_NAME");
        utf8String_ = atom("UTF8_STRING");
    }
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Drops what earlier runs left in the queue.
    void drain()
    {
        xcb_flush(connection_);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            std::free(event);
    }

    // Waits for the next top-level window to map; its id, or nothing on timeout.
    std::optional<xcb_window_t> nextMap(double deadline)
    {
        for (;;) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (!event) {
                const int left = static_cast<int>(deadline - now());
                if (left <= 0)
                    return std::nullopt;
                pollfd descriptor { xcb_get_file_descriptor(connection_), POLLIN, 0 };
                if (poll(&descriptor, 1, left) < 0 && errno != EINTR)
                    fail("poll failed");
                if (xcb_connection_has_error(connection_))
                    fail("lost the display");
                continue;
            }
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const std::optional<xcb_window_t> window
                = mapped && map->event == root_ && !map->override_redirect ? std::optional(map->window) : std::nullopt;
            std::free(event);
            if (window)
                return window;
        }
    }

    std::string title(xcb_window_t window)
    {
        std::string name = property(window, netWmName_, utf8String_);
        return name.empty() ? property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) : name;
    }

private:
    xcb_atom_t atom(const char* name)
    {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        if (!reply)
            fail(std::string("cannot intern ") + name);
        const xcb_atom_t result = reply->atom;
        std::free(reply);
        return result;
    }

    std::string property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
    {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, name, type, 0, 256), nullptr);
        if (!reply)
            return {};
        std::string result(static_cast<const char*>(xcb_get_property_value(reply)),
            static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
        return result;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ {};
    xcb_atom_t netWmName_ {};
    xcb_atom_t utf8String_ {};
};

pid_t launch(const char* command)
{
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork failed");
    if (pid == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execl(command, command, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

Sample measure(Display& display, const char* command)
{
    display.drain();
    const double start = now();
    const pid_t pid = launch(command);
    std::optional<Sample> sample;
    while (!sample) {
        const std::optional<xcb_window_t> window = display.nextMap(start + MapTimeoutMs);
        if (!window) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            fail(std::string(command) + " mapped no window titled Ludrix");
        }
        // Time and memory first: the program goes on running while the title
        // is fetched.
        const double mapped = now();
        const double peak = peakResidentMiB(pid);
        if (display.title(*window) == WindowTitle)
            sample = Sample { mapped - start, peak };
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return *sample;
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Summary {
    double median, min, max;
};

Summary summarise(const std::vector<Sample>& samples, double Sample::*field)
{
    std::vector<double> values;
    for (const Sample& sample : samples)
        values.push_back(sample.*field);
    const auto [min, max] = std::ranges::minmax(values);
    return { median(values), min, max };
}

double medianRatio(const std::vector<Sample>& a, const std::vector<Sample>& b, double Sample::*field)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < a.size(); ++i)
        ratios.push_back(a[i].*field / b[i].*field);
    return median(ratios);
}

int count(const char* text)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 0 || value > 10'000)
        fail(std::string("not a count: ") + text);
    return static_cast<int>(value);
}

} // namespace

int main(int argc, char* argv[])
{
    int pairs = 15;
    int warmups = 3;
    int arg = 1;
    for (; arg + 1 < argc && std::string_view(argv[arg]).starts_with("--"); arg += 2) {
        if (std::string_view(argv[arg]) == "--pairs")
            pairs = count(argv[arg + 1]);
        else if (std::string_view(argv[arg]) == "--warmups")
            warmups = count(argv[arg + 1]);
        else
            fail(std::string("unknown option ") + argv[arg]);
    }
    if (argc - arg != 4 || pairs < 1) {
        std::fprintf(stderr, "usage: launch_to_map [--pairs N] [--warmups N] NAME_A COMMAND_A NAME_B COMMAND_B\n");
        return 2;
    }
    const char* names[] { argv[arg], argv[arg + 2] };
    const char* commands[] { argv[arg + 1], argv[arg + 3] };

    Display display;
    for (int i = 0; i < warmups; ++i) {
        for (const char* command : commands)
            measure(display, command);
    }
    std::vector<Sample> samples[2];
    for (int i = 0; i < pairs; ++i) {
        for (int which : { 0, 1 })
            samples[which].push_back(measure(display, commands[which]));
    }

    std::printf("Launch to map of the window titled Ludrix, %d interleaved pairs after %d warm-up pairs\n", pairs,
        warmups);
    std::printf("%-10s %34s   %34s\n", "", "launch to map, ms", "peak resident memory at map, MiB");
    std::printf("%-10s %10s %10s %10s   %10s %10s %10s\n", "", "median", "min", "max", "median", "min", "max");
    for (int which : { 0, 1 }) {
        const Summary time = summarise(samples[which], &Sample::milliseconds);
        const Summary memory = summarise(samples[which], &Sample::peakMiB);
        std::printf("%-10s %10.1f %10.1f %10.1f   %10.2f %10.2f %10.2f\n", names[which], time.median, time.min,
            time.max, memory.median, memory.min, memory.max);
    }
    std::printf("median of the per-pair ratios %s / %s: time %.3f, memory %.3f\n", names[0], names[1],
        medianRatio(samples[0], samples[1], &Sample::milliseconds),
        medianRatio(samples[0], samples[1], &Sample::peakMiB));
    return 0;
}
