#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number_reading.h"
#include "calc/number_text.h"
#include "calc/number_writing.h"

namespace calc {

namespace {

using Fits = std::function<bool(std::string_view)>;

constexpr std::string_view OmissionMark = "\u2026";

// The largest n below `count` whose form fits, for forms that widen with n.
std::optional<std::size_t> mostThatFit(
    std::size_t count, const std::function<std::string(std::size_t)>& form, const Fits& fits)
{
    if (count == 0 || !fits(form(0)))
        return std::nullopt;
    std::size_t low = 0;
    std::size_t high = count - 1;
    while (low < high) {
        const std::size_t middle = low + (high - low + 1) / 2;
        if (fits(form(middle)))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// The text with its fraction cut short, as long as it shows a digit, and one
// that is not zero unless the number is; empty when no such form fits.
std::optional<std::string> fractionCutShort(const std::string& text, const ScannedNumber& number, const Fits& fits)
{
    const std::string& digits = number.digits;
    const auto fractionDigits = static_cast<std::size_t>(digits.size() - number.integerDigits);
    if (fractionDigits == 0)
        return std::nullopt;
    const std::size_t digitBytes = (number.mantissaEnd - number.fractionStart) / fractionDigits;
    const auto form = [&](std::size_t shown) {
        return text.substr(0, number.fractionStart + shown * digitBytes) + std::string(OmissionMark)
            + text.substr(number.mantissaEnd);
    };
    const auto shown = mostThatFit(fractionDigits, form, fits);
    const std::size_t shownDigits = static_cast<std::size_t>(number.integerDigits) + shown.value_or(0);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    if (shown && shownDigits > 0 && (zero || digits.find_first_not_of('0') < shownDigits))
        return form(*shown);
    return std::nullopt;
}

// The number in exponent form with as many of its significant digits as fit,
// at least one.
std::string exponentForm(
    const std::string& text, const ScannedNumber& number, const NumberFormat& format, const Fits& fits)
{
    // Any new digits and separator come in the kind the number is written in.
    NumberFormat written = format;
    written.zeroDigit = number.digitZero;
    // So do the signs where a locale has digits of its own: its minus may
    // carry a right-to-left mark (Arabic's does), which among ASCII digits
    // moves the sign behind the exponent, and E-11 reads as E11-; and its
    // decimal separator (Arabic's \u066B) among ASCII digits passes for a
    // group separator, 1\u066B2345 for 12,345.
    if (number.digitZero == U'0' && format.zeroDigit != U'0') {
        written.minusSign = "-";
        if (pointIsDecimalSeparator(format))
            written.decimalSeparator = ".";
    }
    if (number.fractionStart > number.integerEnd)
        written.decimalSeparator = text.substr(number.integerEnd, number.fractionStart - number.integerEnd);

    const std::string& digits = number.digits;
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return localForm("0", written);
    const std::string significant = digits.substr(first, digits.find_last_not_of('0') + 1 - first);
    const std::int64_t exponent = number.integerDigits - static_cast<std::int64_t>(first) - 1 + number.exponent;
    const std::string_view sign = std::string_view(text).substr(0, number.mantissaStart);
    const auto form = [&](std::size_t rest) {
        const std::string_view shown = std::string_view(significant).substr(1, rest);
        const std::string_view mark = rest + 1 < significant.size() ? OmissionMark : std::string_view();
        return std::string(sign) + localForm(decimalExponentForm(significant[0], shown, exponent, mark), written);
    };
    // The form with every digit has no mark, so where the mark is wider than
    // a digit it can fit although the one before it does not.
    const std::size_t complete = significant.size() - 1;
    if (fits(form(complete)))
        return form(complete);
    return form(mostThatFit(complete, form, fits).value_or(0));
}

} // namespace

std::string shortenedForm(std::string_view text, const NumberFormat& format, const Fits& fits)
{
    const std::string_view part = numberPart(text, format);
    const std::string trimmed = typedForm(part);
    const auto number = scanNumber(trimmed, format);
    // A power of ten at the limit may stand for a larger one, so a form
    // written from it could misstate the text; such a text stays as written.
    // So does a text beyond the range of a double: the program takes it for
    // no number, and a shortened form would misstate it as one.
    if (!number || std::abs(number->exponent) >= ExponentLimit || !readNumber(text, format) || fits(text))
        return std::string(text);
    // The blanks around a number, a pasted tab above all, may take the room
    // that it fits in without them.
    if (fits(part))
        return std::string(part);
    if (auto cut = fractionCutShort(trimmed, *number, fits))
        return *cut;
    // An integer part too wide, or a fraction whose first digits are zeros,
    // is written in exponent form, which keeps the magnitude in sight.
    return exponentForm(trimmed, *number, format, fits);
}

} // namespace calc
