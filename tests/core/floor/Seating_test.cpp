#include "FieldBuilder.h"
#include "LeagueTestData.h"
#include "ScriptedRandom.h"
#include "core/floor/SeatingEngine.h"
#include "core/floor/SeatingStore.h"
#include "core/floor/TableLabels.h"
#include "core/store/TournamentStore.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <vector>

namespace {

// Players still in per table, tables 1.. in order (tables with nobody left out).
std::vector<int> tableCounts(const OpenTournament& t)
{
    std::map<int, int> counts;
    for (long i = 1; i <= t.gintPlayerCount(); ++i)
        if (t.gtypPlayers[i].Table != 0)
            counts[t.gtypPlayers[i].Table] += 1;
    std::vector<int> out;
    for (const auto& [table, n] : counts)
        out.push_back(n);
    return out;
}

// The rules every seating keeps: nobody out is seated, no seat is shared,
// every seat lies within the table.
void expectSoundSeats(const OpenTournament& t)
{
    std::set<std::pair<int, int>> taken;
    for (long i = 1; i <= t.gintPlayerCount(); ++i) {
        const PlayerRecord& p = t.gtypPlayers[i];
        if (p.Finish != 0) {
            EXPECT_EQ(p.Table, 0) << "player " << i << " is out";
            continue;
        }
        if (p.Table == 0)
            continue;
        EXPECT_GE(p.Seat, 1);
        EXPECT_LE(p.Seat, t.gintPlayersPerTable);
        EXPECT_TRUE(taken.insert({p.Table, p.Seat}).second) << "seat " << p.Table << "-" << p.Seat << " shared";
    }
}

// Balancing marks only those it took to another table; whoever stays at his
// table keeps his seat.
void expectMarksOnlyOnTableChanges(const OpenTournament& before, const OpenTournament& after)
{
    for (long i = 1; i <= after.gintPlayerCount(); ++i) {
        const PlayerRecord& was = before.gtypPlayers[i];
        const PlayerRecord& now = after.gtypPlayers[i];
        if (was.Table == 0)
            continue;
        EXPECT_EQ(now.Moved, now.Table != was.Table) << "P" << i << " from table " << was.Table;
        if (now.Table == was.Table) {
            EXPECT_EQ(now.Seat, was.Seat) << "P" << i << " stayed at table " << was.Table;
        }
    }
}

} // namespace

TEST(TableSeatLabel, NumbersAndLetters)
{
    struct Case {
        int table, seat, tableID, seatID;
        const char* label;
    };
    const Case cases[] = {
        {3, 7, 0, 0, "3-7"},   {3, 7, 1, 0, "C-7"},   {3, 7, 1, 1, "C-G"},    {1, 1, 1, 1, "A-A"},
        {27, 3, 1, 1, "aa-c"}, {27, 1, 1, 0, "aa-1"}, {27, 1, 0, 0, "27-1"},  {52, 1, 1, 0, "az-1"},
        {53, 2, 1, 1, "ba-b"}, {3, 27, 0, 1, "3-27"}, {702, 1, 1, 0, "zz-1"}, {703, 1, 1, 1, "703-A"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetTableAndSeat(c.table, c.seat, c.tableID, c.seatID), QString::fromLatin1(c.label))
            << c.table << "-" << c.seat;
        EXPECT_EQ(GetTableLabel(c.table, c.tableID), QString::fromLatin1(c.label).section(u'-', 0, 0));
    }
}

TEST(Seating, InitialSeatingFillsTheFewestTablesEvenly)
{
    struct Case {
        int players, perTable;
        std::vector<int> counts;
    };
    const Case cases[] = {{23, 10, {8, 8, 7}}, {20, 7, {7, 6, 7}}, {10, 4, {4, 3, 3}}, {30, 10, {10, 10, 10}}};
    for (const Case& c : cases) {
        OpenTournament t = FieldOf(c.players, c.perTable);
        ScriptedRandom rnd;
        EXPECT_EQ(AssignSeatsAll(t, rnd).size(), static_cast<size_t>(c.players));
        EXPECT_EQ(tableCounts(t), c.counts) << c.players << " at " << c.perTable;
        expectSoundSeats(t);
        // Seats fill from 1 up, so the highest seats stay empty.
        for (long i = 1; i <= t.gintPlayerCount(); ++i) {
            const PlayerRecord& p = t.gtypPlayers[i];
            EXPECT_LE(p.Seat, c.counts[static_cast<size_t>(p.Table - 1)]);
        }
    }
}

TEST(Seating, InitialSeatingDrawsFromThoseStillUnseatedAndClearsThoseOut)
{
    OpenTournament t = FieldOf(4, 10);
    SeatTables(t, {4});
    KnockOut(t, 2, 4);
    t.gtypPlayers[2].Table = 5; // a stale seat on a player who is out is cleared too
    // Draws of 3 players still in: the last (P4), then the first (P1), then P3.
    ScriptedRandom rnd({0.9, 0.0, 0.0});
    AssignSeatsAll(t, rnd);
    EXPECT_EQ(t.gtypPlayers[4].Seat, 1);
    EXPECT_EQ(t.gtypPlayers[1].Seat, 2);
    EXPECT_EQ(t.gtypPlayers[3].Seat, 3);
    EXPECT_EQ(t.gtypPlayers[2].Table, 0);

    OpenTournament allOut = FieldOf(2, 10);
    KnockOut(allOut, 1, 2);
    KnockOut(allOut, 2, 1);
    OpenTournament none = FieldOf(0, 10);
    EXPECT_TRUE(AssignSeatsAll(allOut, rnd).empty());
    EXPECT_TRUE(AssignSeatsAll(none, rnd).empty());
}

TEST(Seating, LateEntrantsGoToTheLeastFilledTableWithRoom)
{
    OpenTournament t = FieldOf(18, 10);
    SeatTables(t, {9, 7});
    ScriptedRandom rnd;
    AssignSeatsNew(t, 0, rnd);
    EXPECT_EQ(t.gtypPlayers[17].Table, 2);
    EXPECT_EQ(t.gtypPlayers[18].Table, 2);
    EXPECT_TRUE(t.gtypPlayers[17].Moved);
    expectSoundSeats(t);

    // Every table with players full: the first empty table opens at seat 1.
    OpenTournament full = FieldOf(21, 10);
    SeatTables(full, {10, 10});
    AssignSeatsNew(full, 0, rnd);
    EXPECT_EQ(full.gtypPlayers[21].Table, 3);
    EXPECT_EQ(full.gtypPlayers[21].Seat, 1);

    // One-seat tables: the entrant opens the next table of the field.
    OpenTournament single = FieldOf(3, 1);
    SeatTables(single, {1, 1});
    AssignSeatsNew(single, 0, rnd);
    EXPECT_EQ(single.gtypPlayers[3].Table, 3);
    EXPECT_EQ(single.gtypPlayers[3].Seat, 1);
}

TEST(Balancing, BreaksTheSmallTableAndEvensTheRest)
{
    ScriptedRandom rnd;
    OpenTournament t = FieldOf(20, 10);
    SeatTables(t, {9, 9, 2});
    BalanceTables(t, rnd);
    EXPECT_EQ(tableCounts(t), (std::vector<int> {10, 10}));
    expectSoundSeats(t);

    // 10 and 7: two leave the 10-table; one drawn back to it keeps his seat
    // and his name unmarked, whatever the draws.
    for (unsigned seed = 1; seed <= 40; ++seed) {
        ScriptedRandom draws({}, seed);
        OpenTournament uneven = FieldOf(17, 10);
        SeatTables(uneven, {10, 7});
        const OpenTournament before = uneven;
        BalanceTables(uneven, draws);
        std::vector<int> counts = tableCounts(uneven);
        std::sort(counts.begin(), counts.end());
        EXPECT_EQ(counts, (std::vector<int> {8, 9}));
        expectMarksOnlyOnTableChanges(before, uneven);
    }

    // Equally small tables: the higher-numbered one is broken up.
    OpenTournament small = FieldOf(13, 10);
    SeatTables(small, {9, 2, 2});
    BalanceTables(small, rnd);
    EXPECT_EQ(tableCounts(small), (std::vector<int> {7, 6}));
    for (long i : {10, 11, 12, 13})
        EXPECT_EQ(small.gtypPlayers[i].Table, 2) << "P" << i;
    EXPECT_FALSE(small.gtypPlayers[10].Moved);
    EXPECT_TRUE(small.gtypPlayers[12].Moved);
    expectSoundSeats(small);
}

TEST(Balancing, RandomFieldsEndEvenOnTheFewestTables)
{
    ScriptedRandom rnd({}, 20261209);
    std::mt19937 field(7);
    for (int run = 0; run < 2000; ++run) {
        const int players = std::uniform_int_distribution<int>(1, 600)(field);
        const int perTable = std::uniform_int_distribution<int>(2, 26)(field);
        OpenTournament t = FieldOf(players, perTable);
        AssignSeatsAll(t, rnd);
        const int out = std::uniform_int_distribution<int>(0, players - 1)(field);
        for (int k = 0; k < out; ++k) {
            long i = std::uniform_int_distribution<long>(1, players)(field);
            while (t.gtypPlayers[i].Finish != 0)
                i = i % players + 1;
            KnockOut(t, i, static_cast<Integer>(players - k));
        }
        const OpenTournament before = t;
        BalanceTables(t, rnd);
        expectMarksOnlyOnTableChanges(before, t);

        const std::vector<int> counts = tableCounts(t);
        const int left = players - out;
        const auto [lo, hi] = std::minmax_element(counts.begin(), counts.end());
        ASSERT_LE(*hi - *lo, 1) << "run " << run;
        ASSERT_EQ(static_cast<int>(counts.size()), (left + perTable - 1) / perTable) << "run " << run;
        int seated = 0;
        for (int n : counts)
            seated += n;
        ASSERT_EQ(seated, left) << "run " << run;
        expectSoundSeats(t);
        if (HasFailure())
            return;
    }
}

TEST(Seating, ReduceMoveAndUnseatByHand)
{
    OpenTournament t = FieldOf(16, 10);
    SeatTables(t, {10, 6});
    const QList<TableChoice> choices = DropTableChoices(t, 1);
    ASSERT_EQ(choices.size(), 2);
    EXPECT_EQ(choices[0].Text, QStringLiteral("A - 10 Players"));
    EXPECT_EQ(choices[1].Text, QStringLiteral("B - 6 Players"));
    EXPECT_FALSE(DropTableHasRoom(t, 2)) << "6 players, 0 free seats at table 1";
    for (long i = 1; i <= 6; ++i)
        KnockOut(t, i, static_cast<Integer>(17 - i));
    EXPECT_TRUE(DropTableHasRoom(t, 2)) << "6 players, 6 free seats at table 1";

    // The open seats skip taken ones; a move by hand clears Moved.
    const QList<SeatRef> open = OpenSeats(t);
    ASSERT_FALSE(open.isEmpty());
    EXPECT_EQ(open.first().Table, 1);
    EXPECT_EQ(open.first().Seat, 1);
    t.gtypPlayers[12].Moved = true;
    EXPECT_EQ(MovePlayerTo(t, 12, 1, 1), (ChangedPlayers {12}));
    EXPECT_FALSE(t.gtypPlayers[12].Moved);

    // A player who is out is never offered a seat, nor given one.
    EXPECT_FALSE(PlayersStillIn(t).contains(1));
    EXPECT_TRUE(MovePlayerTo(t, 1, 1, 2).empty());
    EXPECT_EQ(t.gtypPlayers[1].Table, 0);

    EXPECT_EQ(UnassignSeat(t, 12), (ChangedPlayers {12}));
    EXPECT_EQ(t.gtypPlayers[12].Table, 0);
    EXPECT_EQ(ClearAllSeats(t).size(), 16u);
    EXPECT_TRUE(tableCounts(t).empty());
}

TEST(Seating, NoSeatsPerTableRefusesEveryCommand)
{
    OpenTournament t = FieldOf(5, 0);
    ScriptedRandom rnd;
    EXPECT_FALSE(HasSeatsPerTable(t));
    EXPECT_TRUE(AssignSeatsAll(t, rnd).empty());
    EXPECT_TRUE(AssignSeatsNew(t, 0, rnd).empty());
    EXPECT_TRUE(BalanceTables(t, rnd).empty());
    EXPECT_TRUE(OpenSeats(t).isEmpty());
    EXPECT_FALSE(CheckTables(t).Alert());
    t.glngNotifyWhenTablesCanBeReduced = 2;
    EXPECT_FALSE(TableCheckRuns(t, true));
}

TEST(TableAlert, DropOrBalanceBySetting)
{
    // Tables must be balanced once the fullest has two players more than the
    // emptiest, and one can go once the free seats would fill a table.
    struct Tables {
        std::vector<int> counts;
        bool canDrop, mustBalance;
    };
    const Tables tables[] = {
        {{8, 8, 8, 7}, false, false}, {{7, 7, 7, 7}, true, false}, {{9, 8}, false, false}, {{9, 7}, false, true},
        {{9, 6}, false, true},        {{6, 5}, false, false},      {{5, 5}, true, false},
    };
    for (const Tables& c : tables) {
        OpenTournament t = FieldOf(std::accumulate(c.counts.begin(), c.counts.end(), 0), 10);
        SeatTables(t, c.counts);
        SCOPED_TRACE(testing::PrintToString(c.counts));
        EXPECT_EQ(CheckTables(t).CanDrop, c.canDrop);
        EXPECT_EQ(CheckTables(t).MustBalance, c.mustBalance);
    }

    OpenTournament drop = FieldOf(28, 10);
    struct Case {
        Long notify;
        bool endOfSession, runs;
    };
    for (const Case& c : {Case {0, true, false}, Case {1, true, true}, Case {1, false, false}, Case {2, false, true}}) {
        drop.glngNotifyWhenTablesCanBeReduced = c.notify;
        EXPECT_EQ(TableCheckRuns(drop, c.endOfSession), c.runs) << c.notify << " " << c.endOfSession;
    }
}

class SeatingStoreTest : public LeagueDatabaseTest { };

TEST_F(SeatingStoreTest, AFailedSaveLeavesEverySeatAsItWas)
{
    OpenTournament t = FieldOf(6, 4);
    t.glngCurrentLeagueID = addLeague(QStringLiteral("Tuesday"));
    t.gstrTournamentName = QStringLiteral("Week 1");
    t.RedimPayouts();
    SaveTournament(db, t, true);
    for (Integer i = 1; i <= 6; ++i)
        SaveTournamentPlayer(db, t, i);
    ScriptedRandom rnd;

    // Seats are written, then the tournament's row fails.
    db.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON tblTournament "
                              "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    EXPECT_THROW(StoreSeatingChange(db, t, [&](OpenTournament& c) { return AssignSeatsAll(c, rnd); }), DatabaseError);
    EXPECT_TRUE(tableCounts(t).empty());
    Recordset seated = db.query(QStringLiteral("SELECT COUNT(*) AS n FROM tblTournamentXPlayer WHERE \"Table\" <> 0"));
    EXPECT_EQ(seated.value(QStringLiteral("n")).toInt(), 0);

    db.execute(QStringLiteral("DROP TRIGGER refuse"));
    EXPECT_EQ(StoreSeatingChange(db, t, [&](OpenTournament& c) { return AssignSeatsAll(c, rnd); }).size(), 6u);
    EXPECT_EQ(tableCounts(t), (std::vector<int> {3, 3}));
    Recordset stored = db.query(QStringLiteral("SELECT COUNT(*) AS n FROM tblTournamentXPlayer WHERE \"Table\" <> 0"));
    EXPECT_EQ(stored.value(QStringLiteral("n")).toInt(), 6);
}
