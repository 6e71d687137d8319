// Any bytes, read as a box's text in one of several locales, and any double,
// written as the program writes numbers: a text is accepted exactly when it is
// a number by the plain rules, and then as that number; what is written shows
// 15 significant digits and reads back to them. Either, shortened to a width,
// reads as the same number to the digits it shows.
#include <algorithm>
#include <charconv>
#include <string>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include "fuzz_support.h"

namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The text's characters, ill-formed bytes as U+FFFD.
std::u32string charactersOf(std::string_view text)
{
    std::u32string characters;
    for (std::int32_t at = 0; at < static_cast<std::int32_t>(text.size());) {
        UChar32 c = 0;
        U8_NEXT(text.data(), at, static_cast<std::int32_t>(text.size()), c);
        characters += static_cast<char32_t>(c < 0 ? 0xFFFD : c);
    }
    return characters;
}

// Whether the Unicode 15.0 the program knows has the character: digits and
// format characters newer than that are neither, whatever the ICU at hand.
bool known(char32_t c)
{
    UVersionInfo age {};
    u_charAge(static_cast<UChar32>(c), age);
    return age[0] <= 15;
}

bool isFormat(char32_t c)
{
    return u_charType(static_cast<UChar32>(c)) == U_FORMAT_CHAR && known(c);
}

// The text's characters without the blanks around them: white space and
// format characters.
std::u32string trimmedCharacters(std::string_view text)
{
    const std::u32string characters = charactersOf(text);
    const auto blank = [](char32_t c) { return u_isUWhiteSpace(static_cast<UChar32>(c)) || isFormat(c); };
    const auto first = std::find_if_not(characters.begin(), characters.end(), blank);
    const auto last = std::find_if_not(characters.rbegin(), characters.rend(), blank).base();
    return first < last ? std::u32string(first, last) : std::u32string();
}

// The text in C's terms, worked out without the reading under test: ASCII
// digits, "." for the decimal separator, "-" and "+" for the signs, "_" for a
// group separator and "#" for what belongs to no number.
std::string plainForm(std::string_view text, const calc::NumberFormat& format)
{
    // Digits as ICU knows them, all of one set.
    std::string plain;
    char32_t zero = 0;
    for (const char32_t c : trimmedCharacters(text)) {
        if (u_charType(static_cast<UChar32>(c)) == U_DECIMAL_DIGIT_NUMBER && known(c)) {
            const auto value = static_cast<char32_t>(u_charDigitValue(static_cast<UChar32>(c)));
            if (zero != 0 && zero != c - value)
                return "#";
            zero = c - value;
            plain += static_cast<char>('0' + value);
        } else {
            char buffer[4];
            std::int32_t length = 0;
            U8_APPEND_UNSAFE(buffer, length, static_cast<UChar32>(c));
            plain.append(buffer, static_cast<std::size_t>(length));
        }
    }
    for (std::string_view unused : { "_", "~" })
        replaceAll(plain, unused, "#");
    // Full-width forms stand for ASCII ones; a typed apostrophe for the
    // typographic one.
    for (const auto& [wide, narrow] : { std::pair { "\uFF0E", "." }, { "\uFF0C", "," }, { "\uFF0B", "+" },
             { "\uFF0D", "-" }, { "\uFF45", "e" }, { "\uFF25", "E" } })
        replaceAll(plain, wide, narrow);
    if (format.groupSeparator == "\u2019")
        replaceAll(plain, "'", "\u2019");
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
    // Signs: the locale's, the hyphen and U+2212, and direction marks ("~")
    // only right beside a sign.
    for (const auto& [sign, ascii] :
        { std::pair { format.minusSign, "-" }, { format.plusSign, "+" }, { "\u2212", "-" } })
        replaceAll(plain, sign, ascii);
    for (std::string_view mark : { "\u200E", "\u200F", "\u061C" })
        replaceAll(plain, mark, "~");
    for (std::size_t before = plain.size() + 1; before != plain.size();) {
        before = plain.size();
        for (std::string_view marked : { "~-", "-~", "~+", "+~" })
            replaceAll(plain, marked, marked.substr(marked[0] == '~' ? 1 : 0, 1));
    }
    return plain;
}

// Groups of three, or of the secondary size left of a last group of three,
// after a lead that does not start with 0, and none elsewhere: "1,5" and
// "0,500" were meant as fractions.
bool grouped(std::string_view plain, std::size_t secondary)
{
    const std::size_t sign = plain.starts_with('+') || plain.starts_with('-') ? 1 : 0;
    const std::string_view integer = plain.substr(sign, plain.find_first_not_of("0123456789_", sign) - sign);
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if ((integer[integer.size() - 1 - i] == '_') != (i == 3 || (i > 3 && (i - 3) % (secondary + 1) == 0)))
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
    const bool groupsFit
        = plain.find('_') == plain.npos || grouped(plain, 3) || grouped(plain, format.secondaryGroupSize);
    std::erase(plain, '_');
    char* end = nullptr;
    const double expected = std::strtod(plain.c_str(), &end);
    const bool number = groupsFit && plain.find_first_not_of("0123456789+-.eE") == plain.npos && !plain.empty()
        && end == plain.c_str() + plain.size() && std::isfinite(expected);
    const std::optional<double> value = calc::readNumber(text, format);
    const std::string shown(text);
    FUZZ_CHECK(value.has_value() == number, "%s: %s", value ? "accepted" : "refused", shown.c_str());
    FUZZ_CHECK(!value || *value == expected, "%s read as %.17g, not %.17g", shown.c_str(), value.value_or(0), expected);
}

// A plain number (see plainForm) as its sign, its significant digits, the
// power of ten of the first of them and the one written after "E"; empty when
// it is no plain number. Zero has no significant digits.
struct Decimal {
    bool negative = false;
    std::string significant;
    long long power = 0;
    long long written = 0;
};

std::optional<Decimal> decimal(std::string plain)
{
    std::erase(plain, '_');
    Decimal number;
    number.negative = plain.starts_with('-');
    std::size_t at = plain.starts_with('-') || plain.starts_with('+') ? 1 : 0;
    std::string digits;
    std::size_t integer = plain.npos;
    for (; at < plain.size() && (std::isdigit(static_cast<unsigned char>(plain[at])) || plain[at] == '.'); ++at) {
        if (plain[at] != '.')
            digits += plain[at];
        else if (integer == plain.npos)
            integer = digits.size();
        else
            return std::nullopt;
    }
    integer = std::min(integer, digits.size());
    if (digits.empty())
        return std::nullopt;
    if (at < plain.size()) {
        if ((plain[at] != 'E' && plain[at] != 'e') || at + 1 == plain.size())
            return std::nullopt;
        const bool below = plain[at + 1] == '-';
        at += plain[at + 1] == '-' || plain[at + 1] == '+' ? 2 : 1;
        const auto [end, error] = std::from_chars(plain.data() + at, plain.data() + plain.size(), number.written);
        if (end != plain.data() + plain.size() || at == plain.size() || plain[at] == '-')
            return std::nullopt;
        if (error == std::errc::result_out_of_range)
            number.written = 1LL << 60;
        number.written = below ? -number.written : number.written;
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first != digits.npos) {
        number.significant = digits.substr(first, digits.find_last_not_of('0') + 1 - first);
        number.power = static_cast<long long>(integer) - static_cast<long long>(first) - 1 + number.written;
    }
    return number;
}

// Shortened to at most `width` characters (format characters take no room),
// a number keeps its sign, the power of ten of its first digit and the digits
// it shows, and marks any it leaves out; it shows more than one digit only
// when it fits. A decimal separator it gains goes with its digits: the point
// for ASCII digits under a locale with digits of its own that reads a typed
// point, else the locale's. A text that fits, or is no number, stays whole;
// so does one whose power of ten is read only as far as a billion; a number
// that fits without the blanks around it is drawn as it stands in the text.
void checkShortening(std::string_view text, const calc::NumberFormat& format, std::size_t width)
{
    const auto characters = [](const std::u32string& form) {
        return static_cast<std::size_t>(std::ranges::count_if(form, [](char32_t c) { return !isFormat(c); }));
    };
    const auto fits = [&](std::string_view form) { return characters(charactersOf(form)) <= width; };
    const std::string shortened = calc::shortenedForm(text, format, fits);
    const std::string whole(text);
    const auto number = calc::readNumber(text, format) ? decimal(plainForm(text, format)) : std::nullopt;
    if (!number || fits(text) || std::llabs(number->written) >= 1'000'000'000) {
        FUZZ_CHECK(shortened == whole, "%s shortened to %s", whole.c_str(), shortened.c_str());
        return;
    }
    if (characters(trimmedCharacters(text)) <= width) {
        FUZZ_CHECK(whole.find(shortened) != whole.npos && trimmedCharacters(shortened) == trimmedCharacters(text),
            "%s drawn as %s", whole.c_str(), shortened.c_str());
        return;
    }
    std::string unmarked = shortened;
    replaceAll(unmarked, "\u2026", "");
    const bool marked = unmarked.size() != shortened.size();
    const auto shown = decimal(plainForm(unmarked, format));
    FUZZ_CHECK(shown && charactersOf(shortened).size() - charactersOf(unmarked).size() <= 1, "%s shortened to %s",
        whole.c_str(), shortened.c_str());
    const bool same = (number->significant.empty() || shown->negative == number->negative)
        && shown->power == number->power && number->significant.starts_with(shown->significant)
        && (marked || shown->significant == number->significant);
    FUZZ_CHECK(same, "%s shortened to %s, another number", whole.c_str(), shortened.c_str());
    FUZZ_CHECK(fits(shortened) || shown->significant.size() <= 1, "%s shortened to %s, too wide", whole.c_str(),
        shortened.c_str());
    const bool asciiAmongOwnDigits
        = format.zeroDigit != U'0' && std::ranges::any_of(text, [](char c) { return c >= '0' && c <= '9'; });
    const bool pointReads
        = format.decimalSeparator == "." || (format.decimalSeparator.size() > 1 && format.groupSeparator != ".");
    const std::string separator = asciiAmongOwnDigits && pointReads ? "." : format.decimalSeparator;
    const bool gained
        = plainForm(text, format).find('.') == whole.npos && plainForm(unmarked, format).find('.') != whole.npos;
    FUZZ_CHECK(!gained || shortened.find(separator) != whole.npos, "%s shortened to %s, a separator not its digits'",
        whole.c_str(), shortened.c_str());
}

// The display form shows the value to 15 significant digits, the rounded one
// moves it by at most half of the 8th decimal place more.
void checkWriting(double value, const calc::NumberFormat& format, std::size_t width)
{
    if (!std::isfinite(value))
        return;
    checkShortening(calc::displayForm(value, format), format, width);
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
    const std::uint8_t choice = input.byte();
    const calc::NumberFormat& format = fuzzing::Formats[choice % fuzzing::Formats.size()];
    const std::size_t width = choice / fuzzing::Formats.size();
    const std::string_view text = input.rest;
    checkReading(text, format);
    checkShortening(text, format, width);
    if (text.size() >= 8)
        checkWriting(input.anyDouble(), format, width);
    return 0;
}
