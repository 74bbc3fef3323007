#pragma once

#include <QString>

// A number in the general form, as grids, screens and boxes show it: at most
// 15 significant digits, which a double always keeps, so the noise of binary
// fractions never shows (0.1 + 0.2 is "0.3"); "." as the decimal point, no
// grouping and no exponent ("1500", "0.25", "-3.5"). Zero is "0", never "-0";
// a value that is not finite shows as "0".
QString PlainNumberText(double value);
// The same at single precision, for values the model keeps as Single: 0.1f
// shows as "0.1", not as the digits of its double widening.
QString PlainNumberText(float value);

// The number a single's own digits stand for, as a double: 0.1f gives 0.1,
// not the 0.10000000149011612 of its widening, which sums would carry.
double SingleAsShown(float value);

// An amount of money the program worked out (a payout, winnings, a pool) in
// the same form, rounded to the cent: "42.7", "1000".
QString AmountText(double amount);

// A number rounded to a fixed count of decimals, a half going to the even
// neighbour as in every rounding of the program, without grouping: "0.00"
// (ZeroBeforePoint) or "#.00" (no digit before the point when the whole part
// is zero: ".50"). A negative value carries a leading minus sign unless it
// rounds to zero.
QString FixedDecimalsText(double value, int decimals, bool ZeroBeforePoint = true);
