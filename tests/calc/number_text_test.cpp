#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

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

TEST(ReadNumber, TakesNumbersAsPeopleOfTheLocaleTypeAndPasteThem)
{
    const NumberFormat Indian { ".", ",", "-", U'0', "+", 2 };
    const NumberFormat Swiss { ".", "\u2019", "-" };
    const NumberFormat Persian { "\u066B", "\u066C", "\u200E\u2212", U'\u06F0', "\u200E+" };
    const struct {
        const char* text;
        const NumberFormat& format;
        std::optional<double> expected;
    } rows[] = {
        { " 1,234.5 ", Point, 1234.5 },
        { "1,234.5", Comma, std::nullopt },
        { "0,500", Point, std::nullopt }, // meant as a fraction
        { "\u0661\u066C\u0662\u0663\u0664\u066B\u0665", Arabic, 1234.5 },
        { "\t\u00A012.5\r\n\u3000", Point, 12.5 }, // a pasted cell
        { "12,34,567.5", Indian, 1234567.5 },
        { "1,234,567", Indian, 1234567 },
        { "12,34,567", Point, std::nullopt },
        { "\u0967.\u096B", Indian, 1.5 }, // Devanagari digits
        { "\uFF0B\uFF11\uFF0E\uFF15", Point, 1.5 }, // full-width
        { "\u0661\u066B\u0665", Persian, 1.5 }, // Arabic-Indic under Persian
        { "\u0661\u06F5", Persian, std::nullopt }, // two sets of digits
        { "1'234.5", Swiss, 1234.5 },
        { "\u2212\u06F1e\u200E+\u06F2", Persian, -100 },
    };
    for (const auto& row : rows)
        EXPECT_EQ(readNumber(row.text, row.format), row.expected) << row.text;
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
        { 1e-8, Point, "0.00000001" },
        { 1.5e-9, Point, "1.5E-9" },
        // Rounded up, the largest double would read back as no number.
        { std::numeric_limits<double>::max(), Point, "1.79769313486231E+308" },
        { -2.5, Spaced, "\u22122,5" },
        { -1.5e-9, Arabic, "\u061C-\u0661\u066B\u0665E\u061C-\u0669" },
    };
    for (const auto& row : rows)
        EXPECT_EQ(displayForm(row.value, row.format), row.expected);
}

// Fits where at most `width` characters do.
auto within(std::size_t width)
{
    return [width](std::string_view text) {
        return std::ranges::count_if(text, [](char c) { return (c & 0xC0) != 0x80; }) <= std::ptrdiff_t(width);
    };
}

TEST(ShortenedForm, KeepsSignLeadingDigitsAndExponentInView)
{
    const struct {
        const char* text;
        const NumberFormat& format;
        std::size_t width;
        const char* expected;
    } rows[] = {
        { "2.8316846592E-11", Point, 13, "2.831684\u2026E-11" },
        { "12345678901234", Point, 13, "1.234567\u2026E+13" }, // no integer digit goes missing
        { "\u0661\u0662\u0663\u066C\u0664\u0665\u0666\u066B\u0667\u0668\u0669\u0660", Arabic, 11,
            "\u0661\u0662\u0663\u066C\u0664\u0665\u0666\u066B\u0667\u0668\u2026" },
        { "100000000000000000000", Point, 10, "1E+20" }, // nothing left out, no mark
        { "0.00000001234567", Point, 10, "1.2345\u2026E-8" }, // rather than zeros only
        { "-123456789012.345", Arabic, 10, "-1.23\u2026E+11" }, // in the digits it was typed in
        { "\u061C-\u0666\u0664\u0666\u0663\u0661\u0666\u0668\u0668\u0663\u0661\u0661\u0666\u066B\u0668"
          "\u0668\u0663",
            Arabic, 12, "\u061C-\u0666\u066B\u0664\u0666\u0663\u2026E+\u0661\u0661" },
        { "123456789012345", Point, 2, "1\u2026E+14" }, // nothing fits: one digit
        { "2.8316846592E-11", Point, 16, "2.8316846592E-11" },
        { "12345678901234x", Point, 5, "12345678901234x" }, // no number
    };
    for (const auto& row : rows)
        EXPECT_EQ(shortenedForm(row.text, row.format, within(row.width)), row.expected) << row.text;
}

TEST(RoundedDisplayForm, RoundsToEightPlacesTiesToEven)
{
    EXPECT_EQ(roundedDisplayForm(0.001953125, Point), "0.00195312");
    EXPECT_EQ(roundedDisplayForm(0.005859375, Comma), "0,00585938");
}

} // namespace
} // namespace calc
