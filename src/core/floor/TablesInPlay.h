#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/BoundedArray.h"

class OpenTournament;

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
