#include "gui/controls/ClickableLabel.h"

#include <QMouseEvent>

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    mPressed = event->button() == Qt::LeftButton;
    event->setAccepted(mPressed);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = mPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    mPressed = false;
    event->setAccepted(click);
    if (click)
        emit clicked();
}
