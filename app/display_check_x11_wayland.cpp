#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include "app/display_attempts.h"
#include "app/display_check.h"

// Each step follows Qt's own, in QGuiApplicationPrivate::createPlatformIntegration,
// init_platform and the xcb and wayland plugins: a start they would manage must
// never be refused, and one they would abort must be told why.

namespace app {
namespace {

std::string_view valueOf(const Environment& environment, const char* name)
{
    const char* value = environment(name);
    return value ? value : "";
}

// As Qt's QString::split with Qt::SkipEmptyParts.
std::vector<std::string_view> parts(std::string_view text, char separator)
{
    std::vector<std::string_view> found;
    while (!text.empty()) {
        const auto end = text.find(separator);
        if (end != 0)
            found.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view {} : text.substr(end + 1);
    }
    return found;
}

// Qt reads "--option" as "-option".
std::string_view option(std::string_view argument)
{
    return argument.starts_with("--") ? argument.substr(1) : argument;
}

struct Choice {
    std::string platforms; // ';' between plugins, as Qt hands them on
    std::vector<std::string_view> arguments; // those the plugins get
};

Choice choosePlatforms(
    const std::vector<std::string>& arguments, const Environment& environment, std::string_view builtFor)
{
    // A session with a display of either kind puts that plugin first, Wayland
    // before X, whatever Qt was built to prefer; a variable set empty counts.
    Choice choice { std::string { builtFor }, {} };
    const std::string_view builtForPlugin = builtFor.substr(0, builtFor.find(':'));
    const bool builtForXcb = builtForPlugin == "xcb";
    const bool builtForWayland = !builtForXcb && builtForPlugin.starts_with("wayland");
    std::vector<std::string> order;
    if (environment("DISPLAY")) {
        order.push_back(builtForXcb ? choice.platforms : "xcb");
        if (builtForXcb)
            choice.platforms.clear();
    }
    if (environment("WAYLAND_DISPLAY") || valueOf(environment, "XDG_SESSION_TYPE") == "wayland") {
        order.insert(order.begin(), builtForWayland ? choice.platforms : "wayland");
        if (builtForWayland)
            choice.platforms.clear();
    }
    if (!choice.platforms.empty())
        order.push_back(choice.platforms);
    choice.platforms.clear();
    for (const std::string& platform : order)
        choice.platforms += (choice.platforms.empty() ? "" : ";") + platform;

    if (const std::string_view named = valueOf(environment, "QT_QPA_PLATFORM"); !named.empty())
        choice.platforms = named;

    // Qt takes its own options out before a plugin sees the rest, each with
    // the value after it even where that looks like an option; X's old names
    // for three of them count only while xcb is the choice so far.
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = option(arguments[i]);
        if (!argument.starts_with('-')) {
            choice.arguments.push_back(arguments[i]);
            continue;
        }
        const bool xcbSoFar = choice.platforms.starts_with("xcb");
        if (argument == "-platform") {
            if (++i < arguments.size())
                choice.platforms = arguments[i];
        } else if (argument == "-platformpluginpath" || argument == "-platformtheme" || argument == "-qwindowgeometry"
            || argument == "-qwindowtitle" || argument == "-qwindowicon"
            || (xcbSoFar && (argument == "-geometry" || argument == "-title" || argument == "-icon"))) {
            ++i;
        } else {
            choice.arguments.push_back(arguments[i]);
        }
    }
    return choice;
}

// The xcb plugin takes -display and its other options out of the arguments it
// is given, so a second xcb in the list looks where DISPLAY says.
std::string xDisplay(std::vector<std::string_view>& arguments, const Environment& environment)
{
    std::string_view named;
    std::vector<std::string_view> left;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = option(arguments[i]);
        const bool valueFollows = i + 1 < arguments.size();
        if (argument == "-display" && valueFollows)
            named = arguments[++i];
        else if ((argument == "-name" || argument == "-visual") && valueFollows)
            ++i;
        else if (argument != "-nograb" && argument != "-dograb")
            left.push_back(arguments[i]);
    }
    arguments = std::move(left);
    // An empty name means none to Xlib and libxcb alike: they read DISPLAY.
    return std::string { named.empty() ? valueOf(environment, "DISPLAY") : named };
}

// Qt's wayland plugin asks libwayland for the display without naming one:
// an inherited WAYLAND_SOCKET first and alone, else WAYLAND_DISPLAY
// (wayland-0 unset) in XDG_RUNTIME_DIR, which must be a path, unless it is a
// path itself.
std::string waylandSocket(const Environment& environment)
{
    if (const char* socket = environment("WAYLAND_SOCKET"))
        return std::string { "WAYLAND_SOCKET=" } + socket;
    const char* named = environment("WAYLAND_DISPLAY");
    const std::string_view name = named ? named : "wayland-0";
    if (name.starts_with('/'))
        return std::string { name };
    const std::string_view directory = valueOf(environment, "XDG_RUNTIME_DIR");
    if (!directory.starts_with('/'))
        return {};
    return std::string { directory } + '/' + std::string { name };
}

bool xServerAnswers(const std::string& display)
{
    // Nothing named: libxcb would read this process's DISPLAY instead.
    if (display.empty())
        return false;
    // The whole handshake, authorisation included, as Qt will make it.
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

bool waylandCompositorAnswers(const std::string& display)
{
    if (constexpr std::string_view inherited = "WAYLAND_SOCKET="; display.starts_with(inherited)) {
        // libwayland's own test: a whole number naming an open descriptor.
        const char* number = display.c_str() + inherited.size();
        char* end = nullptr;
        errno = 0;
        const long fd = std::strtol(number, &end, 10);
        return errno == 0 && end != number && *end == '\0' && fcntl(static_cast<int>(fd), F_GETFD) != -1;
    }
    sockaddr_un address {};
    if (display.empty() || display.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    display.copy(address.sun_path, display.size());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool answers = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return answers;
}

std::string whyNot(const DisplayAttempt& attempt, const Environment& environment)
{
    if (attempt.platform == "xcb") {
        if (attempt.display.empty())
            return "DISPLAY is not set";
        const bool fromDisplay = attempt.display == valueOf(environment, "DISPLAY");
        return "no X server answers at " + std::string { fromDisplay ? "DISPLAY=" : "" } + attempt.display;
    }
    if (attempt.display.empty())
        return "no Wayland compositor to find without XDG_RUNTIME_DIR";
    const std::string_view where = attempt.display.starts_with('/') ? "at " : "on ";
    return "no Wayland compositor " + std::string { where } + attempt.display;
}

// The platform Debian's Qt is built to prefer (QT_QPA_DEFAULT_PLATFORM), on
// 12 and 13 alike. Asked of Qt, it would be told only by 6.9 and later, and
// only by linking this start-up check to the toolkit it runs ahead of.
constexpr std::string_view BuiltForPlatform = "xcb";

} // namespace

std::vector<DisplayAttempt> displayAttempts(
    const std::vector<std::string>& arguments, const Environment& environment, std::string_view builtFor)
{
    Choice choice = choosePlatforms(arguments, environment, builtFor);
    std::vector<DisplayAttempt> attempts;
    for (const std::string_view entry : parts(choice.platforms, ';')) {
        // "name:option:option"; Qt skips empty parts here too.
        const auto words = parts(entry, ':');
        if (words.empty())
            continue;
        DisplayAttempt attempt { std::string { words.front() }, {} };
        std::ranges::transform(attempt.platform, attempt.platform.begin(),
            [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
        if (attempt.platform == "xcb")
            attempt.display = xDisplay(choice.arguments, environment);
        else if (attempt.platform == "wayland")
            attempt.display = waylandSocket(environment);
        attempts.push_back(std::move(attempt));
    }
    return attempts;
}

std::optional<std::string> unreachableDisplay(
    const std::vector<DisplayAttempt>& attempts, const Environment& environment)
{
    std::vector<std::string> reasons;
    for (const DisplayAttempt& attempt : attempts) {
        const bool answers = attempt.platform == "xcb" ? xServerAnswers(attempt.display)
            : attempt.platform == "wayland"            ? waylandCompositorAnswers(attempt.display)
                                                       : true;
        if (answers)
            return std::nullopt;
        if (std::string reason = whyNot(attempt, environment); std::ranges::find(reasons, reason) == reasons.end())
            reasons.push_back(std::move(reason));
    }
    // With no plugin named at all, Qt's own message says so better.
    if (reasons.empty())
        return std::nullopt;
    std::string why;
    for (const std::string& reason : reasons)
        why += (why.empty() ? "" : "; ") + reason;
    return "ludrix: no display to show the window on (" + why
        + "); start it from a desktop session, or without one as: xvfb-run ludrix";
}

std::optional<std::string> unreachableDisplay(int argc, const char* const* argv)
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        if (argv[i])
            arguments.emplace_back(argv[i]);
    }
    const Environment environment = [](const char* name) -> const char* { return std::getenv(name); };
    return unreachableDisplay(displayAttempts(arguments, environment, BuiltForPlatform), environment);
}

} // namespace app
