#pragma once

#include <QList>
#include <QString>
#include <optional>

class OpenTournament;

// Every entrant's buy-ins, rebuys and add-ons; house fees stay outside.
double MoneyTakenIn(const OpenTournament& t);

// The money of every award of the tournament, given or not.
double AwardsMoney(const OpenTournament& t);

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
// rows always add up to the pool. No row is ever below 0: shares of more
// than 100 % in all (a tournament stored before Finish refused them), or a
// rounding that would leave that row less than nothing, pay the pool from
// place 1 down and the house last, each row its share for as long as the
// pool lasts. A percentage below 0 counts as 0.
QList<double> PercentagePayouts(const QList<double>& percents, double pool, double unit);

// The percentages of the house and the places together, those below 0 left
// out, without the binary noise of adding decimals (33.3 + 33.3 + 33.4 is
// 100).
double PercentTotal(const QList<double>& percents);

// The rows (0 the house) whose percentage alone is above 100.
QList<long> RowsAboveWholePool(const QList<double>& percents);

// A percentage as messages show it: "180%".
QString PercentText(double percent);

// A payout row by its index as messages name it: "the house", "place 2".
QString PayoutRowName(long k);

// What the director is told on opening a tournament whose payouts need
// mending, in one message: percentage payouts of more than 100 % of the pool
// (the total, the rows above 100 % on their own, and how the pool is paid
// until they are mended), and every entrant whose stored winnings are below
// 0 with the amount in moneyFormat. None when there is neither.
std::optional<QString> PayoutsToMend(const OpenTournament& t, const QString& moneyFormat);

// How a player's winnings are mended by hand, to follow "mend them".
QString MendWinningsHow();
