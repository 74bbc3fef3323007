#pragma once

#include <functional>

class Database;
class OpenTournament;

// Changes the open tournament all or nothing: change works on a copy and
// writes its rows inside one transaction; only when that commits does the
// copy take the tournament's place. On a failure the DatabaseError goes on
// to the caller and both the database and the tournament are as they were.
void ChangeTournament(Database& db, OpenTournament& t, const std::function<void(OpenTournament&)>& change);
