#include "calc/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <system_error>
#include <utility>
#include <vector>

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

// The code point the text starts with and the bytes it takes; no bytes when
// the text does not start with well-formed UTF-8.
std::pair<char32_t, std::size_t> firstCodePoint(std::string_view text)
{
    if (text.empty())
        return { 0, 0 };
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80)
        return { lead, 1 };
    const std::size_t length = lead >= 0xF8 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || length > text.size())
        return { 0, 0 };
    char32_t c = lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return { 0, 0 };
        c = c << 6 | (next & 0x3Fu);
    }
    // Overlong forms and surrogates are no characters at all.
    constexpr char32_t smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return { 0, 0 };
    return { c, length };
}

// The character the text ends with and the bytes it takes: the one
// well-formed sequence at its end.
std::pair<char32_t, std::size_t> lastCodePoint(std::string_view text)
{
    for (std::size_t length = 1; length <= std::min<std::size_t>(4, text.size()); ++length) {
        const auto c = firstCodePoint(text.substr(text.size() - length));
        if (c.second == length)
            return c;
    }
    return { 0, 0 };
}

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Unicode's White_Space characters.
bool isWhiteSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
        || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// The zero of every set of decimal digits in Unicode 15.0 (general category
// Nd), in order; the other nine digits of a set follow its zero.
constexpr char32_t DigitZeros[] = { 0x30, 0x660, 0x6F0, 0x7C0, 0x966, 0x9E6, 0xA66, 0xAE6, 0xB66, 0xBE6, 0xC66, 0xCE6,
    0xD66, 0xDE6, 0xE50, 0xED0, 0xF20, 0x1040, 0x1090, 0x17E0, 0x1810, 0x1946, 0x19D0, 0x1A80, 0x1A90, 0x1B50, 0x1BB0,
    0x1C40, 0x1C50, 0xA620, 0xA8D0, 0xA900, 0xA9D0, 0xA9F0, 0xAA50, 0xABF0, 0xFF10, 0x104A0, 0x10D30, 0x11066, 0x110F0,
    0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0, 0x11950, 0x11C50, 0x11D50, 0x11DA0,
    0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950,
    0x1FBF0 };

// The zero of the digit set that a character belongs to, or 0 for a
// character that is no decimal digit. The locale's own set counts even if a
// later Unicode brought it.
char32_t zeroOf(char32_t c, char32_t localZero)
{
    if (c - localZero < 10)
        return localZero;
    const auto after = std::upper_bound(std::begin(DigitZeros), std::end(DigitZeros), c);
    if (after == std::begin(DigitZeros) || c - after[-1] >= 10)
        return 0;
    return after[-1];
}

class Scanner {
public:
    Scanner(std::string_view text, const NumberFormat& format)
        : rest_(text)
        , size_(text.size())
        , localZero_(format.zeroDigit)
    {
    }

    bool atEnd() const { return rest_.empty(); }
    std::size_t taken() const { return size_ - rest_.size(); }
    // The zero of the set of digits the text has shown, 0 before any.
    char32_t digitZero() const { return zero_; }

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
    // A number is written in one set of digits: once it has shown one, a
    // digit of another is no digit.
    std::optional<char> takeDigit()
    {
        const auto [c, length] = firstCodePoint(rest_);
        const char32_t zero = length > 0 ? zeroOf(c, localZero_) : 0;
        if (zero == 0 || (zero_ != 0 && zero != zero_))
            return std::nullopt;
        zero_ = zero;
        rest_.remove_prefix(length);
        return static_cast<char>('0' + (c - zero));
    }

    std::string_view rest_;
    std::size_t size_;
    char32_t localZero_;
    char32_t zero_ = 0; // of the digits seen so far
};

constexpr std::string_view NoBreakSpace = "\u00A0";
constexpr std::string_view NarrowNoBreakSpace = "\u202F";

// Locales that group with a no-break space cannot expect it to be typed; a
// plain space, or the other no-break space, stands for it. Nor is there a key
// for the typographic apostrophe some locales group with.
bool takeGroupSeparator(Scanner& in, const NumberFormat& format)
{
    if (in.take(format.groupSeparator))
        return true;
    if (format.groupSeparator == NoBreakSpace || format.groupSeparator == NarrowNoBreakSpace)
        return in.take(" ") || in.take(NoBreakSpace) || in.take(NarrowNoBreakSpace);
    return format.groupSeparator == "\u2019" && in.take("'");
}

// Integer digits, either plain or grouped after a lead that does not start
// with 0: in threes, or where the locale writes lakhs and crores (12,34,567)
// in its secondary size left of a last group of three. "1,5" and "0,500" in a
// point locale are refused rather than read as 15 and 500, for they were
// meant as fractions.
bool takeIntegerPart(Scanner& in, const NumberFormat& format, std::string& digits)
{
    const std::size_t lead = in.takeDigits(digits);
    const bool grouping = !format.groupSeparator.empty() && format.groupSeparator != format.decimalSeparator;
    if (lead == 0 || lead > 3 || digits.front() == '0' || !grouping)
        return true;
    std::vector<std::size_t> sizes; // of the groups after the lead
    while (takeGroupSeparator(in, format))
        sizes.push_back(in.takeDigits(digits));
    const auto of = [](std::size_t size) { return [size](std::size_t n) { return n == size; }; };
    if (std::all_of(sizes.begin(), sizes.end(), of(3)))
        return true;
    return sizes.back() == 3 && lead <= format.secondaryGroupSize
        && std::all_of(sizes.begin(), sizes.end() - 1, of(format.secondaryGroupSize));
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

constexpr std::string_view DirectionMarks[] = { "\u200E", "\u200F", "\u061C" };

std::string withoutDirectionMarks(std::string text)
{
    for (const std::string_view mark : DirectionMarks)
        replaceAll(text, mark, "");
    return text;
}

void skipDirectionMarks(Scanner& in)
{
    while (std::any_of(std::begin(DirectionMarks), std::end(DirectionMarks), [&](auto mark) { return in.take(mark); }))
        ;
}

// Whether the sign at the front says negative; empty, with nothing taken,
// when no sign stands there. Besides the locale's own signs, the hyphen and
// the true minus sign (U+2212) are minus signs, with or without the direction
// marks right-to-left text keeps around a sign.
std::optional<bool> takeSign(Scanner& in, const NumberFormat& format)
{
    const Scanner before = in;
    skipDirectionMarks(in);
    std::optional<bool> negative;
    if (in.take("+") || in.take(withoutDirectionMarks(format.plusSign)))
        negative = false;
    else if (in.take("-") || in.take("\u2212") || in.take(withoutDirectionMarks(format.minusSign)))
        negative = true;
    if (!negative) {
        in = before;
        return std::nullopt;
    }
    skipDirectionMarks(in);
    return negative;
}

// The power of ten after "e" or "E", 0 when there is none; empty when the
// "e" is not followed by digits.
std::optional<std::int64_t> takeExponent(Scanner& in, const NumberFormat& format)
{
    if (!in.takeAnyOf("e", "E"))
        return 0;
    const bool negative = takeSign(in, format).value_or(false);
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

// Input methods of East Asia type full-width forms of the signs and marks;
// the text with those in ASCII.
std::string typedForm(std::string_view text)
{
    std::string ascii(text);
    for (const auto& [wide, narrow] :
        { std::pair { "\uFF0E", "." }, { "\uFF0C", "," }, { "\uFF0B", "+" }, { "\uFF0D", "-" } })
        replaceAll(ascii, wide, narrow);
    return ascii;
}

// A number text taken apart: its digits in ASCII, and where its parts lie.
struct ScannedNumber {
    bool negative = false;
    std::string digits; // of the integer part and the fraction, without groups
    std::int64_t integerDigits = 0;
    std::int64_t exponent = 0;
    char32_t digitZero = 0;
    // Byte offsets into the text: the sign ends where the mantissa starts,
    // the decimal separator lies between the integer part and the fraction,
    // and the exponent follows the mantissa.
    std::size_t mantissaStart = 0, integerEnd = 0, fractionStart = 0, mantissaEnd = 0;
};

std::optional<ScannedNumber> scanNumber(std::string_view text, const NumberFormat& format)
{
    Scanner in(text, format);
    ScannedNumber number;
    number.negative = takeSign(in, format).value_or(false);
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
    number.digitZero = in.digitZero();
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
    for (auto c = firstCodePoint(text); c.second > 0 && isWhiteSpace(c.first); c = firstCodePoint(text))
        text.remove_prefix(c.second);
    for (auto c = lastCodePoint(text); c.second > 0 && isWhiteSpace(c.first); c = lastCodePoint(text))
        text.remove_suffix(c.second);
    return text;
}

std::optional<double> readNumber(std::string_view text, const NumberFormat& format)
{
    const auto number = scanNumber(typedForm(trimSpaces(text)), format);
    if (!number)
        return std::nullopt;
    const std::string& digits = number->digits;
    const double zero = number->negative ? -0.0 : 0.0;
    const auto firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos)
        return zero;
    // The value is 0.<significant digits> * 10^scale.
    const std::int64_t scale = number->integerDigits - static_cast<std::int64_t>(firstSignificant) + number->exponent;

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
    const std::string trimmed = typedForm(trimSpaces(text));
    const auto number = scanNumber(trimmed, format);
    // A power of ten at the limit may stand for a larger one, so a form
    // written from it could misstate the text; such a text stays as written.
    if (!number || std::abs(number->exponent) >= ExponentLimit || !readNumber(text, format) || fits(text))
        return std::string(text);
    const std::string& digits = number->digits;
    const std::string_view sign = std::string_view(trimmed).substr(0, number->mantissaStart);
    // Any new digits and separator come in the kind the number is written in.
    NumberFormat written = format;
    written.zeroDigit = number->digitZero;
    if (number->fractionStart > number->integerEnd)
        written.decimalSeparator = trimmed.substr(number->integerEnd, number->fractionStart - number->integerEnd);

    // The fraction cut short, as long as it shows a digit, and one that is
    // not zero unless the number is.
    const auto fractionDigits = static_cast<std::size_t>(digits.size() - number->integerDigits);
    if (fractionDigits > 0) {
        const std::size_t digitBytes = (number->mantissaEnd - number->fractionStart) / fractionDigits;
        const auto form = [&](std::size_t shown) {
            return trimmed.substr(0, number->fractionStart + shown * digitBytes) + std::string(OmissionMark)
                + trimmed.substr(number->mantissaEnd);
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
