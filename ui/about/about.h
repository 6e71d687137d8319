// The About window: the version, a link to the maker's web site, one that
// starts an enquiry e-mail to the maker, and a Close button.
#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>

#include "ui/common/layout.h"

class QScreen;

namespace ui {

extern const std::array<Control, 4> AboutControls;

// Linux desktops have no colour for inactive caption text to borrow, so this
// pale stone stands in for it; the dark red links read on it at 5.5 : 1.
QColor aboutBackground();

class About final : public QWidget {
    Q_OBJECT

public:
    // Centred on `screen`, or on the primary screen without one.
    explicit About(QScreen* screen = nullptr);

    void Navigate(QString NavTo);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OK_Click();
    void Visit_Click();
    void Contact_Click();
};

namespace program {

// The run's one About window: empty until About Us is first clicked. The
// main window owns what it points to and deletes it when the program ends.
inline QPointer<ui::About> About;

} // namespace program

} // namespace ui
