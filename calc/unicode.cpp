#include "calc/unicode.h"

#include <algorithm>
#include <iterator>

namespace calc::unicode {

namespace {

// The zero of every set of decimal digits in Unicode 15.0 (general category
// Nd), in order; the other nine digits of a set follow its zero.
constexpr char32_t DigitZeros[] = { 0x30, 0x660, 0x6F0, 0x7C0, 0x966, 0x9E6, 0xA66, 0xAE6, 0xB66, 0xBE6, 0xC66, 0xCE6,
    0xD66, 0xDE6, 0xE50, 0xED0, 0xF20, 0x1040, 0x1090, 0x17E0, 0x1810, 0x1946, 0x19D0, 0x1A80, 0x1A90, 0x1B50, 0x1BB0,
    0x1C40, 0x1C50, 0xA620, 0xA8D0, 0xA900, 0xA9D0, 0xA9F0, 0xAA50, 0xABF0, 0xFF10, 0x104A0, 0x10D30, 0x11066, 0x110F0,
    0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0, 0x11950, 0x11C50, 0x11D50, 0x11DA0,
    0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950,
    0x1FBF0 };

// The first and last of each run of format characters in Unicode 15.0
// (general category Cf), in order.
constexpr std::pair<char32_t, char32_t> FormatRuns[] = { { 0xAD, 0xAD }, { 0x600, 0x605 }, { 0x61C, 0x61C },
    { 0x6DD, 0x6DD }, { 0x70F, 0x70F }, { 0x890, 0x891 }, { 0x8E2, 0x8E2 }, { 0x180E, 0x180E }, { 0x200B, 0x200F },
    { 0x202A, 0x202E }, { 0x2060, 0x2064 }, { 0x2066, 0x206F }, { 0xFEFF, 0xFEFF }, { 0xFFF9, 0xFFFB },
    { 0x110BD, 0x110BD }, { 0x110CD, 0x110CD }, { 0x13430, 0x1343F }, { 0x1BCA0, 0x1BCA3 }, { 0x1D173, 0x1D17A },
    { 0xE0001, 0xE0001 }, { 0xE0020, 0xE007F } };

} // namespace

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

std::pair<char32_t, std::size_t> lastCodePoint(std::string_view text)
{
    for (std::size_t length = 1; length <= std::min<std::size_t>(4, text.size()); ++length) {
        const auto c = firstCodePoint(text.substr(text.size() - length));
        if (c.second == length)
            return c;
    }
    return { 0, 0 };
}

bool isWhiteSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
        || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

bool isFormat(char32_t c)
{
    const auto after = std::upper_bound(std::begin(FormatRuns), std::end(FormatRuns), c,
        [](char32_t code, const std::pair<char32_t, char32_t>& run) { return code < run.first; });
    return after != std::begin(FormatRuns) && c <= after[-1].second;
}

char32_t zeroOf(char32_t c, char32_t localZero)
{
    if (c - localZero < 10)
        return localZero;
    const auto after = std::upper_bound(std::begin(DigitZeros), std::end(DigitZeros), c);
    if (after == std::begin(DigitZeros) || c - after[-1] >= 10)
        return 0;
    return after[-1];
}

} // namespace calc::unicode
