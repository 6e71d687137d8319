// What the fuzz targets share: locales, a reader that turns the fuzzer's bytes
// into choices, and the check of every text the program writes into a box.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.h"

// Stops the run on the first broken promise, saying which.
#define FUZZ_CHECK(kept, ...)                                                                                          \
    ((kept) ? void() : (std::fprintf(stderr, __VA_ARGS__), std::fputc('\n', stderr), std::abort()))

namespace fuzzing {

// Locales as desktops hand them over: groups of comma (en_US, ja_JP), point,
// no-break spaces or apostrophe (de_CH), the true minus sign, Arabic (ar_EG)
// and Persian (fa_IR) digits and signs behind direction marks; in the eighth a
// point groups, so it stands for no decimal separator; the last two group
// lakhs and crores (hi_IN, bn_BD).
inline const std::array<calc::NumberFormat, 10> Formats { {
    { .decimalSeparator = ".", .groupSeparator = "," },
    { .decimalSeparator = ",", .groupSeparator = "." },
    { .decimalSeparator = ",", .groupSeparator = "\u00A0" },
    { .decimalSeparator = ",", .groupSeparator = "\u202F", .minusSign = "\u2212" },
    { .decimalSeparator = ".", .groupSeparator = "\u2019" },
    { .decimalSeparator = "\u066B",
        .groupSeparator = "\u066C",
        .minusSign = "\u061C-",
        .zeroDigit = U'\u0660',
        .plusSign = "\u061C+" },
    { .decimalSeparator = "\u066B",
        .groupSeparator = "\u066C",
        .minusSign = "\u200E\u2212",
        .zeroDigit = U'\u06F0',
        .plusSign = "\u200E+" },
    { .decimalSeparator = "\u066B", .groupSeparator = ".", .zeroDigit = U'\u0660' },
    { .decimalSeparator = ".", .groupSeparator = ",", .secondaryGroupSize = 2 },
    { .decimalSeparator = ".", .groupSeparator = ",", .zeroDigit = U'\u09E6', .secondaryGroupSize = 2 },
} };

// Past the end of the fuzzer's bytes every byte reads as 0.
struct ByteReader {
    std::string_view rest;

    std::string_view take(std::size_t count)
    {
        const std::string_view taken = rest.substr(0, count);
        rest.remove_prefix(taken.size());
        return taken;
    }
    std::uint8_t byte() { return rest.empty() ? 0 : static_cast<std::uint8_t>(take(1)[0]); }
    // Any double at all, from eight bytes: every bit pattern is fair game.
    double anyDouble()
    {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = bits << 8 | byte();
        return std::bit_cast<double>(bits);
    }
};

// A text the program writes into a box: in display form, read back in the
// same locale to the very number it shows, in exponent form exactly outside
// 1E-8 <= |value| < 1E+15, with the locale's minus sign and never "-0".
inline double checkWritten(const std::string& written, const calc::NumberFormat& format)
{
    const char* text = written.c_str();
    const std::optional<double> back = calc::readNumber(written, format);
    FUZZ_CHECK(back && calc::displayForm(*back, format) == written, "written, yet not in display form: %s", text);
    const double size = std::fabs(*back);
    FUZZ_CHECK((written.find('E') != std::string::npos) == (size != 0 && (size < 1e-8 || size >= 1e15)),
        "written in the wrong form: %s", text);
    FUZZ_CHECK(written.find('-') == std::string::npos || format.minusSign.find('-') != std::string::npos,
        "written with a minus sign not the locale's: %s", text);
    FUZZ_CHECK(!(size == 0 && written.starts_with(format.minusSign)), "a negative zero was written: %s", text);
    return *back;
}

} // namespace fuzzing
