#include "ui/common/value_box.h"

#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QToolTip>
#include <algorithm>
#include <string>

namespace ui {

namespace {

// The room a line edit leaves between its contents' edge and its text.
constexpr int HorizontalMargin = 2;

// Qt tells a locale's grouping only by using it: the digits between the
// first two group separators of a seven-digit number.
std::size_t secondaryGroupSize(const QLocale& locale)
{
    const QStringList groups = locale.toString(1234567).split(locale.groupSeparator());
    return groups.size() >= 3 ? static_cast<std::size_t>(groups[1].toUcs4().size()) : 3;
}

} // namespace

calc::NumberFormat numberFormat(const QLocale& locale)
{
    return {
        .decimalSeparator = locale.decimalPoint().toStdString(),
        .groupSeparator = locale.groupSeparator().toStdString(),
        .minusSign = locale.negativeSign().toStdString(),
        .zeroDigit = locale.zeroDigit().toUcs4().value(0, U'0'),
        .plusSign = locale.positiveSign().toStdString(),
        .secondaryGroupSize = secondaryGroupSize(locale),
    };
}

void ValueBox::setNumberFormat(const calc::NumberFormat& format)
{
    format_ = format;
    update();
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

QRect ValueBox::contentsArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
}

QString ValueBox::drawnForm() const
{
    if (hasFocus())
        return text();
    const int room = contentsArea().width() - 2 * HorizontalMargin;
    const auto fits = [this, room](std::string_view form) {
        QTextLayout layout(QString::fromUtf8(form.data(), static_cast<qsizetype>(form.size())));
        layOut(layout);
        return qRound(layout.lineAt(0).naturalTextWidth()) + 1 <= room;
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
    const QRect contents = contentsArea();
    painter.setClipRect(contents);

    QTextLayout layout(form);
    layOut(layout);
    const QTextLine line = layout.lineAt(0);
    const QFontMetrics metrics = fontMetrics();
    const int height = std::max(metrics.boundingRect(form).height(), metrics.height());
    const int width = contents.width() - 2 * HorizontalMargin;
    // Right-to-left text stands at the right edge, where it begins.
    const int indent = form.isRightToLeft() ? qRound(line.naturalTextWidth()) + 1 - width + 1 : 0;
    const QPoint topLeft(contents.x() + HorizontalMargin - indent,
        contents.y() + (contents.height() - height + 1) / 2 - static_cast<int>(line.ascent() - metrics.ascent()));
    painter.setPen(palette().color(QPalette::Text));
    layout.draw(&painter, topLeft, {}, contents);
}

// While shortened, the tip gives the whole number under the box's own tip.
bool ValueBox::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const QString form = drawnForm();
        if (form != text()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), toolTip() + u'\n' + text(), this);
            return true;
        }
    }
    return QLineEdit::event(event);
}

} // namespace ui
