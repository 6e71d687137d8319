// Any bytes, read as a box's text in one of several locales, and any double,
// written as the program writes numbers: a text is accepted exactly when it is
// a number by the plain rules, and then as that number; what is written shows
// 15 significant digits and reads back to them.
#include <algorithm>
#include <string>

#include "fuzz_support.h"

namespace {

// A digit of a format in UTF-8, spelt out here rather than taken from the code
// under test; every format has its digits below U+0800.
std::string digit(const calc::NumberFormat& format, unsigned value)
{
    const unsigned c = format.zeroDigit + value;
    return c < 0x80 ? std::string(1, static_cast<char>(c))
                    : std::string { static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F)) };
}

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The text in C's terms, worked out without the reading under test: ASCII
// digits, "." for the decimal separator, "-" for the minus sign, "_" for a
// group separator and "#" for what belongs to no number.
std::string plainForm(std::string_view text, const calc::NumberFormat& format)
{
    std::string plain(calc::trimSpaces(text));
    replaceAll(plain, "_", "#");
    const bool ascii = plain.find_first_of("0123456789") != std::string::npos;
    for (unsigned i = 0; i < 10 && format.zeroDigit != U'0'; ++i) {
        // A number is written in ASCII digits or in the locale's own, never both.
        if (ascii && plain.find(digit(format, i)) != std::string::npos)
            return "#";
        replaceAll(plain, digit(format, i), std::string(1, static_cast<char>('0' + i)));
    }
    replaceAll(plain, format.groupSeparator, "_");
    // Locales that group with a no-break space take any space for it.
    if (format.groupSeparator == "\u00A0" || format.groupSeparator == "\u202F") {
        for (std::string_view space : { " ", "\u00A0", "\u202F" })
            replaceAll(plain, space, "_");
    }
    // A typed point stands for a decimal separator of no ASCII character.
    if (format.decimalSeparator.size() == 1 && format.decimalSeparator != ".")
        replaceAll(plain, ".", "#");
    replaceAll(plain, format.decimalSeparator, ".");
    replaceAll(plain, format.minusSign, "-");
    return plain;
}

// Groups of three after a lead of one to three digits that does not start
// with 0, and none elsewhere: "1,5" and "0,500" were meant as fractions.
bool groupedInThrees(std::string_view plain)
{
    const std::size_t sign = plain.starts_with('+') || plain.starts_with('-') ? 1 : 0;
    const std::string_view integer = plain.substr(sign, plain.find_first_not_of("0123456789_", sign) - sign);
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if ((integer[integer.size() - 1 - i] == '_') != (i % 4 == 3))
            return false;
    }
    return !integer.starts_with('_') && !integer.starts_with('0')
        && plain.find('_', sign + integer.size()) == plain.npos;
}

// Accepted exactly when, its groups dropped, the text is a C number of decimal
// digits that fits a double, and then as that number; below a double's range
// it reads as 0.
void checkReading(std::string_view text, const calc::NumberFormat& format)
{
    std::string plain = plainForm(text, format);
    const bool grouped = plain.find('_') == plain.npos || groupedInThrees(plain);
    std::erase(plain, '_');
    char* end = nullptr;
    const double expected = std::strtod(plain.c_str(), &end);
    const bool number = grouped && plain.find_first_not_of("0123456789+-.eE") == plain.npos && !plain.empty()
        && end == plain.c_str() + plain.size() && std::isfinite(expected);
    const std::optional<double> value = calc::readNumber(text, format);
    const std::string shown(text);
    FUZZ_CHECK(value.has_value() == number, "%s: %s", value ? "accepted" : "refused", shown.c_str());
    FUZZ_CHECK(!value || *value == expected, "%s read as %.17g, not %.17g", shown.c_str(), value.value_or(0), expected);
}

// The display form shows the value to 15 significant digits, the rounded one
// moves it by at most half of the 8th decimal place more.
void checkWriting(double value, const calc::NumberFormat& format)
{
    if (!std::isfinite(value))
        return;
    char fifteen[40];
    std::snprintf(fifteen, sizeof fifteen, "%.14e", value);
    const double expected = std::strtod(fifteen, nullptr);
    const double shown = fuzzing::checkWritten(calc::displayForm(value, format), format);
    // Rounded past the largest double, a value is cut to 15 digits instead.
    FUZZ_CHECK(shown == expected || (std::isinf(expected) && std::fabs(shown - value) <= std::fabs(value) * 1e-14),
        "%.17g shown as %.17g", value, shown);
    const double rounded = fuzzing::checkWritten(calc::roundedDisplayForm(value, format), format);
    FUZZ_CHECK(std::fabs(rounded - value) <= 0.5e-8 * (1 + 1e-9) + std::fabs(value) * 1e-14, "%.17g rounded to %.17g",
        value, rounded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::ByteReader input { { reinterpret_cast<const char*>(data), size } };
    const calc::NumberFormat& format = fuzzing::Formats[input.byte() % fuzzing::Formats.size()];
    const std::string_view text = input.rest;
    checkReading(text, format);
    if (text.size() >= 8)
        checkWriting(input.anyDouble(), format);
    return 0;
}
