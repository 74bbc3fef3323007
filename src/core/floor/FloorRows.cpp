#include "core/floor/FloorRows.h"

#include "core/store/OpenTournament.h"
#include "core/store/TournamentChange.h"
#include "core/store/TournamentStore.h"

void StoreFloorRows(Database& db, OpenTournament& t, const FloorRows& rows)
{
    for (const long i : rows.Awards)
        SaveAward(db, t, static_cast<Integer>(i));
    SaveTournamentPlayers(db, t, rows.Players);
}

void StoreFloorChange(Database& db, OpenTournament& t, const std::function<void(OpenTournament&, FloorRows&)>& change)
{
    ChangeTournament(db, t, [&](OpenTournament& copy) {
        FloorRows rows;
        change(copy, rows);
        StoreFloorRows(db, copy, rows);
    });
}
