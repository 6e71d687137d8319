#include "ui/main/picture.h"

#include <QMouseEvent>

namespace ui {

void Picture::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: releasing outside the picture takes the click back.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace ui
