#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>

class Database;

// The checks the league, tournament and player dialogs run before they save
// a name. An empty name (a name of spaces is not empty) or a name already
// taken is reported through prompter() and gives false. Names are compared
// without regard to case. The row being renamed is passed by its own key so
// that keeping its name is allowed; a new row passes 0 or -1, which exclude
// nothing. Database failures are raised as DatabaseError.

// League names are unique in the database.
bool ValidateLeagueName(Database& db, const QString& name, Long LeagueID);
bool ValidateLeagueName(const QString& name, Long LeagueID);

// Tournament names are unique within a league: the current league of the
// open tournament (glngCurrentLeagueID), or the one given.
bool ValidateTournamentName(Database& db, Long CurrentLeagueID, const QString& name, Long TournamentID);
bool ValidateTournamentName(const QString& name, Long TournamentID);

// Player names are unique in the database.
bool ValidatePlayerName(Database& db, const QString& name, Long PlayerID);
bool ValidatePlayerName(const QString& name, Long PlayerID);
