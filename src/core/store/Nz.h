#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>
#include <QVariant>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <type_traits>

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
Single NzSingle(const QVariant& Value); // OverflowError beyond Single's range
QString NzString(const QVariant& Value);

// The value as a number, when it reads as one. A text may carry "," between
// groups of three digits ("1,500"); text never reads as infinite.
bool ReadsAsNumber(const QVariant& Value, double* number = nullptr);
// Rounds half to even, as every conversion to a whole number does.
double RoundHalfEven(double x);

// The one conversion of a double to a narrower number (Integer, Long, Single,
// int, long): a whole type takes x rounded half to even. Outside the target's
// range the conversion is undefined in C++, so it is never made: Fits says
// whether x can be converted, Narrow converts or raises OverflowError, and
// Clamped, for figures that need no refusal, takes the nearest end of the
// range (0 for a number that is none).
template <typename T>
bool Fits(double x)
{
    static_assert(std::is_arithmetic_v<T> && std::numeric_limits<T>::is_signed);
    if constexpr (std::is_floating_point_v<T>) {
        return std::fabs(x) <= double(std::numeric_limits<T>::max()); // false for NaN and infinity
    } else {
        // The bound above is a power of two, exact in a double even for 64
        // bits, where the largest value itself is not.
        const double r = RoundHalfEven(x);
        return r >= double(std::numeric_limits<T>::min()) && r < -double(std::numeric_limits<T>::min());
    }
}

[[noreturn]] void RaiseOverflow(double x, const char* typeName);

template <typename T>
T Narrow(double x)
{
    if (!Fits<T>(x)) {
        if constexpr (std::is_same_v<T, Integer>)
            RaiseOverflow(x, "Integer");
        else if constexpr (std::is_same_v<T, Long>)
            RaiseOverflow(x, "Long");
        else if constexpr (std::is_same_v<T, Single>)
            RaiseOverflow(x, "Single");
        else
            RaiseOverflow(x, "a whole number");
    }
    if constexpr (std::is_floating_point_v<T>)
        return static_cast<T>(x);
    else
        return static_cast<T>(RoundHalfEven(x));
}

template <typename T>
T Clamped(double x)
{
    if (std::isnan(x))
        return 0;
    if (Fits<T>(x))
        return Narrow<T>(x);
    return x < 0 ? std::numeric_limits<T>::lowest() : std::numeric_limits<T>::max();
}
