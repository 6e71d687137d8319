// Arbitrary sessions with the calculator: box texts of any bytes or doubles,
// unit picks anywhere in their lists, Calculate at any moment. After each step
// the window shows what the rules allow, each number the units' sizes give.
#include <algorithm>
#include <cfloat>
#include <initializer_list>

#include "../calc/fake_window.h"
#include "calc/calculator.h"
#include "calc/unit_sizes.h"
#include "calc/units.h"
#include "fuzz_support.h"

namespace {

using calc::Box;
using calc::UnitList;

constexpr Box Boxes[] { Box::Diameter, Box::Velocity, Box::Flowrate };

// A unit's size in its list's base unit (mm, m/s, m³/h), from the whole-number
// sizes rather than from the factor tables.
long double sizeOf(UnitList list, int position)
{
    using namespace calc::sizes;
    constexpr std::int64_t Speeds[] { Inch, Foot, Centimetre, Metre };
    if (list == UnitList::DiaUnit)
        return position == 0 ? static_cast<long double>(Inch) / Millimetre : 1;
    if (list == UnitList::VelUnit)
        return static_cast<long double>(Speeds[position]) / Metre;
    const calc::FlowUnitSize flow = calc::flowUnitSize(position);
    return static_cast<long double>(flow.volume) * flow.spansPerDay / CubicMeter / PerHour;
}

// How far a factor may stray from the ratio of its units' sizes, relatively:
// flow factors into and out of the base unit are published rounded, by up to
// 0.8 % (liter/day, 0.000042), other flow factors are the true ratio; the
// velocity factors are published within 1e-6 (0.0833333 for 1/12).
long double slack(UnitList list, int from, int to)
{
    if (list == UnitList::FlowUnit)
        return (from == calc::FlowBaseIndex) != (to == calc::FlowBaseIndex) ? 0.0081L : 0;
    return list == UnitList::VelUnit && from != to ? 1e-6L : 0;
}

// The number written against the one due: within the factors' slack, the 15
// digits shown and, when rounded to 8 places, half the last one. Below the
// smallest normal double a step loses digits, so results are not judged there.
void checkValue(
    double written, long double due, long double slack, bool rounded, std::initializer_list<long double> steps)
{
    if (std::ranges::any_of(steps, [](long double step) { return step != 0 && std::fabs(step) < DBL_MIN; }))
        return;
    const long double allowed = (slack + 1e-14L) * std::fabs(due) + (rounded ? 0.5e-8L * (1 + 1e-9L) : 0);
    FUZZ_CHECK(std::fabs(written - due) <= allowed, "%.17g written where %.17Lg was due", written, due);
}

struct Session {
    const calc::NumberFormat& format;
    calc::testing::FakeWindow window {};
    calc::Calculator calculator { window, format };
    bool failed = false;

    int unitOf(UnitList list) const
    {
        const calc::CalculatorState& s = calculator.state();
        return std::array<int, 3> { s.DiameterUnitIndex, s.VelocityUnitIndex, s.FlowUnitIndex }[std::size_t(list)];
    }

    // Runs an operation as the window does, an arithmetic failure becoming a
    // notice; returns the number written, only into the box allowed, once.
    std::optional<double> run(void (calc::Calculator::*operation)(), std::optional<Box> allowed)
    {
        window.writes.clear();
        window.notices.clear();
        failed = false;
        try {
            (calculator.*operation)();
        } catch (const calc::ArithmeticError& failure) {
            window.notices.emplace_back(failure.what());
            failed = true;
        }
        if (window.writes.empty())
            return std::nullopt;
        const bool once = allowed && !failed && window.writes == (std::map<Box, int> { { *allowed, 1 } });
        FUZZ_CHECK(once, "a box written not to be, twice, or after a failure");
        return fuzzing::checkWritten(window.boxes[*allowed], format);
    }

    void calculate()
    {
        // Given: a number other than zero, here in its base unit.
        long double base[3] {};
        int given = 0, missing = 0;
        for (int i = 0; i < 3; ++i) {
            const auto value = calc::readNumber(window.text(Boxes[i]), format);
            if (value && *value != 0)
                base[i] = *value * sizeOf(UnitList(i), unitOf(UnitList(i))), ++given;
            else
                missing = i;
        }
        const auto shown
            = run(&calc::Calculator::Calculate_Click, given == 2 ? std::optional(Boxes[missing]) : std::nullopt);
        FUZZ_CHECK(window.notices.size() == (shown ? 0 : 1), "Calculate showed %zu notices", window.notices.size());
        FUZZ_CHECK(given == 2 || window.notices[0] == calc::NeedTwoValuesNotice, "%d values given, no notice", given);
        if (!shown)
            return;
        const long double k = 0.002827L; // flow in m³/h = k * (diameter in mm)² * velocity in m/s
        long double &d = base[0], &v = base[1], &q = base[2];
        d = missing == 0 ? std::sqrt(q / (k * v)) : d;
        v = missing == 1 ? q / (k * d * d) : v;
        q = missing == 2 ? k * d * d * v : q;
        const long double factors = slack(UnitList::VelUnit, unitOf(UnitList::VelUnit), calc::VelocityBaseIndex)
            + slack(UnitList::FlowUnit, unitOf(UnitList::FlowUnit), calc::FlowBaseIndex);
        checkValue(*shown, base[missing] / sizeOf(UnitList(missing), unitOf(UnitList(missing))), factors, true,
            { d, v, q, k * d, k * d * d, k * v, q / (k * v) });
    }

    void pick(UnitList list, int position)
    {
        const Box box = Boxes[static_cast<int>(list)];
        const std::string text = window.text(box);
        const auto value = calc::readNumber(text, format);
        const calc::CalculatorState old = calculator.state();
        const int from = unitOf(list);
        window.picked[list] = position;
        // Picking the diameter unit already in force converts nothing: its
        // value would otherwise be multiplied a second time.
        const bool nothing = (list == UnitList::DiaUnit && from == position) || calc::trimBlanks(text).empty();
        const auto shown = run(calc::pickOperation(list), nothing ? std::nullopt : std::optional(box));

        // A failed conversion takes the pick back, so the box's number keeps
        // its unit.
        FUZZ_CHECK(
            failed ? calculator.state() == old : unitOf(list) == position, "pick of %d wrongly recorded", position);

        const std::vector<std::string> notices(nothing || value ? 0 : 1, std::string(calc::NumericOnlyNotice));
        FUZZ_CHECK(window.notices == notices || (failed && !shown), "notices wrong on a pick of: %s", text.c_str());
        FUZZ_CHECK(nothing || (value ? failed || shown : !shown), "a text wrongly converted or not: %s", text.c_str());
        if (shown) {
            const long double due = *value * sizeOf(list, from) / sizeOf(list, position);
            checkValue(*shown, due, slack(list, from, position), list != UnitList::FlowUnit, { due });
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::ByteReader input { { reinterpret_cast<const char*>(data), size } };
    Session session { fuzzing::Formats[input.byte() % fuzzing::Formats.size()] };
    constexpr std::size_t ListSizes[] { 2, 4, 37 };

    for (int step = 0; step < 64 && !input.rest.empty(); ++step) {
        const int operation = input.byte() % 6;
        const Box box = Boxes[operation < 2 ? input.byte() % 3 : 0];
        if (operation == 0) { // the user types or pastes anything
            session.window.boxes[box] = input.take(input.byte());
        } else if (operation == 1) { // a number the program itself could have written
            const double value = input.anyDouble();
            if (std::isfinite(value))
                session.window.boxes[box] = calc::displayForm(value, session.format);
        } else if (operation == 2) {
            session.calculate();
        } else {
            session.pick(UnitList(operation - 3), static_cast<int>(input.byte() % ListSizes[operation - 3]));
        }
    }
    return 0;
}
