#include "core/floor/SeatingEngine.h"

#include "core/floor/RandomSource.h"
#include "core/floor/TableLabels.h"
#include "core/floor/TablesInPlay.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"

#include <QHash>
#include <algorithm>
#include <utility>

namespace {

// The tables in play with their counts, kept up to date as players are
// seated (the table a player leaves keeps its count, as the floor sees it
// until the next look).
struct Occupancy {
    Integer TableCount = 0;
    BoundedArray<TableOccupancy> Tables;

    explicit Occupancy(const OpenTournament& t) { ListTablesInPlay(t, TableCount, Tables); }

    // Seats a player; the mark tells the floor to take him to that table.
    void seat(OpenTournament& t, long player, Integer table, Integer seat)
    {
        PlayerRecord& p = t.gtypPlayers[player];
        p.Table = table;
        p.Seat = seat;
        p.Moved = true;
        TableOccupancy& o = Tables[table];
        o.SeatedCount += 1;
        if (o.Seats.contains(seat))
            o.Seats[seat] = static_cast<Integer>(player);
    }
};

// The first empty table, or 0.
Integer firstEmptyTable(const Occupancy& o)
{
    for (Integer k = 1; k <= o.TableCount; ++k)
        if (o.Tables[k].SeatedCount == 0)
            return k;
    return 0;
}

// Counts over the tables with players: free seats, the smallest and the
// largest count, and which tables they are.
struct Spread {
    long FreeSeats = 0;
    Integer Min = 0, Max = 0;
    Integer SmallestTable = 0; // not full; among equally small tables the highest-numbered
    Integer FullestTable = 0; // among equally full tables the lowest-numbered
};

Spread spreadOf(const Occupancy& o, Integer ppt)
{
    Spread s;
    s.Min = ppt;
    for (Integer k = 1; k <= o.TableCount; ++k) {
        const Integer n = o.Tables[k].SeatedCount;
        if (n == 0)
            continue;
        s.FreeSeats += ppt - n;
        if (n < ppt && n <= s.Min)
            s.SmallestTable = k;
        if (n < s.Min)
            s.Min = n;
        if (n > s.Max) {
            s.Max = n;
            s.FullestTable = k;
        }
    }
    return s;
}

// Where each player sat when a balancing run began (players without a seat
// then are not listed).
using HomeSeats = QHash<long, SeatRef>;

// AssignSeatsNew, for balancing: a player drawn from a table and seated back
// at that same table goes back to his own seat while it is free.
ChangedPlayers seatPlayers(OpenTournament& t, Integer intTable, RandomSource& rnd, const HomeSeats& home)
{
    ChangedPlayers changed;
    const long count = t.gintPlayerCount();
    if (count == 0 || !HasSeatsPerTable(t))
        return changed;
    const Integer ppt = t.gintPlayersPerTable;
    Occupancy o(t);

    for (long i = 1; i <= count; ++i) {
        const PlayerRecord& p = t.gtypPlayers[i];
        if (p.Table != intTable || !CanBeSeated(p))
            continue;

        Integer least = ppt;
        for (Integer k = 1; k <= o.TableCount; ++k) {
            const Integer n = o.Tables[k].SeatedCount;
            if (k != intTable && n >= 1 && n < ppt && n < least)
                least = n;
        }
        QList<SeatRef> candidates;
        for (Integer k = 1; k <= o.TableCount && least < ppt; ++k) {
            const TableOccupancy& table = o.Tables[k];
            if (k == intTable || table.SeatedCount != least)
                continue;
            for (Integer s = 1; s <= ppt; ++s)
                if (table.Seats[s] == 0)
                    candidates.append({k, s});
        }

        if (!candidates.isEmpty()) {
            SeatRef pick = candidates[Draw(rnd, static_cast<int>(candidates.size())) - 1];
            const SeatRef own = home.value(i);
            if (own.Table != 0 && own.Table == pick.Table && o.Tables[own.Table].Seats.value(own.Seat) == 0)
                pick = own;
            o.seat(t, i, pick.Table, pick.Seat);
        } else if (const Integer k = firstEmptyTable(o); k != 0 && k != intTable) {
            o.seat(t, i, k, 1);
        }
        changed.insert(i);
    }
    return changed;
}

} // namespace

bool CanBeSeated(const PlayerRecord& p) { return p.Finish == 0; }

QString NoSeatsPerTableMessage() { return QStringLiteral("Set at least one seat per table in the tournament set-up."); }

bool HasSeatsPerTable(const OpenTournament& t) { return t.gintPlayersPerTable >= 1; }

ChangedPlayers AssignSeatsAll(OpenTournament& t, RandomSource& rnd)
{
    const long count = t.gintPlayerCount();
    if (count == 0 || !HasSeatsPerTable(t))
        return {};
    const long remaining = PlayersStillIn(t).size();
    if (remaining == 0)
        return {};

    const long ppt = t.gintPlayersPerTable;
    // The fewest tables that hold everyone still in.
    long tables = static_cast<long>(RoundHalfEven(double(remaining) / double(ppt)));
    if (tables * ppt < remaining)
        tables += 1;
    const long empty = tables * ppt - remaining;
    const long firstTable = ppt - empty / tables;

    ChangedPlayers changed = ClearAllSeats(t);
    long left = remaining;
    for (long table = 1; table <= tables && left > 0; ++table) {
        long n = table == 1 ? firstTable : static_cast<long>(RoundHalfEven(double(left) / double(tables - table + 1)));
        n = std::min({n, ppt, left});
        for (long seat = 1; seat <= n; ++seat) {
            long r = Draw(rnd, static_cast<int>(left));
            for (long i = 1; i <= count; ++i) {
                PlayerRecord& p = t.gtypPlayers[i];
                if (p.Table != 0 || !CanBeSeated(p) || --r > 0)
                    continue;
                p.Table = static_cast<Integer>(table);
                p.Seat = static_cast<Integer>(seat);
                break;
            }
            left -= 1;
        }
    }
    return changed;
}

ChangedPlayers AssignSeatsNew(OpenTournament& t, Integer intTable, RandomSource& rnd)
{
    return seatPlayers(t, intTable, rnd, {});
}

ChangedPlayers BalanceTables(OpenTournament& t, RandomSource& rnd)
{
    ChangedPlayers changed;
    if (t.gintPlayerCount() == 0 || !HasSeatsPerTable(t))
        return changed;
    const Integer ppt = t.gintPlayersPerTable;
    auto merge = [&changed](const ChangedPlayers& more) { changed.insert(more.begin(), more.end()); };

    ClearMovedSeats(t);
    HomeSeats home;
    for (long i = 1; i <= t.gintPlayerCount(); ++i)
        if (const PlayerRecord& p = t.gtypPlayers[i]; p.Table != 0 && CanBeSeated(p))
            home.insert(i, {p.Table, p.Seat});
    merge(AssignSeatsNew(t, 0, rnd));

    // Break up the smallest table while the free seats make up a whole one.
    // Each round empties a table, so the rounds are bounded by the tables.
    for (int guard = 0; guard < 100000; ++guard) {
        const Spread s = spreadOf(Occupancy(t), ppt);
        if (s.FreeSeats < ppt || s.SmallestTable == 0)
            break;
        merge(AssignSeatsNew(t, s.SmallestTable, rnd));
        const Occupancy after(t);
        if (after.Tables.contains(s.SmallestTable) && after.Tables[s.SmallestTable].SeatedCount != 0)
            break; // no room after all: leave it as it is
    }

    // Even out: players leave the fullest table for the least-filled ones.
    for (int guard = 0; guard < 100000; ++guard) {
        const Spread s = spreadOf(Occupancy(t), ppt);
        if (s.Max - s.Min < 2)
            break;
        QList<long> atFullest;
        for (long i = 1; i <= t.gintPlayerCount(); ++i)
            if (t.gtypPlayers[i].Table == s.FullestTable && CanBeSeated(t.gtypPlayers[i]))
                atFullest.append(i);
        const long k = static_cast<long>(RoundHalfEven(double(s.Max - s.Min) / 2.0));
        for (long n = 0; n < k && !atFullest.isEmpty(); ++n) {
            const long player = atFullest.takeAt(Draw(rnd, static_cast<int>(atFullest.size())) - 1);
            t.gtypPlayers[player].Table = 0;
            changed.insert(player);
        }
        merge(seatPlayers(t, 0, rnd, home));
    }

    merge(AssignSeatsNew(t, 0, rnd));
    // The mark goes only to those who now sit at another table than before.
    for (auto it = home.cbegin(); it != home.cend(); ++it) {
        PlayerRecord& p = t.gtypPlayers[it.key()];
        p.Moved = p.Table != it.value().Table;
    }
    return changed;
}

QList<TableChoice> DropTableChoices(const OpenTournament& t, int tableID)
{
    QList<TableChoice> choices;
    const Occupancy o(t);
    for (Integer k = 1; k <= o.TableCount; ++k) {
        const Integer n = o.Tables[k].SeatedCount;
        choices.append({k, n, GetTableLabel(k, tableID) + QStringLiteral(" - %1 Players").arg(n)});
    }
    return choices;
}

bool DropTableHasRoom(const OpenTournament& t, Integer table)
{
    const Occupancy o(t);
    if (!o.Tables.contains(table))
        return false;
    const Integer ppt = t.gintPlayersPerTable;
    const Integer n = o.Tables[table].SeatedCount;
    const long freeElsewhere = spreadOf(o, ppt).FreeSeats - (ppt - n);
    return n <= freeElsewhere;
}

QList<SeatRef> OpenSeats(const OpenTournament& t)
{
    QList<SeatRef> seats;
    if (!HasSeatsPerTable(t))
        return seats;
    const Occupancy o(t);
    const Integer ppt = t.gintPlayersPerTable;
    for (Integer k = 1; k <= o.TableCount; ++k) {
        const TableOccupancy& table = o.Tables[k];
        if (table.SeatedCount >= ppt)
            continue;
        for (Integer s = 1; s <= ppt; ++s)
            if (table.Seats[s] == 0)
                seats.append({k, s});
    }
    return seats;
}

QList<long> PlayersStillIn(const OpenTournament& t)
{
    QList<long> players;
    for (long i = 1; i <= t.gintPlayerCount(); ++i)
        if (CanBeSeated(t.gtypPlayers[i]))
            players.append(i);
    return players;
}

ChangedPlayers MovePlayerTo(OpenTournament& t, long index, Integer table, Integer seat)
{
    if (!t.gtypPlayers.contains(index) || !CanBeSeated(t.gtypPlayers[index]))
        return {};
    PlayerRecord& p = t.gtypPlayers[index];
    p.Table = table;
    p.Seat = seat;
    p.Moved = false;
    return {index};
}

ChangedPlayers UnassignSeat(OpenTournament& t, long index)
{
    if (!t.gtypPlayers.contains(index))
        return {};
    PlayerRecord& p = t.gtypPlayers[index];
    p.Table = 0;
    p.Seat = 0;
    p.Moved = false;
    return {index};
}

ChangedPlayers ClearAllSeats(OpenTournament& t)
{
    ChangedPlayers changed;
    for (long i = 1; i <= t.gintPlayerCount(); ++i)
        changed.merge(UnassignSeat(t, i));
    return changed;
}

void ClearMovedSeats(OpenTournament& t)
{
    for (long i = 1; i <= t.gintPlayerCount(); ++i)
        t.gtypPlayers[i].Moved = false;
}

QList<LostSeat> SeatsLost(const BoundedArray<PlayerRecord>& before, const OpenTournament& after)
{
    QList<LostSeat> lost;
    for (long i = 1; i <= after.gintPlayerCount(); ++i) {
        const PlayerRecord& now = after.gtypPlayers[i];
        if (before.contains(i) && before[i].Table != 0 && now.Table == 0 && CanBeSeated(now))
            lost.append(LostSeat {i, {before[i].Table, before[i].Seat}});
    }
    // Told table by table, seat by seat, as the floor walks them.
    std::sort(lost.begin(), lost.end(), [](const LostSeat& a, const LostSeat& b) {
        return std::pair(a.Was.Table, a.Was.Seat) < std::pair(b.Was.Table, b.Was.Seat);
    });
    return lost;
}

QString SeatsLostQuestion(const OpenTournament& t, const QList<LostSeat>& lost, int tableID, int seatID)
{
    QString text = lost.size() == 1
        ? QStringLiteral("Tables now have %1 seats: this player lost his seat.\n").arg(t.gintPlayersPerTable)
        : QStringLiteral("Tables now have %1 seats: these %2 players lost their seats.\n")
              .arg(t.gintPlayersPerTable)
              .arg(lost.size());
    for (const LostSeat& l : lost)
        text += QStringLiteral("\n%1  %2")
                    .arg(GetTableAndSeat(l.Was.Table, l.Was.Seat, tableID, seatID), t.gtypPlayers[l.Player].PlayerName);
    return text
        + (lost.size() == 1 ? QStringLiteral("\n\nSeat this player now at an open seat?")
                            : QStringLiteral("\n\nSeat them now at the open seats?"));
}

TableCheck CheckTables(const OpenTournament& t)
{
    TableCheck check;
    if (!HasSeatsPerTable(t))
        return check;
    const Integer ppt = t.gintPlayersPerTable;
    const Spread s = spreadOf(Occupancy(t), ppt);
    check.CanDrop = s.Max > 0 && s.FreeSeats >= ppt;
    check.MustBalance = s.Max - s.Min > 1;
    return check;
}

bool TableCheckRuns(const OpenTournament& t, bool bEndOfSession)
{
    const Long notify = t.glngNotifyWhenTablesCanBeReduced;
    if (!((notify == 1 && bEndOfSession) || notify == 2))
        return false;
    return t.gintPlayerCount() != 0 && HasSeatsPerTable(t);
}
