#include "core/floor/TablesInPlay.h"

#include "core/store/OpenTournament.h"

namespace {

void fillTables(BoundedArray<TableOccupancy>& tables, Integer seatsPerTable)
{
    for (long i = tables.lower(); i <= tables.upper(); ++i) {
        TableOccupancy& table = tables[i];
        if (table.TableNumber != 0)
            continue;
        table.Seats.redim(1, seatsPerTable);
        table.TableNumber = static_cast<Integer>(i);
    }
}

} // namespace

void ListTablesInPlay(const OpenTournament& t, Integer& TableCount, BoundedArray<TableOccupancy>& Tables)
{
    TableCount = 0;
    Tables.redim(1, 0);

    const Integer perTable = t.gintPlayersPerTable;
    const Integer players = t.gintPlayerCount();
    // No seats per table means no table the field needed; seated players
    // still bring in their own tables below.
    if (perTable >= 1)
        TableCount = static_cast<Integer>(players / perTable + (players % perTable ? 1 : 0));
    if (TableCount > 0) {
        Tables.redim(1, TableCount);
        fillTables(Tables, perTable);
    }

    for (long i = 1; i <= players; ++i) {
        const PlayerRecord& p = t.gtypPlayers[i];
        if (p.Finish != 0 || p.Table <= 0)
            continue;
        if (p.Table > TableCount) {
            TableCount = p.Table;
            Tables.redimPreserve(TableCount);
            fillTables(Tables, perTable);
        }
        TableOccupancy& table = Tables[p.Table];
        table.SeatedCount += 1;
        // A seat beyond the table's size sits at the table but in no seat.
        if (table.Seats.contains(p.Seat))
            table.Seats[p.Seat] = static_cast<Integer>(i);
    }
}
