#pragma once

#include "core/platform/ModelTypes.h"

#include <QList>
#include <QString>
#include <optional>

class Database;
class OpenTournament;

// Entering league members into the open tournament and taking them out.
// Each routine works on a copy of the tournament inside one transaction and
// puts the copy in place only once everything is stored: a failure, raised
// as DatabaseError, leaves the database and the tournament as they were.

// Adds the player as a new last entrant, unseated and still playing. With
// AutoBuyin he has paid the tournament's buy-in and holds its chips. When no
// bounty rests on him yet, the tournament's automatic bounty type decides: 2
// puts the default bounty on him, 1 asks first ("Bounty?"), anything else
// none. Refused by name, with nothing stored or asked, when the buy-in or
// the bounty would take the money taken in or the awards past what sums of
// money keep to the cent (Total::Ceiling). Once stored, the director is told
// when the bounties just put on players leave the places short
// (EntrantBountiesMessage); likewise below.
[[nodiscard]] std::optional<QString> AddPlayerToTourney(Database& db, OpenTournament& t, Long PlayerID,
                                                        const QString& PlayerName, bool AutoBuyin);

// Deleting a member while a tournament is open: out of the tournament (the
// awards he holds become free again; a bounty on him that nobody has won
// goes with him, one already won stays with its winner), out of the current
// league, and the tournament saved.
void RemovePlayerFromTourneyAndLeague(Database& db, OpenTournament& t, Long PlayerID);

// The ticks and unticks of the players window: every player entered or taken
// out in order, then the tournament saved and its entrants read back.
struct EntrantChange {
    Long PlayerID = 0;
    QString PlayerName;
    bool Entered = false; // true: enter him; false: take him out
};
// Refused as AddPlayerToTourney is, for all the changes together.
[[nodiscard]] std::optional<QString> ApplyEntrantChanges(Database& db, OpenTournament& t,
                                                         const QList<EntrantChange>& changes, bool AutoBuyin);

// A player's new name reaches his entry too.
void RenameEntrant(OpenTournament& t, Long PlayerID, const QString& NewName);
