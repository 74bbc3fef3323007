#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>
#include <QStringList>
#include <array>

class Database;

// The optional details of a player, in the order the details dialog shows
// them: the tblPlayer columns.
inline constexpr std::array<const char*, 10> PlayerDetailColumns {"FirstName", "LastName", "Phone", "Email", "Address",
                                                                  "Address2",  "City",     "State", "Zip",   "Country"};

inline constexpr std::size_t EmailDetail = 3;
static_assert(PlayerDetailColumns[EmailDetail][0] == 'E');

struct PlayerDetails {
    QString PlayerName;
    std::array<QString, PlayerDetailColumns.size()> Details; // by PlayerDetailColumns; Null reads as ""
};

// A player's name and details. A key without a row raises DatabaseError.
PlayerDetails ReadPlayerDetails(Database& db, Long PlayerID);

// Stores, in one statement, the name and the details that the edit changed
// from the stored ones (as ReadPlayerDetails gave them); the others keep their
// stored values, Null included.
void UpdatePlayerDetails(Database& db, Long PlayerID, const PlayerDetails& stored, const PlayerDetails& edited);

// Adds a player with his details as a member of the league, both rows in one
// transaction; gives the new player's key.
Long AddNewPlayer(Database& db, Long LeagueID, const PlayerDetails& player);

// Makes an existing player a member of the league too.
void AddLeagueMember(Database& db, Long LeagueID, Long PlayerID);

// Ends the player's membership of this league only; the player, his other
// leagues and his past tournaments stay.
void RemovePlayerFromLeague(Database& db, Long LeagueID, Long PlayerID);

// The first name that begins with the text, letter case ignored in every
// alphabet; -1 when none does or the text is empty.
int FindNamePrefix(const QStringList& names, const QString& prefix);
