#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>
#include <QVariant>
#include <stdexcept>

// Null-safe readers of database values. A value reads as a number when it is
// a number or a text that parses as one; Null and other text give 0. Whole
// numbers are rounded half to even (2.5 gives 2, 3.5 gives 4).

// Raised when a value lies outside the range of the target type.
class OverflowError : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

double NzDouble(const QVariant& Value);
Long NzLong(const QVariant& Value); // OverflowError beyond 32 bits
Integer NzInteger(const QVariant& Value); // OverflowError beyond 16 bits
Single NzSingle(const QVariant& Value);
QString NzString(const QVariant& Value);

// The value as a number, when it reads as one. A text may carry "," between
// groups of three digits ("1,500"); text never reads as infinite.
bool ReadsAsNumber(const QVariant& Value, double* number = nullptr);
// Rounds half to even, as every conversion to a whole number does.
double RoundHalfEven(double x);
