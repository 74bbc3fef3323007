#pragma once

#include "core/store/Nz.h"

#include <QString>
#include <optional>

// Money, and the counts worked out from it, is never below 0.

// The message a negative value is refused by, by its name ("Buy-in cannot
// be negative."); none at 0 and above.
std::optional<QString> RefuseNegative(double value, const QString& name);

// The message a number beyond what its column holds (T: Integer, Long,
// Single) is refused by, by its label ("Chip count is too large."); none
// when it fits.
template <typename T>
std::optional<QString> RefuseTooLarge(double value, const QString& label)
{
    if (Fits<T>(value))
        return std::nullopt;
    return label + QStringLiteral(" is too large.");
}

// Money less what is taken from it, never below 0: awards beyond the money
// taken in leave a pool of 0, and winnings taken back (an award revoked, a
// place un-eliminated) beyond what a player holds leave 0.
double MoneyLess(double money, double taken);
