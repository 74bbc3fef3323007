#include "core/floor/Elimination.h"

#include "core/floor/AwardBookkeeping.h"
#include "core/floor/EntryOptions.h"
#include "core/floor/FloorEntries.h"
#include "core/store/Awards.h"
#include "core/store/OpenTournament.h"

namespace {

// The one player still in, or 0 when there is none or more than one.
long lastOneStanding(const OpenTournament& t)
{
    long found = 0;
    for (long i = 1; i <= t.gintPlayerCount(); ++i) {
        if (t.gtypPlayers[i].Finish != 0)
            continue;
        if (found != 0)
            return 0;
        found = i;
    }
    return found;
}

EliminationResult eliminate(OpenTournament& t, long index, bool trackKills, const AskKiller& ask, FloorRows& rows)
{
    const Integer finished = NumberFinished(t);
    if (CheckAwardBountyAndKill(t, index, false, trackKills, ask, rows))
        return {EliminationResult::Cancelled, 0, 0};

    PlayerRecord& p = t.gtypPlayers[index];
    p.Finish = static_cast<Integer>(t.gintPlayerCount() - finished);
    SetPlayerWinnings(t, index, false);
    p.Table = 0;
    p.Seat = 0;
    p.Moved = false;
    rows.Players.insert(index);

    EliminationResult result {EliminationResult::Eliminated, p.Finish, 0};
    if (p.Finish == 2) {
        if (const long winner = lastOneStanding(t)) {
            t.gtypPlayers[winner].Finish = 1;
            CheckAwardBountyAndKill(t, winner, true, trackKills, ask, rows);
            SetPlayerWinnings(t, winner, false);
            rows.Players.insert(winner);
            result.Winner = winner;
        }
    }
    return result;
}

void restore(OpenTournament& t, long index, FloorRows& rows)
{
    UndoKill(t, index, rows);
    SetPlayerWinnings(t, index, true);
    t.gtypPlayers[index].Finish = 0;
    RevokeBounty(t, index, rows);
    rows.Players.insert(index);
}

EliminationResult unEliminate(OpenTournament& t, long index, FloorRows& rows)
{
    const Integer finished = NumberFinished(t);
    const Integer place = t.gtypPlayers[index].Finish;
    if (place == 2) {
        // The winner comes back with place 2, his own bounty and any kill
        // booked on him undone, so that un-eliminating retraces every step.
        for (long w = 1; w <= t.gintPlayerCount(); ++w)
            if (t.gtypPlayers[w].Finish == 1)
                restore(t, w, rows);
    } else if (place > t.gintPlayerCount() - finished + 1) {
        return {EliminationResult::Refused, 0, 0};
    }
    restore(t, index, rows);
    return {EliminationResult::UnEliminated, 0, 0};
}

} // namespace

std::optional<KillQuestion> KillQuestionFor(const OpenTournament& t, long index, bool isWinner, bool trackKills)
{
    if (!t.gtypPlayers.contains(index))
        return std::nullopt;
    const PlayerRecord& p = t.gtypPlayers[index];
    KillQuestion q {index, isWinner, FindBountyAward(t, p.PlayerID), {}};
    bool skip = isWinner || !trackKills;
    if (q.BountyAward > 0) {
        q.Message
            = p.PlayerName + QStringLiteral(" has a bounty assigned to him/her.  Who should be awarded the bounty?");
        skip = false;
    } else {
        q.Message = QStringLiteral("Please select the player who eliminated ") + p.PlayerName + u'?';
    }
    if (skip)
        return std::nullopt;
    return q;
}

QList<long> KillCandidates(const OpenTournament& t, const KillQuestion& q, bool showAll)
{
    QList<long> players;
    for (long i = 1; i <= t.gintPlayerCount(); ++i) {
        if (i == q.PlayerIndex && !q.IsWinner)
            continue;
        const Integer finish = t.gtypPlayers[i].Finish;
        if (showAll || finish == 0 || finish == 1)
            players.append(i);
    }
    return players;
}

bool CheckAwardBountyAndKill(OpenTournament& t, long index, bool isWinner, bool trackKills, const AskKiller& ask,
                             FloorRows& rows)
{
    const std::optional<KillQuestion> q = KillQuestionFor(t, index, isWinner, trackKills);
    if (!q)
        return false;
    const KillAnswer answer = ask(*q);
    switch (answer.Kind) {
    case KillAnswer::Chosen:
        if (q->BountyAward > 0)
            GiveAwardToPlayer(t, answer.PlayerIndex, q->BountyAward, rows);
        RecordKill(t, answer.PlayerIndex, index, rows);
        return false;
    case KillAnswer::Skipped:
        return false;
    case KillAnswer::Cancelled:
        break;
    }
    return true;
}

EliminationResult EliminatePlayer(OpenTournament& t, long index, bool trackKills, const AskKiller& ask, FloorRows& rows)
{
    if (!t.gtypPlayers.contains(index))
        return {};
    const EntryOffer offer = EntryOptions(t, t.gtypPlayers[index]);
    if (offer.Eliminate)
        return eliminate(t, index, trackKills, ask, rows);
    if (offer.UnEliminate)
        return unEliminate(t, index, rows);
    return {EliminationResult::NotOffered, 0, 0};
}

QString CannotUnEliminateMessage()
{
    return QStringLiteral("You cannot Un-Eliminate this player because other players have been eliminated since this "
                          "player was.  To Un-Eliminate this player, you must first Un-Eliminate all players who have "
                          "been eliminated after this player, working your way backwards.");
}
