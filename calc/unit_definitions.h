// What each entry of the unit lists is in SI units, told to whoever is unsure
// which of the several gallons or barrels an entry means.
#pragma once

#include <string>

#include "calc/calculator_window.h"
#include "calc/number_text.h"
#include "calc/texts.h"

namespace calc {

// For example "UK barrel per hour: 36 imperial gallons = 0.16365924 m³, per
// hour", its figures exact, worked out from the sizes the factors come from.
// In the user's words where `translate` is given. Throws std::out_of_range for
// a position outside the list.
std::string unitDefinition(
    UnitList list, int position, const NumberFormat& format, const Translate& translate = nullptr);

} // namespace calc
