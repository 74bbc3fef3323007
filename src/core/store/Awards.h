#pragma once

#include "core/platform/ModelTypes.h"

class OpenTournament;

// The index (from 1) of the first award of the tournament whose bounty is on
// the player; 0 when there is none.
Integer FindBountyAward(const OpenTournament& t, Long PlayerID);
