#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "calc/number_text.h"

namespace calc {
namespace {

const NumberFormat Point { ".", ",", "-" };
const NumberFormat Comma { ",", ".", "-" };
// Grouping with a narrow no-break space and a true minus sign, as some locales do.
const NumberFormat Spaced { ",", "\u202F", "\u2212" };
// Arabic-Indic digits and separators, and a minus sign behind a letter mark.
const NumberFormat Arabic { "\u066B", "\u066C", "\u061C-", U'\u0660' };

constexpr std::optional<double> Refused = std::nullopt;

struct ReadCase {
    const char* text;
    std::optional<double> point;
    std::optional<double> comma;
    std::optional<double> arabic;
};

TEST(ReadNumber, FollowsTheLocaleSeparators)
{
    const ReadCase cases[] = {
        { "4", 4, 4, 4 },
        { "  4.5  ", 4.5, Refused, 4.5 },
        { "4,5", Refused, 4.5, Refused },
        { "1,234.5", 1234.5, Refused, Refused },
        { "1.234,5", Refused, 1234.5, Refused },
        { "1,234,567", 1234567, Refused, Refused },
        { "12,34", Refused, 12.34, Refused },
        { "1234,567", Refused, 1234.567, Refused },
        { "1,,2", Refused, Refused, Refused },
        { "1,23", Refused, 1.23, Refused },
        { "1,2345", Refused, 1.2345, Refused },
        { "0,500", Refused, 0.5, Refused },
        { "01,000", Refused, 1, Refused },
        { ",5", Refused, 0.5, Refused },
        { "-2.5", -2.5, Refused, -2.5 },
        { "+4", 4, 4, 4 },
        { "4.", 4, Refused, 4 },
        { ".5", 0.5, Refused, 0.5 },
        { "1e3", 1000, 1000, 1000 },
        { "1.5E-3", 0.0015, Refused, 0.0015 },
        { "2e+2", 200, 200, 200 },
        { "-0", -0.0, -0.0, -0.0 },
        { "1e-400", 0, 0, 0 },
        { "1.7976931348623157e308", std::numeric_limits<double>::max(), Refused, std::numeric_limits<double>::max() },
        { "\u0664\u066B\u0665", Refused, Refused, 4.5 },
        { "\u0664.\u0665", Refused, Refused, 4.5 },
        { "1\u066B5", Refused, Refused, 1.5 },
        { "\u0661\u066C\u0662\u0663\u0664\u066B\u0665", Refused, Refused, 1234.5 },
        { "\u061C-\u0661\u066B\u0665E-\u0663", Refused, Refused, -0.0015 },
        { "\u06644", Refused, Refused, Refused },
        { "1.5E-\u0663", Refused, Refused, Refused },
        { "\u06F4", Refused, Refused, Refused },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readNumber(c.text, Point), c.point);
        EXPECT_EQ(readNumber(c.text, Comma), c.comma);
        EXPECT_EQ(readNumber(c.text, Arabic), c.arabic);
    }
}

TEST(ReadNumber, RefusesWhatIsNoUsableNumber)
{
    const std::string texts[] = {
        "",
        "   ",
        ".",
        "-",
        "+",
        "e3",
        "1e",
        "1e+",
        "- 5",
        "5-",
        "1 234",
        "\t4",
        "4\n",
        "nan",
        "inf",
        "-inf",
        "0x10",
        "1e400",
        "-1e400",
        "1.8e308",
        "1" + std::string(400, '0'),
        "\uFF14",
        "4\u200F",
        "1..2",
        "1e5e5",
    };
    for (const auto& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(readNumber(text, Point), Refused);
        EXPECT_EQ(readNumber(text, Comma), Refused);
        EXPECT_EQ(readNumber(text, Arabic), Refused);
    }
}

TEST(ReadNumber, ValuesBelowTheSmallestDoubleReadAsZero)
{
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1", Point), 0.0);
    EXPECT_EQ(readNumber("1e-99999999999999999999", Point), 0.0);
    EXPECT_EQ(readNumber("1e-310", Point), 1e-310);
}

// A no-break space or a separator of no ASCII character is hard to type; a
// space or a point stands in for it, unless the point groups digits.
TEST(ReadNumber, SeparatorsOffTheKeyboardHaveTypedStandIns)
{
    const NumberFormat pointGroups { "\u066B", ".", "-", U'\u0660' };
    EXPECT_EQ(readNumber("1234.5", pointGroups), Refused);
    EXPECT_EQ(readNumber("1.234", pointGroups), 1234);
    EXPECT_EQ(readNumber("1\u202F234,5", Spaced), 1234.5);
    EXPECT_EQ(readNumber("1 234,5", Spaced), 1234.5);
    EXPECT_EQ(readNumber("\u22122,5", Spaced), -2.5);
    EXPECT_EQ(readNumber("-2,5", Spaced), -2.5);
    EXPECT_EQ(readNumber("2,5E\u22123", Spaced), 0.0025);
}

struct DisplayCase {
    double value;
    const char* point;
    const char* comma;
};

TEST(DisplayForm, FifteenSignificantDigitsWithoutGrouping)
{
    const DisplayCase cases[] = {
        { 0, "0", "0" },
        { -0.0, "0", "0" },
        { 58.36375424, "58.36375424", "58,36375424" },
        { -2.5, "-2.5", "-2,5" },
        { 0.1 + 0.2, "0.3", "0,3" },
        { 2.0 / 3, "0.666666666666667", "0,666666666666667" },
        { 1234.5, "1234.5", "1234,5" },
        { 100, "100", "100" },
        { 123456789012345, "123456789012345", "123456789012345" },
        { 1e15, "1E+15", "1E+15" },
        { 1234567890123456, "1.23456789012346E+15", "1,23456789012346E+15" },
        { 9.9999999999999999e14, "1E+15", "1E+15" },
        { 1e-8, "0.00000001", "0,00000001" },
        { -1.25e-7, "-0.000000125", "-0,000000125" },
        { 1.5e-9, "1.5E-9", "1,5E-9" },
        { -1e300, "-1E+300", "-1E+300" },
        // Rounded up, the largest double would show a number beyond the
        // range of a double; it is cut to 15 digits instead.
        { std::numeric_limits<double>::max(), "1.79769313486231E+308", "1,79769313486231E+308" },
        { -std::numeric_limits<double>::max(), "-1.79769313486231E+308", "-1,79769313486231E+308" },
        { 1.797693134862314e308, "1.79769313486231E+308", "1,79769313486231E+308" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.point);
        EXPECT_EQ(displayForm(c.value, Point), c.point);
        EXPECT_EQ(displayForm(c.value, Comma), c.comma);
    }
    EXPECT_EQ(displayForm(-2.5, Spaced), "\u22122,5");
    EXPECT_EQ(displayForm(0, Arabic), "\u0660");
    EXPECT_EQ(displayForm(-95.41125, Arabic), "\u061C-\u0669\u0665\u066B\u0664\u0661\u0661\u0662\u0665");
    EXPECT_EQ(displayForm(-1.5e-9, Arabic), "\u061C-\u0661\u066B\u0665E\u061C-\u0669");
    EXPECT_EQ(displayForm(1e20, Arabic), "\u0661E+\u0662\u0660");
}

TEST(RoundedDisplayForm, RoundsToEightPlacesTiesToEven)
{
    const DisplayCase cases[] = {
        { 0.001953125, "0.00195312", "0,00195312" }, // exact tie, even neighbour below
        { 0.005859375, "0.00585938", "0,00585938" }, // exact tie, even neighbour above
        { 1.999999999992, "2", "2" },
        { 0.572548430431, "0.57254843", "0,57254843" },
        { 4.9e-9, "0", "0" },
        { -4.9e-9, "0", "0" },
        { -0.123456789, "-0.12345679", "-0,12345679" },
        { 123456789.123456789, "123456789.123457", "123456789,123457" },
        { 1e20, "1E+20", "1E+20" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.point);
        EXPECT_EQ(roundedDisplayForm(c.value, Point), c.point);
        EXPECT_EQ(roundedDisplayForm(c.value, Comma), c.comma);
    }
}

TEST(DisplayForm, RefusesValuesThatAreNotFinite)
{
    EXPECT_THROW(displayForm(std::numeric_limits<double>::infinity(), Point), std::domain_error);
    EXPECT_THROW(roundedDisplayForm(std::nan(""), Point), std::domain_error);
}

// Whatever is written into a box must read back, in the same locale, as the
// value shown.
TEST(DisplayForm, ReadsBackToTheValueShown)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-320, 307);
    for (const NumberFormat* format : { &Point, &Comma, &Spaced, &Arabic }) {
        for (int i = 0; i < 20000; ++i) {
            const double value = mantissa(random) * std::pow(10.0, exponent(random));
            const std::string text = displayForm(value, *format);
            const auto back = readNumber(text, *format);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_LE(std::fabs(*back - value), 5e-15 * std::fabs(value) + 1e-320) << text;
        }
    }
}

} // namespace
} // namespace calc
