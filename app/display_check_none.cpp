#include "app/display_check.h"

// On Windows the desktop is always there to show the window on.
std::optional<std::string> app::unreachableDisplay(int, const char* const*)
{
    return std::nullopt;
}
