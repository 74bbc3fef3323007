#include "core/store/ListItems.h"

#include "core/platform/Database.h"
#include "core/store/NameCompare.h"
#include "core/store/Nz.h"

#include <algorithm>

namespace {

// Sorts by name without regard to case; the query's order (by key) decides
// between equal names.
QList<ListItem> sortedByName(QList<ListItem> items)
{
    std::stable_sort(items.begin(), items.end(),
                     [](const ListItem& a, const ListItem& b) { return CompareNames(a.Text, b.Text) < 0; });
    return items;
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
