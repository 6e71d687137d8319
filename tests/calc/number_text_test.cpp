#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <stdexcept>

#include "calc/number_text.h"

// Examples; the number-text fuzzer judges every text and every double.
namespace calc {
namespace {

const NumberFormat Point { ".", ",", "-" };
const NumberFormat Comma { ",", ".", "-" };
// Grouping with a narrow no-break space and a true minus sign, as some locales do.
const NumberFormat Spaced { ",", "\u202F", "\u2212" };
// Arabic-Indic digits and separators, and a minus sign behind a letter mark.
const NumberFormat Arabic { "\u066B", "\u066C", "\u061C-", U'\u0660' };

constexpr std::optional<double> Refused = std::nullopt;

TEST(ReadNumber, FollowsTheLocaleSeparators)
{
    const struct {
        const char* text;
        std::optional<double> point, comma, arabic;
    } rows[] = {
        { " 1,234.5 ", 1234.5, Refused, Refused },
        { "1.234,5", Refused, 1234.5, Refused },
        { "1,5", Refused, 1.5, Refused }, // a fraction in one locale is no group in another
        { "0,500", Refused, 0.5, Refused },
        { "\u0661\u066C\u0662\u0663\u0664\u066B\u0665", Refused, Refused, 1234.5 },
        { "\u0664.\u0665", Refused, Refused, 4.5 }, // a typed point for a separator off the keyboard
        { "-1.5E-3", -0.0015, Refused, -0.0015 },
        { "1e-400", 0, 0, 0 },
        { "1e400", Refused, Refused, Refused },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(readNumber(row.text, Point), row.point);
        EXPECT_EQ(readNumber(row.text, Comma), row.comma);
        EXPECT_EQ(readNumber(row.text, Arabic), row.arabic);
    }
    EXPECT_TRUE(std::signbit(readNumber("-0", Point).value()));
}

TEST(DisplayForm, FifteenSignificantDigitsAndExponentsOutsideTheFixedRange)
{
    const struct {
        double value;
        const NumberFormat& format;
        const char* expected;
    } rows[] = {
        { -0.0, Point, "0" },
        { 2.0 / 3, Comma, "0,666666666666667" },
        { 123456789012345, Point, "123456789012345" },
        { 999999999999999.9, Point, "1E+15" }, // rounded up to 15 digits
        { -1234567890123456, Comma, "-1,23456789012346E+15" },
        { 1e-8, Point, "0.00000001" },
        { 1.5e-9, Point, "1.5E-9" },
        // Rounded up, the largest double would read back as no number.
        { std::numeric_limits<double>::max(), Point, "1.79769313486231E+308" },
        { -2.5, Spaced, "\u22122,5" },
        { -1.5e-9, Arabic, "\u061C-\u0661\u066B\u0665E\u061C-\u0669" },
    };
    for (const auto& row : rows)
        EXPECT_EQ(displayForm(row.value, row.format), row.expected);
    EXPECT_THROW(displayForm(std::numeric_limits<double>::infinity(), Point), std::domain_error);
    EXPECT_THROW(roundedDisplayForm(std::nan(""), Point), std::domain_error);
}

TEST(RoundedDisplayForm, RoundsToEightPlacesTiesToEven)
{
    EXPECT_EQ(roundedDisplayForm(0.001953125, Point), "0.00195312");
    EXPECT_EQ(roundedDisplayForm(0.005859375, Comma), "0,00585938");
    EXPECT_EQ(roundedDisplayForm(123456789.123456789, Point), "123456789.123457");
}

} // namespace
} // namespace calc
