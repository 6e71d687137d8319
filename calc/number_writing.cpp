#include "calc/number_writing.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

#include "calc/number_text.h"
#include "calc/unicode.h"

namespace calc {

namespace {

// The value as C would write it: ASCII digits, point and hyphen.
std::string plainDisplayForm(double value)
{
    if (value == 0)
        return "0"; // also for -0: a box never shows "-0"

    // d.dddddddddddddde+XX: the value rounded to 15 significant digits.
    char buffer[32];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto e = scientific.find('e');
    std::string digits = std::string(1, scientific[0]) + std::string(scientific.substr(2, e - 2));
    const std::int64_t exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());
    // Just below the largest double, rounding to 15 digits can step past it,
    // and a box would then show a number that cannot be read back. Those
    // values are cut to 15 digits instead.
    double shown = 0;
    if (std::from_chars(scientific.data(), scientific.data() + scientific.size(), shown).ec
        == std::errc::result_out_of_range) {
        auto last = digits.rbegin();
        while (*last == '0')
            *last++ = '9';
        --*last;
    }
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string text = value < 0 ? "-" : "";
    if (exponent < -8 || exponent >= 15)
        return text + decimalExponentForm(digits[0], std::string_view(digits).substr(1), exponent);

    if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        text += digits;
        text.append(integerDigits - digits.size(), '0');
        return text;
    }
    text += digits.substr(0, integerDigits);
    text += '.';
    text += digits.substr(integerDigits);
    return text;
}

std::array<std::string, 10> localDigits(const NumberFormat& format)
{
    std::array<std::string, 10> digits;
    for (std::size_t i = 0; i < digits.size(); ++i)
        digits[i] = unicode::utf8(format.zeroDigit + static_cast<char32_t>(i));
    return digits;
}

} // namespace

std::string decimalExponentForm(char lead, std::string_view rest, std::int64_t exponent, std::string_view mark)
{
    std::string text(1, lead);
    if (!rest.empty()) {
        text += '.';
        text += rest;
    }
    text += mark;
    text += exponent < 0 ? "E-" : "E+";
    text += std::to_string(std::abs(exponent));
    return text;
}

std::string localForm(std::string_view plain, const NumberFormat& format)
{
    const auto digits = localDigits(format);
    std::string text;
    for (const char c : plain) {
        if (c >= '0' && c <= '9')
            text += digits[static_cast<std::size_t>(c - '0')];
        else if (c == '.')
            text += format.decimalSeparator;
        else if (c == ',')
            text += format.groupSeparator;
        else if (c == '-')
            text += format.minusSign;
        else
            text += c;
    }
    return text;
}

std::string displayForm(double value, const NumberFormat& format)
{
    if (!std::isfinite(value))
        throw std::domain_error("a value that is not finite has no display form");
    return localForm(plainDisplayForm(value), format);
}

std::string roundedDisplayForm(double value, const NumberFormat& format)
{
    if (!std::isfinite(value))
        throw std::domain_error("a value that is not finite has no display form");
    // Fixed notation of the largest double: 309 digits, sign, point and 8 places.
    char buffer[330];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 8);
    double rounded = 0;
    std::from_chars(buffer, result.ptr, rounded);
    return displayForm(rounded, format);
}

} // namespace calc
