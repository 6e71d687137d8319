#include "calc/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <system_error>

namespace calc {

namespace {

std::string utf8(char32_t c)
{
    std::string text;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | c >> 6);
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | c >> 12);
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | c >> 18);
        text += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}

std::array<std::string, 10> localDigits(const NumberFormat& format)
{
    std::array<std::string, 10> digits;
    for (std::size_t i = 0; i < digits.size(); ++i)
        digits[i] = utf8(format.zeroDigit + static_cast<char32_t>(i));
    return digits;
}

class Scanner {
public:
    Scanner(std::string_view text, const NumberFormat& format)
        : rest_(text)
        , size_(text.size())
        , localDigits_(localDigits(format))
    {
    }

    bool atEnd() const { return rest_.empty(); }
    std::size_t taken() const { return size_ - rest_.size(); }
    bool sawLocalDigits() const { return kind_ == DigitKind::Local; }

    bool take(std::string_view token)
    {
        if (token.empty() || !rest_.starts_with(token))
            return false;
        rest_.remove_prefix(token.size());
        return true;
    }

    bool takeAnyOf(std::string_view a, std::string_view b) { return take(a) || take(b); }

    // Appends the run of digits at the front, as ASCII digits, and returns
    // its length.
    std::size_t takeDigits(std::string& digits)
    {
        std::size_t n = 0;
        while (const auto digit = takeDigit()) {
            digits += *digit;
            ++n;
        }
        return n;
    }

private:
    // A number is written in ASCII digits or in the locale's own, never in
    // both: once it has shown one kind, a digit of the other is no digit.
    std::optional<char> takeDigit()
    {
        if (kind_ != DigitKind::Local && !rest_.empty() && rest_[0] >= '0' && rest_[0] <= '9') {
            kind_ = DigitKind::Ascii;
            const char digit = rest_[0];
            rest_.remove_prefix(1);
            return digit;
        }
        if (kind_ == DigitKind::Ascii || localDigits_[0] == "0")
            return std::nullopt;
        for (std::size_t i = 0; i < localDigits_.size(); ++i) {
            if (take(localDigits_[i])) {
                kind_ = DigitKind::Local;
                return static_cast<char>('0' + i);
            }
        }
        return std::nullopt;
    }

    enum class DigitKind { NotYetSeen, Ascii, Local };

    std::string_view rest_;
    std::size_t size_;
    std::array<std::string, 10> localDigits_;
    DigitKind kind_ = DigitKind::NotYetSeen;
};

constexpr std::string_view NoBreakSpace = "\u00A0";
constexpr std::string_view NarrowNoBreakSpace = "\u202F";

// Locales that group with a no-break space cannot expect it to be typed; a
// plain space, or the other no-break space, stands for it.
bool takeGroupSeparator(Scanner& in, const NumberFormat& format)
{
    if (in.take(format.groupSeparator))
        return true;
    if (format.groupSeparator == NoBreakSpace || format.groupSeparator == NarrowNoBreakSpace)
        return in.take(" ") || in.take(NoBreakSpace) || in.take(NarrowNoBreakSpace);
    return false;
}

// Integer digits, either plain or in groups of three after a lead of one to
// three that does not start with 0; "1,5" and "0,500" in a point locale are
// refused rather than read as 15 and 500, for they were meant as fractions.
bool takeIntegerPart(Scanner& in, const NumberFormat& format, std::string& digits)
{
    const std::size_t n = in.takeDigits(digits);
    const bool grouping = !format.groupSeparator.empty() && format.groupSeparator != format.decimalSeparator;
    if (n == 0 || n > 3 || digits.front() == '0' || !grouping)
        return true;
    while (takeGroupSeparator(in, format)) {
        if (in.takeDigits(digits) != 3)
            return false;
    }
    return true;
}

// Few keyboards offer a decimal separator that is no ASCII character, so a
// typed point stands for it, unless the point groups digits.
bool takeDecimalSeparator(Scanner& in, const NumberFormat& format)
{
    if (in.take(format.decimalSeparator))
        return true;
    const bool asciiSeparator
        = format.decimalSeparator.size() == 1 && static_cast<unsigned char>(format.decimalSeparator[0]) < 0x80;
    return !asciiSeparator && format.groupSeparator != "." && in.take(".");
}

// Anything past a billion is as out of range as a billion.
constexpr std::int64_t ExponentLimit = 1'000'000'000;

// The power of ten after "e" or "E", 0 when there is none; empty when the
// "e" is not followed by digits.
std::optional<std::int64_t> takeExponent(Scanner& in, const NumberFormat& format)
{
    if (!in.takeAnyOf("e", "E"))
        return 0;
    bool negative = false;
    if (!in.take("+"))
        negative = in.takeAnyOf("-", format.minusSign);
    std::string digits;
    if (in.takeDigits(digits) == 0)
        return std::nullopt;
    std::int64_t exponent = 0;
    for (const char c : digits) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > ExponentLimit) {
            exponent = ExponentLimit;
            break;
        }
    }
    return negative ? -exponent : exponent;
}

// `mark` stands where digits after `rest` were left out.
std::string decimalExponentForm(char lead, std::string_view rest, std::int64_t exponent, std::string_view mark = {})
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

// A number text taken apart: its digits in ASCII, and where its parts lie.
struct ScannedNumber {
    bool negative = false;
    std::string digits; // of the integer part and the fraction, without groups
    std::int64_t integerDigits = 0;
    std::int64_t exponent = 0;
    bool localDigits = false;
    // Byte offsets into the text: the sign ends where the mantissa starts,
    // the decimal separator lies between the integer part and the fraction,
    // and the exponent follows the mantissa.
    std::size_t mantissaStart = 0, integerEnd = 0, fractionStart = 0, mantissaEnd = 0;
};

std::optional<ScannedNumber> scanNumber(std::string_view text, const NumberFormat& format)
{
    Scanner in(text, format);
    ScannedNumber number;
    if (!in.take("+"))
        number.negative = in.takeAnyOf("-", format.minusSign);
    number.mantissaStart = in.taken();
    if (!takeIntegerPart(in, format, number.digits))
        return std::nullopt;
    number.integerDigits = static_cast<std::int64_t>(number.digits.size());
    number.integerEnd = in.taken();
    const bool fraction = takeDecimalSeparator(in, format);
    number.fractionStart = in.taken();
    if (fraction)
        in.takeDigits(number.digits);
    number.mantissaEnd = in.taken();
    if (number.digits.empty())
        return std::nullopt;
    const auto exponent = takeExponent(in, format);
    if (!exponent || !in.atEnd())
        return std::nullopt;
    number.exponent = *exponent;
    number.localDigits = in.sawLocalDigits();
    return number;
}

// The largest n below `count` whose form fits, for forms that widen with n.
std::optional<std::size_t> mostThatFit(std::size_t count, const std::function<std::string(std::size_t)>& form,
    const std::function<bool(std::string_view)>& fits)
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

constexpr std::string_view OmissionMark = "\u2026";

} // namespace

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::optional<double> readNumber(std::string_view text, const NumberFormat& format)
{
    const auto number = scanNumber(trimSpaces(text), format);
    if (!number)
        return std::nullopt;
    const std::string& digits = number->digits;
    const double zero = number->negative ? -0.0 : 0.0;
    const auto firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos)
        return zero;
    // The value is 0.<significant digits> * 10^scale.
    const std::int64_t scale
        = number->integerDigits - static_cast<std::int64_t>(firstSignificant) + number->exponent;

    std::string plain = "0." + digits.substr(firstSignificant) + "e" + std::to_string(scale);
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    // Too large for a double is no usable number; too small is as good as zero.
    if (error == std::errc::result_out_of_range)
        return scale > 0 ? std::nullopt : std::optional<double>(zero);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return number->negative ? -value : value;
}

std::string shortenedForm(
    std::string_view text, const NumberFormat& format, const std::function<bool(std::string_view)>& fits)
{
    const std::string_view trimmed = trimSpaces(text);
    const auto number = scanNumber(trimmed, format);
    // A power of ten at the limit may stand for a larger one, so a form
    // written from it could misstate the text; such a text stays as written.
    if (!number || std::abs(number->exponent) >= ExponentLimit || !readNumber(text, format) || fits(text))
        return std::string(text);
    const std::string& digits = number->digits;
    const std::string_view sign = trimmed.substr(0, number->mantissaStart);
    // Any new digits and separator come in the kind the number is written in.
    NumberFormat written = format;
    if (!number->localDigits)
        written.zeroDigit = U'0';
    if (number->fractionStart > number->integerEnd)
        written.decimalSeparator = trimmed.substr(number->integerEnd, number->fractionStart - number->integerEnd);

    // The fraction cut short, as long as it shows a digit, and one that is
    // not zero unless the number is.
    const auto fractionDigits = static_cast<std::size_t>(digits.size() - number->integerDigits);
    if (fractionDigits > 0) {
        const std::size_t digitBytes = (number->mantissaEnd - number->fractionStart) / fractionDigits;
        const auto form = [&](std::size_t shown) {
            return std::string(trimmed.substr(0, number->fractionStart + shown * digitBytes)) + std::string(OmissionMark)
                + std::string(trimmed.substr(number->mantissaEnd));
        };
        const auto shown = mostThatFit(fractionDigits, form, fits);
        const std::size_t shownDigits = static_cast<std::size_t>(number->integerDigits) + shown.value_or(0);
        const bool zero = digits.find_first_not_of('0') == std::string::npos;
        if (shown && shownDigits > 0 && (zero || digits.find_first_not_of('0') < shownDigits))
            return form(*shown);
    }

    // An integer part too wide, or a fraction whose first digits are zeros,
    // is written in exponent form, which keeps the magnitude in sight.
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return localForm("0", written);
    const std::string significant = digits.substr(first, digits.find_last_not_of('0') + 1 - first);
    const std::int64_t exponent = number->integerDigits - static_cast<std::int64_t>(first) - 1 + number->exponent;
    const auto form = [&](std::size_t rest) {
        const std::string_view shown = std::string_view(significant).substr(1, rest);
        const std::string_view mark = rest + 1 < significant.size() ? OmissionMark : std::string_view();
        return std::string(sign) + localForm(decimalExponentForm(significant[0], shown, exponent, mark), written);
    };
    return form(mostThatFit(significant.size(), form, fits).value_or(0));
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
