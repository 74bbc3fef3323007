#include "core/store/ListItems.h"

#include "core/platform/Database.h"
#include "core/store/NameCompare.h"
#include "core/store/Nz.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Sorts by name without regard to case; the query's order (by key) decides
// between equal names. Each name's sort key is made once.
QList<ListItem> sortedByName(const QList<ListItem>& items)
{
    QStringList names;
    names.reserve(items.size());
    for (const ListItem& item : items)
        names << item.Text;
    const NameSortKeys keys(names);
    std::vector<qsizetype> order(size_t(items.size()));
    std::iota(order.begin(), order.end(), qsizetype {0});
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return keys.compare(a, b) < 0; });
    QList<ListItem> sorted;
    sorted.reserve(items.size());
    for (const qsizetype i : order)
        sorted.append(items[i]);
    return sorted;
}

} // namespace

QList<ListItem> QueryListItems(Database& db, const QString& sql, const QVariantList& values, const QString& textColumn,
                               const QString& keyColumn)
{
    QList<ListItem> items;
    for (Recordset rs = db.query(sql, values); !rs.eof(); rs.moveNext())
        items.append({NzString(rs.value(textColumn)), NzLong(rs.value(keyColumn))});
    return items;
}

QList<ListItem> LeagueListItems(Database& db)
{
    return sortedByName(QueryListItems(db,
                                       QStringLiteral("SELECT LeagueID, LeagueName FROM tblLeague ORDER BY LeagueID"),
                                       {}, QStringLiteral("LeagueName"), QStringLiteral("LeagueID")));
}

QList<ListItem> TournamentListItems(Database& db, Long LeagueID, bool NewestFirst)
{
    QString sql = QStringLiteral("SELECT TournamentID, TournamentName FROM tblTournament");
    QVariantList values;
    if (LeagueID != 0) {
        sql += QStringLiteral(" WHERE LeagueID = ?");
        values << LeagueID;
    }
    // Dates are stored as text "yyyy-MM-dd HH:mm:ss", which sorts as the
    // dates do; Null sorts last when descending.
    sql += NewestFirst ? QStringLiteral(" ORDER BY Date DESC, TournamentID DESC")
                       : QStringLiteral(" ORDER BY TournamentID");
    return QueryListItems(db, sql, values, QStringLiteral("TournamentName"), QStringLiteral("TournamentID"));
}

QList<ListItem> RunnableTournamentItems(Database& db, Long LeagueID)
{
    // 0 is no league but every league's list, which holds those of none.
    if (LeagueID == 0)
        return TournamentListItems(db, 0, false);
    QList<ListItem> items
        = QueryListItems(db,
                         QStringLiteral("SELECT T.TournamentID, T.TournamentName FROM tblTournament T "
                                        "WHERE NOT EXISTS (SELECT 1 FROM tblLeague L "
                                        "WHERE L.LeagueID = T.LeagueID) ORDER BY T.TournamentID"),
                         {}, QStringLiteral("TournamentName"), QStringLiteral("TournamentID"));
    for (ListItem& item : items)
        item.Text += QStringLiteral(" (no league)");
    return items + TournamentListItems(db, LeagueID, false);
}

QList<ListItem> PlayersNotInLeagueItems(Database& db, Long LeagueID)
{
    // NOT EXISTS rather than NOT IN: a membership row without a player (Null)
    // must not empty the whole list.
    return sortedByName(QueryListItems(db,
                                       QStringLiteral("SELECT P.PlayerID, P.PlayerName FROM tblPlayer P "
                                                      "WHERE NOT EXISTS (SELECT 1 FROM tblLeagueXPlayer X "
                                                      "WHERE X.LeagueID = ? AND X.PlayerID = P.PlayerID) "
                                                      "ORDER BY P.PlayerID"),
                                       {LeagueID}, QStringLiteral("PlayerName"), QStringLiteral("PlayerID")));
}

QList<ListItem> LeagueMemberItems(Database& db, Long LeagueID)
{
    return sortedByName(QueryListItems(db,
                                       QStringLiteral("SELECT P.PlayerID, P.PlayerName FROM tblLeagueXPlayer X "
                                                      "INNER JOIN tblPlayer P ON P.PlayerID = X.PlayerID "
                                                      "WHERE X.LeagueID = ? ORDER BY P.PlayerID"),
                                       {LeagueID}, QStringLiteral("PlayerName"), QStringLiteral("PlayerID")));
}
