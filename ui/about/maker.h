// Where the maker of Ludrix is found. The banner, the About window's links and
// the program's version record all name the maker through these two.
#pragma once

namespace ui {

// A reserved example domain: the maker is fictional and must stay so. Both
// are short enough for the About window's links to show them whole.
inline constexpr char MakerWebAddress[] = "https://www.northfall.example";
inline constexpr char MakerEmailAddress[] = "us@northfall.example";

} // namespace ui
