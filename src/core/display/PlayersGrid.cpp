#include "core/display/PlayersGrid.h"

#include "core/floor/TableLabels.h"
#include "core/store/MoneyRules.h"
#include "core/store/OpenTournament.h"
#include "core/store/PlainNumberText.h"

namespace {

bool onePerRow(Long PlayerDisplay) { return PlayerDisplay == 1; }

constexpr int HoldTicks = 4;

// The seats (2-5) and the winnings with the points (420\10) read as text,
// yet are figures: they stand at the right as the payouts alone do (and the
// seat chart's seats), clear of the name or the place before them.
void alignFigures(ScreenGrid& g, std::initializer_list<long> figureColumns)
{
    for (long c = 0; c < g.Cols(); ++c)
        g.SetAlignment(c, AlignGeneral);
    for (long c : figureColumns)
        g.SetAlignment(c, AlignRightCentre);
}

} // namespace

ScreenGrid PlayersGridHeader(Long PlayerDisplay, Integer PlayerCount)
{
    const long count = PlayerCount < 0 ? 0 : PlayerCount;
    if (onePerRow(PlayerDisplay)) {
        ScreenGrid g(count + 1, 5);
        g.SetRow(0,
                 {QStringLiteral("Player"), QStringLiteral("Seat"), QStringLiteral("   Buy"), QStringLiteral(" Finish"),
                  QStringLiteral("      Win")});
        alignFigures(g, {1, 4});
        return g;
    }
    ScreenGrid g((count + 1) / 2 + 1, 11);
    const std::vector<QString> group {QStringLiteral("Player"), QStringLiteral("Seat"), QStringLiteral(" Buy"),
                                      QStringLiteral("Fnsh"), QStringLiteral("Win")};
    for (long c = 0; c < 5; ++c) {
        g.SetText(0, c, group[std::size_t(c)]);
        g.SetText(0, c + PlayersRightGroup, group[std::size_t(c)]);
    }
    alignFigures(g, {1, 4, 1 + PlayersRightGroup, 4 + PlayersRightGroup});
    return g;
}

PlayersGridContents PlayersGridOf(const OpenTournament& t, const PlayersGridOptions& o)
{
    const Integer count = t.gintPlayerCount();
    PlayersGridContents out {PlayersGridHeader(o.PlayerDisplay, count), {}};
    for (Integer i = 1; i <= count; ++i) {
        const PlayerRecord& p = t.gtypPlayers[i];
        const long row = onePerRow(o.PlayerDisplay) ? i : (i + 1) / 2;
        const long col = onePerRow(o.PlayerDisplay) || i % 2 == 1 ? 0 : PlayersRightGroup;
        QString win = AmountText(p.Payout);
        if (o.PointsInGrid && p.Points > 0)
            win += u'\\' + PlainNumberText(p.Points);
        out.Cells.SetText(row, col, p.PlayerName);
        out.Cells.SetText(row, col + 1,
                          p.Table > 0 ? GetTableAndSeat(p.Table, p.Seat, o.TableID, o.SeatID) : QString());
        out.Cells.SetText(row, col + 2, AmountText(MoneyPlus(MoneyPlus(p.TotalBuyin, p.TotalRebuy), p.TotalAddon)));
        out.Cells.SetText(row, col + 3, GetValue(p.Finish));
        out.Cells.SetText(row, col + 4, win);
        if (p.Finish > 1)
            out.StruckThrough.append({row, col});
    }
    return out;
}

Integer PlayerIndexAtCell(long Row, long Col, Long PlayerDisplay, Integer PlayerCount)
{
    if (Row < 1)
        return 0;
    long index = Row;
    if (!onePerRow(PlayerDisplay)) {
        if (Col == PlayersGapColumn)
            return 0;
        index = Col < PlayersGapColumn ? 2 * Row - 1 : 2 * Row;
    }
    return index > PlayerCount ? 0 : Integer(index);
}

QString GetValue(int intVar) { return intVar == 0 ? QString() : QString::number(intVar); }

ScrollTick NextScrollTick(int Hold, bool OperatorActed)
{
    if (OperatorActed)
        Hold = 1;
    Hold = Hold < 1 || Hold > HoldTicks ? 0 : Hold + 1;
    return {Hold, Hold == 0};
}

long NextTopRow(long TopRow, long Rows, bool LastRowVisible)
{
    if (!LastRowVisible && TopRow < Rows - 1)
        return TopRow + 1;
    return 1;
}
