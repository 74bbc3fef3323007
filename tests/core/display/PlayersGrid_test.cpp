#include "FieldBuilder.h"
#include "core/display/PlayersGrid.h"
#include "core/store/OpenTournament.h"

#include <gtest/gtest.h>

TEST(PlayersGrid, ShapesForEachLayout)
{
    struct Case {
        Long display;
        Integer players;
        long rows, cols;
    };
    const Case cases[] = {{1, 0, 1, 5}, {1, 3, 4, 5}, {1, 5, 6, 5}, {0, 0, 1, 11}, {0, 3, 3, 11}, {0, 5, 4, 11}};
    for (const Case& c : cases) {
        const ScreenGrid g = PlayersGridHeader(c.display, c.players);
        EXPECT_EQ(g.Rows(), c.rows) << c.display << " " << c.players;
        EXPECT_EQ(g.Cols(), c.cols);
    }
    EXPECT_EQ(PlayersGridHeader(1, 0).Text(0, 4), QStringLiteral("      Win"));
    EXPECT_EQ(PlayersGridHeader(0, 0).Text(0, 8), QStringLiteral(" Buy"));
    EXPECT_EQ(PlayersGridHeader(0, 0).Text(0, 5), QString());
}

TEST(PlayersGrid, CellsStrikeThroughAndPoints)
{
    OpenTournament t = FieldOf(3, 10);
    PlayerRecord& winner = t.gtypPlayers[1];
    winner.Finish = 1;
    winner.Payout = 100;
    winner.Points = 25;
    winner.TotalBuyin = 20;
    winner.TotalRebuy = 10;
    winner.Table = 27;
    winner.Seat = 3;
    t.gtypPlayers[2].Finish = 2;
    t.gtypPlayers[2].Payout = 42.69999999999999; // no points: the payout alone, to the cent

    PlayersGridOptions two {0, true, 1, 1};
    const PlayersGridContents g = PlayersGridOf(t, two);
    EXPECT_EQ(g.Cells.Text(1, 1), QStringLiteral("aa-c"));
    EXPECT_EQ(g.Cells.Text(1, 2), QStringLiteral("30"));
    EXPECT_EQ(g.Cells.Text(1, 3), QStringLiteral("1"));
    EXPECT_EQ(g.Cells.Text(1, 4), QStringLiteral("100\\25"));
    EXPECT_EQ(g.Cells.Text(1, 6), t.gtypPlayers[2].PlayerName);
    EXPECT_EQ(g.Cells.Text(1, 10), QStringLiteral("42.7"));
    EXPECT_EQ(g.Cells.Text(2, 0), t.gtypPlayers[3].PlayerName);
    EXPECT_EQ(g.Cells.Text(2, 3), QString()); // still playing
    EXPECT_EQ(g.StruckThrough, (QList<QPair<long, long>> {{1, 6}})); // the winner is not struck

    const PlayersGridContents one = PlayersGridOf(t, {1, false, 0, 0});
    EXPECT_EQ(one.Cells.Text(1, 4), QStringLiteral("100"));
    EXPECT_EQ(one.Cells.Text(1, 1), QStringLiteral("27-3"));
    EXPECT_EQ(one.StruckThrough, (QList<QPair<long, long>> {{2, 0}}));
}

TEST(PlayersGrid, PlayerOfACell)
{
    struct Case {
        long row, col;
        Long display;
        Integer expected;
    };
    const Case cases[] = {
        {0, 0, 1, 0}, {3, 2, 1, 3}, {4, 0, 1, 0}, // header, a player, past the last
        {0, 0, 0, 0}, {2, 1, 0, 3}, {1, 7, 0, 2}, {1, 5, 0, 0}, {2, 8, 0, 0}, // gap; the empty right group
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlayerIndexAtCell(c.row, c.col, c.display, 3), c.expected) << c.row << "," << c.col;
}

TEST(PlayersGrid, AutoScrollHoldsThenScrollsThenWraps)
{
    // Ticks after an action: four holds, then a move every tick.
    std::vector<bool> moves;
    ScrollTick tick {0, false};
    for (int i = 0; i < 7; ++i) {
        tick = NextScrollTick(tick.Hold, i == 0);
        moves.push_back(tick.Scroll);
    }
    EXPECT_EQ(moves, (std::vector<bool> {false, false, false, false, true, true, true}));
    EXPECT_TRUE(NextScrollTick(0, false).Scroll); // from the start

    EXPECT_EQ(NextTopRow(1, 20, false), 2);
    EXPECT_EQ(NextTopRow(12, 20, true), 1); // the end came into view
    EXPECT_EQ(NextTopRow(1, 5, true), 1); // a grid that fits never moves
}
