// The unit lists the window offers and the factors that convert between them.
// A unit is known only by its position in its list.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calc/texts.h"

namespace calc {

inline constexpr double MmPerInch = 25.4;
// Six decimal places on purpose: results are expected to match this constant,
// not the more precise pi / 4 / 1000 * 3.6.
inline constexpr double PipeAreaFactor = 0.002827;

inline constexpr int VelocityBaseIndex = 3; // "m/sec"
inline constexpr int FlowBaseIndex = 15; // "cubic meter/hour"

inline constexpr std::array<std::string_view, 2> DiameterUnits { LUDRIX_TEXT("Units", "inches"),
    LUDRIX_TEXT("Units", "mm") };
inline constexpr std::array<std::string_view, 4> VelocityUnits { LUDRIX_TEXT("Units", "inches/sec"),
    LUDRIX_TEXT("Units", "ft/sec"), LUDRIX_TEXT("Units", "cm/sec"), LUDRIX_TEXT("Units", "m/sec") };
extern const std::array<std::string_view, 37> FlowUnits;

// value in unit `to` = value in unit `from` * table(from, to)
template <int N> class ConversionTable {
public:
    using Rows = std::array<std::array<double, N>, N>;

    constexpr explicit ConversionTable(const Rows& rows)
        : rows_(rows)
    {
    }

    // Positions come from list selections, so a bad one is a programming error;
    // it must still never read outside the table.
    double operator()(int from, int to) const;

private:
    Rows rows_;
};

extern const ConversionTable<4> VelocityConversion;
extern const ConversionTable<37> FlowConversion;

// The sizes a flow unit's factors are worked out from, in calc::sizes' units.
struct FlowUnitSize {
    std::int64_t volume;
    std::int64_t spansPerDay;
};
FlowUnitSize flowUnitSize(int position);

} // namespace calc
