#pragma once

#include <QVariant>
#include <QtGlobal>

// Colours are kept as 0x00BBGGRR numbers. A number with its top bit set names
// a system colour by the index in its low byte (0x8000000F the button face,
// 0x80000012 the button text); those follow the palette.
using OleColor = quint32;

constexpr OleColor SystemColorFlag = 0x80000000u;
constexpr OleColor ButtonFaceColor = 0x8000000Fu;
constexpr OleColor ButtonTextColor = 0x80000012u;
constexpr OleColor WindowBackgroundColor = 0x80000005u;

// Whether a stored value is a colour number, signed or unsigned ("49344",
// -2147483633, 0x8000000F).
bool IsColorNumber(const QVariant& value);

// A stored colour; the fallback when the value is no colour number.
OleColor OleColorFromVariant(const QVariant& value, OleColor fallback);
