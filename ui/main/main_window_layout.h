// The main window's fixed layout: its size and its controls.
#pragma once

#include <array>

#include "ui/common/layout.h"

namespace ui {

inline constexpr int ClientWidthTwips = 5520;
inline constexpr int ClientHeightTwips = 3555;

extern const std::array<Control, 19> MainWindowControls;

} // namespace ui
