#include "gui/home/HomeArtwork.h"

#include "gui/controls/ArtworkPalette.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

using namespace ArtworkPalette;

constexpr int Size = 32;

void sheet(QPainter& p)
{
    p.setPen(QPen(Ink, 1.4));
    p.setBrush(Qt::white);
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(20, 3);
    page.lineTo(26, 9);
    page.lineTo(26, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.drawPath(page);
}

void letter(QPainter& p, const QString& text, const QColor& colour)
{
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(2, 2, 28, 28));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, text);
}

void draw(QPainter& p, HomeIcon icon)
{
    switch (icon) {
    case HomeIcon::New:
        sheet(p);
        p.setPen(QPen(Felt, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16.5, 12), QPointF(16.5, 24));
        p.drawLine(QPointF(10.5, 18), QPointF(22.5, 18));
        break;
    case HomeIcon::Open: {
        p.setPen(QPen(Ink, 1.4));
        p.setBrush(Gold.darker(115));
        p.drawRect(QRectF(3, 8, 24, 19));
        p.setBrush(Gold);
        QPainterPath flap;
        flap.moveTo(3, 27);
        flap.lineTo(8, 14);
        flap.lineTo(30, 14);
        flap.lineTo(27, 27);
        flap.closeSubpath();
        p.drawPath(flap);
        break;
    }
    case HomeIcon::Manage:
        // Three players around a table.
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(Felt);
        p.drawEllipse(QRectF(6, 17, 20, 11));
        p.setBrush(Blue);
        for (double x : {4.0, 13.0, 22.0})
            p.drawEllipse(QRectF(x, 5, 7, 7));
        break;
    case HomeIcon::Stats:
        p.setPen(QPen(Ink, 1.4));
        p.drawLine(QPointF(4, 28), QPointF(29, 28));
        p.setBrush(Blue);
        p.drawRect(QRectF(6, 17, 5, 11));
        p.setBrush(Felt);
        p.drawRect(QRectF(14, 8, 5, 20));
        p.setBrush(Gold);
        p.drawRect(QRectF(22, 13, 5, 15));
        break;
    case HomeIcon::PostResults:
        p.setPen(QPen(Blue, 1.6));
        p.setBrush(QColor(0xe3, 0xf2, 0xfd));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(10, 3, 12, 26));
        p.drawLine(QPointF(3, 16), QPointF(29, 16));
        p.drawLine(QPointF(6, 9.5), QPointF(26, 9.5));
        p.drawLine(QPointF(6, 22.5), QPointF(26, 22.5));
        break;
    case HomeIcon::Help:
        letter(p, QStringLiteral("?"), Blue);
        break;
    case HomeIcon::About:
        letter(p, QStringLiteral("i"), Felt);
        break;
    case HomeIcon::Exit: {
        p.setPen(QPen(Ink, 1.4));
        p.setBrush(QColor(0x8d, 0x6e, 0x63));
        p.drawRect(QRectF(5, 3, 14, 26));
        p.setPen(QPen(CardRed, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(14, 16), QPointF(28, 16));
        p.drawLine(QPointF(23, 11), QPointF(28, 16));
        p.drawLine(QPointF(23, 21), QPointF(28, 16));
        break;
    }
    }
}

} // namespace

QPixmap HomeIconPicture(HomeIcon icon)
{
    QImage image = BlankPicture(Size, Size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, icon);
    p.end();
    return QPixmap::fromImage(image);
}
