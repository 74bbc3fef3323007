#pragma once

#include "core/floor/SeatingEngine.h"

#include <functional>

class Database;

// Runs one seating command and stores its changed entrants and the
// tournament's own rows in one transaction (ChangeTournament): a failure
// leaves every seat, in memory and in the database, as it was.
ChangedPlayers StoreSeatingChange(Database& db, OpenTournament& t,
                                  const std::function<ChangedPlayers(OpenTournament&)>& command);
