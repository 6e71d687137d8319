// The words the core hands the window to show: unit names, notices and the
// pieces of the units' definitions, written in English and translated by the
// window when it shows them.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Marks a text the user reads, in the context its translation is filed
// under. The build's lupdate reads the mark as Qt's QT_TRANSLATE_NOOP
// (-tr-function-alias), so the core names no Qt header to be translated.
#define LUDRIX_TEXT(context, text) text

namespace calc {

// The user's words for a marked text: its translation in the given context,
// or the text itself.
using Translate = std::function<std::string(const char* context, const char* text)>;

} // namespace calc
