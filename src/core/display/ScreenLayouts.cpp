#include "core/display/ScreenLayouts.h"

#include "core/platform/Twips.h"
#include "core/store/Nz.h"

#include <algorithm>
#include <numeric>

namespace {

int whole(double twips) { return static_cast<int>(RoundHalfEven(twips)); }

// Between the chip and payout column and the panels right of it.
constexpr int ChipColumnGap = 120;

QRect rect(double left, double top, int width, int height)
{
    return QRect(whole(left), whole(top), std::max(0, width), std::max(0, height));
}

// Stacks pairs top to bottom: each value overlaps its caption by `overlap`,
// no more than the empty top of the value's line (an eighth of its height:
// a value fitted to a smaller font has less), the next caption starts `gap`
// below the value.
struct Stacker {
    double top;
    int overlap, gap;
    PlacedPair next(const LabelPair& p)
    {
        PlacedPair out;
        out.Cap = rect(0, top, p.Cap.width(), p.Cap.height());
        const double valueTop = top + p.Cap.height() - std::min(double(overlap), p.Value.height() / 8.0);
        out.Value = rect(0, valueTop, p.Value.width(), p.Value.height());
        top = valueTop + p.Value.height() + gap;
        return out;
    }
};

void moveLeft(QRect& r, double left) { r.moveLeft(whole(left)); }
void centre(QRect& r, int containerWidth) { moveLeft(r, containerWidth / 2.0 - r.width() / 2.0); }
void centre(PlacedPair& p, int containerWidth)
{
    centre(p.Cap, containerWidth);
    centre(p.Value, containerWidth);
}
void alignTopsWith(PlacedPair& p, const PlacedPair& other)
{
    p.Cap.moveTop(other.Cap.top());
    p.Value.moveTop(other.Value.top());
}

// Each column shows in whole pixels, some rounded up: the widest give a
// pixel back until the columns fit the room.
QList<int> withinPixels(QList<int> widths, int room)
{
    const auto pixels = [&] {
        int sum = 0;
        for (const int w : widths)
            sum += TwipsToPixels(w);
        return sum;
    };
    for (int excess = pixels() - TwipsToPixels(room); excess > 0; --excess) {
        int& widest = *std::max_element(widths.begin(), widths.end());
        widest = std::max(0, PixelsToTwips(TwipsToPixels(widest) - 1));
    }
    return widths;
}

// A label placed by its column's rule but too wide to end inside the frame
// moves left until it does (never past the frame's left edge).
void keepInside(QRect& r, int frameWidth)
{
    if (r.left() + r.width() > frameWidth)
        r.moveLeft(std::max(0, frameWidth - r.width()));
}
void keepInside(SummaryLayout& l, int frameWidth)
{
    for (PlacedPair* p : {&l.Tournament, &l.TotalBuy, &l.AveStack, &l.NumPlayers, &l.NextBreak, &l.NextBlinds}) {
        keepInside(p->Cap, frameWidth);
        keepInside(p->Value, frameWidth);
    }
}

} // namespace

SummaryRooms SummaryRoomsFor(int style, int frameWidth)
{
    constexpr int M = 120; // style 5's margin
    const int w = frameWidth;
    switch (style) {
    case 1:
        return {w, w / 2 - M, w / 2 - M, w, w, w};
    case 5: {
        const int half = std::max(0, w / 2 - 5 * M);
        return {w, w, half, half, half, half};
    }
    default:
        return {w, w, w, w, w, w};
    }
}

SummaryLayout LayoutSummary1(int frameWidth, const SummaryPairs& s)
{
    SummaryLayout l;
    Stacker stack {30, 45, 90};
    l.Tournament = stack.next(s.Tournament);
    l.TotalBuy = stack.next(s.TotalBuy);
    l.NumPlayers = stack.next(s.NumPlayers);
    l.NextBreak = stack.next(s.NextBreak);
    l.NextBlinds = stack.next(s.NextBlinds);
    l.AveStack = Stacker {0, 0, 0}.next(s.AveStack);
    alignTopsWith(l.AveStack, l.TotalBuy);
    for (PlacedPair* p : {&l.Tournament, &l.NumPlayers, &l.NextBreak, &l.NextBlinds})
        centre(*p, frameWidth);
    for (QRect* r : {&l.TotalBuy.Cap, &l.TotalBuy.Value})
        moveLeft(*r, frameWidth / 4.0 - r->width() / 2.0);
    for (QRect* r : {&l.AveStack.Cap, &l.AveStack.Value})
        moveLeft(*r, frameWidth * 0.75 - r->width() / 2.0);
    keepInside(l, frameWidth);
    return l;
}

SummaryLayout LayoutSummary4(int frameWidth, const SummaryPairs& s)
{
    SummaryLayout l;
    Stacker stack {60, 90, 180};
    l.Tournament = stack.next(s.Tournament);
    l.NumPlayers = stack.next(s.NumPlayers);
    l.AveStack = stack.next(s.AveStack);
    l.NextBreak = stack.next(s.NextBreak);
    l.NextBlinds = stack.next(s.NextBlinds);
    for (PlacedPair* p : {&l.Tournament, &l.NumPlayers, &l.AveStack, &l.NextBreak, &l.NextBlinds}) {
        moveLeft(p->Cap, frameWidth / 4.0);
        moveLeft(p->Value, frameWidth / 4.0);
    }
    keepInside(l, frameWidth);
    return l;
}

SummaryLayout LayoutSummary5(const QRect& frame, const SummaryPairs& s)
{
    constexpr int M = 120;
    SummaryLayout l;
    l.Frame = frame;
    const int width = l.Frame.width();
    const int frameHeight = l.Frame.height();

    l.Tournament = Stacker {8 * M, M, 0}.next(s.Tournament);
    centre(l.Tournament, width);

    const double playersTop
        = frameHeight / 2.0 - (s.NumPlayers.Value.height() + s.NumPlayers.Cap.height() + 3 * M) / 2.0;
    l.NumPlayers = Stacker {playersTop, M, 0}.next(s.NumPlayers);
    l.AveStack = Stacker {playersTop, M, 0}.next(s.AveStack);

    const double breakTop = double(frameHeight) - s.NextBreak.Cap.height() - 10 * M - s.NextBreak.Value.height();
    l.NextBreak = Stacker {breakTop, M, 0}.next(s.NextBreak);
    l.NextBlinds = Stacker {breakTop, M, 0}.next(s.NextBlinds);

    for (QRect* r : {&l.NumPlayers.Cap, &l.NumPlayers.Value, &l.NextBreak.Cap, &l.NextBreak.Value})
        moveLeft(*r, 4 * M);
    for (QRect* r : {&l.AveStack.Cap, &l.AveStack.Value, &l.NextBlinds.Cap, &l.NextBlinds.Value})
        moveLeft(*r, double(width) - r->width() - 2 * M);
    keepInside(l, width);
    return l;
}

BuyinLayout LayoutBuyin(int summaryFrameWidth, int chipValuesCapTop, const LabelPair& buyin, const LabelPair& rebuy,
                        const LabelPair& addon)
{
    BuyinLayout l;
    l.FrameTop = chipValuesCapTop;
    Stacker stack {100, 75, 150};
    l.Buyin = stack.next(buyin);
    l.Rebuy = stack.next(rebuy);
    l.Addon = stack.next(addon);
    for (PlacedPair* p : {&l.Buyin, &l.Rebuy, &l.Addon})
        centre(*p, summaryFrameWidth);
    return l;
}

Summary2Layout LayoutSummary2(int windowWidth, int commandsTop, const Summary2Sizes& s)
{
    Summary2Layout l;
    l.Frame = rect(80, 20, windowWidth - 160, commandsTop - 120 - 20);
    const double w = l.Frame.width();
    const double h = l.Frame.height();
    l.Title = rect(0, 0, l.Frame.width(), s.Title.height());
    const double pitch = (h - l.Title.top() - l.Title.height() - 180) / 5.0;
    const double firstTop = l.Title.top() + l.Title.height() + 180;

    const double widths[3] = {w / 4, w / 2, w / 4};
    for (int row = 0; row < 5; ++row) {
        const double headerTop = firstTop + row * pitch;
        const double itemTop = headerTop + pitch * 0.25;
        for (int col = 0; col < 3; ++col) {
            const int i = row + 5 * col;
            const int width = whole(widths[col]);
            const double left = col == 0 ? 0 : col == 1 ? w / 2 - width / 2.0 : w - width;
            l.Header[i] = rect(left, headerTop, width, s.HeaderHeight[i]);
            l.Item[i] = rect(left, itemTop, width, s.ItemHeight[i]);
        }
    }

    const int ruleTop = l.Header[0].top() - 120;
    const int bottom = whole(h - 20);
    l.Border1 = QLine(whole(w * 0.25), ruleTop, whole(w * 0.25), bottom);
    l.Border2 = QLine(whole(w * 0.75), ruleTop, whole(w * 0.75), bottom);
    for (int i = 0; i < 5; ++i) {
        const int y = l.Header[i].top() - 120;
        l.BorderHor[i] = QLine(0, y, whole(w), y);
    }
    l.BorderHor[5] = QLine(0, bottom, whole(w), bottom);
    return l;
}

QList<int> GridColumnWidths(GridScreen screen, int innerWidth)
{
    QList<double> fractions;
    switch (screen) {
    case GridScreen::Payouts:
        fractions = {0.15, 0.35, 0.15, 0.35};
        break;
    case GridScreen::Awards:
        fractions = {0.45, 0.15, 0.15, 0.25};
        break;
    case GridScreen::Kills:
        fractions = {0.4, 0.2, 0.4};
        break;
    case GridScreen::ChipCount:
        fractions = {0.6, 0.4};
        break;
    case GridScreen::Tables:
        // Four groups of seat and player, with a narrow gap between groups.
        fractions = {0.05, 0.17, 0.02, 0.05, 0.17, 0.02, 0.05, 0.17, 0.02, 0.05, 0.17};
        break;
    }
    QList<int> widths;
    for (const double f : fractions)
        widths.append(std::max(0, whole(f * innerWidth)));
    return withinPixels(widths, innerWidth);
}

QList<int> ColumnWidthsFilling(const QList<int>& proportions, int innerWidth)
{
    const double total = std::accumulate(proportions.begin(), proportions.end(), 0.0);
    QList<int> widths;
    for (const int p : proportions)
        widths.append(total > 0 ? std::max(0, whole(p * double(innerWidth) / total)) : 0);
    return withinPixels(widths, innerWidth);
}

QList<int> NameColumnsTakeTheRest(const QList<int>& needs, const QList<int>& nameColumns, int innerWidth)
{
    const int total = std::accumulate(needs.begin(), needs.end(), 0);
    if (total > innerWidth || nameColumns.isEmpty())
        return ColumnWidthsFilling(needs, innerWidth);
    QList<int> widths = needs;
    const int names = int(
        std::count_if(nameColumns.begin(), nameColumns.end(), [&](int c) { return c >= 0 && c < int(needs.size()); }));
    const int share = names > 0 ? (innerWidth - total) / names : 0;
    for (const int c : nameColumns)
        if (c >= 0 && c < int(widths.size()))
            widths[c] += share;
    return withinPixels(widths, innerWidth);
}

QList<int> PlayersGridNameColumns(bool twoGroups) { return twoGroups ? QList<int> {0, 6} : QList<int> {0}; }

QList<int> SeatChartColumnWidths(QList<int> needs, int innerWidth)
{
    // Columns 0, 3, 6, 9 hold the seats, 1, 4, 7, 10 the names, 2, 5, 8 the gaps.
    for (int c = 2; c < int(needs.size()); c += 3)
        needs[c] = SeatChartGap;
    return NameColumnsTakeTheRest(needs, {1, 4, 7, 10}, innerWidth);
}

RotatingLayout RotatingScreenLocations(const RotatingInput& in)
{
    RotatingLayout l;
    const int W = in.WindowWidth;
    const int sidePanel
        = in.SidePanel ? std::max(in.SidePanelWidth, in.ChipColumnRight + ChipColumnGap) : in.SidePanelWidth;
    const int gridWidth = W - sidePanel - 300;
    const int gridTop = in.ChipValuesCapTop;
    const int gridHeight = in.CommandsTop - gridTop - 20;

    int gridLeft, textLeft, summaryLeft, tablesLeft, payoutsLeft, awardsLeft;
    if (in.SidePanel) {
        gridLeft = sidePanel;
        textLeft = gridLeft;
        summaryLeft = in.Summary5Placed ? 120 : gridLeft;
        tablesLeft = gridLeft;
        payoutsLeft = in.PayoutsLeft;
        awardsLeft = in.AwardsLeft;
    } else {
        gridLeft = whole(W / 2.0 - gridWidth / 2.0);
        textLeft = 120;
        summaryLeft = 120;
        tablesLeft = in.TimerCapLeft;
        payoutsLeft = tablesLeft;
        awardsLeft = tablesLeft;
    }
    l.Grid = rect(gridLeft, gridTop, gridWidth, gridHeight);

    const int listWidth = W - tablesLeft - 120;
    l.Payouts = rect(payoutsLeft, gridTop, listWidth, gridHeight);
    l.Awards = rect(awardsLeft, gridTop, listWidth, gridHeight);
    l.Kills = rect(in.KillsLeft, gridTop, W - in.KillsLeft - 120, gridHeight);
    l.ChipCount = rect(in.ChipCountLeft, gridTop, W - in.ChipCountLeft - 120, gridHeight);
    // The seat chart's four tables across need every pixel the names can
    // get: with the side panel on it starts clear of the chip column as its
    // fonts and texts make it, not at the side panel's width.
    const int chartLeft = in.SidePanel && in.ChipColumnRight > 0 ? in.ChipColumnRight + ChipColumnGap : tablesLeft;
    l.Tables = rect(chartLeft, gridTop, W - chartLeft - 120, gridHeight);

    const int textWidth = W - textLeft - 180;
    l.ManagerReport = rect(textLeft, gridTop, textWidth, gridHeight);
    l.Summary = rect(summaryLeft, gridTop, in.Summary5Placed ? W - summaryLeft - 180 : textWidth, gridHeight);
    l.Rules = rect(textLeft, gridTop, textWidth, gridHeight);
    l.CustomMessage = rect(textLeft, gridTop, textWidth, gridHeight);
    l.Buyin = rect(textLeft, gridTop, textWidth, gridHeight);

    // A picture larger than the grid's rectangle would cover the clock and
    // the command row: it is scaled down to fit, its shape kept.
    QSize picture = in.Picture;
    if (picture.width() > l.Grid.width() || picture.height() > l.Grid.height())
        picture = picture.scaled(l.Grid.size(), Qt::KeepAspectRatio);
    l.Picture = rect(l.Grid.left() + l.Grid.width() / 2.0 - picture.width() / 2.0,
                     l.Grid.top() + l.Grid.height() / 2.0 - picture.height() / 2.0, picture.width(), picture.height());
    return l;
}
