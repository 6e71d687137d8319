// The units' sizes as whole numbers, so that ratios between them can be
// worked out exactly: volumes in units of 1e-12 m3, lengths in micrometres,
// time spans as how many fit in a day.
#pragma once

#include <cstdint>

namespace calc::sizes {

inline constexpr std::int64_t CubicInch = 16'387'064;
inline constexpr std::int64_t CubicFeet = 28'316'846'592;
inline constexpr std::int64_t UsGallon = 3'785'411'784;
inline constexpr std::int64_t MillionUsGallon = UsGallon * 1'000'000;
inline constexpr std::int64_t Liter = 1'000'000'000;
inline constexpr std::int64_t CubicMeter = 1'000'000'000'000;
inline constexpr std::int64_t ImperialGallon = 4'546'090'000;
inline constexpr std::int64_t UkBarrel = 36 * ImperialGallon;
inline constexpr std::int64_t UsLiquidBarrel = UsGallon * 63 / 2;
inline constexpr std::int64_t UsOilBarrel = 42 * UsGallon;
inline constexpr std::int64_t UsFederalBarrel = 31 * UsGallon;

inline constexpr std::int64_t PerSecond = 86'400;
inline constexpr std::int64_t PerMinute = 1'440;
inline constexpr std::int64_t PerHour = 24;
inline constexpr std::int64_t PerDay = 1;

inline constexpr std::int64_t Millimetre = 1'000;
inline constexpr std::int64_t Centimetre = 10'000;
inline constexpr std::int64_t Metre = 1'000'000;
inline constexpr std::int64_t Inch = 25'400;
inline constexpr std::int64_t Foot = 12 * Inch;

} // namespace calc::sizes
