#include <gtest/gtest.h>
#include <map>
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
    // Picks an entry as the user would, running the list's operation; an
    // arithmetic failure becomes a notice, as in the window.
    void pick(UnitList list, int position)
    {
        window.picked[list] = position;
        run(pickOperation(list));
    }

    void run(void (Calculator::*operation)())
    {
        try {
            (calculator.*operation)();
        } catch (const ArithmeticError& failure) {
            window.showNotice(failure.what());
        }
    }

    testing::FakeWindow window;
    Calculator calculator { window, NumberFormat {} };
};

constexpr int Inches = 0, Mm = 1;
constexpr int InchesPerSec = 0, FtPerSec = 1, MPerSec = 3;
constexpr int CubicFeetPerSec = 0, UsGallonPerDay = 7, MillionUsGallonPerDay = 8, LiterPerSecond = 9, M3PerHour = 15;
constexpr Box D = Box::Diameter, V = Box::Velocity, Q = Box::Flowrate;

TEST_F(CalculatorTest, CalculateWritesTheMissingBoxOrShowsOneNotice)
{
    const std::string needTwo(NeedTwoValuesNotice);
    const struct {
        int dia, vel, flow;
        std::map<Box, std::string> typed;
        std::map<Box, std::string> written;
        std::vector<std::string> notices;
    } rows[] = {
        { Inches, MPerSec, CubicFeetPerSec, { { D, "4" }, { V, " 2 " }, { Q, "x" } }, { { Q, "0.57254843" } }, {} },
        { Inches, MPerSec, M3PerHour, { { V, "2" }, { Q, "58.36375424" } }, { { D, "4" } }, {} },
        { Mm, FtPerSec, M3PerHour, { { D, "100" }, { V, "0" }, { Q, "10" } }, { { V, "1.16053764" } }, {} },
        { Inches, MPerSec, M3PerHour, {}, {}, { needTwo } },
        { Inches, MPerSec, M3PerHour, { { D, "4" }, { V, "2" }, { Q, "3" } }, {}, { needTwo } },
        { Inches, MPerSec, M3PerHour, { { D, "0" }, { V, "2" }, { Q, "abc" } }, {}, { needTwo } },
        { Mm, MPerSec, M3PerHour, { { D, "1e200" }, { V, "1" } }, {}, { "The result is too large to calculate." } },
        { Mm, MPerSec, M3PerHour, { { V, "1e-322" }, { Q, "1" } }, {}, { "A value is too small to calculate with." } },
        { Mm, MPerSec, M3PerHour, { { V, "2" }, { Q, "-5" } }, {},
            { "Velocity and flow rate need the same sign to calculate a diameter." } },
    };
    for (const auto& row : rows) {
        window.boxes.clear();
        pick(UnitList::DiaUnit, row.dia);
        pick(UnitList::VelUnit, row.vel);
        pick(UnitList::FlowUnit, row.flow);
        window.boxes = row.typed;
        window.writes.clear();
        run(&Calculator::Calculate_Click);
        auto expected = row.typed;
        for (const auto& [box, text] : row.written)
            expected[box] = text;
        EXPECT_EQ(window.boxes, expected);
        EXPECT_EQ(window.writes.size(), row.written.size());
        EXPECT_EQ(window.notices, row.notices);
        window.notices.clear();
    }
}

TEST_F(CalculatorTest, PickingAUnitReexpressesTheNumberInIt)
{
    const struct {
        const char* name;
        UnitList list;
        Box box;
        int startUnit;
        const char* typed;
        std::vector<std::pair<int, const char*>> picks; // picked position, box text afterwards
    } rows[] = {
        { "diameter", UnitList::DiaUnit, D, Inches, "4", { { Mm, "101.6" }, { Inches, "4" } } },
        { "a foot is not quite 12 inches", UnitList::VelUnit, V, InchesPerSec, "12", { { FtPerSec, "0.9999996" } } },
        { "published factors are no reciprocals", UnitList::FlowUnit, Q, M3PerHour, "1",
            { { LiterPerSecond, "0.27778" }, { M3PerHour, "1.000008" } } },
        { "flow is not rounded", UnitList::FlowUnit, Q, CubicFeetPerSec, "1.23456789",
            { { LiterPerSecond, "34.9590695485391" } } },
        { "million gallons", UnitList::FlowUnit, Q, UsGallonPerDay, "1",
            { { MillionUsGallonPerDay, "0.000001" }, { UsGallonPerDay, "1" } } },
        { "a text that is no number stays", UnitList::FlowUnit, Q, UsGallonPerDay, "1,5", { { M3PerHour, "1,5" } } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        pick(row.list, row.startUnit);
        window.boxes = { { row.box, row.typed } };
        for (const auto& [position, expected] : row.picks) {
            pick(row.list, position);
            EXPECT_EQ(window.text(row.box), expected) << "after picking " << position;
        }
    }
    EXPECT_EQ(window.notices, std::vector<std::string> { std::string(NumericOnlyNotice) });
}

TEST_F(CalculatorTest, APositionOutsideTheListIsRefusedAndNotRecorded)
{
    for (const auto& [list, position] : { std::pair { UnitList::DiaUnit, 2 }, { UnitList::VelUnit, 4 },
             { UnitList::FlowUnit, 37 }, { UnitList::FlowUnit, -1 } })
        EXPECT_THROW(pick(list, position), std::out_of_range);
    EXPECT_EQ(calculator.state(), CalculatorState {});
}

} // namespace
} // namespace calc
