#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>

#include "calc/unit_definitions.h"
#include "calc/units.h"

namespace calc {
namespace {

// The SI figure a definition tells, read back from its text: the word before
// its "m³", or the "m" that stands on its own.
double toldFigure(const std::string& text)
{
    std::size_t unit = text.find(" m³");
    if (unit == std::string::npos)
        unit = text.find(" m,");
    if (unit == std::string::npos)
        unit = text.rfind(" m");
    const std::size_t start = text.rfind(' ', unit - 1) + 1;
    return std::stod(text.substr(start, unit - start));
}

double toldFlowInCubicMetresPerHour(const std::string& text)
{
    static const std::map<std::string, double> hoursPerSpan { { "second", 1 / 3600.0 }, { "minute", 1 / 60.0 },
        { "hour", 1 }, { "day", 24 } };
    return toldFigure(text) / hoursPerSpan.at(text.substr(text.rfind(' ') + 1));
}

// The base row of each table is published rounded, so its tolerance is the
// one that table is checked with.
TEST(UnitDefinitions, TellTheSizesTheFactorsComeFrom)
{
    const NumberFormat format;
    const double diameters[] = { MmPerInch / 1000, 0.001 };
    for (int i = 0; i < 2; ++i)
        EXPECT_DOUBLE_EQ(toldFigure(unitDefinition(UnitList::DiaUnit, i, format)), diameters[i]) << i;
    for (int i = 0; i < 4; ++i) {
        const double factor = VelocityConversion(i, VelocityBaseIndex);
        EXPECT_NEAR(toldFigure(unitDefinition(UnitList::VelUnit, i, format)), factor, 1e-6 * factor)
            << VelocityUnits[i];
    }
    for (int i = 0; i < 37; ++i) {
        const double factor = FlowConversion(i, FlowBaseIndex);
        EXPECT_NEAR(toldFlowInCubicMetresPerHour(unitDefinition(UnitList::FlowUnit, i, format)), factor,
            std::max(1e-6, 1e-3 * factor))
            << FlowUnits[i];
    }
    EXPECT_THROW(unitDefinition(UnitList::FlowUnit, 37, format), std::out_of_range);
}

TEST(UnitDefinitions, ReadAsWrittenInTheUsersLocale)
{
    const NumberFormat point;
    const NumberFormat comma { .decimalSeparator = ",", .groupSeparator = "." };
    const NumberFormat arabic { .decimalSeparator = "٫", .groupSeparator = "٬", .minusSign = "-", .zeroDigit = U'٠' };
    const struct {
        UnitList list;
        int position;
        const NumberFormat& format;
        std::string expected;
    } rows[] = {
        { UnitList::FlowUnit, 23, point, "UK barrel per hour: 36 imperial gallons = 0.16365924 m³, per hour" },
        { UnitList::FlowUnit, 8, comma, "million US gallons per day: 1.000.000 US gallons = 3785,411784 m³, per day" },
        { UnitList::VelUnit, 1, point, "foot per second: 12 inches = 0.3048 m, per second" },
        { UnitList::DiaUnit, 0, arabic, "inch: ٢٥٫٤ mm = ٠٫٠٢٥٤ m" },
    };
    for (const auto& row : rows)
        EXPECT_EQ(unitDefinition(row.list, row.position, row.format), row.expected);
}

} // namespace
} // namespace calc
