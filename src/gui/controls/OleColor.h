#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QVariant>

// Colours are kept as 0x00BBGGRR numbers. A number with its top bit set names
// a system colour by the index in its low byte (0x8000000F the button face,
// 0x80000012 the button text); those follow the palette.
using OleColor = quint32;

constexpr OleColor SystemColorFlag = 0x80000000u;
constexpr OleColor ButtonFaceColor = 0x8000000Fu;
constexpr OleColor ButtonTextColor = 0x80000012u;
constexpr OleColor WindowBackgroundColor = 0x80000005u;

QColor OleColorToQColor(OleColor color, const QPalette& palette = QGuiApplication::palette());

// A stored colour, signed or unsigned; the fallback when the value is no
// number.
OleColor OleColorFromVariant(const QVariant& value, OleColor fallback);
