#include "calc/units.h"

#include <cstdint>
#include <stdexcept>

#include "calc/unit_sizes.h"

namespace calc {

template <int N> double ConversionTable<N>::operator()(int from, int to) const
{
    if (from < 0 || from >= N || to < 0 || to >= N)
        throw std::out_of_range("unit position outside the conversion table");
    return rows_[from][to];
}

template class ConversionTable<4>;
template class ConversionTable<37>;

// Short factors on purpose: 0.0833333 is not 1/12, and users check results
// against tables that carry these very digits.
constinit const ConversionTable<4> VelocityConversion { { {
    { 1, 0.0833333, 2.54, 0.0254 },
    { 12, 1, 30.48, 0.3048 },
    { 0.3937007874, 0.03280839895, 1, 0.01 },
    { 39.37007874, 3.280839895, 100, 1 },
} } };

namespace {

using namespace sizes;

struct FlowUnit {
    std::string_view text;
    std::int64_t volume;
    std::int64_t spansPerDay;
    double toBase; // into "cubic meter/hour", as published, not derived
    double fromBase; // out of "cubic meter/hour", likewise; not the reciprocal
};

constexpr std::array<FlowUnit, 37> Flow { {
    { LUDRIX_TEXT("Units", "cubic feet/sec"), CubicFeet, PerSecond, 101.940649, 0.00981 },
    { LUDRIX_TEXT("Units", "cubic feet/minute"), CubicFeet, PerMinute, 1.699011, 0.58858 },
    { LUDRIX_TEXT("Units", "cubic feet/hour"), CubicFeet, PerHour, 0.028317, 35.314667 },
    { LUDRIX_TEXT("Units", "cubic feet/day"), CubicFeet, PerDay, 0.00118, 847.552001 },
    { LUDRIX_TEXT("Units", "US gallon/sec"), UsGallon, PerSecond, 13.627482, 0.073381 },
    { LUDRIX_TEXT("Units", "US gallon/minute"), UsGallon, PerMinute, 0.227125, 4.40287 },
    { LUDRIX_TEXT("Units", "US gallon/hour"), UsGallon, PerHour, 0.003785, 264.17204 },
    { LUDRIX_TEXT("Units", "US gallon/day"), UsGallon, PerDay, 0.000158, 6340.12889 },
    { LUDRIX_TEXT("Units", "million US gallon/day"), MillionUsGallon, PerDay, 157.72549, 0.00634 },
    { LUDRIX_TEXT("Units", "liter/second"), Liter, PerSecond, 3.6, 0.27778 },
    { LUDRIX_TEXT("Units", "liter/minute"), Liter, PerMinute, 0.06, 16.66667 },
    { LUDRIX_TEXT("Units", "liter/hr"), Liter, PerHour, 0.001, 1000 },
    { LUDRIX_TEXT("Units", "liter/day"), Liter, PerDay, 0.000042, 24000 },
    { LUDRIX_TEXT("Units", "cubic meter/sec"), CubicMeter, PerSecond, 3600, 0.000278 },
    { LUDRIX_TEXT("Units", "cubic meter/minute"), CubicMeter, PerMinute, 60, 0.016667 },
    { LUDRIX_TEXT("Units", "cubic meter/hour"), CubicMeter, PerHour, 1, 1 },
    { LUDRIX_TEXT("Units", "cubic meter/day"), CubicMeter, PerDay, 0.041667, 24 },
    { LUDRIX_TEXT("Units", "imperial gallon/sec"), ImperialGallon, PerSecond, 16.365924, 0.061103 },
    { LUDRIX_TEXT("Units", "imperial gallon/minute"), ImperialGallon, PerMinute, 0.272765, 3.66623 },
    { LUDRIX_TEXT("Units", "imperial gallon/hour"), ImperialGallon, PerHour, 0.004546, 219.9736 },
    { LUDRIX_TEXT("Units", "imperial gallon/day"), ImperialGallon, PerDay, 0.000189, 5279.36648 },
    { LUDRIX_TEXT("Units", "UK Barrels/sec"), UkBarrel, PerSecond, 589.173264, 0.001697 },
    { LUDRIX_TEXT("Units", "UK Barrels/minute"), UkBarrel, PerMinute, 9.819554, 0.101838 },
    { LUDRIX_TEXT("Units", "UK Barrels/hour"), UkBarrel, PerHour, 0.163659, 6.110257 },
    { LUDRIX_TEXT("Units", "UK Barrels/day"), UkBarrel, PerDay, 0.006819, 146.646163 },
    { LUDRIX_TEXT("Units", "US Liquid Barrels/sec"), UsLiquidBarrel, PerSecond, 429.265692, 0.00233 },
    { LUDRIX_TEXT("Units", "US Liquid Barrels/minute"), UsLiquidBarrel, PerMinute, 7.154428, 0.139774 },
    { LUDRIX_TEXT("Units", "US Liquid Barrels/hour"), UsLiquidBarrel, PerHour, 0.11924, 8.386414 },
    { LUDRIX_TEXT("Units", "US Liquid Barrels/day"), UsLiquidBarrel, PerDay, 0.004968, 201.273955 },
    { LUDRIX_TEXT("Units", "US Oil Barrels/sec"), UsOilBarrel, PerSecond, 572.35428, 0.001747 },
    { LUDRIX_TEXT("Units", "US Oil Barrels/minute"), UsOilBarrel, PerMinute, 9.539238, 0.10483 },
    { LUDRIX_TEXT("Units", "US Oil Barrels/hour"), UsOilBarrel, PerHour, 0.158987, 6.289811 },
    { LUDRIX_TEXT("Units", "US Oil Barrels/day"), UsOilBarrel, PerDay, 0.006624, 150.955461 },
    { LUDRIX_TEXT("Units", "US Federal Barrels/sec"), UsFederalBarrel, PerSecond, 422.451972, 0.002367 },
    { LUDRIX_TEXT("Units", "US Federal Barrels/minute"), UsFederalBarrel, PerMinute, 7.040866, 0.142028 },
    { LUDRIX_TEXT("Units", "US Federal Barrels/hour"), UsFederalBarrel, PerHour, 0.117348, 8.521679 },
    { LUDRIX_TEXT("Units", "US Federal Barrels/day"), UsFederalBarrel, PerDay, 0.004889, 204.520303 },
} };

// A flow unit's size as a double, refused at compile time when it does not
// convert exactly. Every one does, though some pass 2^53, for they end in
// many factors of two.
constexpr double exactly(std::int64_t size)
{
    const auto converted = static_cast<double>(size);
    if (static_cast<std::int64_t>(converted) != size)
        throw std::logic_error("a flow unit size that a double cannot hold");
    return converted;
}

// Every factor off the published row and column is the units' true ratio: a
// unit change multiplies by this one factor, so any rounding of it shows in
// the result, and stepping through the list compounds it.
constexpr double trueRatio(int from, int to)
{
    const FlowUnit& a = Flow[from];
    const FlowUnit& b = Flow[to];
    // One division of two exact operands rounds once: the double nearest to
    // the true ratio.
    return exactly(a.volume * a.spansPerDay) / exactly(b.volume * b.spansPerDay);
}

constexpr ConversionTable<37> makeFlowConversion()
{
    ConversionTable<37>::Rows rows {};
    for (int from = 0; from < 37; ++from) {
        for (int to = 0; to < 37; ++to) {
            double factor = 0;
            if (from == FlowBaseIndex)
                factor = Flow[to].fromBase;
            else if (to == FlowBaseIndex)
                factor = Flow[from].toBase;
            else if (from == to)
                factor = 1;
            else
                factor = trueRatio(from, to);
            rows[from][to] = factor;
        }
    }
    return ConversionTable<37> { rows };
}

constexpr std::array<std::string_view, 37> flowTexts()
{
    std::array<std::string_view, 37> texts {};
    for (std::size_t i = 0; i < Flow.size(); ++i)
        texts[i] = Flow[i].text;
    return texts;
}

} // namespace

constinit const std::array<std::string_view, 37> FlowUnits = flowTexts();
constinit const ConversionTable<37> FlowConversion = makeFlowConversion();

FlowUnitSize flowUnitSize(int position)
{
    const FlowUnit& unit = Flow.at(static_cast<std::size_t>(position));
    return { unit.volume, unit.spansPerDay };
}

} // namespace calc
