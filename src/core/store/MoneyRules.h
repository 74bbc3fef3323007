#pragma once

#include "core/store/Nz.h"

#include <QString>
#include <cmath>
#include <optional>
#include <type_traits>

// Money, and the counts worked out from it, is never below 0.

// The message a negative value is refused by, by its name ("Buy-in cannot
// be negative."); none at 0 and above.
std::optional<QString> RefuseNegative(double value, const QString& name);

// The ceilings of what a box takes, chosen so that every sum the program
// makes of them stays exact and every figure reads whole on the display.
//
// Money (buy-in, rebuy, add-on, house fee, bounty, fixed payouts, award
// winnings): at most $999,999.99. The largest pool is 32,767 entrants (a
// 16-bit count) with a buy-in, 200 rebuys and 200 add-ons each (the most a
// limited set-up offers): 13,139,567 entries, $13,139,566,868,604.33, which
// is 1.3e15 cents, well below the 2^53 (9.0e15) cents a double holds
// exactly; the award totals and the place payouts are smaller than that. On
// the display the amount reads "$1,000,000" at most.
//
// Chips and points (chip values and denominations, blinds, antes, raises, a
// player's chip count, points): at most 9,999,999. Payout points and chip
// counts are kept in single precision, which holds every whole number only
// up to 2^24 (16,777,216), so none is stored changed; all the chips of that
// largest field add up to 1.3e14, exact in a double.
struct Money {
    static constexpr double Ceiling = 999999.99;
};
struct Count {
    static constexpr double Ceiling = 9999999;
};
// A player's whole winnings or points typed by hand ("Assign Bounty"): a
// total, so it must hold the largest pool above with its awards, yet stay
// below the 2^53 cents ($90,071,992,547,409.92) a double keeps exact.
struct Total {
    static constexpr double Ceiling = 90000000000000.0;
};

// The message a number beyond what its column holds (T: Integer, Long,
// Single) or beyond its ceiling (T: Money, Count, Total) is refused by, by its
// label ("Chip count is too large."); none when it fits. Money below 0 is
// left to RefuseNegative, so that it is told as negative.
template <typename T>
std::optional<QString> RefuseTooLarge(double value, const QString& label)
{
    bool fits = false;
    if constexpr (std::is_same_v<T, Money>)
        fits = value <= Money::Ceiling; // false for NaN
    else if constexpr (std::is_same_v<T, Count>)
        fits = std::fabs(value) <= Count::Ceiling;
    else if constexpr (std::is_same_v<T, Total>)
        fits = std::fabs(value) <= Total::Ceiling;
    else
        fits = Fits<T>(value);
    if (fits)
        return std::nullopt;
    return label + QStringLiteral(" is too large.");
}

// Money less what is taken from it, never below 0: awards beyond the money
// taken in leave a pool of 0, and winnings taken back (an award revoked, a
// place un-eliminated) beyond what a player holds leave 0.
double MoneyLess(double money, double taken);
