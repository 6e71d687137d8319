#include "calc/unit_definitions.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/unit_sizes.h"
#include "calc/units.h"

namespace calc {

namespace {

using namespace sizes;

// A unit by its size and name, and, where it is commonly known by another
// unit, how many of that one it holds, as "%1 cubic inches".
struct Size {
    std::int64_t size;
    const char* name;
    std::int64_t madeOf; // 0: told in SI units only
    const char* madeOfAmount;
};

// The counts of the made-of units run from 1 to a million, some with
// fractions: a translation of an amount must read right with each of them.
constexpr std::array<Size, 10> Volumes { {
    { CubicFeet, LUDRIX_TEXT("UnitDefinition", "cubic foot"), CubicInch,
        LUDRIX_TEXT("UnitDefinition", "%1 cubic inches") },
    { UsGallon, LUDRIX_TEXT("UnitDefinition", "US gallon"), CubicInch,
        LUDRIX_TEXT("UnitDefinition", "%1 cubic inches") },
    { MillionUsGallon, LUDRIX_TEXT("UnitDefinition", "million US gallons"), UsGallon,
        LUDRIX_TEXT("UnitDefinition", "%1 US gallons") },
    { Liter, LUDRIX_TEXT("UnitDefinition", "liter"), 0, nullptr },
    { CubicMeter, LUDRIX_TEXT("UnitDefinition", "cubic meter"), 0, nullptr },
    { ImperialGallon, LUDRIX_TEXT("UnitDefinition", "imperial gallon"), Liter,
        LUDRIX_TEXT("UnitDefinition", "%1 liters") },
    { UkBarrel, LUDRIX_TEXT("UnitDefinition", "UK barrel"), ImperialGallon,
        LUDRIX_TEXT("UnitDefinition", "%1 imperial gallons") },
    { UsLiquidBarrel, LUDRIX_TEXT("UnitDefinition", "US liquid barrel"), UsGallon,
        LUDRIX_TEXT("UnitDefinition", "%1 US gallons") },
    { UsOilBarrel, LUDRIX_TEXT("UnitDefinition", "US oil barrel"), UsGallon,
        LUDRIX_TEXT("UnitDefinition", "%1 US gallons") },
    { UsFederalBarrel, LUDRIX_TEXT("UnitDefinition", "US federal barrel"), UsGallon,
        LUDRIX_TEXT("UnitDefinition", "%1 US gallons") },
} };

constexpr std::array<Size, 2> Diameters { {
    { Inch, LUDRIX_TEXT("UnitDefinition", "inch"), Millimetre, LUDRIX_TEXT("UnitDefinition", "%1 mm") },
    { Millimetre, LUDRIX_TEXT("UnitDefinition", "millimeter"), 0, nullptr },
} };

constexpr std::array<Size, 4> Velocities { {
    { Inch, LUDRIX_TEXT("UnitDefinition", "inch"), Millimetre, LUDRIX_TEXT("UnitDefinition", "%1 mm") },
    { Foot, LUDRIX_TEXT("UnitDefinition", "foot"), Inch, LUDRIX_TEXT("UnitDefinition", "%1 inches") },
    { Centimetre, LUDRIX_TEXT("UnitDefinition", "centimeter"), 0, nullptr },
    { Metre, LUDRIX_TEXT("UnitDefinition", "meter"), 0, nullptr },
} };

// The whole line for each span, so that a language may place the unit, its
// amounts and the span as its sentences do. %1 is the unit, %2 its amount in
// SI units, %3 (before %2 in English) its amount in the unit it is made of.
struct Sentences {
    const char* si;
    const char* madeOf;
};

Sentences sentencesFor(std::int64_t spansPerDay)
{
    switch (spansPerDay) {
    case 0:
        return { LUDRIX_TEXT("UnitDefinition", "%1: %2"), LUDRIX_TEXT("UnitDefinition", "%1: %3 = %2") };
    case PerSecond:
        return { LUDRIX_TEXT("UnitDefinition", "%1 per second: %2, per second"),
            LUDRIX_TEXT("UnitDefinition", "%1 per second: %3 = %2, per second") };
    case PerMinute:
        return { LUDRIX_TEXT("UnitDefinition", "%1 per minute: %2, per minute"),
            LUDRIX_TEXT("UnitDefinition", "%1 per minute: %3 = %2, per minute") };
    case PerHour:
        return { LUDRIX_TEXT("UnitDefinition", "%1 per hour: %2, per hour"),
            LUDRIX_TEXT("UnitDefinition", "%1 per hour: %3 = %2, per hour") };
    case PerDay:
        return { LUDRIX_TEXT("UnitDefinition", "%1 per day: %2, per day"),
            LUDRIX_TEXT("UnitDefinition", "%1 per day: %3 = %2, per day") };
    }
    throw std::logic_error("a flow unit per an unknown time span");
}

// The pattern with each %N in it replaced by the Nth of the values.
std::string filledIn(std::string pattern, std::initializer_list<std::string_view> values)
{
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const std::size_t n = at + 1 < pattern.size() ? static_cast<std::size_t>(pattern[at + 1] - '1') : values.size();
        if (pattern[at] == '%' && n < values.size()) {
            text += values.begin()[n];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
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

std::string definition(const Size& unit, std::int64_t si, const char* siAmount, std::int64_t spansPerDay,
    const NumberFormat& format, const Translate& translate)
{
    const auto words = [&](const char* text) { return translate ? translate("UnitDefinition", text) : text; };
    const Sentences sentences = sentencesFor(spansPerDay);
    const std::string inSi = filledIn(siAmount, { exactDecimal(unit.size, si, format) });
    if (unit.madeOf == 0)
        return filledIn(words(sentences.si), { words(unit.name), inSi });
    return filledIn(words(sentences.madeOf),
        { words(unit.name), inSi,
            filledIn(words(unit.madeOfAmount), { exactDecimal(unit.size, unit.madeOf, format) }) });
}

} // namespace

std::string unitDefinition(UnitList list, int position, const NumberFormat& format, const Translate& translate)
{
    const auto at = static_cast<std::size_t>(position);
    switch (list) {
    case UnitList::DiaUnit:
        return definition(Diameters.at(at), Metre, "%1 m", 0, format, translate);
    case UnitList::VelUnit:
        return definition(Velocities.at(at), Metre, "%1 m", PerSecond, format, translate);
    case UnitList::FlowUnit:
        break;
    }
    const FlowUnitSize flow = flowUnitSize(position);
    for (const Size& volume : Volumes) {
        if (volume.size == flow.volume)
            return definition(volume, CubicMeter, "%1 m³", flow.spansPerDay, format, translate);
    }
    throw std::logic_error("a flow unit of an unknown volume");
}

} // namespace calc
