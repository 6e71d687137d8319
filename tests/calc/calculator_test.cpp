#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "calc/calculator.h"
#include "fake_window.h"

namespace calc {
namespace {

using testing::FakeWindow;

class CalculatorTest : public ::testing::Test {
protected:
    // Picks an entry as the user would, running the list's operation.
    void pick(UnitList list, int position)
    {
        window.picked[list] = position;
        (calculator.*pickOperation(list))();
    }

    // Units picked while the boxes are empty, then the three texts typed.
    void prepare(int dia, int vel, int flow, const std::string& diameter, const std::string& velocity,
        const std::string& flowrate)
    {
        window.boxes.clear();
        pick(UnitList::DiaUnit, dia);
        pick(UnitList::VelUnit, vel);
        pick(UnitList::FlowUnit, flow);
        window.boxes = { { Box::Diameter, diameter }, { Box::Velocity, velocity }, { Box::Flowrate, flowrate } };
        window.writes = 0;
    }

    FakeWindow window;
    Calculator calculator { window, NumberFormat {} };
};

constexpr int Inches = 0, Mm = 1;
constexpr int InchesPerSec = 0, FtPerSec = 1, MPerSec = 3;
constexpr int CubicFeetPerSec = 0, UsGallonPerMinute = 5, UsGallonPerDay = 7, MillionUsGallonPerDay = 8,
              LiterPerSecond = 9, CubicMeterPerHour = 15;

struct SolveCase {
    const char* name;
    int dia, vel, flow;
    const char* diameter;
    const char* velocity;
    const char* flowrate;
    Box computed;
    const char* expected;
};

TEST_F(CalculatorTest, CalculateWritesTheMissingQuantityAndLeavesTheGivenBoxes)
{
    const SolveCase cases[] = {
        { "flow from inches and m/sec", Inches, MPerSec, CubicMeterPerHour, "4", "2", "", Box::Flowrate,
            "58.36375424" },
        { "flow in cubic feet/sec", Inches, MPerSec, CubicFeetPerSec, "4", "2", "", Box::Flowrate, "0.57254843" },
        { "flow from ft/sec", Inches, FtPerSec, CubicMeterPerHour, "4", "10", "", Box::Flowrate, "88.94636146" },
        { "diameter in mm", Mm, MPerSec, CubicMeterPerHour, "", "2", "58.36375424", Box::Diameter, "101.6" },
        { "diameter in inches", Inches, MPerSec, CubicMeterPerHour, "", "2", "58.36375424", Box::Diameter, "4" },
        { "velocity", Mm, MPerSec, CubicMeterPerHour, "100", "", "10", Box::Velocity, "0.35373187" },
        { "zero counts as empty", Mm, MPerSec, CubicMeterPerHour, "0", "2", "58.36375424", Box::Diameter, "101.6" },
        { "letters count as empty", Mm, MPerSec, CubicMeterPerHour, "abc", "2", "58.36375424", Box::Diameter, "101.6" },
        { "spaces count as empty", Mm, MPerSec, CubicMeterPerHour, "   ", "2", "58.36375424", Box::Diameter, "101.6" },
        { "typed spaces are kept", Inches, MPerSec, CubicMeterPerHour, " 4 ", "2.0", "x", Box::Flowrate,
            "58.36375424" },
        { "negative velocity", Inches, MPerSec, CubicMeterPerHour, "4", "-2", "", Box::Flowrate, "-58.36375424" },
        { "tiny result shows 0", Mm, MPerSec, CubicMeterPerHour, "0.0001", "0.001", "", Box::Flowrate, "0" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prepare(c.dia, c.vel, c.flow, c.diameter, c.velocity, c.flowrate);
        const auto before = window.boxes;
        calculator.Calculate_Click();
        EXPECT_TRUE(window.notices.empty());
        EXPECT_EQ(window.writes, 1);
        for (const auto& [box, text] : before)
            EXPECT_EQ(window.text(box), box == c.computed ? c.expected : text);
    }
}

TEST_F(CalculatorTest, CalculateNeedsExactlyTwoValues)
{
    const std::vector<std::vector<std::string>> cases = {
        { "", "", "" },
        { "4", "", "" },
        { "", "", "7" },
        { "4", "2", "3" },
        { "0", "2", "abc" },
        { "-0", "1e400", "  " },
    };
    for (const auto& texts : cases) {
        SCOPED_TRACE(texts[0] + "|" + texts[1] + "|" + texts[2]);
        prepare(Inches, MPerSec, CubicMeterPerHour, texts[0], texts[1], texts[2]);
        window.notices.clear();
        calculator.Calculate_Click();
        EXPECT_EQ(window.notices, std::vector<std::string> { std::string(NeedTwoValuesNotice) });
        EXPECT_EQ(window.writes, 0);
    }
}

struct FailureCase {
    const char* name;
    int dia;
    const char* diameter;
    const char* velocity;
    const char* flowrate;
    ArithmeticError::Kind kind;
};

TEST_F(CalculatorTest, ArithmeticFailuresStopCalculateBeforeAnyBoxIsWritten)
{
    using Kind = ArithmeticError::Kind;
    const FailureCase cases[] = {
        { "flow overflows", Mm, "1e200", "1", "", Kind::Overflow },
        { "diameter overflows into mm", Inches, "1.7e308", "1", "", Kind::Overflow },
        { "velocity overflows", Mm, "1e-150", "", "1e100", Kind::Overflow },
        { "velocity underflows to a zero divisor", Mm, "", "1e-322", "1", Kind::DivisionByZero },
        { "diameter underflows to a zero divisor", Mm, "1e-200", "", "1", Kind::DivisionByZero },
        { "flow and velocity of opposite signs", Mm, "", "2", "-5", Kind::NegativeSquareRoot },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prepare(c.dia, MPerSec, CubicMeterPerHour, c.diameter, c.velocity, c.flowrate);
        const auto before = window.boxes;
        try {
            calculator.Calculate_Click();
            ADD_FAILURE() << "no failure reported";
        } catch (const ArithmeticError& e) {
            EXPECT_EQ(e.kind(), c.kind);
            EXPECT_FALSE(std::string(e.what()).empty());
        }
        EXPECT_EQ(window.boxes, before);
        EXPECT_TRUE(window.notices.empty());
    }
}

struct UnitChangeCase {
    const char* name;
    UnitList list;
    Box box;
    int startUnit;
    const char* typed;
    std::vector<std::pair<int, const char*>> picks; // picked position, box text afterwards
};

TEST_F(CalculatorTest, PickingAUnitReexpressesTheNumberInIt)
{
    const UnitChangeCase cases[] = {
        { "diameter", UnitList::DiaUnit, Box::Diameter, Inches, "4", { { Mm, "101.6" }, { Inches, "4" } } },
        { "diameter picked again", UnitList::DiaUnit, Box::Diameter, Inches, "4",
            { { Inches, "4" }, { Mm, "101.6" }, { Mm, "101.6" } } },
        { "velocity there and back", UnitList::VelUnit, Box::Velocity, MPerSec, "2",
            { { FtPerSec, "6.56167979" }, { MPerSec, "2" } } },
        { "velocity by the table's own factor", UnitList::VelUnit, Box::Velocity, InchesPerSec, "1",
            { { FtPerSec, "0.0833333" } } },
        { "a foot is not quite 12 inches", UnitList::VelUnit, Box::Velocity, InchesPerSec, "12",
            { { FtPerSec, "0.9999996" } } },
        { "velocity picked again is rewritten", UnitList::VelUnit, Box::Velocity, InchesPerSec, "2.50",
            { { InchesPerSec, "2.5" } } },
        { "flow there and back", UnitList::FlowUnit, Box::Flowrate, CubicMeterPerHour, "1",
            { { LiterPerSecond, "0.27778" }, { CubicMeterPerHour, "1.000008" } } },
        { "flow is not rounded", UnitList::FlowUnit, Box::Flowrate, CubicMeterPerHour, "1.23456789",
            { { LiterPerSecond, "0.3429382684842" } } },
        { "flow by the direct factor", UnitList::FlowUnit, Box::Flowrate, UsGallonPerMinute, "1",
            { { LiterPerSecond, "0.0630901964" } } },
        { "million gallons", UnitList::FlowUnit, Box::Flowrate, UsGallonPerDay, "1",
            { { MillionUsGallonPerDay, "0.000001" }, { UsGallonPerDay, "1" } } },
        { "the box's spaces do not matter", UnitList::FlowUnit, Box::Flowrate, CubicMeterPerHour, "  1  ",
            { { LiterPerSecond, "0.27778" } } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pick(c.list, c.startUnit);
        window.boxes = { { c.box, c.typed } };
        for (const auto& [position, expected] : c.picks) {
            pick(c.list, position);
            EXPECT_EQ(window.text(c.box), expected) << "after picking " << position;
        }
        EXPECT_TRUE(window.notices.empty());
    }
}

TEST_F(CalculatorTest, AnEmptyBoxOnlyRecordsTheUnitAndLaterNumbersAreReadInIt)
{
    pick(UnitList::VelUnit, FtPerSec);
    EXPECT_EQ(window.writes, 0);
    window.boxes[Box::Velocity] = "1";
    pick(UnitList::VelUnit, MPerSec);
    EXPECT_EQ(window.text(Box::Velocity), "0.3048");

    window.boxes[Box::Velocity] = "   ";
    pick(UnitList::VelUnit, InchesPerSec);
    EXPECT_EQ(window.text(Box::Velocity), "   ");
    EXPECT_TRUE(window.notices.empty());
    EXPECT_EQ(calculator.state().PreviousVelocityUnitIndex, MPerSec);
    EXPECT_EQ(calculator.state().VelocityUnitIndex, InchesPerSec);
}

TEST_F(CalculatorTest, TextThatIsNoNumberBringsTheNoticeButTheUnitIsStillRecorded)
{
    const std::pair<UnitList, Box> lists[] = { { UnitList::DiaUnit, Box::Diameter },
        { UnitList::VelUnit, Box::Velocity }, { UnitList::FlowUnit, Box::Flowrate } };
    for (const auto& [list, box] : lists) {
        for (const char* text : { "abc", "1e400", "1,5", "\t" }) {
            SCOPED_TRACE(text);
            window.boxes = { { box, text } };
            window.notices.clear();
            pick(list, 1);
            EXPECT_EQ(window.notices, std::vector<std::string> { std::string(NumericOnlyNotice) });
            EXPECT_EQ(window.text(box), text);
            pick(list, 0);
        }
    }
    window.boxes = { { Box::Flowrate, "abc" } };
    pick(UnitList::FlowUnit, 36);
    EXPECT_EQ(calculator.state().PreviousFlowUnitIndex, 0);
    EXPECT_EQ(calculator.state().FlowUnitIndex, 36);
    EXPECT_EQ(calculator.state().DiameterUnitIndex, 0);
}

TEST_F(CalculatorTest, AnOverflowingConversionLeavesTheBoxAndTheUnitInForce)
{
    // inches into mm, inches/sec into cm/sec, cubic feet/sec into cubic feet/minute
    const std::tuple<UnitList, Box, int> growing[] = { { UnitList::DiaUnit, Box::Diameter, 1 },
        { UnitList::VelUnit, Box::Velocity, 2 }, { UnitList::FlowUnit, Box::Flowrate, 1 } };
    for (const auto& [list, box, position] : growing) {
        pick(list, 1); // so that the previous unit differs from the one in force
        pick(list, 0);
        window.boxes = { { box, "1.7e308" } };
        const CalculatorState before = calculator.state();
        EXPECT_THROW(pick(list, position), ArithmeticError);
        EXPECT_EQ(window.text(box), "1.7e308");
        EXPECT_EQ(calculator.state(), before);
    }
    // The next pick converts from the unit in force, not from the failed one.
    window.boxes = { { Box::Velocity, "1" } };
    pick(UnitList::VelUnit, FtPerSec);
    EXPECT_EQ(window.text(Box::Velocity), "0.0833333");
}

TEST_F(CalculatorTest, APositionOutsideTheListIsRefusedAndNotRecorded)
{
    const std::pair<UnitList, int> picks[] = { { UnitList::DiaUnit, 2 }, { UnitList::VelUnit, 4 },
        { UnitList::FlowUnit, 37 }, { UnitList::FlowUnit, -1 } };
    for (const auto& [list, position] : picks)
        EXPECT_THROW(pick(list, position), std::out_of_range);
    const CalculatorState& s = calculator.state();
    EXPECT_EQ(s.DiameterUnitIndex + s.VelocityUnitIndex + s.PreviousVelocityUnitIndex + s.FlowUnitIndex
            + s.PreviousFlowUnitIndex,
        0);
}

} // namespace
} // namespace calc
