#include "ui/common/number_format.h"

#include <QLocale>
#include <QStringList>

namespace ui {

namespace {

// Qt tells a locale's grouping only by using it. In a seven-digit number the
// lead group is the remainder (the 1 of 1,234,567 or of 12,34,567 alike);
// the group after it is the secondary size.
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

} // namespace ui
