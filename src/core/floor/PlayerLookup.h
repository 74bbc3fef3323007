#pragma once

#include "core/platform/ModelTypes.h"

class OpenTournament;

// Entrant indexes (1..gintPlayerCount) found by a lasting key; 0 when there
// is none. An index is valid only until the entrants are loaded again.

// The entrant with this player id; id 0 finds nobody.
Integer PlayerIndexByID(const OpenTournament& t, Long PlayerID);

// The entrant still in (no finishing place) at this table and seat.
Integer PlayerIndexAtSeat(const OpenTournament& t, Integer Table, Integer Seat);
