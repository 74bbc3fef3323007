#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>

class Database;
class OpenTournament;

// The current league of the open tournament (glngCurrentLeagueID and
// gstrCurrentLeagueName), always set together from one tblLeague row.

// Makes the league with that key current. A key without a row raises
// DatabaseError and leaves the current league as it was.
void LoadLeague(Database& db, OpenTournament& tournament, Long LeagueID);
void LoadLeague(Long LeagueID);

// Adds a league with the name as given and makes it current. When
// CopyFromName names a league (compared without regard to case), every
// member of that league becomes a member of the new one too; the players are
// shared, not copied, and the source league is left as it was. An empty or
// unknown CopyFromName copies nobody. The name is not checked here: callers
// run ValidateLeagueName first. All of it is one transaction: on failure
// nothing is stored and the current league is unchanged.
void CreateLeague(Database& db, OpenTournament& tournament, const QString& NewName, const QString& CopyFromName);
void CreateLeague(const QString& NewName, const QString& CopyFromName);
