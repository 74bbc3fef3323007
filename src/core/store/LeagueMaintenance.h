#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>

class Database;
class OpenTournament;

// The writes of the league and tournament maintenance windows. Each is one
// transaction: a failure is raised as DatabaseError and leaves every row as
// it was. Names are stored as given; callers validate them first.

// Removes the league with its tournaments (their levels, payouts, awards and
// entrants) and its memberships. Players stay in the database and in their
// other leagues.
void DeleteLeague(Database& db, Long LeagueID);

// Renames the league; when it is the current league, its name in the open
// tournament follows.
void RenameLeague(Database& db, OpenTournament& t, Long LeagueID, const QString& NewName);

// Removes the tournament with its levels, payouts, awards and entrants.
void DeleteTournament(Database& db, Long TournamentID);

// Renames the tournament and nothing else; when it is the open tournament,
// its name in memory follows.
void RenameTournament(Database& db, OpenTournament& t, Long TournamentID, const QString& NewName);

// Rebuilds the database file in place, giving back the room deleted rows
// left. On failure the file and the connection stay as they were.
void CompactDatabase(Database& db);
