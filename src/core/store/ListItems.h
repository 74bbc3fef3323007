#pragma once

#include "core/platform/ModelTypes.h"

#include <QList>
#include <QString>
#include <QVariantList>

class Database;

// One entry of a list of leagues, tournaments or players: the text shown and
// the row's key (LeagueID, TournamentID or PlayerID). Callers find the row
// through the key, never through the text.
struct ListItem {
    QString Text;
    Long ItemData = 0;

    bool operator==(const ListItem&) const = default;
};

// Every league, by name without regard to case.
QList<ListItem> LeagueListItems(Database& db);

// The tournaments of one league, or of every league for LeagueID 0. Oldest
// first runs in the order the tournaments were created; newest first runs by
// date, the later created first among tournaments of one date (a tournament
// without a date comes last).
QList<ListItem> TournamentListItems(Database& db, Long LeagueID, bool NewestFirst);

// The tournaments the home window offers to run in a league: first, oldest
// first, each marked "(no league)", those that belong to no league of the
// database (an older or damaged file left their league empty, or names a
// league that is gone), so that none vanishes unseen; then the league's own,
// oldest first. The league's newest stays the last.
QList<ListItem> RunnableTournamentItems(Database& db, Long LeagueID);

// Every player of the database who is not a member of the league, by name
// without regard to case.
QList<ListItem> PlayersNotInLeagueItems(Database& db, Long LeagueID);

// The members of the league, by name without regard to case.
QList<ListItem> LeagueMemberItems(Database& db, Long LeagueID);

// The rows of a query as list items: the text from one column, the key from
// another, in the query's order. A Null text reads as empty.
QList<ListItem> QueryListItems(Database& db, const QString& sql, const QVariantList& values, const QString& textColumn,
                               const QString& keyColumn);
