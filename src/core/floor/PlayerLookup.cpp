#include "core/floor/PlayerLookup.h"

#include "core/store/OpenTournament.h"

Integer PlayerIndexByID(const OpenTournament& t, Long PlayerID)
{
    if (PlayerID == 0)
        return 0;
    for (long i = t.gtypPlayers.lower(); i <= t.gtypPlayers.upper(); ++i)
        if (t.gtypPlayers[i].PlayerID == PlayerID)
            return static_cast<Integer>(i);
    return 0;
}

Integer PlayerIndexAtSeat(const OpenTournament& t, Integer Table, Integer Seat)
{
    if (Table <= 0 || Seat <= 0)
        return 0;
    for (long i = t.gtypPlayers.lower(); i <= t.gtypPlayers.upper(); ++i) {
        const PlayerRecord& p = t.gtypPlayers[i];
        if (p.Finish == 0 && p.Table == Table && p.Seat == Seat)
            return static_cast<Integer>(i);
    }
    return 0;
}
