#pragma once

#include "core/floor/FloorRows.h"
#include "core/platform/ModelTypes.h"

#include <QString>

class OpenTournament;

// Keeping awards and kills consistent with the players: while an award is
// held, its money and points are part of its holder's Payout and Points, and
// a player's Kills counts the players whose EliminatedByPlayerID names him.
// Each routine records the rows it changed in rows.

// Gives award AwardIndex to the player. An award someone already holds is
// taken back from him first, so it never pays twice. Nothing for an index
// outside the awards or the players.
void GiveAwardToPlayer(OpenTournament& t, long PlayerIndex, long AwardIndex, FloorRows& rows);

// Credits the killer with the player's elimination. A player already
// credited to a killer has that kill taken back first; nobody is credited
// with his own elimination.
void RecordKill(OpenTournament& t, long KillerIndex, long PlayerIndex, FloorRows& rows);

// Takes back the kill credited for the player (never below 0) and clears
// the link.
void UndoKill(OpenTournament& t, long PlayerIndex, FloorRows& rows);

// Takes the bounty on the player back from whoever holds it.
void RevokeBounty(OpenTournament& t, long PlayerIndex, FloorRows& rows);

// Takes back every award the player holds. False, changing nothing, when no
// player is selected (index below 1): the caller shows the message.
bool RevokePlayerAwards(OpenTournament& t, long PlayerIndex, FloorRows& rows);
QString NoPlayerSelectedMessage();

// The name of the first entrant with that id, "" when none.
QString GetPlayerName(const OpenTournament& t, Long PlayerID);

// Frees every award, in memory only.
void ClearAwardRecipients(OpenTournament& t);
