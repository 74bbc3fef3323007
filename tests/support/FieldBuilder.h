#pragma once

#include "core/store/OpenTournament.h"

#include <vector>

// A tournament of n entrants "P1".."Pn" (PlayerID = index), unseated and
// still in, at tables of the given size.
inline OpenTournament FieldOf(int players, int seatsPerTable)
{
    OpenTournament t;
    t.gintPlayersPerTable = static_cast<Integer>(seatsPerTable);
    for (int i = 1; i <= players; ++i) {
        PlayerRecord p;
        p.PlayerName = QStringLiteral("P%1").arg(i);
        p.PlayerID = i;
        t.gtypPlayers.append(p);
    }
    return t;
}

// Rebuys and add-ons allowed, in level-table mode (blind mode 2): rebuys
// before level rebuyUntil, add-ons after level addonAfter and before level
// addonUntil (each also in the break that leads into that level).
inline void OpenEntryPeriods(OpenTournament& t, Integer rebuyUntil, Integer addonAfter, Integer addonUntil)
{
    t.gintAllowRebuys = 1;
    t.gintAllowAddons = 1;
    t.gintAutoDoubleBlind = 2;
    t.gintRebuyUntilLevel = rebuyUntil;
    t.gintAddonLevel1 = addonAfter;
    t.gintAddonLevel2 = addonUntil;
}

// Seats entrants by hand: each count fills that table's seats from 1, taking
// the entrants in order.
inline void SeatTables(OpenTournament& t, const std::vector<int>& counts)
{
    long next = 1;
    int table = 0;
    for (const int n : counts) {
        ++table;
        for (int s = 1; s <= n; ++s, ++next) {
            t.gtypPlayers[next].Table = static_cast<Integer>(table);
            t.gtypPlayers[next].Seat = static_cast<Integer>(s);
        }
    }
}

// Takes an entrant out as an elimination does.
inline void KnockOut(OpenTournament& t, long index, Integer place)
{
    PlayerRecord& p = t.gtypPlayers[index];
    p.Finish = place;
    p.Table = 0;
    p.Seat = 0;
    p.Moved = false;
}
