#pragma once

#include <QLine>
#include <QRect>
#include <QtGlobal>

// Sizes and positions are designed in twips, at 15 twips to the pixel.
constexpr int TwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) { return qRound(double(twips) / TwipsPerPixel); }
constexpr int PixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

inline QRect TwipsToPixels(const QRect& twips)
{
    return QRect(TwipsToPixels(twips.left()), TwipsToPixels(twips.top()), TwipsToPixels(twips.width()),
                 TwipsToPixels(twips.height()));
}
inline QLine TwipsToPixels(const QLine& twips)
{
    return QLine(TwipsToPixels(twips.x1()), TwipsToPixels(twips.y1()), TwipsToPixels(twips.x2()),
                 TwipsToPixels(twips.y2()));
}
