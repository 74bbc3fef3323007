#pragma once

#include "core/store/OpenTournament.h"

class ctlDataEntryGrid;

// The seven-column award grid of the set-up wizard and the award picker:
// only "Award Type", "Payout" and "Points" show; the ids stay in hidden
// columns, the award's id in column 0.
void FormatAwardsGrid(ctlDataEntryGrid& Grid);
// One row per award of the tournament under the header row; with
// UnawardedOnly the awards someone holds are left out.
void FillAwardsGrid(ctlDataEntryGrid& Grid, bool UnawardedOnly, const OpenTournament& t = openTournament());
