// The windows' fixed layouts, kept as data: one row a control, with its
// position and size in twips as the layout was drawn.
#pragma once

#include <QWidget>
#include <QtGlobal>
#include <span>
#include <stdexcept>
#include <string>

class QColor;
class QFont;
class QPalette;
class QPixmap;
class QString;

namespace ui {

enum class ControlKind { CommandButton, DropDown, TextBox, Label, PictureBox };
enum class ControlFont { WindowFont, SansBold, SansBoldLarge, SerifBoldItalic };
enum class ControlColour { PlatformText, Yellow, Orange, DarkRed, HighlightedText };

struct Control {
    int id;
    const char* name;
    ControlKind kind;
    const char* caption; // a picture's image, as a resource path
    const char* toolTip;
    const char* accessibleName;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    ControlFont font;
    ControlColour colour;
};

// The layout was drawn at 96 dots per inch, where 15 twips make a pixel.
inline constexpr int TwipsPerPixel = 15;
constexpr int pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

QFont layoutFont(ControlFont font);

// The control of that name; a name missing from the layout is a programming
// error, so it throws rather than hand back a null to crash on later.
QWidget* findControl(const QWidget& window, const char* name);

template <class Widget> Widget* findControl(const QWidget& window, const char* name)
{
    auto* widget = qobject_cast<Widget*>(findControl(window, name));
    if (!widget)
        throw std::logic_error(std::string("the control is of another kind: ") + name);
    return widget;
}

// Creates the controls on `window` in table order, the order their ids give,
// and chains those that take the focus in the order of their tab index.
void buildLayout(QWidget& window, std::span<const Control> controls);

// One of the program's own images, by its resource path, with as many pixels
// as a screen of that device pixel ratio shows; its size in device-independent
// pixels is the same at any ratio.
QPixmap pictureFromResource(const QString& path, qreal devicePixelRatio);

// Linux desktops have no desktop colour to borrow, so this deep teal stands
// in for it; the yellow, orange and highlighted-text captions stay readable
// on it (contrast above 4.5 : 1).
QColor desktopColour();

// WCAG 2.x contrast ratio, from 1 (none) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// The palette's highlighted-text colour, unless the desktop's scheme makes
// it unreadable on desktopColour(); white then.
QColor instructionColour(const QPalette& palette);

} // namespace ui
