#include "calc/calculator.h"

#include <cmath>
#include <utility>

#include "calc/units.h"

namespace calc {

namespace {

const char* describe(ArithmeticError::Kind kind)
{
    switch (kind) {
    case ArithmeticError::Kind::Overflow:
        return LUDRIX_TEXT("Notice", "The result is too large to calculate.");
    case ArithmeticError::Kind::DivisionByZero:
        return LUDRIX_TEXT("Notice", "A value is too small to calculate with.");
    case ArithmeticError::Kind::NegativeSquareRoot:
        return LUDRIX_TEXT("Notice", "Velocity and flow rate need the same sign to calculate a diameter.");
    }
    return LUDRIX_TEXT("Notice", "The calculation failed.");
}

// Every step is checked on its own so that no infinity or nan travels on into
// a later step, let alone into a box.
double times(double a, double b)
{
    const double product = a * b;
    if (!std::isfinite(product))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return product;
}

double over(double a, double b)
{
    if (b == 0)
        throw ArithmeticError(ArithmeticError::Kind::DivisionByZero);
    const double quotient = a / b;
    if (!std::isfinite(quotient))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return quotient;
}

double squareRoot(double a)
{
    if (a < 0)
        throw ArithmeticError(ArithmeticError::Kind::NegativeSquareRoot);
    return std::sqrt(a);
}

} // namespace

ArithmeticError::ArithmeticError(Kind kind)
    : std::runtime_error(describe(kind))
    , kind_(kind)
{
}

Calculator::Calculator(CalculatorWindow& window, NumberFormat format)
    : window_(window)
    , format_(std::move(format))
{
}

void Calculator::initialise()
{
    state_.DiameterUnitIndex = 0;
    state_.PreviousVelocityUnitIndex = 0;
    state_.VelocityUnitIndex = 0;
    state_.PreviousFlowUnitIndex = 0;
    state_.FlowUnitIndex = 0;
}

// A box counts when it holds a number other than zero; anything else in it is
// taken as empty, without a word, so that it can be the box computed.
std::optional<double> Calculator::givenValue(Box box) const
{
    const auto value = readNumber(window_.text(box), format_);
    if (!value || *value == 0)
        return std::nullopt;
    return value;
}

void Calculator::Calculate_Click()
{
    const auto diameter = givenValue(Box::Diameter);
    const auto velocity = givenValue(Box::Velocity);
    const auto flowrate = givenValue(Box::Flowrate);
    const int given = int(diameter.has_value()) + int(velocity.has_value()) + int(flowrate.has_value());
    if (given != 2) {
        window_.showNotice(NeedTwoValuesNotice);
        return;
    }
    if (diameter && velocity)
        solveFlowrate(*diameter, *velocity);
    else if (velocity && flowrate)
        solveDiameter(*velocity, *flowrate);
    else
        solveVelocity(*diameter, *flowrate);
}

double Calculator::toMillimetres(double diameter) const
{
    return state_.DiameterUnitIndex == 0 ? times(diameter, MmPerInch) : diameter;
}

double Calculator::toMetresPerSecond(double velocity) const
{
    return times(velocity, VelocityConversion(state_.VelocityUnitIndex, VelocityBaseIndex));
}

double Calculator::toCubicMetresPerHour(double flowrate) const
{
    return times(flowrate, FlowConversion(state_.FlowUnitIndex, FlowBaseIndex));
}

void Calculator::solveFlowrate(double diameter, double velocity)
{
    state_.DiameterMm = toMillimetres(diameter);
    state_.VelocityMps = toMetresPerSecond(velocity);
    const double d = state_.DiameterMm;
    state_.FlowM3h = times(times(times(d, PipeAreaFactor), d), state_.VelocityMps);
    const double shown = times(FlowConversion(FlowBaseIndex, state_.FlowUnitIndex), state_.FlowM3h);
    window_.setText(Box::Flowrate, roundedDisplayForm(shown, format_));
}

void Calculator::solveDiameter(double velocity, double flowrate)
{
    state_.VelocityMps = toMetresPerSecond(velocity);
    state_.FlowM3h = toCubicMetresPerHour(flowrate);
    state_.DiameterMm = squareRoot(over(state_.FlowM3h, times(state_.VelocityMps, PipeAreaFactor)));
    if (state_.DiameterUnitIndex == 0)
        state_.DiameterMm = over(state_.DiameterMm, MmPerInch);
    window_.setText(Box::Diameter, roundedDisplayForm(state_.DiameterMm, format_));
}

void Calculator::solveVelocity(double diameter, double flowrate)
{
    state_.DiameterMm = toMillimetres(diameter);
    state_.FlowM3h = toCubicMetresPerHour(flowrate);
    const double d = state_.DiameterMm;
    state_.VelocityMps = over(state_.FlowM3h, times(times(d, d), PipeAreaFactor));
    const double shown = times(VelocityConversion(VelocityBaseIndex, state_.VelocityUnitIndex), state_.VelocityMps);
    window_.setText(Box::Velocity, roundedDisplayForm(shown, format_));
}

std::int16_t Calculator::pickedPosition(UnitList list, std::size_t count) const
{
    const int position = window_.selectedUnit(list);
    if (position < 0 || static_cast<std::size_t>(position) >= count)
        throw std::out_of_range("picked unit position outside its list");
    return static_cast<std::int16_t>(position);
}

// Empty: nothing to convert, silently. Not a number: the notice, and the text
// stays for the user to correct.
std::optional<double> Calculator::valueToConvert(Box box)
{
    const std::string text = window_.text(box);
    if (trimBlanks(text).empty())
        return std::nullopt;
    const auto value = readNumber(text, format_);
    if (!value)
        window_.showNotice(NumericOnlyNotice);
    return value;
}

void Calculator::DiaUnit_Click()
{
    const std::int16_t picked = pickedPosition(UnitList::DiaUnit, DiameterUnits.size());
    // The diameter keeps no previous unit: converting on a pick of the unit
    // already in force would divide or multiply a second time.
    if (picked == state_.DiameterUnitIndex)
        return;
    const auto value = valueToConvert(Box::Diameter);
    if (!value) {
        state_.DiameterUnitIndex = picked;
        return;
    }
    // Converted before the unit is recorded, so that a conversion that fails
    // leaves the box's number in the unit it was written in.
    state_.DiameterMm = picked == 0 ? over(*value, MmPerInch) : times(*value, MmPerInch);
    state_.DiameterUnitIndex = picked;
    window_.setText(Box::Diameter, roundedDisplayForm(state_.DiameterMm, format_));
}

template <int N>
std::optional<double> Calculator::reexpress(
    UnitList list, Box box, const ConversionTable<N>& table, std::int16_t& previous, std::int16_t& current)
{
    const std::int16_t picked = pickedPosition(list, N);
    const auto value = valueToConvert(box);
    // Converted before the unit is recorded, as for the diameter.
    const auto converted = value ? std::optional(times(*value, table(current, picked))) : std::nullopt;
    // The unit is recorded even when there is nothing to convert: a number
    // typed later is read in it.
    previous = current;
    current = picked;
    return converted;
}

void Calculator::VelUnit_Click()
{
    const auto value = reexpress(UnitList::VelUnit, Box::Velocity, VelocityConversion, state_.PreviousVelocityUnitIndex,
        state_.VelocityUnitIndex);
    if (!value)
        return;
    state_.VelocityMps = *value;
    window_.setText(Box::Velocity, roundedDisplayForm(state_.VelocityMps, format_));
}

void Calculator::FlowUnit_Click()
{
    const auto value = reexpress(
        UnitList::FlowUnit, Box::Flowrate, FlowConversion, state_.PreviousFlowUnitIndex, state_.FlowUnitIndex);
    if (!value)
        return;
    // Flow rates span many orders of magnitude, so they keep all 15 digits
    // rather than being rounded to 8 places.
    state_.FlowM3h = *value;
    window_.setText(Box::Flowrate, displayForm(state_.FlowM3h, format_));
}

} // namespace calc
