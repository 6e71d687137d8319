// The calculator behind the main window: its state, the solver behind
// Calculate and the re-expression of a value when its unit changes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "calc/calculator_window.h"
#include "calc/number_text.h"
#include "calc/texts.h"

namespace calc {

template <int N> class ConversionTable;

inline constexpr std::string_view NeedTwoValuesNotice
    = LUDRIX_TEXT("Notice", "You need any 2 values to calculate flow rate!");
inline constexpr std::string_view NumericOnlyNotice = LUDRIX_TEXT("Notice", "The Ludrix accept only numeric values");

struct CalculatorState {
    double DiameterMm = 0;
    double VelocityMps = 0;
    double FlowM3h = 0;
    std::int16_t DiameterUnitIndex = 0;
    std::int16_t PreviousVelocityUnitIndex = 0;
    std::int16_t VelocityUnitIndex = 0;
    std::int16_t PreviousFlowUnitIndex = 0;
    std::int16_t FlowUnitIndex = 0;

    bool operator==(const CalculatorState&) const = default;
};

// A step of a calculation whose result is no finite number. Thrown before any
// box is written; what() is a sentence fit to show the user.
class ArithmeticError : public std::runtime_error {
public:
    enum class Kind { Overflow, DivisionByZero, NegativeSquareRoot };

    explicit ArithmeticError(Kind kind);
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

class Calculator {
public:
    Calculator(CalculatorWindow& window, NumberFormat format);

    // The locale's way with numbers, which the window's other texts follow too.
    const NumberFormat& format() const { return format_; }

    // Every unit position back to the first entry of its list.
    void initialise();

    void Calculate_Click();
    // A pick whose conversion fails throws ArithmeticError and is not
    // recorded: the unit in force stays the one the box's number is in.
    void DiaUnit_Click();
    void VelUnit_Click();
    void FlowUnit_Click();

    const CalculatorState& state() const { return state_; }

private:
    std::optional<double> givenValue(Box box) const;
    std::optional<double> valueToConvert(Box box);
    std::int16_t pickedPosition(UnitList list, std::size_t count) const;
    double toMillimetres(double diameter) const;
    double toMetresPerSecond(double velocity) const;
    double toCubicMetresPerHour(double flowrate) const;
    template <int N>
    std::optional<double> reexpress(
        UnitList list, Box box, const ConversionTable<N>& table, std::int16_t& previous, std::int16_t& current);

    void solveFlowrate(double diameter, double velocity);
    void solveDiameter(double velocity, double flowrate);
    void solveVelocity(double diameter, double flowrate);

    CalculatorWindow& window_;
    NumberFormat format_;
    CalculatorState state_;
};

// The operation that a pick in the list runs.
constexpr auto pickOperation(UnitList list) -> void (Calculator::*)()
{
    switch (list) {
    case UnitList::DiaUnit:
        return &Calculator::DiaUnit_Click;
    case UnitList::VelUnit:
        return &Calculator::VelUnit_Click;
    case UnitList::FlowUnit:
        return &Calculator::FlowUnit_Click;
    }
    return nullptr;
}

} // namespace calc
