#pragma once

#include "core/floor/FloorRows.h"
#include "core/platform/ModelTypes.h"

#include <QList>
#include <QString>
#include <functional>

class OpenTournament;

// The question asked when a player goes out: who collects the bounty on him,
// or, with kill tracking on, who eliminated him.
struct KillQuestion {
    long PlayerIndex = 0; // the player going out, or the winner
    bool IsWinner = false;
    long BountyAward = 0; // index of the bounty on him, 0 when none
    QString Message;
};
struct KillAnswer {
    enum Kind { Chosen, Skipped, Cancelled } Kind = Cancelled;
    long PlayerIndex = 0; // with Chosen: who eliminated him / collects the bounty
};
using AskKiller = std::function<KillAnswer(const KillQuestion&)>;

// The question for the player, or none when nothing is to be asked (kill
// tracking off and no bounty on him; the winner without a bounty).
std::optional<KillQuestion> KillQuestionFor(const OpenTournament& t, long index, bool isWinner, bool trackKills);

// Who the question offers, in entrant order: the players still in and the
// winner, or with showAll every entrant. A player going out is never offered
// for himself; the winner is, for his own bounty.
QList<long> KillCandidates(const OpenTournament& t, const KillQuestion& q, bool showAll);

// Asks the question (when there is one) and books the answer: the bounty to
// the chosen player, and the kill. True when the user cancelled.
bool CheckAwardBountyAndKill(OpenTournament& t, long index, bool isWinner, bool trackKills, const AskKiller& ask,
                             FloorRows& rows);

// What an elimination or an un-elimination did, for the window to follow up
// (sound, clock, table check, messages).
struct EliminationResult {
    // NotOffered: the winner, who comes back only with place 2; nothing
    // changed.
    enum Outcome { NoPlayer, Cancelled, Eliminated, UnEliminated, Refused, NotOffered } Outcome = NoPlayer;
    Integer Place = 0; // the place given (Eliminated)
    long Winner = 0; // the player made winner, 0 when none
};

// Eliminates a player still in (giving him the next place, his place money
// and points, freeing his seat; with place 2 and exactly one player left,
// that player wins), or un-eliminates a player who is out when his is the
// latest elimination (with place 2, the winner comes back too).
EliminationResult EliminatePlayer(OpenTournament& t, long index, bool trackKills, const AskKiller& ask,
                                  FloorRows& rows);

QString CannotUnEliminateMessage();
