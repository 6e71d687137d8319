#include "ui/common/display_reach.h"

#ifndef LUDRIX_CHECK_DISPLAY

// Elsewhere a desktop is always there.
std::optional<std::string> ui::unreachableDisplay(int, const char* const*) { return std::nullopt; }

#else

#include <cstdlib>
#include <string_view>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace ui {
namespace {

std::string_view environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The platforms Qt would try, in its order, as it chooses them: -platform,
// else QT_QPA_PLATFORM, else Wayland in a Wayland session and X11.
std::vector<std::string_view> platformsInForce(int argc, const char* const* argv)
{
    std::string_view chosen = environment("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform")
            chosen = argv[i + 1];
    }
    if (chosen.empty()) {
        if (!environment("WAYLAND_DISPLAY").empty() || environment("XDG_SESSION_TYPE") == "wayland")
            return { "wayland", "xcb" };
        return { "xcb" };
    }
    std::vector<std::string_view> platforms;
    while (!chosen.empty()) {
        const auto end = chosen.find(';');
        std::string_view platform = chosen.substr(0, end);
        // "xcb:option" names the platform before the colon.
        platforms.push_back(platform.substr(0, platform.find(':')));
        chosen = end == std::string_view::npos ? std::string_view {} : chosen.substr(end + 1);
    }
    return platforms;
}

bool xServerAnswers()
{
    // The whole handshake, authorisation included, as Qt will make it.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

bool waylandCompositorAnswers()
{
    if (!environment("WAYLAND_SOCKET").empty())
        return true;
    std::string path { environment("WAYLAND_DISPLAY") };
    if (path.empty())
        path = "wayland-0";
    if (path.front() != '/') {
        if (environment("XDG_RUNTIME_DIR").empty())
            return false;
        path = std::string { environment("XDG_RUNTIME_DIR") } + '/' + path;
    }
    sockaddr_un address {};
    if (path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, path.size());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool answers = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return answers;
}

} // namespace

std::optional<std::string> unreachableDisplay(int argc, const char* const* argv)
{
    for (std::string_view platform : platformsInForce(argc, argv)) {
        if (platform == "xcb" ? xServerAnswers() : platform == "wayland" ? waylandCompositorAnswers() : true)
            return std::nullopt;
    }
    const std::string_view display = environment("DISPLAY");
    const std::string why = display.empty() ? "DISPLAY is not set"
                                            : "no X server answers at DISPLAY=" + std::string { display };
    return "ludrix: no display to show the window on (" + why
        + "); start it from a desktop session, or without one as: xvfb-run ludrix";
}

} // namespace ui

#endif
