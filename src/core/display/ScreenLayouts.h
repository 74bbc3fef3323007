#pragma once

#include <QLine>
#include <QList>
#include <QRect>
#include <QSize>
#include <array>

// Where the rotating screens put their controls, in twips. The window
// measures its labels once their fonts and texts are set and hands the sizes
// in; these functions give back rectangles and lines, so the arithmetic is
// tested without fonts. Positions inside a frame are relative to the frame.
// No width or height comes out below 0, however small the window.

// A caption label above its value label.
struct LabelPair {
    QSize Cap;
    QSize Value;
};
struct PlacedPair {
    QRect Cap;
    QRect Value;
};

// Summary styles 1, 4 and 5 and the buy-in screen: the six pairs of
// frameSummary (tournament, total buy-in, average stack, players, next break,
// next blinds).
struct SummaryPairs {
    LabelPair Tournament, TotalBuy, AveStack, NumPlayers, NextBreak, NextBlinds;
};
struct SummaryLayout {
    PlacedPair Tournament, TotalBuy, AveStack, NumPlayers, NextBreak, NextBlinds;
    QRect Frame; // style 5 only: the frame's own place (nearly the window's width); else empty
};
// The width each pair of labels may take: the frame's, or for the pairs a
// style shows side by side (the total buy-in and average stack of style 1;
// players, average stack, next break and next blinds of style 5) the room
// of its half, so that two long values never run into each other.
struct SummaryRooms {
    int Tournament, TotalBuy, AveStack, NumPlayers, NextBreak, NextBlinds;
};
SummaryRooms SummaryRoomsFor(int style, int frameWidth);
SummaryLayout LayoutSummary1(int frameWidth, const SummaryPairs& sizes);
SummaryLayout LayoutSummary4(int frameWidth, const SummaryPairs& sizes);
// Style 5 spans the window, in the frame the rotating screens' locations give
// it once placed for style 5.
SummaryLayout LayoutSummary5(const QRect& frame, const SummaryPairs& sizes);

struct BuyinLayout {
    int FrameTop = 0;
    PlacedPair Buyin, Rebuy, Addon;
};
// The labels centre on the width frameSummary has at that moment.
BuyinLayout LayoutBuyin(int summaryFrameWidth, int chipValuesCapTop, const LabelPair& buyin, const LabelPair& rebuy,
                        const LabelPair& addon);

// Summary style 2, the classic table of five rows by three columns.
struct Summary2Sizes {
    QSize Title;
    std::array<int, 15> HeaderHeight {};
    std::array<int, 15> ItemHeight {};
};
struct Summary2Layout {
    QRect Frame; // relative to the window
    QRect Title;
    std::array<QRect, 15> Header, Item;
    QLine Border1, Border2;
    std::array<QLine, 6> BorderHor;
};
Summary2Layout LayoutSummary2(int windowWidth, int commandsTop, const Summary2Sizes& sizes);

// A name of up to this many characters reads whole in the display's grids.
inline constexpr int WholeNameChars = 18;

// Column widths of the list screens as fractions of the grid's inner width
// (the room inside its frame and beside its scroll bar). Shown in whole
// pixels, they never add up to more than that room, so no horizontal scroll
// bar shows.
enum class GridScreen { Payouts, Awards, Kills, ChipCount, Tables };
QList<int> GridColumnWidths(GridScreen screen, int innerWidth);
// Widths in the proportions of the given ones that fill the inner width, in
// whole pixels never more than it (a 0 stays 0: a hidden column).
QList<int> ColumnWidthsFilling(const QList<int>& proportions, int innerWidth);
// Widths for a grid of names and short figures (the players grid, the seat
// chart): every other column gets what it needs (its widest text and a
// margin, as measured by the window), the name columns what is left, shared
// so that each has its own need and an equal part of the rest. With too
// little room for every need, the widths of the needs' proportions.
QList<int> NameColumnsTakeTheRest(const QList<int>& needs, const QList<int>& nameColumns, int innerWidth);
// The name columns of the players grid (one group, or two).
QList<int> PlayersGridNameColumns(bool twoGroups);
// The seat chart's widths, four tables across: each seat column its widest
// number and the cell's margins (the needs given), each gap between two
// tables a narrow line of the background (SeatChartGap), the four name
// columns the rest, as NameColumnsTakeTheRest shares it.
constexpr int SeatChartGap = 60;
QList<int> SeatChartColumnWidths(QList<int> needs, int innerWidth);

// Every panel put into the players grid's rectangle, the grid moved aside
// when the chips-and-payouts panel is on.
struct RotatingInput {
    int WindowWidth = 0;
    int SidePanelWidth = 0;
    // Where the chip and payout column ends as its fonts and texts make it:
    // with the side panel on, the panels start clear of it even when it is
    // wider than the side panel's width.
    int ChipColumnRight = 0;
    bool SidePanel = false;
    bool Summary5Placed = false;
    int ChipValuesCapTop = 0;
    int CommandsTop = 0;
    int TimerCapLeft = 0;
    // The lefts the grid layouts gave their grids.
    int PayoutsLeft = 0, AwardsLeft = 0, KillsLeft = 0, ChipCountLeft = 0;
    QSize Picture; // the custom picture as loaded
};
struct RotatingLayout {
    QRect Grid, ManagerReport, Summary, Rules, CustomMessage, Buyin;
    QRect Tables, Payouts, Awards, Kills, ChipCount;
    QRect Picture; // centred on the grid, scaled down to fit when larger
};
RotatingLayout RotatingScreenLocations(const RotatingInput& in);

// The left a grid layout gives its grid: 100 right of the players grid.
inline int ListGridLeft(int playersGridLeft) { return playersGridLeft + 100; }
