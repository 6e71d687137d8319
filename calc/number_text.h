// How numbers are read from and written into the value boxes.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

// The user's locale conventions, handed in by whoever knows the locale; nothing
// here reads a global locale.
struct NumberFormat {
    std::string decimalSeparator { "." };
    std::string groupSeparator { "," };
    std::string minusSign { "-" };
    // The locale's digit zero; its other nine digits follow it in Unicode.
    char32_t zeroDigit { U'0' };
    std::string plusSign { "+" };
    // Digits in each group left of the last group of three: 2 where lakhs and
    // crores are written (12,34,567), 3 elsewhere.
    std::size_t secondaryGroupSize { 3 };
};

// The text without the blanks around it: Unicode white space, and the
// invisible format characters (general category Cf: zero-width space, word
// joiner, byte-order mark, direction marks...) that text copied from pages
// and documents brings along.
std::string_view trimBlanks(std::string_view text);

// The value of a text that reads completely as a number: optional sign, digits
// grouped in threes (or as the locale groups) or not, optional fraction,
// optional exponent, surrounding blanks ignored. The digits are of any
// one Unicode set of decimal digits, never two in one number; where the
// decimal separator is no ASCII character, a point does too, unless it groups
// digits. Empty when the text is no number or lies beyond the range of a
// double; a value too small for a double reads as zero.
std::optional<double> readNumber(std::string_view text, const NumberFormat& format);

// How a number text is drawn where it does not fit, as `fits` judges: the
// text itself when it fits or is no number; the number without the blanks
// around it when that fits; else, so that it reads as the same number to the
// digits it shows, its sign, as many leading digits as fit with the decimal
// separator where it falls, a "\u2026" where digits were left out, and its
// exponent. An integer part too wide for that, or a fraction that would show
// only zeros, turns to exponent form ("1.234567\u2026E+13"), with a decimal
// separator that goes with its digits: the point for ASCII digits where the
// locale has digits of its own (and reads a typed point), else the locale's.
// When nothing fits, the form with one digit.
std::string shortenedForm(
    std::string_view text, const NumberFormat& format, const std::function<bool(std::string_view)>& fits);

// A number written with ASCII digits, "." for the decimal separator, "," for
// the group separator and "-" for the minus sign, put in the locale's own; an
// exponent keeps its "E" and its plus sign.
std::string localForm(std::string_view plain, const NumberFormat& format);

// At most 15 significant digits in the locale's digits, no grouping, no
// trailing zeros; exponent form outside 1E-8 <= |value| < 1E+15. Throws std::domain_error for inf or nan,
// which must never reach a box.
std::string displayForm(double value, const NumberFormat& format);

// displayForm of the value rounded to 8 decimal places, ties to even.
std::string roundedDisplayForm(double value, const NumberFormat& format);

} // namespace calc
