#include "core/store/LeagueStats.h"

#include "core/platform/Database.h"
#include "core/store/MoneyFormat.h"
#include "core/store/NameCompare.h"
#include "core/store/Nz.h"
#include "core/store/PlainNumberText.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

enum Column {
    Player,
    Tourn,
    TotalBuyin,
    AvgPay,
    TotalPay,
    ProfitPercent,
    ProfitAmount,
    AvgFinish,
    Points,
    Kills,
    FirstPlace,
};

QString grouped(double value) { return FormatMoney(value, QStringLiteral("#,##0")); }

double perEntry(double sum, int entries) { return entries > 0 ? sum / entries : 0; }

double profitPercent(const MemberStats& m) { return m.BuyinSum > 0 ? (m.PaySum - m.BuyinSum) / m.BuyinSum * 100 : 0; }

void addEntry(MemberStats& m, const Recordset& entry)
{
    const Long finish = NzLong(entry.value(QStringLiteral("Finish")));
    m.Tourn += 1;
    m.FinishSum += finish;
    m.BuyinSum += NzDouble(entry.value(QStringLiteral("TotalBuyin")))
        + NzDouble(entry.value(QStringLiteral("TotalRebuy"))) + NzDouble(entry.value(QStringLiteral("TotalAddon")));
    m.PaySum += NzDouble(entry.value(QStringLiteral("Payout")));
    m.PointsSum += NzDouble(entry.value(QStringLiteral("Points")));
    m.KillsSum += NzDouble(entry.value(QStringLiteral("Kills")));
    if (finish >= 1 && finish <= 10)
        m.Place[finish - 1] += 1;
}

} // namespace

std::vector<MemberStats> LeagueStats(Database& db, Long LeagueID, const QList<Long>& TournamentIDs)
{
    std::vector<MemberStats> members;
    for (Recordset rs = db.query(QStringLiteral("SELECT P.PlayerID, P.PlayerName FROM tblLeagueXPlayer LXP "
                                                "INNER JOIN tblPlayer P ON P.PlayerID = LXP.PlayerID "
                                                "WHERE LXP.LeagueID = ? ORDER BY LXP.PlayerID"),
                                 {LeagueID});
         !rs.eof(); rs.moveNext()) {
        MemberStats m;
        m.PlayerID = NzLong(rs.value(QStringLiteral("PlayerID")));
        m.Name = NzString(rs.value(QStringLiteral("PlayerName")));
        members.push_back(m);
    }
    std::stable_sort(members.begin(), members.end(),
                     [](const MemberStats& a, const MemberStats& b) { return CompareNames(a.Name, b.Name) < 0; });
    if (members.empty())
        return members;

    // A player listed twice as a member adds to the later row only.
    QHash<Long, std::size_t> byPlayer;
    for (std::size_t k = 0; k < members.size(); ++k)
        byPlayer.insert(members[k].PlayerID, k);

    // One pass over the league's entries: a query per tournament would scan
    // the entries table once for each.
    const QSet<Long> chosen(TournamentIDs.begin(), TournamentIDs.end());
    for (Recordset entry = db.query(QStringLiteral("SELECT TXP.TournamentID, TXP.PlayerID, TXP.Finish, TXP.TotalBuyin, "
                                                   "TXP.TotalRebuy, TXP.TotalAddon, TXP.Payout, TXP.Points, TXP.Kills "
                                                   "FROM tblTournamentXPlayer TXP INNER JOIN tblTournament T "
                                                   "ON T.TournamentID = TXP.TournamentID WHERE T.LeagueID = ?"),
                                    {LeagueID});
         !entry.eof(); entry.moveNext()) {
        if (!chosen.contains(NzLong(entry.value(QStringLiteral("TournamentID")))))
            continue;
        const auto member = byPlayer.constFind(NzLong(entry.value(QStringLiteral("PlayerID"))));
        if (member != byPlayer.constEnd())
            addEntry(members[*member], entry);
    }
    return members;
}

QStringList StatsHeaders(const QString& CurrencySymbol)
{
    QStringList headers {QStringLiteral("Player"),
                         QStringLiteral("# Tourn."),
                         QStringLiteral("Total Buyin ") + CurrencySymbol,
                         QStringLiteral("Avg. Pay ") + CurrencySymbol,
                         QStringLiteral("Total Pay ") + CurrencySymbol,
                         QStringLiteral("Prof./ Loss %"),
                         QStringLiteral("Prof./ Loss ") + CurrencySymbol,
                         QStringLiteral("Avg. Finish"),
                         QStringLiteral("Points"),
                         QStringLiteral("Kills"),
                         QStringLiteral("# 1st"),
                         QStringLiteral("# 2nd"),
                         QStringLiteral("# 3rd")};
    for (int place = 4; place <= 10; ++place)
        headers << QStringLiteral("# %1th").arg(place);
    return headers;
}

std::array<int, StatsColumnCount> StatsColumnWidths(const std::array<int, StatsColumnCount>& FiguresNeed)
{
    std::array<int, StatsColumnCount> widths {1200, 800, 800, 800, 800, 800, 800, 800, 800, 550,
                                              550,  550, 550, 550, 550, 550, 550, 550, 550, 550};
    for (int col = Tourn; col < StatsColumnCount; ++col)
        widths[col] = std::max(widths[col], FiguresNeed[col]);
    return widths;
}

QStringList StatsRowTexts(const MemberStats& m)
{
    QStringList cells {
        m.Name, QString::number(m.Tourn), grouped(m.BuyinSum), grouped(perEntry(m.PaySum, m.Tourn)), grouped(m.PaySum),
        FixedDecimalsText(profitPercent(m), 1), FixedDecimalsText(m.PaySum - m.BuyinSum, 2),
        FixedDecimalsText(perEntry(m.FinishSum, m.Tourn), 2, false),
        // Points are kept at single precision: the sum shows
        // as the points were typed, without the double's
        // last-digit noise.
        Fits<Single>(m.PointsSum) ? PlainNumberText(Narrow<Single>(m.PointsSum)) : PlainNumberText(m.PointsSum),
        FixedDecimalsText(m.KillsSum, 0)};
    for (int count : m.Place)
        cells << QString::number(count);
    return cells;
}

double StatsColumnValue(const MemberStats& m, int column)
{
    switch (column) {
    case Tourn:
        return m.Tourn;
    case TotalBuyin:
        return m.BuyinSum;
    case AvgPay:
        return perEntry(m.PaySum, m.Tourn);
    case TotalPay:
        return m.PaySum;
    case ProfitPercent:
        return profitPercent(m);
    case ProfitAmount:
        return m.PaySum - m.BuyinSum;
    case AvgFinish:
        return perEntry(m.FinishSum, m.Tourn);
    case Points:
        return m.PointsSum;
    case Kills:
        return m.KillsSum;
    default:
        return column >= FirstPlace && column < StatsColumnCount ? m.Place[column - FirstPlace] : 0;
    }
}

void SortStats(std::vector<MemberStats>& members, int column, bool ascending)
{
    if (column == Player) {
        std::stable_sort(members.begin(), members.end(), [ascending](const MemberStats& a, const MemberStats& b) {
            const int order = CompareNames(a.Name, b.Name);
            return ascending ? order < 0 : order > 0;
        });
        return;
    }
    std::stable_sort(members.begin(), members.end(), [column, ascending](const MemberStats& a, const MemberStats& b) {
        const double x = StatsColumnValue(a, column);
        const double y = StatsColumnValue(b, column);
        return ascending ? x < y : x > y;
    });
}
