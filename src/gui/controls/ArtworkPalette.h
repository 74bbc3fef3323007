#pragma once

#include <QColor>
#include <QImage>

// The colours of the program's own pictures, and the empty picture they are
// drawn on.
namespace ArtworkPalette {
inline const QColor Ink(0x26, 0x32, 0x38);
inline const QColor Felt(0x1b, 0x5e, 0x20);
inline const QColor FeltLight(0x38, 0x8e, 0x3c);
inline const QColor Gold(0xe0, 0xb0, 0x40);
inline const QColor CardRed(0xc6, 0x28, 0x28);
inline const QColor Blue(0x1f, 0x4e, 0x79);

inline QImage BlankPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}
} // namespace ArtworkPalette
