// A window that only remembers: box texts, picked units, writes and notices.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator_window.h"

namespace calc::testing {

class FakeWindow : public CalculatorWindow {
public:
    std::string text(Box box) const override { return boxes.contains(box) ? boxes.at(box) : std::string(); }
    void setText(Box box, const std::string& text) override
    {
        boxes[box] = text;
        ++writes[box];
    }
    void showNotice(std::string_view text) override { notices.emplace_back(text); }
    int selectedUnit(UnitList list) const override { return picked.at(list); }

    std::map<Box, std::string> boxes;
    std::map<UnitList, int> picked { { UnitList::DiaUnit, 0 }, { UnitList::VelUnit, 0 }, { UnitList::FlowUnit, 0 } };
    std::map<Box, int> writes;
    std::vector<std::string> notices;
};

} // namespace calc::testing
