#include "calc/unit_definitions.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "calc/unit_sizes.h"
#include "calc/units.h"

namespace calc {

namespace {

using namespace sizes;

// A unit by its size, and, where it is commonly known by another unit, how
// many of that one it holds.
struct Size {
    std::int64_t size;
    std::string_view name;
    std::int64_t madeOf; // 0: told in SI units only
    std::string_view madeOfName;
};

constexpr std::array<Size, 10> Volumes { {
    { CubicFeet, "cubic foot", CubicInch, "cubic inches" },
    { UsGallon, "US gallon", CubicInch, "cubic inches" },
    { MillionUsGallon, "million US gallons", UsGallon, "US gallons" },
    { Liter, "liter", 0, {} },
    { CubicMeter, "cubic meter", 0, {} },
    { ImperialGallon, "imperial gallon", Liter, "liters" },
    { UkBarrel, "UK barrel", ImperialGallon, "imperial gallons" },
    { UsLiquidBarrel, "US liquid barrel", UsGallon, "US gallons" },
    { UsOilBarrel, "US oil barrel", UsGallon, "US gallons" },
    { UsFederalBarrel, "US federal barrel", UsGallon, "US gallons" },
} };

constexpr std::array<Size, 2> Diameters { {
    { Inch, "inch", Millimetre, "mm" },
    { Millimetre, "millimeter", 0, {} },
} };

constexpr std::array<Size, 4> Velocities { {
    { Inch, "inch", Millimetre, "mm" },
    { Foot, "foot", Inch, "inches" },
    { Centimetre, "centimeter", 0, {} },
    { Metre, "meter", 0, {} },
} };

std::string_view spanName(std::int64_t spansPerDay)
{
    switch (spansPerDay) {
    case PerSecond:
        return "second";
    case PerMinute:
        return "minute";
    case PerHour:
        return "hour";
    case PerDay:
        return "day";
    }
    throw std::logic_error("a flow unit per an unknown time span");
}

// numerator / denominator written out in full; every ratio of the sizes here
// ends within a dozen decimal places, so nothing is rounded.
std::string exactDecimal(std::int64_t numerator, std::int64_t denominator, const NumberFormat& format)
{
    const std::string whole = std::to_string(numerator / denominator);
    std::string text;
    // Group only the long whole parts, so that a million is not misread as
    // a hundred thousand, while "3785" stays as a reader would write it.
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (whole.size() > 4 && i > 0 && (whole.size() - i) % 3 == 0)
            text += ',';
        text += whole[i];
    }
    std::int64_t remainder = numerator % denominator;
    if (remainder != 0)
        text += '.';
    for (int places = 0; remainder != 0 && places < 15; ++places) {
        remainder *= 10;
        text += static_cast<char>('0' + remainder / denominator);
        remainder %= denominator;
    }
    return localForm(text, format);
}

std::string definition(
    const Size& unit, std::int64_t si, std::string_view siName, std::string_view span, const NumberFormat& format)
{
    std::string text(unit.name);
    const std::string perSpan = span.empty() ? std::string() : "per " + std::string(span);
    if (!span.empty())
        text += " " + perSpan;
    text += ": ";
    if (unit.madeOf != 0)
        text += exactDecimal(unit.size, unit.madeOf, format) + " " + std::string(unit.madeOfName) + " = ";
    text += exactDecimal(unit.size, si, format) + " " + std::string(siName);
    if (!span.empty())
        text += ", " + perSpan;
    return text;
}

} // namespace

std::string unitDefinition(UnitList list, int position, const NumberFormat& format)
{
    const auto at = static_cast<std::size_t>(position);
    switch (list) {
    case UnitList::DiaUnit:
        return definition(Diameters.at(at), Metre, "m", {}, format);
    case UnitList::VelUnit:
        return definition(Velocities.at(at), Metre, "m", "second", format);
    case UnitList::FlowUnit:
        break;
    }
    const FlowUnitSize flow = flowUnitSize(position);
    for (const Size& volume : Volumes) {
        if (volume.size == flow.volume)
            return definition(volume, CubicMeter, "m³", spanName(flow.spansPerDay), format);
    }
    throw std::logic_error("a flow unit of an unknown volume");
}

} // namespace calc
