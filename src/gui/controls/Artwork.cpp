#include "gui/controls/Artwork.h"

#include "gui/controls/ArtworkPalette.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

using namespace ArtworkPalette;
const auto blank = BlankPicture;

// A white clock face with a dark rim and four hour marks, filling a picture
// of the given size; the symbol is drawn on it with no pen.
template <typename Symbol>
QImage clockPicture(int width, int height, Symbol drawSymbol)
{
    QImage image = blank(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double d = qMin(width, height) - 2.0;
    const QRectF face((width - d) / 2, (height - d) / 2, d, d);
    p.setPen(QPen(Ink, 1.6));
    p.setBrush(Qt::white);
    p.drawEllipse(face);
    const QPointF c = face.center();
    const double r = d / 2;
    p.setPen(QPen(Ink, 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        const QPointF dir(qCos(a), qSin(a));
        p.drawLine(c + dir * (r - 1.5), c + dir * (r - 3.5));
    }
    p.setPen(Qt::NoPen);
    drawSymbol(p, c);
    return image;
}

QImage startTimer()
{
    return clockPicture(20, 21, [](QPainter& p, QPointF c) {
        QPainterPath play;
        play.moveTo(c + QPointF(-2.8, -4.5));
        play.lineTo(c + QPointF(4.8, 0));
        play.lineTo(c + QPointF(-2.8, 4.5));
        play.closeSubpath();
        p.setBrush(FeltLight);
        p.drawPath(play);
    });
}

QImage pauseTimer()
{
    return clockPicture(21, 22, [](QPainter& p, QPointF) {
        // Whole pixels either side of the face's middle (10.5, 11), for sharp bars.
        p.setBrush(CardRed);
        p.drawRoundedRect(QRectF(6, 6, 3, 10), 0.8, 0.8);
        p.drawRoundedRect(QRectF(12, 6, 3, 10), 0.8, 0.8);
    });
}

QImage logo()
{
    QImage image = blank(110, 79);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF plate(1.5, 1.5, 107, 76);
    p.setPen(QPen(Gold, 3));
    p.setBrush(Felt);
    p.drawRoundedRect(plate, 12, 12);
    // A ring of chip marks inside the plate.
    p.setPen(QPen(FeltLight, 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(6, 6, -6, -6), 8, 8);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(34);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(plate.translated(1.5, 1.5), Qt::AlignCenter, QStringLiteral("ZRV"));
    p.setPen(Gold);
    p.drawText(plate, Qt::AlignCenter, QStringLiteral("ZRV"));
    return image;
}

// One card standing on the origin (the middle of its bottom edge).
void drawCard(QPainter& p, const QString& rank, const QString& suit, const QColor& colour)
{
    const QRectF card(-12, -30, 24, 30);
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 2.5, 2.5);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(9);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(-11, -29.5, 9, 10), Qt::AlignHCenter | Qt::AlignTop, rank);
    p.drawText(QRectF(-11, -20.5, 9, 10), Qt::AlignHCenter | Qt::AlignTop, suit);
    font.setPixelSize(14);
    p.setFont(font);
    p.drawText(card.adjusted(6, 8, 0, -2), Qt::AlignCenter, suit);
}

QImage cards()
{
    QImage image = blank(120, 37);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    struct Card {
        const char* rank;
        char16_t suit;
        bool red;
    };
    const Card hand[] = {{"A", u'\u2660', false},
                         {"K", u'\u2665', true},
                         {"Q", u'\u2663', false},
                         {"J", u'\u2666', true},
                         {"10", u'\u2660', false}};
    // Spread left to right, each turned a little about its foot.
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(60 + (i - 2) * 19, 34);
        p.rotate((i - 2) * 8);
        drawCard(p, QString::fromLatin1(hand[i].rank), QString(QChar(hand[i].suit)), hand[i].red ? CardRed : Ink);
        p.restore();
    }
    return image;
}

QImage bell()
{
    QImage image = blank(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, 1.5));
    // The bell's body: a dome flaring out to a wide lip.
    QPainterPath body;
    body.moveTo(8, 36);
    body.cubicTo(13, 33, 13, 26, 14, 20);
    body.cubicTo(15, 11, 20, 8, 24, 8);
    body.cubicTo(28, 8, 33, 11, 34, 20);
    body.cubicTo(35, 26, 35, 33, 40, 36);
    body.closeSubpath();
    p.setBrush(Gold);
    p.drawPath(body);
    p.drawEllipse(QRectF(21.5, 4, 5, 5)); // the loop it hangs from
    p.setBrush(Ink);
    p.drawEllipse(QRectF(20.5, 36, 7, 7)); // the clapper
    p.setPen(QPen(CardRed, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(2, 10, 12, 20), 110 * 16, 140 * 16); // ringing
    p.drawArc(QRectF(34, 10, 12, 20), -70 * 16, 140 * 16);
    return image;
}

template <QImage (*Draw)()>
QPixmap drawnOnce()
{
    static const QImage picture = Draw();
    return QPixmap::fromImage(picture);
}

} // namespace

QPixmap StartTimerPicture() { return drawnOnce<startTimer>(); }
QPixmap PauseTimerPicture() { return drawnOnce<pauseTimer>(); }
QPixmap LogoPicture() { return drawnOnce<logo>(); }
QPixmap CardsPicture() { return drawnOnce<cards>(); }
QPixmap ReminderPicture() { return drawnOnce<bell>(); }
