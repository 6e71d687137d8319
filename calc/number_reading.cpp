#include "calc/number_reading.h"

#include <algorithm>
#include <charconv>
#include <system_error>
#include <utility>
#include <vector>

#include "calc/unicode.h"

namespace calc {

namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
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
        const auto [c, length] = unicode::firstCodePoint(rest_);
        const char32_t zero = length > 0 ? unicode::zeroOf(c, localZero_) : 0;
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

bool takeDecimalSeparator(Scanner& in, const NumberFormat& format)
{
    return in.take(format.decimalSeparator) || (pointIsDecimalSeparator(format) && in.take("."));
}

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

} // namespace

std::string typedForm(std::string_view text)
{
    std::string ascii(text);
    for (const auto& [wide, narrow] : { std::pair { "\uFF0E", "." }, { "\uFF0C", "," }, { "\uFF0B", "+" },
             { "\uFF0D", "-" }, { "\uFF45", "e" }, { "\uFF25", "E" } })
        replaceAll(ascii, wide, narrow);
    return ascii;
}

// Few keyboards offer a decimal separator that is no ASCII character, so a
// typed point stands for it, unless the point groups digits.
bool pointIsDecimalSeparator(const NumberFormat& format)
{
    const bool asciiSeparator
        = format.decimalSeparator.size() == 1 && static_cast<unsigned char>(format.decimalSeparator[0]) < 0x80;
    return format.decimalSeparator == "." || (!asciiSeparator && format.groupSeparator != ".");
}

std::string_view numberPart(std::string_view text, const NumberFormat& format)
{
    const std::string_view part = trimBlanks(text);
    const std::string typed = typedForm(part);
    Scanner in(typed, format);
    if (!takeSign(in, format))
        return part;
    const std::size_t end = static_cast<std::size_t>(part.data() - text.data()) + part.size();
    std::size_t start = end - part.size();
    const auto markBefore = [&] {
        return std::ranges::find_if(DirectionMarks, [&](auto mark) { return text.substr(0, start).ends_with(mark); });
    };
    for (auto mark = markBefore(); mark != std::end(DirectionMarks); mark = markBefore())
        start -= mark->size();
    return text.substr(start, end - start);
}

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

std::string_view trimBlanks(std::string_view text)
{
    using unicode::firstCodePoint, unicode::lastCodePoint;
    const auto blank = [](std::pair<char32_t, std::size_t> c) {
        return c.second > 0 && (unicode::isWhiteSpace(c.first) || unicode::isFormat(c.first));
    };
    for (auto c = firstCodePoint(text); blank(c); c = firstCodePoint(text))
        text.remove_prefix(c.second);
    for (auto c = lastCodePoint(text); blank(c); c = lastCodePoint(text))
        text.remove_suffix(c.second);
    return text;
}

std::optional<double> readNumber(std::string_view text, const NumberFormat& format)
{
    const auto number = scanNumber(typedForm(trimBlanks(text)), format);
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

} // namespace calc
