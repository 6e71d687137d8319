// What the calculator needs of the window that holds its boxes and lists.
#pragma once

#include <string>
#include <string_view>

namespace calc {

enum class Box { Diameter, Velocity, Flowrate };
enum class UnitList { DiaUnit, VelUnit, FlowUnit };

class CalculatorWindow {
public:
    virtual ~CalculatorWindow() = default;

    virtual std::string text(Box box) const = 0;
    virtual void setText(Box box, const std::string& text) = 0;
    // Modal: returns once the user has dismissed it.
    virtual void showNotice(std::string_view text) = 0;
    // The position picked in the list, as given by the catalogue.
    virtual int selectedUnit(UnitList list) const = 0;
};

} // namespace calc
