// The locale's way of writing numbers, as the calculator core takes it: the
// one place where Qt's locale meets the core's number text.
#pragma once

#include "calc/number_text.h"

class QLocale;

namespace ui {

calc::NumberFormat numberFormat(const QLocale& locale);

} // namespace ui
