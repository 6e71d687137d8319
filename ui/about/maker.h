// Where the maker of Ludrix is found. The banner, the About window's links and
// the program's version record all name the maker through these two.
#pragma once

namespace ui {

// A reserved example domain: the maker is fictional and must stay so.
inline constexpr char MakerWebAddress[] = "https://www.northfall.example/";
inline constexpr char MakerEmailAddress[] = "enquiries@northfall.example";

} // namespace ui
