// Any bytes, read as a box's text in one of several locales, and any double,
// written as the program writes numbers: a text is accepted exactly when it is
// a number by the plain rules, and then as that number; what is written shows
// 15 significant digits and reads back to them.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"

namespace {

using fuzzing::check;

constexpr std::string_view Digits = "0123456789";

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
    const auto digits = fuzzing::digitsOf(format);
    for (std::size_t i = 0; i < digits.size(); ++i)
        replaceAll(plain, digits[i], Digits.substr(i, 1));
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

// [+-]? integer? (. digits)? ([eE] [+-]? digits)?, with a digit before any
// exponent; the integer is plain digits, or groups of three after a lead of
// one to three that does not start with 0 ("1,5" and "0,500" were meant as
// fractions).
bool plainNumber(std::string_view plain)
{
    std::size_t at = 0;
    const auto digits = [&] {
        const std::size_t from = at;
        at = std::min(plain.find_first_not_of(Digits, at), plain.size());
        return at - from;
    };
    const auto take = [&](std::string_view anyOf) {
        const bool taken = at < plain.size() && anyOf.find(plain[at]) != std::string_view::npos;
        at += taken ? 1 : 0;
        return taken;
    };
    take("+-");
    const std::size_t lead = at;
    std::size_t mantissa = digits();
    while (mantissa >= 1 && mantissa <= 3 && plain[lead] != '0' && take("_")) {
        if (digits() != 3)
            return false;
    }
    if (take("."))
        mantissa += digits();
    if (mantissa == 0)
        return false;
    if (take("eE")) {
        take("+-");
        if (digits() == 0)
            return false;
    }
    return at == plain.size();
}

// A number is written in ASCII digits or in the locale's own, never both.
bool mixedDigits(std::string_view text, const calc::NumberFormat& format)
{
    const auto digits = fuzzing::digitsOf(format);
    return digits[0] != "0" && text.find_first_of(Digits) != std::string_view::npos
        && std::ranges::any_of(digits, [&](const std::string& d) { return text.find(d) != std::string_view::npos; });
}

void checkReading(std::string_view text, const calc::NumberFormat& format)
{
    const std::string shown(text);
    std::string plain = plainForm(text, format);
    const bool number = plainNumber(plain) && !mixedDigits(text, format);
    std::erase(plain, '_');
    // Beyond the range of a double a number is refused; below it, it reads as 0.
    const double expected = number ? std::strtod(plain.c_str(), nullptr) : 0;
    const std::optional<double> value = calc::readNumber(text, format);
    check(value.has_value() == (number && std::isfinite(expected)), "%s: %s", value ? "accepted" : "refused",
        shown.c_str());
    check(!value || *value == expected, "%s read as %.17g, not %.17g", shown.c_str(), value.value_or(0), expected);
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
    check(shown == expected || (std::isinf(expected) && std::fabs(shown - value) <= std::fabs(value) * 1e-14),
        "%.17g shown as %.17g", value, shown);
    const double rounded = fuzzing::checkWritten(calc::roundedDisplayForm(value, format), format);
    check(std::fabs(rounded - value) <= 0.5e-8 * (1 + 1e-9) + std::fabs(value) * 1e-14, "%.17g rounded to %.17g", value,
        rounded);
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
