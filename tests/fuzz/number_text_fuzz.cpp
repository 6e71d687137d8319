// Any bytes, read as a box's text in one of several locales, and any double,
// written as the program writes numbers: what is accepted must be a number by
// the plain rules, what is written must read back to what it shows.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"

namespace {

using fuzzing::Formats;

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

bool groupsWithNoBreakSpace(const calc::NumberFormat& format)
{
    return format.groupSeparator == "\u00A0" || format.groupSeparator == "\u202F";
}

// The text as a C number: the locale's digits, decimal separator and minus
// sign turned into ASCII, group separators kept unless asked to drop them.
std::string plainForm(std::string_view text, const calc::NumberFormat& format, bool dropGroups)
{
    std::string plain(calc::trimSpaces(text));
    const auto digits = fuzzing::digitsOf(format);
    for (std::size_t i = 0; i < digits.size(); ++i)
        replaceAll(plain, digits[i], std::string(1, static_cast<char>('0' + i)));
    if (dropGroups) {
        replaceAll(plain, format.groupSeparator, "");
        if (groupsWithNoBreakSpace(format)) {
            for (std::string_view space : { " ", "\u00A0", "\u202F" })
                replaceAll(plain, space, "");
        }
    }
    // A point is a decimal point where the locale says so, and where it
    // stands in for a separator of no ASCII character that does not group.
    const bool asciiSeparator
        = format.decimalSeparator.size() == 1 && static_cast<unsigned char>(format.decimalSeparator[0]) < 0x80;
    if (format.decimalSeparator != "." && (asciiSeparator || format.groupSeparator == "."))
        replaceAll(plain, ".", "#");
    replaceAll(plain, format.decimalSeparator, ".");
    replaceAll(plain, format.minusSign, "-");
    return plain;
}

bool hasGroupSeparator(std::string_view text, const calc::NumberFormat& format)
{
    const std::string_view trimmed = calc::trimSpaces(text);
    if (fuzzing::contains(trimmed, format.groupSeparator))
        return true;
    return groupsWithNoBreakSpace(format)
        && (fuzzing::contains(trimmed, " ") || fuzzing::contains(trimmed, "\u00A0")
            || fuzzing::contains(trimmed, "\u202F"));
}

// [+-]? (digits [. digits?] | . digits) ([eE] [+-]? digits)?, written out
// plainly so that it shares nothing with the reading under test.
bool plainNumber(std::string_view plain)
{
    std::size_t at = 0;
    const auto digits = [&] {
        const std::size_t from = at;
        while (at < plain.size() && plain[at] >= '0' && plain[at] <= '9')
            ++at;
        return at - from;
    };
    const auto sign = [&] {
        if (at < plain.size() && (plain[at] == '+' || plain[at] == '-'))
            ++at;
    };
    sign();
    std::size_t mantissa = digits();
    if (at < plain.size() && plain[at] == '.') {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (at < plain.size() && (plain[at] == 'e' || plain[at] == 'E')) {
        ++at;
        sign();
        if (digits() == 0)
            return false;
    }
    return at == plain.size();
}

void checkReading(std::string_view text, const calc::NumberFormat& format)
{
    const std::string shown(text);
    const std::optional<double> value = calc::readNumber(text, format);
    const auto digits = fuzzing::digitsOf(format);
    if (digits[0] != "0") {
        const bool ascii = std::ranges::any_of(text, [](char c) { return c >= '0' && c <= '9'; });
        const bool local
            = std::ranges::any_of(digits, [&](const std::string& d) { return fuzzing::contains(text, d); });
        if (ascii && local) {
            FUZZ_CHECK(!value, "accepted with mixed digits: %s", shown.c_str());
            return;
        }
    }
    if (value) {
        FUZZ_CHECK(std::isfinite(*value), "accepted as no finite number: %s", shown.c_str());
        const std::string plain = plainForm(text, format, true);
        FUZZ_CHECK(plainNumber(plain), "accepted, yet no number: %s", shown.c_str());
        const double expected = std::strtod(plain.c_str(), nullptr);
        FUZZ_CHECK(*value == expected, "%s read as %.17g, not %.17g", shown.c_str(), *value, expected);
        // "0,500" was meant as a fraction: groups never follow a lead of 0.
        FUZZ_CHECK(!hasGroupSeparator(text, format) || plain[plain.find_first_of("0123456789")] != '0',
            "grouped after a lead 0: %s", shown.c_str());
        return;
    }
    // Refused: then it must be no plain number, lie beyond a double, or rest
    // on grouping, whose finer rules the reading alone knows.
    if (hasGroupSeparator(text, format))
        return;
    const std::string plain = plainForm(text, format, false);
    if (!plainNumber(plain))
        return;
    errno = 0;
    const double expected = std::strtod(plain.c_str(), nullptr);
    FUZZ_CHECK(!std::isfinite(expected) || (errno == ERANGE && std::fabs(expected) > 1),
        "refused, yet a number: %s", shown.c_str());
}

void checkWriting(double value, const calc::NumberFormat& format)
{
    if (!std::isfinite(value))
        return;
    // The display form shows 15 significant digits, and reads back to them.
    char fifteen[40];
    std::snprintf(fifteen, sizeof fifteen, "%.14e", value);
    const double shown = fuzzing::checkWritten(calc::displayForm(value, format), format);
    const double expected = std::strtod(fifteen, nullptr);
    if (std::isfinite(expected))
        FUZZ_CHECK(shown == expected, "%.17g shown as %.17g", value, shown);
    else // rounded past the largest double, so cut instead
        FUZZ_CHECK(std::fabs(shown - value) <= std::fabs(value) * 1e-14, "%.17g shown as %.17g", value, shown);

    // The rounded form moves the value by at most half of the 8th decimal
    // place, plus what the 15 digits lose.
    const double rounded = fuzzing::checkWritten(calc::roundedDisplayForm(value, format), format);
    FUZZ_CHECK(std::fabs(rounded - value) <= 0.5e-8 * (1 + 1e-9) + std::fabs(value) * 1e-14,
        "%.17g rounded to %.17g", value, rounded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::ByteReader input(data, size);
    const calc::NumberFormat& format = Formats[input.byte() % Formats.size()];
    const std::string_view text = input.rest();
    checkReading(text, format);
    if (text.size() >= 8)
        checkWriting(fuzzing::ByteReader(data + 1, 8).anyDouble(), format);
    return 0;
}
