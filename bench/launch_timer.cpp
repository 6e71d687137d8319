// Times two programs from launch to the first map of their window titled
// "Ludrix", and on to its first frame, the first drawing into the mapped
// window, with their peak resident memory and the processor time they have
// used at each moment, in interleaved runs: A B A B ... after a few warm-up
// pairs. Prints, for each, the median, minimum and maximum, and the median of
// the per-pair ratios A / B.
//
//   launch_timer [--pairs N] [--warmups N] NAME_A COMMAND_A NAME_B COMMAND_B
//
// A command is one program path (no arguments). The X server is the one
// DISPLAY names; the programs inherit it. Watching the root window for
// SubstructureNotify catches the map as the server performs it, with no
// polling delay; with no window manager the top-level is a child of the root.
// The first frame is the first damage the DAMAGE extension reports on the
// window. The watch is set as the window is created: set on a window already
// mapped, it would report the whole window as damaged at once.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
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
    double mapMs;
    double mapPeakMiB;
    double mapCpuMs;
    double frameMs;
    double framePeakMiB;
    double frameCpuMs;
};

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "launch_timer: %s\n", why.c_str());
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

// The time the process's threads have spent on a processor, in ms: unlike
// the time since launch, it leaves out the waits for a processor that the
// other work on a shared machine causes.
double cpuMs(pid_t pid)
{
    double nanoseconds = 0;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double running = 0;
        if (schedstat >> running)
            nanoseconds += running;
    }
    return nanoseconds / 1e6;
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
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present)
            fail("the X server has no DAMAGE extension");
        damageNotify_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(
            connection_, xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));
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

    // Waits for the next top-level window to map, watching each top-level
    // window created meanwhile for drawing; its id, or nothing on timeout.
    std::optional<xcb_window_t> nextMap(double deadline)
    {
        return next(deadline, [this](const xcb_generic_event_t* event) -> std::optional<xcb_window_t> {
            const uint8_t type = event->response_type & 0x7f;
            const auto* create = reinterpret_cast<const xcb_create_notify_event_t*>(event);
            if (type == XCB_CREATE_NOTIFY && create->parent == root_ && !create->override_redirect) {
                // A damage object goes when its window does.
                xcb_damage_create(connection_, xcb_generate_id(connection_), create->window,
                    XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connection_);
            }
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            if (type == XCB_MAP_NOTIFY && map->event == root_ && !map->override_redirect)
                return map->window;
            return std::nullopt;
        });
    }

    // Waits for the first drawing into the window; false on timeout. Drawing
    // that came before the call counts too: its event is still queued.
    bool nextDrawing(xcb_window_t window, double deadline)
    {
        return next(deadline, [this, window](const xcb_generic_event_t* event) -> std::optional<bool> {
            const auto* notify = reinterpret_cast<const xcb_damage_notify_event_t*>(event);
            if ((event->response_type & 0x7f) == damageNotify_ && notify->drawable == window)
                return true;
            return std::nullopt;
        }).has_value();
    }

    std::string title(xcb_window_t window)
    {
        std::string name = property(window, netWmName_, utf8String_);
        return name.empty() ? property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) : name;
    }

private:
    // The first event `match` recognises, as it returns it; nothing on timeout.
    template <class Match> auto next(double deadline, Match match) -> decltype(match(nullptr))
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
            const auto matched = match(event);
            std::free(event);
            if (matched)
                return matched;
        }
    }

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
    uint8_t damageNotify_ {};
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

void end(pid_t pid)
{
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

Sample measure(Display& display, const char* command)
{
    display.drain();
    const double start = now();
    const double deadline = start + MapTimeoutMs;
    const pid_t pid = launch(command);
    Sample sample {};
    for (;;) {
        const std::optional<xcb_window_t> window = display.nextMap(deadline);
        if (!window) {
            end(pid);
            fail(std::string(command) + " mapped no window titled Ludrix");
        }
        // Time and memory first: the program goes on running while the title
        // is fetched.
        const double mapped = now();
        const double peak = peakResidentMiB(pid);
        const double cpu = cpuMs(pid);
        if (display.title(*window) == WindowTitle) {
            sample.mapMs = mapped - start;
            sample.mapPeakMiB = peak;
            sample.mapCpuMs = cpu;
            if (!display.nextDrawing(*window, deadline)) {
                end(pid);
                fail(std::string(command) + " drew nothing into its window");
            }
            sample.frameMs = now() - start;
            sample.framePeakMiB = peakResidentMiB(pid);
            sample.frameCpuMs = cpuMs(pid);
            break;
        }
    }
    end(pid);
    return sample;
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
        std::fprintf(stderr, "usage: launch_timer [--pairs N] [--warmups N] NAME_A COMMAND_A NAME_B COMMAND_B\n");
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

    std::printf("Launch to the window titled Ludrix, %d interleaved pairs after %d warm-up pairs\n", pairs, warmups);
    const struct {
        const char* heading;
        double Sample::*field;
        const char* format;
    } figures[] {
        { "launch to map, ms", &Sample::mapMs, "%10.1f" },
        { "peak resident memory at map, MiB", &Sample::mapPeakMiB, "%10.2f" },
        { "processor time to map, ms", &Sample::mapCpuMs, "%10.1f" },
        { "launch to first frame, ms", &Sample::frameMs, "%10.1f" },
        { "peak resident memory at first frame, MiB", &Sample::framePeakMiB, "%10.2f" },
        { "processor time to first frame, ms", &Sample::frameCpuMs, "%10.1f" },
    };
    for (const auto& figure : figures) {
        std::printf("\n%-42s %10s %10s %10s\n", figure.heading, "median", "min", "max");
        for (int which : { 0, 1 }) {
            const Summary summary = summarise(samples[which], figure.field);
            std::printf("  %-40s ", names[which]);
            for (double value : { summary.median, summary.min, summary.max })
                std::printf(figure.format, value);
            std::printf("\n");
        }
        std::printf("  %-40s %10.3f\n", (std::string("median of ratios ") + names[0] + " / " + names[1]).c_str(),
            medianRatio(samples[0], samples[1], figure.field));
    }
    return 0;
}
