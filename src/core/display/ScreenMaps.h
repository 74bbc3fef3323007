#pragma once

#include "core/platform/ModelTypes.h"

#include <QHash>
#include <QPair>

// What a seat-chart cell stands for: the table and seat it shows and the
// player seated there (0 for an open seat). Header, label and gutter cells
// stand for nothing.
struct SeatChartCell {
    Integer Table = 0;
    Integer Seat = 0;
    Long PlayerID = 0;
};

// The seat chart's cells, by grid row and column. The chart's loader fills
// it; the seat commands read it, so a player is found by where he sits,
// never by the text shown.
class SeatChartMap {
public:
    void clear() { mCells.clear(); }
    void setCell(long Row, long Col, const SeatChartCell& Cell) { mCells.insert({Row, Col}, Cell); }
    // A cell never set stands for nothing (all zero).
    SeatChartCell cell(long Row, long Col) const { return mCells.value({Row, Col}); }

private:
    QHash<QPair<long, long>, SeatChartCell> mCells;
};

// The player of each chip-count row (0 for the header and rows never set).
class ChipCountMap {
public:
    void clear() { mRows.clear(); }
    void setPlayerID(long Row, Long PlayerID) { mRows.insert(Row, PlayerID); }
    Long PlayerID(long Row) const { return mRows.value(Row, 0); }

private:
    QHash<long, Long> mRows;
};
