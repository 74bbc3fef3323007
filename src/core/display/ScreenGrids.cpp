#include "core/display/ScreenContents.h"

#include "core/floor/AwardBookkeeping.h"
#include "core/floor/TableLabels.h"
#include "core/floor/TablesInPlay.h"
#include "core/store/MoneyFormat.h"
#include "core/store/Nz.h"
#include "core/store/OpenTournament.h"
#include "core/store/PlainNumberText.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double PlainPayoutLimit = 1000; // up to here a payout shows without separators

constexpr OleColor TableHeaderBack = 0x404040;
constexpr OleColor White = 0xFFFFFF;
constexpr OleColor Black = 0;
constexpr OleColor MovedText = 0x800000;
constexpr OleColor OpenSeatText = 0x808080;
constexpr long TablesAcross = 4;
constexpr long BlockWidth = 3; // seat labels, names, gutter

// A count halved or banded as the screens round it: to the nearest whole
// number, a half to the even one.
long roundHalfEven(double value) { return Clamped<long>(value); }

// The entrants' indexes, highest key first; equal keys keep the entrants'
// order.
template <typename Key>
std::vector<long> highestFirst(const OpenTournament& t, Key key)
{
    std::vector<long> order;
    for (long i = 1; i <= t.gintPlayerCount(); ++i)
        order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](long a, long b) { return key(t.gtypPlayers[a]) > key(t.gtypPlayers[b]); });
    return order;
}

} // namespace

ScreenGrid PayoutsGrid(const OpenTournament& t, const DisplayFormats& f)
{
    const long paid = std::max<long>(0, t.gintNumberPaid);
    ScreenGrid g(roundHalfEven((paid + 4) / 2.0), 4);
    g.SetRow(0, {QStringLiteral("Place"), QStringLiteral("Payout"), QStringLiteral("Place"), QStringLiteral("Payout")});
    long row = 1;
    long col = 0;
    for (long k = 1; k <= paid; ++k) {
        const double amount = t.gdblCalculatedPayout.value(k);
        QString text
            = amount > PlainPayoutLimit ? FormatMoney(amount, f.MoneyFormat) : f.CurrencySymbol + AmountText(amount);
        const Single points = t.gsngPayoutPoints.value(k);
        if (points > 0)
            text += QLatin1Char('/') + PlainNumberText(points);
        if (col >= 3) {
            col = 0;
            ++row;
        }
        g.SetText(row, col, QString::number(k));
        g.SetText(row, col + 1, text);
        col += 2;
    }
    return g;
}

ScreenGrid AwardsGrid(const OpenTournament& t)
{
    ScreenGrid g(t.gintAwardCount() + 1, 4);
    g.SetRow(
        0, {QStringLiteral("Award"), QStringLiteral("Payout"), QStringLiteral("Points"), QStringLiteral("Awarded To")});
    for (long i = 1; i <= t.gintAwardCount(); ++i) {
        const AwardRecord& a = t.gtypAwards[i];
        g.SetRow(
            i, {a.Description, AmountText(a.Payout), PlainNumberText(a.Points), GetPlayerName(t, a.AwardedToPlayerID)});
    }
    return g;
}

ScreenGrid KillsGrid(const OpenTournament& t)
{
    ScreenGrid g(t.gintPlayerCount() + 1, 3);
    g.SetRow(0, {QStringLiteral("Player"), QStringLiteral("# Kills"), QStringLiteral("Eliminated By")});
    long row = 1;
    for (const long i : highestFirst(t, [](const PlayerRecord& p) { return p.Kills; })) {
        const PlayerRecord& p = t.gtypPlayers[i];
        g.SetRow(row++, {p.PlayerName, QString::number(p.Kills), GetPlayerName(t, p.EliminatedByPlayerID)});
    }
    return g;
}

ScreenGrid ChipCountGrid(const OpenTournament& t, ChipCountMap& Rows)
{
    Rows.clear();
    ScreenGrid g(t.gintPlayerCount() + 1, 2);
    g.SetRow(0, {QStringLiteral("Player"), QStringLiteral("Chip Count")});
    long row = 1;
    for (const long i : highestFirst(t, [](const PlayerRecord& p) { return p.ChipCount; })) {
        const PlayerRecord& p = t.gtypPlayers[i];
        Rows.setPlayerID(row, p.PlayerID);
        g.SetRow(row++, {p.PlayerName, PlainNumberText(p.ChipCount)});
    }
    return g;
}

ScreenGrid SeatChartGrid(const OpenTournament& t, const DisplayFormats& f, SeatChartMap& Cells)
{
    Cells.clear();
    Integer tableCount = 0;
    BoundedArray<TableOccupancy> tables;
    ListTablesInPlay(t, tableCount, tables);
    const long seats = std::max<long>(0, t.gintPlayersPerTable);
    const long band = seats + 2; // header row, the seats, an empty row
    const long rows = roundHalfEven(((tableCount - 1) / double(TablesAcross) + 1) * band);
    ScreenGrid g(std::max<long>(1, rows), TablesAcross * BlockWidth - 1);
    for (long c = 0; c < g.Cols(); c += BlockWidth)
        g.SetAlignment(c, AlignRightTop);
    long r = 0;
    long c = 0;
    for (long table = 1; table <= tableCount; ++table) {
        const TableOccupancy& occupancy = tables[table];
        g.SetColors(r, c, {TableHeaderBack, White});
        g.SetColors(r, c + 1, {TableHeaderBack, White});
        g.SetText(r, c, QStringLiteral("Table ") + GetTableLabel(int(table), f.TableID));
        // The narrow seat column keeps its width: the table's name reads
        // across its seat and player columns, from the left.
        g.SetSpan(r, c, {2, AlignLeftTop});
        for (long s = 1; s <= seats; ++s) {
            g.SetColors(r + s, c, {ButtonFaceColor, Black});
            g.SetText(r + s, c, GetLetterOrNumber(int(s), f.SeatID));
            const long player = occupancy.Seats.value(s);
            SeatChartCell cell {static_cast<Integer>(table), static_cast<Integer>(s), 0};
            if (player != 0 && t.gtypPlayers.contains(player)) {
                const PlayerRecord& p = t.gtypPlayers[player];
                cell.PlayerID = p.PlayerID;
                g.SetColors(r + s, c + 1, {White, p.Moved ? MovedText : Black});
                g.SetText(r + s, c + 1, p.Moved ? QLatin1Char('>') + p.PlayerName : p.PlayerName);
            } else {
                g.SetColors(r + s, c + 1, {White, OpenSeatText});
                g.SetText(r + s, c + 1, QStringLiteral("(Open)"));
            }
            Cells.setCell(r + s, c + 1, cell);
        }
        c += BlockWidth;
        if (c >= g.Cols()) {
            c = 0;
            r += band;
        }
    }
    return g;
}
