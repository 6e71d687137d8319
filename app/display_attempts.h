// The display check in two halves a test can drive on its own: what Qt will
// try, worked out from the command line and the environment alone, and the
// asking of each display it names. Built only where windows need a display
// server (see display_check.h).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// A variable's value, or null where it is not set: Qt counts a DISPLAY or a
// WAYLAND_DISPLAY set empty as set. std::getenv will do.
using Environment = std::function<const char*(const char* name)>;

// One platform plugin Qt will load, lower case as Qt names it, and where it
// will look for its display: for xcb the X display name, for wayland the
// socket path or the inherited WAYLAND_SOCKET=fd, empty when it has nowhere
// to look. Any other platform is one the check leaves to Qt.
struct DisplayAttempt {
    std::string platform;
    std::string display;
};

// The plugins in the order Qt tries them, from the arguments after the
// program's name and the platform Qt was built to prefer, as Qt 6.4 to 6.8
// choose them: -platform, else QT_QPA_PLATFORM, else the session's own.
std::vector<DisplayAttempt> displayAttempts(
    const std::vector<std::string>& arguments, const Environment& environment, std::string_view builtFor);

// Asks each display in turn, as Qt will; empty as soon as one answers or a
// plugin needs none, else the line to show.
std::optional<std::string> unreachableDisplay(
    const std::vector<DisplayAttempt>& attempts, const Environment& environment);

} // namespace app
