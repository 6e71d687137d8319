#include "ui/common/clickable_label.h"

#include <QMouseEvent>

namespace ui {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: releasing outside the label takes the click back.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace ui
