#include "gui/controls/RectangleShape.h"

#include <QPainter>

RectangleShape::RectangleShape(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void RectangleShape::setBorderColor(const QColor& color)
{
    mBorderColor = color;
    update();
}

void RectangleShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(mBorderColor, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
