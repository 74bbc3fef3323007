#pragma once

#include "core/platform/ModelTypes.h"

#include <functional>
#include <set>

class Database;
class OpenTournament;

// Moving the open tournament between memory and the database. Every failure
// is raised as DatabaseError with a text fit to show; the caller shows it.
// A failed routine leaves both the database and the tournament in memory as
// they were.

// Fills the tournament from the rows of one tournament: its settings, chips,
// payout rows, awards, levels and entrants, or with PlayersOnly the entrants
// alone (settings, payouts, awards, levels and the tournament's id in memory
// are kept, unsaved changes included). Entrants come ordered by Finish, then
// by name without regard to letter case. A level count of 0, or above the
// stored level rows, gives the built-in ten levels. A date loads as a
// QDateTime (Null stays Null). The load ends with CalculatePayouts; the
// level's figures are the caller's (SetLevel) where it wants them.
// A tournament that is not in the database, or whose rows cannot be read,
// leaves the tournament in memory untouched.
void LoadTournament(Database& db, OpenTournament& t, Long TournamentID, bool PlayersOnly);

// Writes the settings, chips, payout rows (0..gintNumberPaid), award rows and
// level rows (1..gdblNumberLevels) in one transaction; entrants are written
// by SaveTournamentPlayer only. With IsNew a new tblTournament row is made in
// the current league; its key becomes glngCurrentTournamentID. The award rows
// are written anew, and every award takes its new row's key. Payout and level
// rows beyond the current counts are left alone. The ids in memory change
// only once the whole save is stored.
void SaveTournament(Database& db, OpenTournament& t, bool IsNew);

// Writes the level in force (its number, length and blinds) to the
// tournament's row, and nothing else, as the clock moves on: a tournament
// reopened after a crash goes on from the level the clock had reached. One
// short statement; a tournament no longer in the database stores nothing.
void SaveLevelInForce(Database& db, const OpenTournament& t);

// Writes entrant PlayerIndex (1..gintPlayerCount) to its tblTournamentXPlayer
// row, adding the row when there is none.
void SaveTournamentPlayer(Database& db, OpenTournament& t, Integer PlayerIndex);
// The same for a batch of entrants, in one transaction: every row is stored,
// or, on a failure, none. An index outside the entrants stores nothing.
void SaveTournamentPlayers(Database& db, const OpenTournament& t, const std::set<long>& PlayerIndexes);

// Writes award AwardIndex (1..gintAwardCount) to its tblAward row; an award
// without a row gets one in the open tournament, and keeps its new key.
void SaveAward(Database& db, OpenTournament& t, Integer AwardIndex);

// The same on the program's database (gobjDatabase) and open tournament
// (openTournament).
void LoadTournament(Long TournamentID, bool PlayersOnly);
void SaveTournament(bool IsNew);
void SaveTournamentPlayer(Integer PlayerIndex);
void SaveAward(Integer AwardIndex);
