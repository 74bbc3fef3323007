#include "gui/floor/ToolbarArtwork.h"

#include "gui/controls/ArtworkPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

using namespace ArtworkPalette;
constexpr int Size = 24;

void person(QPainter& p, QPointF at, double scale, const QColor& colour)
{
    p.setBrush(colour);
    p.drawEllipse(at + QPointF(-3 * scale, -9 * scale), 3 * scale, 3 * scale);
    p.drawRoundedRect(QRectF(at + QPointF(-5.5 * scale, -5 * scale), QSizeF(11 * scale, 8 * scale)), 3 * scale,
                      3 * scale);
}

QImage draw(ToolbarPicture picture)
{
    QImage image = BlankPicture(Size, Size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    switch (picture) {
    case ToolbarPicture::AddRemovePlayers:
        person(p, {10, 17}, 1.0, Blue);
        p.setBrush(FeltLight);
        p.drawRect(QRectF(16, 6, 7, 2.4));
        p.drawRect(QRectF(18.3, 3.7, 2.4, 7));
        break;
    case ToolbarPicture::ToggleScreen: {
        p.setBrush(Ink);
        p.drawRoundedRect(QRectF(2, 4, 20, 14), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 6, 16, 10));
        p.setBrush(Ink);
        p.drawRect(QRectF(9, 18, 6, 3));
        QPainterPath arrow;
        arrow.moveTo(8, 8.5);
        arrow.lineTo(16, 11);
        arrow.lineTo(8, 13.5);
        arrow.closeSubpath();
        p.setBrush(FeltLight);
        p.drawPath(arrow);
        break;
    }
    case ToolbarPicture::TournamentSetup: {
        const QPointF c(12, 12);
        p.setBrush(Gold);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 45.0);
            p.drawRect(QRectF(-2, -11, 4, 5));
            p.restore();
        }
        p.drawEllipse(c, 7.5, 7.5);
        p.setBrush(Qt::white);
        p.drawEllipse(c, 3, 3);
        break;
    }
    case ToolbarPicture::HideToolbar:
        p.setPen(QPen(CardRed, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 6), QPointF(18, 18));
        p.drawLine(QPointF(18, 6), QPointF(6, 18));
        break;
    case ToolbarPicture::PlayerScreen:
        p.setBrush(Felt);
        p.drawRoundedRect(QRectF(2, 3, 20, 18), 2, 2);
        p.setBrush(Qt::white);
        for (int row = 0; row < 4; ++row)
            p.drawRect(QRectF(5, 6 + row * 3.8, 14, 1.8));
        break;
    case ToolbarPicture::HandTimer: {
        p.setBrush(Qt::white);
        p.setPen(QPen(Ink, 1.6));
        p.drawEllipse(QPointF(12, 13), 9, 9);
        p.setPen(QPen(CardRed, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 13), QPointF(12, 7));
        p.drawLine(QPointF(12, 13), QPointF(16, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawRect(QRectF(10, 1, 4, 3));
        break;
    }
    }
    return image;
}

} // namespace

QPixmap ToolbarPicturePixmap(ToolbarPicture picture) { return QPixmap::fromImage(draw(picture)); }
