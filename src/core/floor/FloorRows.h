#pragma once

#include <functional>
#include <set>

class Database;
class OpenTournament;

// The rows a floor operation changed, to be stored together: entrants and
// awards by their index in the open tournament (from 1).
struct FloorRows {
    std::set<long> Players;
    std::set<long> Awards;
};

// Writes the changed entrants and awards of the tournament. Meant to run
// inside ChangeTournament, so that the rows go in together or not at all.
void StoreFloorRows(Database& db, OpenTournament& t, const FloorRows& rows);

// Runs a floor operation on a copy of the tournament and stores the rows it
// changed in one transaction; the copy takes the tournament's place only
// when that commits. On a failure the DatabaseError goes on to the caller and
// the tournament, in memory and in the database, is as it was.
void StoreFloorChange(Database& db, OpenTournament& t, const std::function<void(OpenTournament&, FloorRows&)>& change);
