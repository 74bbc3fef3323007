#include "core/floor/TablesInPlay.h"
#include "core/store/OpenTournament.h"

#include <gtest/gtest.h>

namespace {

void seat(OpenTournament& t, Integer table, Integer seatNo, Integer finish = 0)
{
    PlayerRecord p;
    p.Table = table;
    p.Seat = seatNo;
    p.Finish = finish;
    t.gtypPlayers.append(p);
}

} // namespace

TEST(ListTablesInPlay, CountsTheTablesTheFieldNeededAtTheStart)
{
    OpenTournament t;
    t.gintPlayersPerTable = 10;
    for (int i = 0; i < 11; ++i)
        seat(t, 0, 0, i < 10 ? static_cast<Integer>(11 - i) : 0);
    Integer count = -1;
    BoundedArray<TableOccupancy> tables;
    ListTablesInPlay(t, count, tables);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(tables.upper(), 2);
    EXPECT_EQ(tables[2].TableNumber, 2);
    EXPECT_EQ(tables[2].Seats.upper(), 10);
    EXPECT_EQ(tables[1].SeatedCount, 0);
}

TEST(ListTablesInPlay, ASeatedPlayerAtAHigherTableBringsInTheTablesBetween)
{
    OpenTournament t;
    t.gintPlayersPerTable = 10;
    for (int i = 0; i < 10; ++i)
        seat(t, 1, static_cast<Integer>(i + 1));
    seat(t, 5, 3);
    seat(t, 7, 1, 4); // finished: his old table does not count
    Integer count = 0;
    BoundedArray<TableOccupancy> tables;
    ListTablesInPlay(t, count, tables);
    EXPECT_EQ(count, 5);
    ASSERT_EQ(tables.upper(), 5);
    EXPECT_EQ(tables[1].SeatedCount, 10);
    EXPECT_EQ(tables[1].Seats[4], 4);
    for (long n = 3; n <= 4; ++n) {
        EXPECT_EQ(tables[n].TableNumber, n);
        EXPECT_EQ(tables[n].SeatedCount, 0);
        EXPECT_EQ(tables[n].Seats.upper(), 10);
    }
    EXPECT_EQ(tables[5].SeatedCount, 1);
    EXPECT_EQ(tables[5].Seats[3], 11);
}

TEST(ListTablesInPlay, TwoPlayersInOneSeatLeaveTheLaterInIt)
{
    OpenTournament t;
    t.gintPlayersPerTable = 9;
    seat(t, 1, 2);
    seat(t, 1, 2);
    Integer count = 0;
    BoundedArray<TableOccupancy> tables;
    ListTablesInPlay(t, count, tables);
    EXPECT_EQ(tables[1].SeatedCount, 2);
    EXPECT_EQ(tables[1].Seats[2], 2);
}

TEST(ListTablesInPlay, NoEntrantsNoTables)
{
    OpenTournament t;
    t.gintPlayersPerTable = 9;
    Integer count = 3;
    BoundedArray<TableOccupancy> tables;
    tables.redim(1, 3);
    ListTablesInPlay(t, count, tables);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(tables.empty());
}

TEST(ListTablesInPlay, ZeroSeatsAndSeatsBeyondTheTableDoNotBreakIt)
{
    OpenTournament t;
    t.gintPlayersPerTable = 0;
    seat(t, 2, 1);
    Integer count = 0;
    BoundedArray<TableOccupancy> tables;
    ListTablesInPlay(t, count, tables);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(tables[2].SeatedCount, 1);
    EXPECT_TRUE(tables[2].Seats.empty());

    t.gintPlayersPerTable = 6;
    t.gtypPlayers[1].Seat = 9;
    ListTablesInPlay(t, count, tables);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(tables[2].SeatedCount, 1);
    for (Integer s : tables[2].Seats)
        EXPECT_EQ(s, 0);
}
