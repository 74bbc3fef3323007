#include "gui/controls/ChipPicture.h"

#include <QPainter>

void ChipPicture::paintEvent(QPaintEvent* event)
{
    const QPixmap picture = pixmap();
    if (picture.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QSize size = picture.size().scaled(contentsRect().size(), Qt::KeepAspectRatio);
    QRect box(QPoint(0, 0), size);
    box.moveCenter(contentsRect().center());
    painter.drawPixmap(box, picture);
}
