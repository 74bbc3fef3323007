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

// Money is kept in whole cents. A double holds every whole number of cents
// up to 2^53 exactly, and an amount of up to 2^50 cents (above $11
// trillion) turns into its cents and back without a change, so sums made in
// cents are exact and an amount rounded to the cent shows no binary noise
// ("42.7", never "42.69999999999999").

// The amount in whole cents, a half cent going to the even neighbour.
double Cents(double amount);
// The amount rounded to the cent; 0 for a number that is none.
double RoundCents(double amount);
// Two amounts added in cents.
double MoneyPlus(double money, double added);

// The ceilings of what a box takes and of the totals made from them.
//
// Money (buy-in, rebuy, add-on, house fee, bounty, fixed payouts, award
// winnings): at most 999,999,999 in whole units, so that a buy-in of
// 1,000,000 won or rupiah is an ordinary one. Every sum of money (the pool,
// a player's winnings, the awards) is made in cents. A buy-in, rebuy or
// add-on, or several entrants bought in at once, that would take the money
// taken in past Total::Ceiling is refused, and so are winnings typed past it
// and an award or automatic bounty that would take the awards past it.
//
// Chips and points (chip values and denominations, blinds, antes, raises, a
// player's chip count, points): payout points and chip counts are kept in
// single precision, and the blinds are worked out in it, which holds every
// whole number up to 2^24 (16,777,216) and beyond it only some (20,000,000
// but not 16,777,217). A number is refused only when a single would keep it
// changed (SingleKeeps).
struct Money {
    static constexpr double Ceiling = 999999999;
};
struct Count {
    // Every whole number up to here is kept by a single.
    static constexpr double Ceiling = 16777216;
};
// A sum of money: the pool, a player's whole winnings ("Assign Bounty"),
// the awards. 10^15 cents stays below 2^50, so every sum made in cents up to
// it is exact and reads back to the cent; points typed as a player's total
// are held to it too.
struct Total {
    static constexpr double Ceiling = 9999999999999.99;
};

// Whether a single keeps x as typed: a whole number up to 2^24 or one a
// single holds exactly, or a fraction that the single's own digits give back
// (0.1, 2.5).
bool SingleKeeps(double x);

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
        fits = SingleKeeps(value);
    else if constexpr (std::is_same_v<T, Total>)
        fits = std::fabs(value) <= Total::Ceiling;
    else
        fits = Fits<T>(value);
    if (fits)
        return std::nullopt;
    return label + QStringLiteral(" is too large.");
}

// The message an entry is refused by, by what it is ("This entry") and the
// sum it adds to ("the money taken in", "the awards total"), when it would
// take that sum past Total::Ceiling; none when the sum, with it, fits.
std::optional<QString> RefuseSumPastCeiling(double sum, const QString& what, const QString& sumName);

// Money less what is taken from it, in cents, never below 0: awards beyond
// the money taken in leave a pool of 0, and winnings taken back (an award
// revoked, a place un-eliminated) beyond what a player holds leave 0.
double MoneyLess(double money, double taken);
