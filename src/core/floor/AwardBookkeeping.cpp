#include "core/floor/AwardBookkeeping.h"

#include "core/floor/PlayerLookup.h"
#include "core/store/Awards.h"
#include "core/store/MoneyRules.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"

namespace {

// Moves the award's money (never below 0) and points off its holder and
// frees it.
void takeBack(OpenTournament& t, long award, long holder, FloorRows& rows)
{
    AwardRecord& a = t.gtypAwards[award];
    PlayerRecord& p = t.gtypPlayers[holder];
    p.Points -= a.Points;
    p.Payout = MoneyLess(p.Payout, a.Payout);
    a.AwardedToPlayerID = 0;
    rows.Players.insert(holder);
    rows.Awards.insert(award);
}

} // namespace

void GiveAwardToPlayer(OpenTournament& t, long PlayerIndex, long AwardIndex, FloorRows& rows)
{
    if (!t.gtypAwards.contains(AwardIndex) || !t.gtypPlayers.contains(PlayerIndex))
        return;
    AwardRecord& a = t.gtypAwards[AwardIndex];
    if (const long holder = PlayerIndexByID(t, a.AwardedToPlayerID))
        takeBack(t, AwardIndex, holder, rows);
    PlayerRecord& p = t.gtypPlayers[PlayerIndex];
    a.AwardedToPlayerID = p.PlayerID;
    p.Points += a.Points;
    p.Payout = MoneyPlus(p.Payout, a.Payout);
    rows.Awards.insert(AwardIndex);
    rows.Players.insert(PlayerIndex);
}

void RecordKill(OpenTournament& t, long KillerIndex, long PlayerIndex, FloorRows& rows)
{
    if (!t.gtypPlayers.contains(KillerIndex) || !t.gtypPlayers.contains(PlayerIndex) || KillerIndex == PlayerIndex)
        return;
    if (t.gtypPlayers[PlayerIndex].EliminatedByPlayerID != 0)
        UndoKill(t, PlayerIndex, rows);
    PlayerRecord& killer = t.gtypPlayers[KillerIndex];
    killer.Kills += 1;
    t.gtypPlayers[PlayerIndex].EliminatedByPlayerID = killer.PlayerID;
    rows.Players.insert(KillerIndex);
    rows.Players.insert(PlayerIndex);
}

void UndoKill(OpenTournament& t, long PlayerIndex, FloorRows& rows)
{
    if (!t.gtypPlayers.contains(PlayerIndex))
        return;
    PlayerRecord& p = t.gtypPlayers[PlayerIndex];
    const long killer = PlayerIndexByID(t, p.EliminatedByPlayerID);
    if (killer != 0 && t.gtypPlayers[killer].Kills > 0)
        t.gtypPlayers[killer].Kills -= 1;
    p.EliminatedByPlayerID = 0;
    if (killer != 0)
        rows.Players.insert(killer);
    rows.Players.insert(PlayerIndex);
}

void RevokeBounty(OpenTournament& t, long PlayerIndex, FloorRows& rows)
{
    if (!t.gtypPlayers.contains(PlayerIndex))
        return;
    const long award = FindBountyAward(t, t.gtypPlayers[PlayerIndex].PlayerID);
    if (award == 0)
        return;
    if (const long holder = PlayerIndexByID(t, t.gtypAwards[award].AwardedToPlayerID))
        takeBack(t, award, holder, rows);
}

bool RevokePlayerAwards(OpenTournament& t, long PlayerIndex, FloorRows& rows)
{
    if (!t.gtypPlayers.contains(PlayerIndex))
        return false;
    const Long id = t.gtypPlayers[PlayerIndex].PlayerID;
    for (long a = 1; a <= t.gintAwardCount(); ++a)
        if (t.gtypAwards[a].AwardedToPlayerID == id)
            takeBack(t, a, PlayerIndex, rows);
    return true;
}

QString NoPlayerSelectedMessage() { return QStringLiteral("No player selected."); }

QString GetPlayerName(const OpenTournament& t, Long PlayerID)
{
    const long i = PlayerIndexByID(t, PlayerID);
    return i != 0 ? t.gtypPlayers[i].PlayerName : QString();
}

void ClearAwardRecipients(OpenTournament& t)
{
    for (long a = 1; a <= t.gintAwardCount(); ++a)
        t.gtypAwards[a].AwardedToPlayerID = 0;
}
