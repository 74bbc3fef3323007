#include "gui/controls/ChipShape.h"

#include "core/display/ScreenContents.h"
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

void ChipShape::setBackdrop(OleColor background, OleColor text)
{
    mBackground = background;
    mText = text;
    update();
}

namespace {

// A colour as painted, as a colour number.
OleColor painted(const QColor& c) { return OleColor(c.red()) | OleColor(c.green()) << 8 | OleColor(c.blue()) << 16; }

ChipEdge edgeOf(OleColor fill, OleColor background, OleColor text)
{
    return ChipEdgeOf(painted(OleColorToQColor(fill, StandardLightPalette())), painted(OleColorToQColor(background)),
                      painted(OleColorToQColor(text)));
}

} // namespace

QColor ChipShape::EdgeColor() const { return OleColorToQColor(edgeOf(mFillColor, mBackground, mText).Color); }

int ChipShape::EdgePixels() const { return edgeOf(mFillColor, mBackground, mText).Pixels; }

void ChipShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal edge = EdgePixels();
    painter.setPen(QPen(EdgeColor(), edge));
    painter.setBrush(OleColorToQColor(mFillColor, StandardLightPalette()));
    painter.drawEllipse(QRectF(rect()).adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2));
}
