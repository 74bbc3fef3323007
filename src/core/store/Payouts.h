#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/BoundedArray.h"

class OpenTournament;

// The prize pool: every entrant's buy-ins, rebuys and add-ons, less the money
// of every award (given or not). House fees stay outside it.
double PrizePool(const OpenTournament& t);

// Works out gdblCalculatedPayout (0..gintNumberPaid) from the payout
// settings: amounts as entered, or percentages of the pool rounded to
// gintRoundTo with the rounding left over put on the house (when its
// percentage is above 0) or on the winner.
void CalculatePayouts(OpenTournament& t);

// One table in use and who sits where.
struct TableOccupancy {
    Integer TableNumber = 0;
    Integer SeatedCount = 0;
    BoundedArray<Integer> Seats; // 1..gintPlayersPerTable: index in gtypPlayers, 0 = open
};

// The tables in use: as many as the whole field needed at the start (all
// entries over the seats per table, rounded up), raised to the highest table
// at which a still-playing entrant sits. Fills TableCount and Tables
// (1..TableCount).
void ListTablesInPlay(const OpenTournament& t, Integer& TableCount, BoundedArray<TableOccupancy>& Tables);
