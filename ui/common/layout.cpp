#include "ui/common/layout.h"

#include <QColor>
#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/common/accessible_list.h"
#include "ui/common/clickable_label.h"
#include "ui/common/value_box.h"

namespace ui {

namespace {

using enum ControlKind;
using enum ControlFont;
using enum ControlColour;

} // namespace

QFont layoutFont(ControlFont font)
{
    // Pixel sizes, not points: the boxes are fixed in pixels, and a caption
    // must keep fitting its box whatever dots per inch the desktop claims.
    // Each caption was measured in a Liberation face, whose widths are those
    // of Arial or Times New Roman: Windows has the latter, free desktops the
    // former, and either fits every caption.
    QFont result;
    if (font == SerifBoldItalic) {
        result.setFamilies({ "Liberation Serif", "Times New Roman" });
        result.setStyleHint(QFont::Serif);
        result.setPixelSize(16); // 12 points
        result.setWeight(QFont::Bold);
        result.setItalic(true);
        // About Us is the only text in this face, and its eight letters are
        // all in it: looking up faces to borrow missing letters from would
        // cost the start-up a font-list sort for nothing.
        result.setStyleStrategy(QFont::NoFontMerging);
    } else {
        // Letters that neither has come from DejaVu Sans where there is one:
        // its Arabic keeps inside rows measured for Latin captions, where a
        // desktop's own choice (Noto Kufi Arabic, on Debian 13) stands so
        // tall that a row cuts its letters off.
        result.setFamilies({ "Liberation Sans", "Arial", "DejaVu Sans" });
        result.setStyleHint(QFont::SansSerif);
        result.setPixelSize(font == SansBoldLarge ? 13 : 11); // 9.75 or 8.25 points
        result.setWeight(font == WindowFont ? QFont::Normal : QFont::Bold);
    }
    return result;
}

namespace {

QImage readPng(const QString& path)
{
    // The images are all PNG, which Qt reads itself. Left to find out, it
    // would load every image-format plugin installed to ask each whether the
    // file is theirs: a few milliseconds of the start-up, for nothing.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QPixmap pictureFromResource(const QString& path, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1)
        return QPixmap::fromImage(readPng(path));
    // Above 100 % the picture drawn at 2x, reduced to the screen's pixels
    // where it has fewer: an enlarged 1x bitmap would look soft beside text
    // drawn for the screen.
    QImage picture = readPng(QString(path).insert(path.lastIndexOf(u'.'), QStringLiteral("@2x")));
    const QSize pixels = (QSizeF(picture.size()) / 2 * devicePixelRatio).toSize();
    if (picture.size() != pixels)
        picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(picture);
}

QColor desktopColour()
{
    return QColor(0, 48, 64);
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor instructionColour(const QPalette& palette)
{
    const QColor highlighted = palette.color(QPalette::Active, QPalette::HighlightedText);
    return contrastRatio(highlighted, desktopColour()) >= 4.5 ? highlighted : QColor(Qt::white);
}

namespace {

// The highlight's hue, as near its own lightness as it can be while it stands
// out from each of `next` at 4.5 : 1, or else as far as it can.
QColor standingOut(const QColor& highlight, std::initializer_list<QColor> next)
{
    constexpr double Enough = 7;
    QColor best;
    double bestContrast = 0;
    int bestDistance = 256;
    for (int lightness = 0; lightness <= 255; ++lightness) {
        const QColor colour = QColor::fromHsl(highlight.hslHue(), highlight.hslSaturation(), lightness);
        double contrast = Enough;
        for (const QColor& neighbour : next)
            contrast = std::min(contrast, contrastRatio(colour, neighbour));
        const int distance = std::abs(lightness - highlight.lightness());
        if (contrast > bestContrast || (contrast == bestContrast && distance < bestDistance)) {
            best = colour;
            bestContrast = contrast;
            bestDistance = distance;
        }
    }
    return best;
}

// The style marks the focus with a one-pixel line in a shade of the
// highlight that all but vanishes on the dark window. Each control that takes
// the focus draws a mark of its own over its edge instead: an outer ring that
// stands out from the window around it and an inner one that stands out from
// its face, whatever the desktop's colour scheme.
template <class Widget> class FocusMarked final : public Widget {
public:
    using Widget::Widget;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Widget::paintEvent(event);
        if (!this->hasFocus())
            return;
        const QPalette& palette = this->palette();
        // The search through every lightness is dear at each repaint; the
        // rings' colours change only with the palette.
        if (palette.cacheKey() != ringsPalette_) {
            const QColor highlight = palette.color(QPalette::Highlight);
            outerRing_ = standingOut(highlight, { palette.color(QPalette::Window) });
            innerRing_ = standingOut(highlight, { palette.color(QPalette::Button), palette.color(QPalette::Base) });
            ringsPalette_ = palette.cacheKey();
        }
        QPainter painter(this);
        painter.setPen(outerRing_);
        painter.drawRect(this->rect().adjusted(0, 0, -1, -1));
        painter.setPen(innerRing_);
        painter.drawRect(this->rect().adjusted(1, 1, -2, -2));
    }

private:
    qint64 ringsPalette_ = -1; // no palette has this key
    QColor outerRing_;
    QColor innerRing_;
};

// The user's words for a text of the window's table, which is filed under
// the window's name.
QString translated(const QWidget& window, const char* text)
{
    return QCoreApplication::translate(window.objectName().toUtf8().constData(), text);
}

QWidget* createWidget(const Control& control, QWidget& window)
{
    const QString caption
        = control.kind == PictureBox ? QString::fromUtf8(control.caption) : translated(window, control.caption);
    switch (control.kind) {
    case CommandButton:
        return new FocusMarked<QPushButton>(caption, &window);
    case DropDown: {
        auto* list = new FocusMarked<QComboBox>(&window);
        list->setEditable(true);
        // Typing in the field picks nothing, so it must neither add entries
        // nor complete a typed text into one.
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
        announceListsByPurpose();
        return list;
    }
    case TextBox:
        return new FocusMarked<ValueBox>(&window);
    case Label: {
        auto* label = new ClickableLabel(caption, &window);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);
        return label;
    }
    case PictureBox: {
        auto* picture = new ClickableLabel(&window);
        picture->setPixmap(pictureFromResource(caption, window.devicePixelRatioF()));
        return picture;
    }
    }
    return nullptr;
}

bool takesFocus(ControlKind kind)
{
    return kind == CommandButton || kind == DropDown || kind == TextBox;
}

} // namespace

QWidget* findControl(const QWidget& window, const char* name)
{
    auto* widget = window.findChild<QWidget*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
    if (!widget)
        throw std::logic_error(std::string("the layout has no control ") + name);
    return widget;
}

void buildLayout(QWidget& window, std::span<const Control> controls)
{
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const Control& control : controls) {
        QWidget* widget = createWidget(control, window);
        widget->setObjectName(QString::fromUtf8(control.name));
        // A window that reads right to left stands mirrored, as its
        // language's programs do: the table's left is then its right.
        const int left = window.isRightToLeft() ? window.width() - pixels(control.left) - pixels(control.width)
                                                : pixels(control.left);
        widget->setGeometry(left, pixels(control.top), pixels(control.width), pixels(control.height));
        if (control.toolTip)
            widget->setToolTip(translated(window, control.toolTip));
        widget->setAccessibleName(translated(window, control.accessibleName));
        // A reader in the list's text field hears what the list is for too.
        if (auto* list = qobject_cast<QComboBox*>(widget))
            list->lineEdit()->setAccessibleName(widget->accessibleName());
        if (control.font != WindowFont) {
            QFont font = layoutFont(control.font);
            // A caption in a script the face lacks borrows its letters from
            // another face after all.
            const QString caption = widget->property("text").toString();
            const QFontMetrics metrics(font);
            if (font.styleStrategy() & QFont::NoFontMerging
                && !std::ranges::all_of(caption.toUcs4(), [&](char32_t c) { return metrics.inFontUcs4(c); }))
                font.setStyleStrategy(QFont::PreferDefault);
            widget->setFont(font);
        }

        QColor text;
        switch (control.colour) {
        case PlatformText:
            break;
        case Yellow:
            text = QColor(255, 255, 0);
            break;
        case Orange:
            text = QColor(255, 128, 0);
            break;
        case DarkRed:
            text = QColor(192, 0, 0);
            break;
        case HighlightedText:
            text = instructionColour(window.palette());
            break;
        }
        if (text.isValid()) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::WindowText, text);
            widget->setPalette(palette);
        }

        if (takesFocus(control.kind))
            tabOrder.emplace_back(control.tabIndex, widget);
        else
            widget->setFocusPolicy(Qt::NoFocus);
    }

    std::ranges::sort(tabOrder, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

} // namespace ui
