#pragma once

#include <QtGlobal>

// Sizes and positions are designed in twips, at 15 twips to the pixel.
constexpr int TwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) { return qRound(double(twips) / TwipsPerPixel); }
constexpr int PixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }
