#include <cctype>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <string_view>

#include "calc/unit_definitions.h"
#include "calc/units.h"

namespace calc {
namespace {

// A flow unit's size in m³ per hour, worked out here from its name alone so
// that the check does not lean on the sizes the table is made from.
long double sizeByName(std::string_view text)
{
    const long double usGallon = 0.003785411784L, imperialGallon = 0.00454609L;
    const std::map<std::string_view, long double> volumes { { "cubic feet", 0.028316846592L },
        { "US gallon", usGallon }, { "million US gallon", 1e6L * usGallon }, { "liter", 0.001L }, { "cubic meter", 1 },
        { "imperial gallon", imperialGallon }, { "UK Barrels", 36 * imperialGallon },
        { "US Liquid Barrels", 31.5L * usGallon }, { "US Oil Barrels", 42 * usGallon },
        { "US Federal Barrels", 31 * usGallon } };
    const std::map<std::string_view, long double> perHour { { "sec", 3600 }, { "second", 3600 }, { "minute", 60 },
        { "hour", 1 }, { "hr", 1 }, { "day", 1 / 24.0L } };
    const auto slash = text.find('/');
    return volumes.at(text.substr(0, slash)) * perHour.at(text.substr(slash + 1));
}

// Off the base row and column a unit change multiplies by one factor, so each
// must be the units' true ratio, the double nearest to it.
TEST(FlowConversion, EveryEntryOffTheBaseIsTheTrueRatio)
{
    for (int from = 0; from < 37; ++from) {
        for (int to = 0; to < 37; ++to) {
            if (from == FlowBaseIndex || to == FlowBaseIndex)
                continue;
            const double factor = FlowConversion(from, to);
            const long double ratio = sizeByName(FlowUnits[from]) / sizeByName(FlowUnits[to]);
            const long double halfUlp = (std::nextafter(factor, HUGE_VAL) - factor) / 2.0L;
            EXPECT_LE(std::fabs(factor - ratio), 1.01L * halfUlp) << FlowUnits[from] << " into " << FlowUnits[to];
        }
    }
}

// The published factors into and out of cubic meter/hour, entered a second
// time from the published table: they are rounded, up to 0.8 % off the unit
// sizes, so only a digit-for-digit match shows a slip in one of them.
constexpr double IntoBase[37] { 101.940649, 1.699011, 0.028317, 0.00118, 13.627482, 0.227125, 0.003785, 0.000158,
    157.72549, 3.6, 0.06, 0.001, 0.000042, 3600, 60, 1, 0.041667, 16.365924, 0.272765, 0.004546, 0.000189, 589.173264,
    9.819554, 0.163659, 0.006819, 429.265692, 7.154428, 0.11924, 0.004968, 572.35428, 9.539238, 0.158987, 0.006624,
    422.451972, 7.040866, 0.117348, 0.004889 };
constexpr double OutOfBase[37] { 0.00981, 0.58858, 35.314667, 847.552001, 0.073381, 4.40287, 264.17204, 6340.12889,
    0.00634, 0.27778, 16.66667, 1000, 24000, 0.000278, 0.016667, 1, 24, 0.061103, 3.66623, 219.9736, 5279.36648,
    0.001697, 0.101838, 6.110257, 146.646163, 0.00233, 0.139774, 8.386414, 201.273955, 0.001747, 0.10483, 6.289811,
    150.955461, 0.002367, 0.142028, 8.521679, 204.520303 };
constexpr double Velocity[16] { 1, 0.0833333, 2.54, 0.0254, 12, 1, 30.48, 0.3048, 0.3937007874, 0.03280839895, 1, 0.01,
    39.37007874, 3.280839895, 100, 1 };

TEST(ConversionTables, HoldThePublishedDigits)
{
    for (int i = 0; i < 37; ++i) {
        EXPECT_EQ(FlowConversion(i, FlowBaseIndex), IntoBase[i]) << FlowUnits[i];
        EXPECT_EQ(FlowConversion(FlowBaseIndex, i), OutOfBase[i]) << FlowUnits[i];
    }
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(VelocityConversion(i / 4, i % 4), Velocity[i]) << i / 4 << " into " << i % 4;
}

TEST(UnitDefinitions, TellTheSizesInTheUsersLocale)
{
    const NumberFormat point, comma { .decimalSeparator = ",", .groupSeparator = "." };
    const NumberFormat arabic { .decimalSeparator = "٫", .groupSeparator = "٬", .minusSign = "-", .zeroDigit = U'٠' };
    EXPECT_EQ(unitDefinition(UnitList::FlowUnit, 23, point),
        "UK barrel per hour: 36 imperial gallons = 0.16365924 m³, per hour");
    EXPECT_EQ(unitDefinition(UnitList::FlowUnit, 8, comma),
        "million US gallons per day: 1.000.000 US gallons = 3785,411784 m³, per day");
    EXPECT_EQ(unitDefinition(UnitList::VelUnit, 1, point), "foot per second: 12 inches = 0.3048 m, per second");
    EXPECT_EQ(unitDefinition(UnitList::DiaUnit, 0, arabic), "inch: ٢٥٫٤ mm = ٠٫٠٢٥٤ m");
}

// A definition under another unit's name misleads worse than none: each must
// name the unit its entry's own text names, read word by word.
TEST(UnitDefinitions, NameTheUnitOfTheirEntry)
{
    const auto spelledOut = [](std::string_view text) {
        const std::map<std::string, std::string> words { { "feet", "foot" }, { "ft", "foot" },
            { "inches", "inch" }, { "mm", "millimeter" }, { "cm", "centimeter" }, { "m", "meter" },
            { "sec", "second" }, { "hr", "hour" } };
        std::string out, word;
        for (const char c : std::string(text) + ' ') {
            if (c != ' ' && c != '/') {
                word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                continue;
            }
            if (words.contains(word))
                word = words.at(word);
            else if (word.size() > 3 && word.back() == 's')
                word.pop_back();
            out += word + (c == '/' ? " per " : " ");
            word.clear();
        }
        return out;
    };
    const NumberFormat point;
    const auto check = [&](UnitList list, const auto& texts) {
        for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
            const std::string definition = unitDefinition(list, i, point);
            EXPECT_EQ(spelledOut(definition.substr(0, definition.find(':'))), spelledOut(texts[i]));
        }
    };
    check(UnitList::DiaUnit, DiameterUnits);
    check(UnitList::VelUnit, VelocityUnits);
    check(UnitList::FlowUnit, FlowUnits);
}

} // namespace
} // namespace calc
