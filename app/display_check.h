// Whether the window can be shown at all, asked before Qt picks its platform:
// Qt aborts with a core dump and advice to reinstall when no platform starts,
// which tells a user who is simply away from a desktop nothing.
#pragma once

#include <optional>
#include <string>

namespace app {

// Empty when the platform Qt will take can show windows: an X server or a
// Wayland compositor answers, or the platform needs none (offscreen, minimal,
// or any other named with -platform or QT_QPA_PLATFORM). Otherwise the one
// line that tells the user why the window cannot open and what to do instead.
// Where windows need no display server (Windows), always empty.
std::optional<std::string> unreachableDisplay(int argc, const char* const* argv);

} // namespace app
