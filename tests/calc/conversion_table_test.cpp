#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string>

#include "calc/units.h"

namespace calc {
namespace {

// Unit sizes in m3 per hour, worked out here from the units' names alone so
// that the check does not lean on the table it checks.
long double flowUnitSize(std::string_view text)
{
    const long double usGallon = 0.003785411784L;
    const long double imperialGallon = 0.00454609L;
    const std::map<std::string_view, long double> volumes = {
        { "cubic feet", 0.028316846592L },
        { "US gallon", usGallon },
        { "million US gallon", 1e6L * usGallon },
        { "liter", 0.001L },
        { "cubic meter", 1.0L },
        { "imperial gallon", imperialGallon },
        { "UK Barrels", 36 * imperialGallon },
        { "US Liquid Barrels", 31.5L * usGallon },
        { "US Oil Barrels", 42 * usGallon },
        { "US Federal Barrels", 31 * usGallon },
    };
    const std::map<std::string_view, long double> hoursPerSpan = {
        { "sec", 1 / 3600.0L },
        { "second", 1 / 3600.0L },
        { "minute", 1 / 60.0L },
        { "hour", 1.0L },
        { "hr", 1.0L },
        { "day", 24.0L },
    };
    const auto slash = text.find('/');
    return volumes.at(text.substr(0, slash)) / hoursPerSpan.at(text.substr(slash + 1));
}

long double roundHalfUp(long double value, int places)
{
    const long double scale = std::pow(10.0L, places);
    return std::floor(value * scale + 0.5L) / scale;
}

long double ruleFactor(int from, int to)
{
    if (from == to)
        return 1;
    if (to == 8)
        return ruleFactor(from, 7) / 1e6L;
    const long double ratio = flowUnitSize(FlowUnits[from]) / flowUnitSize(FlowUnits[to]);
    return roundHalfUp(ratio, ratio < 1e-6L ? 9 : 6);
}

// Off the base row and column a unit change multiplies by one factor, so each
// must be the units' true ratio, the double nearest to it; and it must stay
// within what the rounded rule of the published tables allows.
TEST(FlowConversion, EveryEntryOffTheBaseIsTheTrueRatio)
{
    for (int from = 0; from < 37; ++from) {
        for (int to = 0; to < 37; ++to) {
            if (from == FlowBaseIndex || to == FlowBaseIndex)
                continue;
            const double factor = FlowConversion(from, to);
            const long double ratio = flowUnitSize(FlowUnits[from]) / flowUnitSize(FlowUnits[to]);
            const long double halfUlp = (std::nextafter(factor, HUGE_VAL) - factor) / 2.0L;
            EXPECT_LE(std::fabs(factor - ratio), 1.01L * halfUlp) << FlowUnits[from] << " into " << FlowUnits[to];
            const long double rule = ruleFactor(from, to);
            EXPECT_LE(std::fabs(factor - rule), std::max(5e-7L, 1e-5L * rule))
                << FlowUnits[from] << " into " << FlowUnits[to];
        }
    }
}

// The published base row and column are rounded to a few digits, so they are
// only near the unit sizes; a slip in copying them would be far off.
TEST(FlowConversion, BaseRowAndColumnAreNearTheUnitSizes)
{
    for (int i = 0; i < 37; ++i) {
        const long double size = flowUnitSize(FlowUnits[i]);
        EXPECT_LE(std::fabs(FlowConversion(i, FlowBaseIndex) - size), std::max(1e-6L, 1e-3L * size)) << FlowUnits[i];
        EXPECT_LE(std::fabs(FlowConversion(FlowBaseIndex, i) - 1 / size), std::max(1e-6L, 1e-3L / size))
            << FlowUnits[i];
    }
}

struct Entry {
    int from;
    int to;
    double factor;
};

TEST(ConversionTables, HoldTheseDigitsExactly)
{
    const Entry flow[] = {
        { 0, 15, 101.940649 },
        { 15, 0, 0.00981 },
        { 9, 15, 3.6 },
        { 15, 9, 0.27778 },
        { 15, 8, 0.00634 },
        { 8, 15, 157.72549 },
        { 36, 15, 0.004889 },
        { 15, 36, 204.520303 },
        { 7, 8, 0.000001 },
        { 8, 7, 1000000 },
        { 36, 36, 1 },
    };
    for (const auto& e : flow)
        EXPECT_EQ(FlowConversion(e.from, e.to), e.factor) << FlowUnits[e.from] << " into " << FlowUnits[e.to];

    const Entry velocity[] = {
        { 0, 1, 0.0833333 },
        { 1, 0, 12 },
        { 2, 0, 0.3937007874 },
        { 3, 0, 39.37007874 },
        { 2, 1, 0.03280839895 },
        { 3, 1, 3.280839895 },
        { 1, 3, 0.3048 },
        { 3, 3, 1 },
    };
    for (const auto& e : velocity)
        EXPECT_EQ(VelocityConversion(e.from, e.to), e.factor)
            << VelocityUnits[e.from] << " into " << VelocityUnits[e.to];
}

TEST(ConversionTables, RefusePositionsOutsideThem)
{
    const std::pair<int, int> velocity[] = { { 4, 0 }, { 0, 4 }, { -1, 0 }, { 0, -1 } };
    for (const auto& [from, to] : velocity)
        EXPECT_THROW(VelocityConversion(from, to), std::out_of_range) << from << ", " << to;
    const std::pair<int, int> flow[] = { { 37, 0 }, { 0, 37 }, { -1, 15 }, { 15, -1 }, { 32767, 0 } };
    for (const auto& [from, to] : flow)
        EXPECT_THROW(FlowConversion(from, to), std::out_of_range) << from << ", " << to;
}

} // namespace
} // namespace calc
