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
    // Picks an entry as the user would, running the list's operation.
    void pick(UnitList list, int position)
    {
        window.picked[list] = position;
        (calculator.*pickOperation(list))();
    }

    void calculate(int diaUnit, int velUnit, int flowUnit, const std::map<Box, std::string>& typed)
    {
        window.boxes.clear();
        pick(UnitList::DiaUnit, diaUnit);
        pick(UnitList::VelUnit, velUnit);
        pick(UnitList::FlowUnit, flowUnit);
        window.boxes = typed;
        window.writes.clear();
        calculator.Calculate_Click();
    }

    testing::FakeWindow window;
    Calculator calculator { window, NumberFormat {} };
};

constexpr int Inches = 0, Mm = 1;
constexpr int InchesPerSec = 0, FtPerSec = 1, MPerSec = 3;
constexpr int CubicFeetPerSec = 0, UsGallonPerDay = 7, MillionUsGallonPerDay = 8, LiterPerSecond = 9, M3PerHour = 15;
constexpr Box D = Box::Diameter, V = Box::Velocity, Q = Box::Flowrate;

TEST_F(CalculatorTest, CalculateWritesTheMissingBoxOnly)
{
    const struct {
        int dia, vel, flow;
        std::map<Box, std::string> typed;
        Box computed;
        const char* expected;
    } rows[] = {
        { Inches, MPerSec, CubicFeetPerSec, { { D, "4" }, { V, " 2 " }, { Q, "x" } }, Q, "0.57254843" },
        { Inches, MPerSec, M3PerHour, { { V, "2" }, { Q, "58.36375424" } }, D, "4" },
        { Mm, FtPerSec, M3PerHour, { { D, "100" }, { V, "0" }, { Q, "10" } }, V, "1.16053764" },
    };
    for (const auto& row : rows) {
        calculate(row.dia, row.vel, row.flow, row.typed);
        auto expected = row.typed;
        expected[row.computed] = row.expected;
        EXPECT_EQ(window.boxes, expected);
        EXPECT_EQ(window.writes, (std::map<Box, int> { { row.computed, 1 } }));
    }
    EXPECT_TRUE(window.notices.empty());
}

TEST_F(CalculatorTest, CalculateNeedsExactlyTwoValues)
{
    for (const auto& typed : { std::map<Box, std::string> {}, { { D, "4" }, { V, "2" }, { Q, "3" } },
             { { D, "0" }, { V, "2" }, { Q, "abc" } } }) {
        window.notices.clear();
        calculate(Inches, MPerSec, M3PerHour, typed);
        EXPECT_EQ(window.notices, std::vector<std::string> { std::string(NeedTwoValuesNotice) });
        EXPECT_EQ(window.boxes, typed);
    }
}

TEST_F(CalculatorTest, ArithmeticFailuresTellTheUserAndWriteNothing)
{
    const struct {
        std::map<Box, std::string> typed;
        std::string notice;
    } rows[] = {
        { { { D, "1e200" }, { V, "1" } }, "The result is too large to calculate." },
        { { { V, "1e-322" }, { Q, "1" } }, "A value is too small to calculate with." },
        { { { V, "2" }, { Q, "-5" } }, "Velocity and flow rate need the same sign to calculate a diameter." },
    };
    for (const auto& row : rows) {
        try {
            calculate(Mm, MPerSec, M3PerHour, row.typed);
            ADD_FAILURE() << "no failure for " << row.notice;
        } catch (const ArithmeticError& failure) {
            EXPECT_EQ(failure.what(), row.notice);
        }
        EXPECT_EQ(window.boxes, row.typed);
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
    EXPECT_TRUE(window.notices.empty());
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
