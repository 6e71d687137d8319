// The main window's fixed layout: its size and its controls.
#pragma once

#include <QFont>
#include <QtGlobal>
#include <array>

#include "ui/common/layout.h"

namespace ui {

inline constexpr int ClientWidthTwips = 5520;
inline constexpr int ClientHeightTwips = 3555;

extern const std::array<Control, 19> MainWindowControls;

// The banner's three lines, drawn over its picture in the user's language,
// each from BannerLineMargin pixels in and at most BannerLineWidth across;
// the maker's address under them is in the picture, the same in every
// language.
inline constexpr std::array<const char*, 3> BannerLines = { QT_TRANSLATE_NOOP("Ludrix", "Pipe sizing software"),
    QT_TRANSLATE_NOOP("Ludrix", "Flow meters and gauges"), QT_TRANSLATE_NOOP("Ludrix", "Free engineering tools") };
inline constexpr int BannerLineMargin = 7;
inline constexpr int BannerLineWidth = 200 - 2 * BannerLineMargin;
inline constexpr int BannerFirstBaseline = 15;
inline constexpr int BannerLineSpacing = 14;
QFont bannerFont();

} // namespace ui
