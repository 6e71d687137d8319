// What the number texts need to know of Unicode: stepping through UTF-8, white
// space, format characters and the sets of decimal digits. Inside the core
// only.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace calc::unicode {

std::string utf8(char32_t c);

// The code point the text starts with and the bytes it takes; no bytes when
// the text does not start with well-formed UTF-8.
std::pair<char32_t, std::size_t> firstCodePoint(std::string_view text);

// The character the text ends with and the bytes it takes: the one
// well-formed sequence at its end.
std::pair<char32_t, std::size_t> lastCodePoint(std::string_view text);

// Unicode's White_Space characters.
bool isWhiteSpace(char32_t c);

// Unicode 15.0's format characters (general category Cf): invisible marks
// such as the zero-width space, the word joiner and the direction marks.
bool isFormat(char32_t c);

// The zero of the digit set that a character belongs to, or 0 for a
// character that is no decimal digit. The locale's own set counts even if a
// later Unicode brought it.
char32_t zeroOf(char32_t c, char32_t localZero);

} // namespace calc::unicode
