// A number text taken apart as it is read, for the shortening, which must know
// where each part lies. Inside the core only; number_text.h reads it whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.h"

namespace calc {

// Anything past a billion is as out of range as a billion.
inline constexpr std::int64_t ExponentLimit = 1'000'000'000;

// Input methods of East Asia type full-width forms of the signs, marks and
// exponent letters; the text with those in ASCII.
std::string typedForm(std::string_view text);

// The part of a text that is read: the text without the blanks around it,
// but with the direction marks right before a sign, which belong to it (a
// right-to-left locale's minus sign carries one).
std::string_view numberPart(std::string_view text, const NumberFormat& format);

// Whether a typed point reads as the locale's decimal separator.
bool pointIsDecimalSeparator(const NumberFormat& format);

// A number text taken apart: its digits in ASCII, and where its parts lie.
struct ScannedNumber {
    bool negative = false;
    std::string digits; // of the integer part and the fraction, without groups
    std::int64_t integerDigits = 0;
    std::int64_t exponent = 0; // capped at ExponentLimit either way
    char32_t digitZero = 0;
    // Byte offsets into the text: the sign ends where the mantissa starts,
    // the decimal separator lies between the integer part and the fraction,
    // and the exponent follows the mantissa.
    std::size_t mantissaStart = 0, integerEnd = 0, fractionStart = 0, mantissaEnd = 0;
};

// Empty when the text, as it stands, is no number.
std::optional<ScannedNumber> scanNumber(std::string_view text, const NumberFormat& format);

} // namespace calc
