#pragma once

#include <QString>

// A stored number as grids and screens show it: the shortest plain text that
// reads back as the same number, with "." as the decimal point, no grouping
// and no exponent ("1500", "0.25", "-3.5"). Zero is "0", never "-0"; a value
// that is not finite shows as "0".
QString PlainNumberText(double value);
// The same at single precision, for values the model keeps as Single: 0.1f
// shows as "0.1", not as the digits of its double widening.
QString PlainNumberText(float value);

// A number rounded to a fixed count of decimals, a half going to the even
// neighbour as in every rounding of the program, without grouping: "0.00"
// (ZeroBeforePoint) or "#.00" (no digit before the point when the whole part
// is zero: ".50"). A negative value carries a leading minus sign unless it
// rounds to zero.
QString FixedDecimalsText(double value, int decimals, bool ZeroBeforePoint = true);
