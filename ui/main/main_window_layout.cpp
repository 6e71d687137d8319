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
    // id name         kind           caption                                                               tool tip                                                   accessible name                                                        left  top  width height  tab font             colour
    {  1, "AboutUs",   CommandButton, QT_TRANSLATE_NOOP("Ludrix", "About Us"),                              nullptr,                                                   QT_TRANSLATE_NOOP("Ludrix", "About Us"),                               120,  780, 2250, 340,    15, SerifBoldItalic, PlatformText },
    {  2, "Endin",     CommandButton, QT_TRANSLATE_NOOP("Ludrix", "Exit"),                                  nullptr,                                                   QT_TRANSLATE_NOOP("Ludrix", "Exit"),                                  4080, 3120, 1335, 315,     9, WindowFont,      PlatformText },
    {  3, "Reset",     CommandButton, QT_TRANSLATE_NOOP("Ludrix", "Reset Values"),                          nullptr,                                                   QT_TRANSLATE_NOOP("Ludrix", "Reset Values"),                          4080, 2760, 1335, 315,     8, WindowFont,      PlatformText },
    {  4, "Calculate", CommandButton, QT_TRANSLATE_NOOP("Ludrix", "Calculate"),                             nullptr,                                                   QT_TRANSLATE_NOOP("Ludrix", "Calculate"),                             4080, 2400, 1335, 315,     7, WindowFont,      PlatformText },
    {  5, "FlowUnit",  DropDown,      nullptr,                                                              QT_TRANSLATE_NOOP("Ludrix", "Select Flow Rate Unit"),      QT_TRANSLATE_NOOP("Ludrix", "Flow rate unit"),                        3210, 2010, 2175, 315,     6, WindowFont,      PlatformText },
    {  6, "VelUnit",   DropDown,      nullptr,                                                              QT_TRANSLATE_NOOP("Ludrix", "Select Velocity Unit"),       QT_TRANSLATE_NOOP("Ludrix", "Velocity unit"),                         3210, 1635, 2175, 315,     4, WindowFont,      PlatformText },
    {  7, "DiaUnit",   DropDown,      nullptr,                                                              QT_TRANSLATE_NOOP("Ludrix", "Select Diameter Unit"),       QT_TRANSLATE_NOOP("Ludrix", "Inside diameter unit"),                  3210, 1260, 2175, 315,     2, WindowFont,      PlatformText },
    {  8, "Flowrate",  TextBox,       nullptr,                                                              QT_TRANSLATE_NOOP("Ludrix", "Key in the flow rate"),       QT_TRANSLATE_NOOP("Ludrix", "Volumetric flow rate"),                  1920, 2010, 1215, 315,     5, WindowFont,      PlatformText },
    {  9, "Velocity",  TextBox,       nullptr,                                                              QT_TRANSLATE_NOOP("Ludrix", "key in the velocity"),        QT_TRANSLATE_NOOP("Ludrix", "Velocity"),                              1920, 1635, 1215, 315,     3, WindowFont,      PlatformText },
    { 10, "Diameter",  TextBox,       nullptr,                                                              QT_TRANSLATE_NOOP("Ludrix", "Key in the inside diameter"), QT_TRANSLATE_NOOP("Ludrix", "Inside diameter"),                       1920, 1260, 1215, 315,     1, WindowFont,      PlatformText },
    { 11, "Label7",    Label,         QT_TRANSLATE_NOOP("Ludrix", "Tips"),                                  nullptr,                                                   QT_TRANSLATE_NOOP("Ludrix", "Tips"),                                   120, 2400,  375, 255,    16, SansBold,        Orange },
    { 12, "Image2",    PictureBox,    ":/images/logo.png",                                                  nullptr,                                                   QT_TRANSLATE_NOOP("Ludrix", "Northfall logo"),                         120,  120, 2250, 645, NoTab, WindowFont,      PlatformText },
    { 13, "Image1",    PictureBox,    ":/images/banner.png",                                                nullptr,                                                   QT_TRANSLATE_NOOP("Ludrix", "Northfall web site"),                    2390,  120, 3000, 975, NoTab, WindowFont,      PlatformText },
    { 14, "Label6",    Label,         QT_TRANSLATE_NOOP("Ludrix", "3. Press Calculate to get third value"), nullptr,                                                   QT_TRANSLATE_NOOP("Ludrix", "3. Press Calculate to get third value"),  120, 3120, 2775, 195,    14, WindowFont,      HighlightedText },
    { 15, "Label5",    Label,         QT_TRANSLATE_NOOP("Ludrix", "2. Enter two values"),                   nullptr,                                                   QT_TRANSLATE_NOOP("Ludrix", "2. Enter two values"),                    120, 2880, 1455, 195,    13, WindowFont,      HighlightedText },
    { 16, "Label4",    Label,         QT_TRANSLATE_NOOP("Ludrix", "1. Select Units"),                       nullptr,                                                   QT_TRANSLATE_NOOP("Ludrix", "1. Select Units"),                        120, 2640, 1095, 195,    12, WindowFont,      HighlightedText },
    { 17, "Label3",    Label,         QT_TRANSLATE_NOOP("Ludrix", "Volumetric Flowrate"),                   nullptr,                                                   QT_TRANSLATE_NOOP("Ludrix", "Volumetric Flowrate"),                    135, 2040, 1695, 315,    11, SansBold,        Yellow },
    { 18, "Label2",    Label,         QT_TRANSLATE_NOOP("Ludrix", "Velocity"),                              nullptr,                                                   QT_TRANSLATE_NOOP("Ludrix", "Velocity"),                               120, 1680, 1695, 315,    10, SansBold,        Yellow },
    { 19, "Label1",    Label,         QT_TRANSLATE_NOOP("Ludrix", "Inside Diameter"),                       nullptr,                                                   QT_TRANSLATE_NOOP("Ludrix", "Inside Diameter"),                        135, 1320, 1335, 315,     0, SansBold,        Yellow },
} };
// clang-format on

QFont bannerFont()
{
    QFont font = layoutFont(ControlFont::WindowFont);
    font.setPixelSize(12);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

} // namespace ui
