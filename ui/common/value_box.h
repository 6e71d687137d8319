// The value boxes: line edits whose number, while the user is elsewhere, is
// drawn shortened when it is wider than the box, so that what shows still
// reads as that number.
#pragma once

#include <QLineEdit>

#include "calc/number_text.h"

class QLocale;
class QTextLayout;

namespace ui {

// The locale's conventions for writing numbers, as the core takes them.
calc::NumberFormat numberFormat(const QLocale& locale);

class ValueBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    void setNumberFormat(const calc::NumberFormat& format);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The text the box draws while it does not have the focus.
    QString drawnForm() const;
    QRect contentsArea() const;
    void layOut(QTextLayout& layout) const;

    calc::NumberFormat format_;
};

} // namespace ui
