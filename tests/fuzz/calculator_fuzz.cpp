// Arbitrary sessions with the calculator: box texts made of any bytes or of
// any double, unit picks anywhere in their lists, Calculate at any moment.
// After every step the window must show what the rules allow and no more.
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "calc/units.h"
#include "fuzz_support.h"

namespace {

using calc::Box;
using calc::UnitList;

constexpr std::array Boxes { Box::Diameter, Box::Velocity, Box::Flowrate };

class RecordingWindow : public calc::CalculatorWindow {
public:
    std::string text(Box box) const override { return boxes[index(box)]; }
    void setText(Box box, const std::string& text) override
    {
        boxes[index(box)] = text;
        ++writes[index(box)];
    }
    void showNotice(std::string_view text) override { notices.emplace_back(text); }
    int selectedUnit(UnitList list) const override { return picked[static_cast<std::size_t>(list)]; }

    static std::size_t index(Box box) { return static_cast<std::size_t>(box); }

    void forget()
    {
        writes = {};
        notices.clear();
    }

    std::array<std::string, 3> boxes;
    std::array<int, 3> writes {};
    std::array<int, 3> picked {};
    std::vector<std::string> notices;
};

struct Session {
    const calc::NumberFormat& format;
    RecordingWindow window;
    calc::Calculator calculator { window, format };

    explicit Session(const calc::NumberFormat& chosen)
        : format(chosen)
    {
        calculator.initialise();
    }

    bool given(Box box) const
    {
        const auto value = calc::readNumber(window.boxes[RecordingWindow::index(box)], format);
        return value && *value != 0;
    }

    // Runs an operation as the window does: an arithmetic failure becomes a
    // notice and writes nothing. True when it failed so.
    template <class Operation> bool run(Operation operation)
    {
        try {
            operation();
        } catch (const calc::ArithmeticError& failure) {
            FUZZ_CHECK(window.writes == (std::array<int, 3> {}), "a failed step wrote a box");
            window.notices.emplace_back(failure.what());
            return true;
        }
        return false;
    }

    void checkOnlyWritten(const std::array<std::string, 3>& before, std::optional<Box> allowed) const
    {
        for (Box box : Boxes) {
            const std::size_t i = RecordingWindow::index(box);
            if (allowed == box && window.writes[i] == 1) {
                fuzzing::checkWritten(window.boxes[i], format);
                continue;
            }
            FUZZ_CHECK(window.writes[i] == 0, "box %zu written %d times", i, window.writes[i]);
            FUZZ_CHECK(window.boxes[i] == before[i], "box %zu changed", i);
        }
    }

    void calculate()
    {
        const auto before = window.boxes;
        std::optional<Box> missing;
        int count = 0;
        for (Box box : Boxes) {
            if (given(box))
                ++count;
            else
                missing = box;
        }
        window.forget();
        run([&] { calculator.Calculate_Click(); });

        const int writes = window.writes[0] + window.writes[1] + window.writes[2];
        FUZZ_CHECK((writes == 1 && window.notices.empty()) || (writes == 0 && window.notices.size() == 1),
            "Calculate wrote %d boxes and showed %zu notices", writes, window.notices.size());
        if (count != 2)
            FUZZ_CHECK(window.notices.size() == 1 && window.notices[0] == calc::NeedTwoValuesNotice,
                "%d values given, yet no notice", count);
        checkOnlyWritten(before, count == 2 ? missing : std::nullopt);
    }

    void pick(UnitList list, int position)
    {
        static constexpr std::array<Box, 3> boxOf { Box::Diameter, Box::Velocity, Box::Flowrate };
        const Box box = boxOf[static_cast<std::size_t>(list)];
        const std::string& text = window.boxes[RecordingWindow::index(box)];
        const auto before = window.boxes;
        const calc::CalculatorState old = calculator.state();
        window.picked[static_cast<std::size_t>(list)] = position;
        window.forget();
        const bool failed = run([&] { (calculator.*calc::pickOperation(list))(); });

        const calc::CalculatorState& now = calculator.state();
        // A failed conversion takes the pick back, so the box's number keeps its unit.
        if (failed)
            FUZZ_CHECK(now == old, "a pick that failed was recorded");
        else if (list == UnitList::DiaUnit)
            FUZZ_CHECK(now.DiameterUnitIndex == position, "diameter unit not recorded");
        else if (list == UnitList::VelUnit)
            FUZZ_CHECK(now.VelocityUnitIndex == position && now.PreviousVelocityUnitIndex == old.VelocityUnitIndex,
                "velocity units not recorded");
        else
            FUZZ_CHECK(now.FlowUnitIndex == position && now.PreviousFlowUnitIndex == old.FlowUnitIndex,
                "flow units not recorded");

        const bool sameDiameterUnit = list == UnitList::DiaUnit && old.DiameterUnitIndex == position;
        if (sameDiameterUnit || calc::trimSpaces(before[RecordingWindow::index(box)]).empty()) {
            FUZZ_CHECK(window.notices.empty(), "a notice for nothing to convert");
        } else if (!calc::readNumber(before[RecordingWindow::index(box)], format)) {
            FUZZ_CHECK(window.notices.size() == 1 && window.notices[0] == calc::NumericOnlyNotice,
                "no notice for a text that is no number: %s", text.c_str());
        } else {
            FUZZ_CHECK(window.notices.size() + window.writes[RecordingWindow::index(box)] == 1,
                "a number neither converted nor refused");
        }
        // Picking the diameter unit already in force converts nothing: its
        // value would otherwise be multiplied a second time.
        checkOnlyWritten(before, sameDiameterUnit ? std::nullopt : std::optional<Box>(box));
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::ByteReader input(data, size);
    Session session(fuzzing::Formats[input.byte() % fuzzing::Formats.size()]);
    constexpr std::array listSizes { calc::DiameterUnits.size(), calc::VelocityUnits.size(), calc::FlowUnits.size() };

    for (int step = 0; step < 64 && !input.atEnd(); ++step) {
        const std::uint8_t operation = input.byte();
        switch (operation % 6) {
        case 0: // the user types or pastes anything
            session.window.boxes[input.byte() % 3] = input.text();
            break;
        case 1: { // a number the program itself could have written
            const std::size_t box = input.byte() % 3;
            const double value = input.anyDouble();
            if (std::isfinite(value))
                session.window.boxes[box] = calc::displayForm(value, session.format);
            break;
        }
        case 2:
            session.calculate();
            break;
        default: {
            const auto list = static_cast<std::size_t>(operation % 6 - 3);
            session.pick(static_cast<UnitList>(list), static_cast<int>(input.byte() % listSizes[list]));
            break;
        }
        }
    }
    return 0;
}
