// The value boxes: line edits whose number, while the user is elsewhere, is
// drawn shortened when it is wider than the box, so that what shows still
// reads as that number. The box reads numbers as its own locale writes them.
#pragma once

#include <QLineEdit>

#include "calc/number_text.h"

class QTextLayout;

namespace ui {

class ValueBox : public QLineEdit {
    Q_OBJECT

public:
    explicit ValueBox(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The text the box draws while it does not have the focus.
    QString drawnForm() const;
    // Where the line edit lays out its line of text.
    QRect lineArea() const;
    void layOut(QTextLayout& layout) const;

    calc::NumberFormat format_;
};

} // namespace ui
