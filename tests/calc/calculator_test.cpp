#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "fake_window.h"

// One readable example of each behaviour; the calculator fuzzer judges every
// other session, its values against the unit sizes.
namespace calc {
namespace {

class CalculatorTest : public ::testing::Test {
protected:
    // Runs an operation as the window does: an arithmetic failure becomes a
    // notice. A pick is made in the list first.
    void run(void (Calculator::*operation)())
    {
        try {
            (calculator.*operation)();
        } catch (const ArithmeticError& failure) {
            window.showNotice(failure.what());
        }
    }
    void pick(UnitList list, int position)
    {
        window.picked[list] = position;
        run(pickOperation(list));
    }

    testing::FakeWindow window;
    Calculator calculator { window, NumberFormat {} };
};

constexpr int Inches = 0, Mm = 1, InchesPerSec = 0, FtPerSec = 1, MPerSec = 3;
constexpr int CubicFeetPerSec = 0, LiterPerSecond = 9, M3PerHour = 15;
constexpr Box D = Box::Diameter, V = Box::Velocity, Q = Box::Flowrate;

TEST_F(CalculatorTest, CalculateWritesTheMissingBoxOrShowsOneNotice)
{
    const struct {
        int dia, flow;
        std::map<Box, std::string> typed;
        std::optional<Box> computed;
        std::string result; // the computed box's text, or else the notice
    } rows[] = {
        { Inches, CubicFeetPerSec, { { D, "4" }, { V, " 2 " }, { Q, "x" } }, Q, "0.57254843" },
        { Inches, M3PerHour, { { D, "0" }, { V, "2" }, { Q, "58.36375424" } }, D, "4" },
        { Inches, M3PerHour, { { D, "4" }, { V, "2" }, { Q, "3" } }, {}, std::string(NeedTwoValuesNotice) },
        { Mm, M3PerHour, { { D, "1e200" }, { V, "1" } }, {}, "The result is too large to calculate." },
        { Mm, M3PerHour, { { V, "1e-322" }, { Q, "1" } }, {}, "A value is too small to calculate with." },
        { Mm, M3PerHour, { { V, "2" }, { Q, "-5" } }, {},
            "Velocity and flow rate need the same sign to calculate a diameter." },
    };
    for (const auto& row : rows) {
        window = {};
        pick(UnitList::DiaUnit, row.dia);
        pick(UnitList::VelUnit, MPerSec);
        pick(UnitList::FlowUnit, row.flow);
        window.boxes = row.typed;
        run(&Calculator::Calculate_Click);
        auto expected = row.typed;
        if (row.computed)
            expected[*row.computed] = row.result;
        EXPECT_EQ(window.boxes, expected);
        EXPECT_EQ(window.notices, row.computed ? std::vector<std::string> {} : std::vector { row.result });
    }
}

TEST_F(CalculatorTest, PickingAUnitReexpressesTheNumberInIt)
{
    const struct {
        const char* name;
        UnitList list;
        int startUnit;
        const char* typed;
        std::vector<std::pair<int, const char*>> picks; // picked position, box text afterwards
    } rows[] = {
        { "a foot is not quite 12 inches, and velocities keep 8 places", UnitList::VelUnit, InchesPerSec, "12",
            { { FtPerSec, "0.9999996" }, { MPerSec, "0.30479988" } } },
        { "published factors are no reciprocals", UnitList::FlowUnit, M3PerHour, "1",
            { { LiterPerSecond, "0.27778" }, { M3PerHour, "1.000008" } } },
        { "flow is not rounded", UnitList::FlowUnit, CubicFeetPerSec, "1.23456789",
            { { LiterPerSecond, "34.9590695485391" } } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Box box = row.list == UnitList::VelUnit ? V : Q;
        pick(row.list, row.startUnit);
        window.boxes = { { box, row.typed } };
        for (const auto& [position, expected] : row.picks) {
            pick(row.list, position);
            EXPECT_EQ(window.text(box), expected) << "after picking " << position;
        }
    }
    EXPECT_TRUE(window.notices.empty());
}

} // namespace
} // namespace calc
