// What the fuzz targets share: the locales they read and write numbers in, a
// reader that turns the fuzzer's bytes into choices, and the checks that
// stop a run on the first broken promise.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.h"

#define FUZZ_CHECK(condition, ...)                                                                                     \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition);                                       \
            std::fprintf(stderr, __VA_ARGS__);                                                                         \
            std::fputc('\n', stderr);                                                                                  \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

namespace fuzzing {

// Point and comma locales, with the group separators and minus signs that
// desktops really hand over: comma, point, no-break spaces, apostrophe, and
// the true minus sign; and Arabic and Persian ones with their own digits.
inline const std::array<calc::NumberFormat, 7> Formats { {
    { ".", ",", "-" },
    { ",", ".", "-" },
    { ",", "\u00A0", "-" },
    { ",", "\u202F", "\u2212" },
    { ".", "\u2019", "-" },
    { "\u066B", "\u066C", "\u061C-", U'\u0660' },
    { "\u066B", "\u066C", "\u200E\u2212", U'\u06F0' },
} };

// The ten digits of a format in UTF-8, spelt out here rather than taken from
// the code under test; every format above has them below U+0800.
inline std::array<std::string, 10> digitsOf(const calc::NumberFormat& format)
{
    std::array<std::string, 10> digits;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const auto c = static_cast<unsigned>(format.zeroDigit) + static_cast<unsigned>(i);
        digits[i] = c < 0x80 ? std::string(1, static_cast<char>(c))
                             : std::string { static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F)) };
    }
    return digits;
}

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size)
    {
    }

    bool atEnd() const { return rest_.empty(); }

    std::uint8_t byte()
    {
        if (rest_.empty())
            return 0;
        const auto value = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return value;
    }

    // A text whose length comes first, as one byte.
    std::string text()
    {
        const std::size_t wanted = byte(); // before measuring what is left
        const std::size_t length = std::min(wanted, rest_.size());
        std::string taken(rest_.substr(0, length));
        rest_.remove_prefix(length);
        return taken;
    }

    std::string_view rest() const { return rest_; }

    // Any double at all, from eight bytes: every bit pattern is fair game.
    double anyDouble()
    {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = bits << 8 | byte();
        double value = 0;
        static_assert(sizeof value == sizeof bits);
        __builtin_memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    std::string_view rest_;
};

inline bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// A text the program writes into a box: not empty, no inf or nan, read back
// in the same locale to the very number it shows, and never "-0".
inline double checkWritten(std::string_view written, const calc::NumberFormat& format)
{
    const std::string shown(written);
    FUZZ_CHECK(!written.empty(), "an empty text was written");
    FUZZ_CHECK(!contains(written, "inf") && !contains(written, "nan") && !contains(written, "INF")
            && !contains(written, "NAN"),
        "written: %s", shown.c_str());
    const std::optional<double> back = calc::readNumber(written, format);
    FUZZ_CHECK(back.has_value(), "written text does not read back: %s", shown.c_str());
    FUZZ_CHECK(std::isfinite(*back), "written text reads as no finite number: %s", shown.c_str());
    FUZZ_CHECK(calc::displayForm(*back, format) == written, "written text is not in display form: %s", shown.c_str());
    FUZZ_CHECK(
        !(written.starts_with(format.minusSign) && *back == 0), "a negative zero was written: %s", shown.c_str());
    return *back;
}

} // namespace fuzzing
