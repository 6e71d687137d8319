// The exponent form numbers are written in, shared with the shortening.
// Inside the core only; number_text.h has the forms a box shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// "1.5E-9" from '1', "5" and -9, in ASCII; `mark` stands where digits after
// `rest` were left out.
std::string decimalExponentForm(char lead, std::string_view rest, std::int64_t exponent, std::string_view mark = {});

} // namespace calc
