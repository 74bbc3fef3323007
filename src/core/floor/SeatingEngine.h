#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/BoundedArray.h"

#include <QList>
#include <QString>
#include <set>

class OpenTournament;
class RandomSource;
struct PlayerRecord;

// Seating the open tournament's players at tables of gintPlayersPerTable
// seats: initial seating, late entrants, breaking up and balancing tables,
// moving one player, unseating. Each operation changes Table, Seat and Moved
// of entries in memory and returns the indices (1..gintPlayerCount) of the
// entries to store; the caller stores them together (StoreSeatingChange).
// A player who is out (Finish not 0) is never given a seat.
using ChangedPlayers = std::set<long>;

// Whether a player can be given a seat: only while he is still in.
bool CanBeSeated(const PlayerRecord& p);

// The message for a tournament without seats at its tables; every seating
// command refuses to run then.
QString NoSeatsPerTableMessage();
bool HasSeatsPerTable(const OpenTournament& t);

// Random initial seating of every player still in: the fewest tables that
// hold them, filled as evenly as the rounding allows, seats from 1 up. Every
// entry, out or in, loses its seat first.
ChangedPlayers AssignSeatsAll(OpenTournament& t, RandomSource& rnd);

// Seats the players of table intTable (0: the players without a seat), one by
// one, at a random free seat of the least-filled other table with room; with
// no such table, at seat 1 of the first empty table; else the player stays.
ChangedPlayers AssignSeatsNew(OpenTournament& t, Integer intTable, RandomSource& rnd);

// Breaks up the smallest tables while the free seats make up a whole table,
// then evens the tables out until they differ by at most one player.
ChangedPlayers BalanceTables(OpenTournament& t, RandomSource& rnd);

// One line of the table picker: the table, its label and how many sit there.
struct TableChoice {
    Integer Table = 0;
    Integer Count = 0;
    QString Text; // "<table> - n Players"
};
QList<TableChoice> DropTableChoices(const OpenTournament& t, int tableID);
// Whether the players of a table fit into the free seats at the other tables.
bool DropTableHasRoom(const OpenTournament& t, Integer table);

// The free seats a player can be moved to, table by table, seat by seat.
struct SeatRef {
    Integer Table = 0;
    Integer Seat = 0;
};
QList<SeatRef> OpenSeats(const OpenTournament& t);
// The players who can be given a seat by hand: those still in, in array order.
QList<long> PlayersStillIn(const OpenTournament& t);

// Puts one player still in at the given seat (a move by hand clears Moved);
// nothing for a player who is out or an index outside the entries.
ChangedPlayers MovePlayerTo(OpenTournament& t, long index, Integer table, Integer seat);
ChangedPlayers UnassignSeat(OpenTournament& t, long index);
ChangedPlayers ClearAllSeats(OpenTournament& t);
// Clears every Moved mark; nothing to store (the mark is not stored).
void ClearMovedSeats(OpenTournament& t);

// A player still in who sat at a table before a change of the set-up and
// sits nowhere after it (the seat is gone with a smaller table size), with
// the seat he had.
struct LostSeat {
    long Player = 0;
    SeatRef Was;
};
QList<LostSeat> SeatsLost(const BoundedArray<PlayerRecord>& before, const OpenTournament& after);
// Tells the director who lost a seat, by the seat he had, and asks whether
// to seat them now at the open seats.
QString SeatsLostQuestion(const OpenTournament& t, const QList<LostSeat>& lost, int tableID, int seatID);

// The table alert: whether a table can be dropped (the free seats at tables
// with players make up a whole table) or the tables must be balanced (they
// differ by more than one player).
struct TableCheck {
    bool CanDrop = false;
    bool MustBalance = false;
    bool Alert() const { return CanDrop || MustBalance; }
};
TableCheck CheckTables(const OpenTournament& t);
// Whether the check runs at all: notify 1 at the end of a level only, 2 also
// after other calls, 0 never; never without players or seats.
bool TableCheckRuns(const OpenTournament& t, bool bEndOfSession);
