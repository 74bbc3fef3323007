#include "core/floor/SeatingStore.h"

#include "core/floor/FloorRows.h"
#include "core/store/OpenTournament.h"
#include "core/store/TournamentChange.h"
#include "core/store/TournamentStore.h"

ChangedPlayers StoreSeatingChange(Database& db, OpenTournament& t,
                                  const std::function<ChangedPlayers(OpenTournament&)>& command)
{
    ChangedPlayers changed;
    ChangeTournament(db, t, [&](OpenTournament& copy) {
        changed = command(copy);
        if (changed.empty())
            return; // nothing moved: nothing to store
        StoreFloorRows(db, copy, {changed, {}});
        SaveTournament(db, copy, false);
    });
    return changed;
}
