#include "gui/controls/ChipShape.h"

#include "gui/controls/OleColor.h"

#include <QPainter>

ChipShape::ChipShape(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ChipShape::setFillColor(OleColor color)
{
    mFillColor = color;
    update();
}

void ChipShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(OleColorToQColor(mFillColor, StandardLightPalette()));
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
