#include "core/store/Payouts.h"

#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"

double PrizePool(const OpenTournament& t)
{
    double pool = 0;
    for (const PlayerRecord& p : t.gtypPlayers)
        pool += p.TotalBuyin + p.TotalRebuy + p.TotalAddon;
    for (const AwardRecord& a : t.gtypAwards)
        pool -= a.Payout;
    return pool;
}

void CalculatePayouts(OpenTournament& t)
{
    const long paid = t.gintNumberPaid < 0 ? -1 : t.gintNumberPaid;
    t.gdblCalculatedPayout.redim(0, paid);

    // A setting missing for a row (fewer rows stored than places paid) counts as 0.
    auto setting = [&t](long k) { return t.gdblPayout.contains(k) ? t.gdblPayout[k] : 0.0; };

    if (t.gintPayAsPercentages != 1) {
        for (long k = 0; k <= paid; ++k)
            t.gdblCalculatedPayout[k] = setting(k);
        return;
    }

    QList<double> percents;
    for (long k = 0; k <= paid; ++k)
        percents << setting(k);
    const QList<double> amounts = PercentagePayouts(percents, PrizePool(t), t.gintRoundTo);
    for (long k = 0; k <= paid; ++k)
        t.gdblCalculatedPayout[k] = amounts[k];
}

QList<double> PercentagePayouts(const QList<double>& percents, double pool, double unit)
{
    const double step = unit >= 1 ? unit : 1;
    QList<double> amounts(percents.size());
    double remainder = pool;
    for (qsizetype k = percents.size() - 1; k >= 0; --k) {
        amounts[k] = RoundHalfEven(percents[k] / 100.0 * pool / step) * step;
        remainder -= amounts[k];
    }
    // Without a paid place the house row is the only one there is.
    if (amounts.isEmpty())
        return amounts;
    if (percents[0] > 0 || amounts.size() < 2)
        amounts[0] += remainder;
    else
        amounts[1] += remainder;
    return amounts;
}

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
