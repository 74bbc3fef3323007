#pragma once

#include "core/display/ScreenGrid.h"
#include "core/platform/ModelTypes.h"

#include <QList>
#include <QPair>
#include <QString>

class OpenTournament;

// The players grid: one player per row (PlayerDisplay 1), or two per row in
// a left and a right group with an empty gap column 5 between them.

inline constexpr long PlayersGapColumn = 5;
inline constexpr long PlayersRightGroup = 6;

// Row count (header included) and header texts of the layout.
ScreenGrid PlayersGridHeader(Long PlayerDisplay, Integer PlayerCount);

struct PlayersGridOptions {
    Long PlayerDisplay = 0;
    bool PointsInGrid = false; // winnings as payout\points
    int TableID = 0; // 1: tables named by letters
    int SeatID = 0; // 1: seats named by letters
};

// The grid's texts, and the name cells to strike through (finished players
// but the winner).
struct PlayersGridContents {
    ScreenGrid Cells;
    QList<QPair<long, long>> StruckThrough;
};
PlayersGridContents PlayersGridOf(const OpenTournament& t, const PlayersGridOptions& o);

// The player (from 1) in a cell, 0 for the header, the gap and cells past the
// last player.
Integer PlayerIndexAtCell(long Row, long Col, Long PlayerDisplay, Integer PlayerCount);

// "" for 0, else the number.
QString GetValue(int intVar);

// One tick of the grids' auto-scroll: after an operator action the grids
// hold for four ticks and move on the fifth; otherwise they move every tick.
struct ScrollTick {
    int Hold = 0;
    bool Scroll = false;
};
ScrollTick NextScrollTick(int Hold, bool OperatorActed);

// The top row after one scroll step: one further down while the last row is
// out of view, back to the first row under the header once it is in view.
long NextTopRow(long TopRow, long Rows, bool LastRowVisible);
