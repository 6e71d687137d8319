#include "ui/main/main_window_layout.h"

namespace ui {

namespace {

using enum ControlKind;
using enum ControlFont;
using enum ControlColour;

constexpr int NoTab = -1;

} // namespace

// clang-format off
const std::array<Control, 19> MainWindowControls { {
    // id name         kind           caption                                  tool tip                      accessible name                           left   top width height    tab font             colour
    {  1, "AboutUs",   CommandButton, "About Us",                              nullptr,                      "About Us",                               120,  780, 2250, 340,    15, SerifBoldItalic, PlatformText },
    {  2, "Endin",     CommandButton, "Exit",                                  nullptr,                      "Exit",                                  4080, 3120, 1335, 315,     9, WindowFont,      PlatformText },
    {  3, "Reset",     CommandButton, "Reset Values",                          nullptr,                      "Reset Values",                          4080, 2760, 1335, 315,     8, WindowFont,      PlatformText },
    {  4, "Calculate", CommandButton, "Calculate",                             nullptr,                      "Calculate",                             4080, 2400, 1335, 315,     7, WindowFont,      PlatformText },
    {  5, "FlowUnit",  DropDown,      nullptr,                                 "Select Flow Rate Unit",      "Flow rate unit",                        3210, 2010, 2175, 315,     6, WindowFont,      PlatformText },
    {  6, "VelUnit",   DropDown,      nullptr,                                 "Select Velocity Unit",       "Velocity unit",                         3210, 1635, 2175, 315,     4, WindowFont,      PlatformText },
    {  7, "DiaUnit",   DropDown,      nullptr,                                 "Select Diameter Unit",       "Inside diameter unit",                  3210, 1260, 2175, 315,     2, WindowFont,      PlatformText },
    {  8, "Flowrate",  TextBox,       nullptr,                                 "Key in the flow rate",       "Volumetric flow rate",                  1920, 2010, 1215, 315,     5, WindowFont,      PlatformText },
    {  9, "Velocity",  TextBox,       nullptr,                                 "key in the velocity",        "Velocity",                              1920, 1635, 1215, 315,     3, WindowFont,      PlatformText },
    { 10, "Diameter",  TextBox,       nullptr,                                 "Key in the inside diameter", "Inside diameter",                       1920, 1260, 1215, 315,     1, WindowFont,      PlatformText },
    { 11, "Label7",    Label,         "Tips",                                  nullptr,                      "Tips",                                   120, 2400,  375, 255,    16, SansBold,        Orange },
    { 12, "Image2",    PictureBox,    ":/images/logo.png",                     nullptr,                      "Northfall logo",                         120,  120, 2250, 645, NoTab, WindowFont,      PlatformText },
    { 13, "Image1",    PictureBox,    ":/images/banner.png",                   nullptr,                      "Northfall web site",                    2390,  120, 3000, 975, NoTab, WindowFont,      PlatformText },
    { 14, "Label6",    Label,         "3. Press Calculate to get third value", nullptr,                      "3. Press Calculate to get third value",  120, 3120, 2775, 195,    14, WindowFont,      HighlightedText },
    { 15, "Label5",    Label,         "2. Enter two values",                   nullptr,                      "2. Enter two values",                    120, 2880, 1455, 195,    13, WindowFont,      HighlightedText },
    { 16, "Label4",    Label,         "1. Select Units",                       nullptr,                      "1. Select Units",                        120, 2640, 1095, 195,    12, WindowFont,      HighlightedText },
    { 17, "Label3",    Label,         "Volumetric Flowrate",                   nullptr,                      "Volumetric Flowrate",                    135, 2040, 1695, 315,    11, SansBold,        Yellow },
    { 18, "Label2",    Label,         "Velocity",                              nullptr,                      "Velocity",                               120, 1680, 1695, 315,    10, SansBold,        Yellow },
    { 19, "Label1",    Label,         "Inside Diameter",                       nullptr,                      "Inside Diameter",                        135, 1320, 1335, 315,     0, SansBold,        Yellow },
} };
// clang-format on

} // namespace ui
