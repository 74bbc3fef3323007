#pragma once

#include <QList>

class OpenTournament;

// The prize pool: every entrant's buy-ins, rebuys and add-ons, less the money
// of every award (given or not), as MoneyLess has it. House fees stay
// outside it.
double PrizePool(const OpenTournament& t);

// Works out gdblCalculatedPayout (0..gintNumberPaid) from the payout
// settings: amounts as entered, or percentages of the pool rounded to
// gintRoundTo with the rounding left over put on the house (when its
// percentage is above 0) or on the winner.
void CalculatePayouts(OpenTournament& t);

// Percentage payouts, the house first (index 0), then the places: each share
// of the pool rounded to the unit (half to even; a unit below 1 counts as 1),
// worked from the last place up. What the rounding leaves goes to the house
// when its share is above 0 or no place is paid, else to place 1, so the
// rows always add up to the pool.
QList<double> PercentagePayouts(const QList<double>& percents, double pool, double unit);
