#include "ui/common/value_box.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QToolTip>
#include <algorithm>
#include <string>

#include "ui/common/number_format.h"

namespace ui {

namespace {

// A shortened number is drawn where QLineEdit would draw it, and QLineEdit
// keeps its geometry to itself (QLineEditPrivate's horizontalMargin and
// verticalMargin, and QLineEdit::paintEvent, alike from Qt 5 to 6.8): its line
// of text stands this far in from the sides of the contents...
constexpr int LineEditHorizontalMargin = 2;
// ... and this far from the top or bottom when aligned there...
constexpr int LineEditVerticalMargin = 1;
// ... and a text counts as fitting with a pixel to spare for the cursor.
constexpr int LineEditCursorRoom = 1;

} // namespace

ValueBox::ValueBox(QWidget* parent)
    : QLineEdit(parent)
    , format_(numberFormat(locale()))
{
}

// A box reads and draws numbers as its own locale writes them, which it
// inherits from the window until someone sets another.
void ValueBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange) {
        format_ = numberFormat(locale());
        update();
    }
    QLineEdit::changeEvent(event);
}

// Laid out as the line edit lays out its own text, direction and all, so
// that a shortened number sits where the whole one would.
void ValueBox::layOut(QTextLayout& layout) const
{
    QTextOption option;
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setFont(font());
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
}

QRect ValueBox::lineArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
}

QString ValueBox::drawnForm() const
{
    if (hasFocus())
        return text();
    const int room = lineArea().width() - 2 * LineEditHorizontalMargin;
    const auto fits = [this, room](std::string_view form) {
        QTextLayout layout(QString::fromUtf8(form.data(), static_cast<qsizetype>(form.size())));
        layOut(layout);
        return qRound(layout.lineAt(0).naturalTextWidth()) + LineEditCursorRoom <= room;
    };
    return QString::fromStdString(calc::shortenedForm(text().toStdString(), format_, fits));
}

void ValueBox::paintEvent(QPaintEvent* event)
{
    const QString form = drawnForm();
    if (form == text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect area = lineArea();
    painter.setClipRect(area);

    QTextLayout layout(form);
    layOut(layout);
    const QTextLine line = layout.lineAt(0);
    const QFontMetrics metrics = fontMetrics();
    const int height = std::max(metrics.boundingRect(form).height(), metrics.height());
    // Left and right swap for text that runs right to left, as in QLineEdit.
    const Qt::Alignment aligned
        = QStyle::visualAlignment(form.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, alignment());
    int top = area.y() + (area.height() - height + 1) / 2;
    if (aligned & Qt::AlignTop)
        top = area.y() + LineEditVerticalMargin;
    else if (aligned & Qt::AlignBottom)
        top = area.y() + area.height() - height - LineEditVerticalMargin;
    const int width = area.width() - 2 * LineEditHorizontalMargin;
    const int used = qRound(line.naturalTextWidth()) + LineEditCursorRoom;
    int indent = 0;
    if (aligned & Qt::AlignRight)
        indent = used - width + 1;
    else if (aligned & Qt::AlignHCenter)
        indent = (used - width) / 2;
    const QPoint topLeft(
        area.x() + LineEditHorizontalMargin - indent, top - static_cast<int>(line.ascent() - metrics.ascent()));
    painter.setPen(palette().color(QPalette::Text));
    layout.draw(&painter, topLeft, {}, area);
}

// While shortened, the tip gives the whole number, under the box's own tip
// where it has one.
bool ValueBox::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && drawnForm() != text()) {
        const QString own = toolTip();
        QToolTip::showText(
            static_cast<QHelpEvent*>(event)->globalPos(), own.isEmpty() ? text() : own + u'\n' + text(), this);
        return true;
    }
    return QLineEdit::event(event);
}

} // namespace ui
