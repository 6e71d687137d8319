#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

#include "calc/number_text.h"

// Examples beyond the number-text fuzzer's seeds; the fuzzer judges every
// text and every double.
namespace calc {
namespace {

const NumberFormat Point;
const NumberFormat Comma { .decimalSeparator = ",", .groupSeparator = "." };
// Arabic-Indic digits and separators, and a minus sign behind a letter mark.
const NumberFormat Arabic {
    .decimalSeparator = "\u066B", .groupSeparator = "\u066C", .minusSign = "\u061C-", .zeroDigit = U'\u0660'
};

TEST(ReadNumber, GroupsOnlyAsTheLocaleGroups)
{
    const NumberFormat Indian { .secondaryGroupSize = 2 }; // 12,34,567
    const struct {
        const char* text;
        const NumberFormat& format;
        std::optional<double> expected;
    } rows[] = {
        { "1,234.5", Comma, std::nullopt },
        { "1,234,567", Indian, 1234567 },
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
        { 123456789012345, Point, "123456789012345" },
        { 999999999999999.9, Point, "1E+15" }, // rounded up to 15 digits
        { 1e-8, Point, "0.00000001" },
        { -1.5e-9, Arabic, "\u061C-\u0661\u066B\u0665E\u061C-\u0669" },
    };
    for (const auto& row : rows)
        EXPECT_EQ(displayForm(row.value, row.format), row.expected);
}

// Fits where at most `width` characters do, the mark as wide as `markWidth`
// of them (some fonts draw it as wide as two digits).
auto within(std::size_t width, std::size_t markWidth = 1)
{
    return [=](std::string_view text) {
        const auto characters = std::ranges::count_if(text, [](char c) { return (c & 0xC0) != 0x80; });
        return std::size_t(characters) + (text.find("\u2026") == text.npos ? 0 : markWidth - 1) <= width;
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
        { "12345678901234", Point, 13, "1.234567\u2026E+13" }, // no integer digit goes missing
        { "\u0661\u0662\u0663\u066C\u0664\u0665\u0666\u066B\u0667\u0668\u0669\u0660", Arabic, 11,
            "\u0661\u0662\u0663\u066C\u0664\u0665\u0666\u066B\u0667\u0668\u2026" },
        { "100000000000000000000", Point, 10, "1E+20" }, // nothing left out, no mark
        { "-123456789012.345", Arabic, 10, "-1.23\u2026E+11" }, // in the digits it was typed in
        { "-0.000000000028316846592", Arabic, 12, "-2.8316\u2026E-11" }, // and its signs
        { "\u061C-\u0666\u0664\u0666\u0663\u0661\u0666\u0668\u0668\u0663\u0661\u0661\u0666\u066B\u0668"
          "\u0668\u0663",
            Arabic, 12, "\u061C-\u0666\u066B\u0664\u0666\u0663\u2026E+\u0661\u0661" },
        { "123456789012345", Point, 2, "1\u2026E+14" }, // nothing fits: one digit
        { "2.8316846592E-11", Point, 16, "2.8316846592E-11" },
    };
    for (const auto& row : rows)
        EXPECT_EQ(shortenedForm(row.text, row.format, within(row.width)), row.expected) << row.text;
    // Showing every digit drops the mark, so with a wide mark the complete
    // form can be narrower than the one before it.
    EXPECT_EQ(shortenedForm("123456000000000000", Point, within(11, 2)), "1.23456E+17");
}

TEST(RoundedDisplayForm, RoundsToEightPlacesTiesToEven)
{
    EXPECT_EQ(roundedDisplayForm(0.001953125, Point), "0.00195312");
    EXPECT_EQ(roundedDisplayForm(0.005859375, Comma), "0,00585938");
}

} // namespace
} // namespace calc
