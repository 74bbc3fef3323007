#include "core/store/TournamentEntrants.h"

#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/store/Awards.h"
#include "core/store/LeaguePlayers.h"
#include "core/store/MoneyClaims.h"
#include "core/store/MoneyRules.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"
#include "core/store/ProgramSettings.h"
#include "core/store/TournamentChange.h"
#include "core/store/TournamentStore.h"

#include <QSet>
#include <functional>
#include <set>

namespace {

// Runs the work on a copy of the tournament in one transaction; the copy
// takes the tournament's place once it is all stored.
void onCopy(Database& db, OpenTournament& t, const std::function<void(OpenTournament&)>& work)
{
    RaiseAsDatabaseError([&] { ChangeTournament(db, t, work); });
}

bool wantsBounty(const OpenTournament& t, const QString& PlayerName)
{
    switch (t.gintAutoBountyType) {
    case 2:
        return true;
    case 1:
        return prompter().askYesNoTitled(
                   QStringLiteral("Would you like to assign the default bounty to %1?").arg(PlayerName),
                   QStringLiteral("Bounty?"))
            == Prompter::Answer::Yes;
    default:
        return false;
    }
}

template <typename T, typename Keep>
BoundedArray<T> kept(const BoundedArray<T>& items, Keep keep)
{
    BoundedArray<T> result;
    result.redim(items.lower(), items.lower() - 1);
    for (const T& item : items)
        if (keep(item))
            result.append(item);
    return result;
}

void removeEntrant(Database& db, OpenTournament& t, Long PlayerID)
{
    long last = 0;
    for (long k = t.gtypPlayers.lower(); k <= t.gtypPlayers.upper(); ++k)
        if (t.gtypPlayers[k].PlayerID == PlayerID)
            last = k;
    if (last > 0) {
        long k = t.gtypPlayers.lower();
        t.gtypPlayers = kept(t.gtypPlayers, [&](const PlayerRecord&) { return k++ != last; });
    }

    // Whatever he held is free to be won again.
    for (long i = t.gtypAwards.lower(); i <= t.gtypAwards.upper(); ++i) {
        if (t.gtypAwards[i].AwardedToPlayerID == PlayerID) {
            t.gtypAwards[i].AwardedToPlayerID = 0;
            SaveAward(db, t, static_cast<Integer>(i));
        }
    }
    // Nobody can win a bounty on a player who is not playing.
    const auto unheldBountyOnHim
        = [&](const AwardRecord& a) { return a.BountyPlayerID == PlayerID && a.AwardedToPlayerID == 0; };
    for (const AwardRecord& award : t.gtypAwards)
        if (unheldBountyOnHim(award) && award.AwardID != 0)
            db.execute(QStringLiteral("DELETE FROM tblAward WHERE AwardID = ?"), {award.AwardID});
    t.gtypAwards = kept(t.gtypAwards, [&](const AwardRecord& a) { return !unheldBountyOnHim(a); });

    db.execute(QStringLiteral("DELETE FROM tblTournamentXPlayer WHERE PlayerID = ? AND TournamentID = ?"),
               {PlayerID, t.glngCurrentTournamentID});
}

// Adds the player as the last entrant in memory, and the bounty on him when
// one is wanted; true when a bounty was added (as the last award).
bool enterPlayer(OpenTournament& t, Long PlayerID, const QString& PlayerName, bool AutoBuyin)
{
    PlayerRecord& entrant = t.gtypPlayers.append();
    entrant.PlayerName = PlayerName;
    entrant.PlayerID = PlayerID;
    if (AutoBuyin) {
        entrant.TotalBuyin = t.gdblBuyin;
        entrant.TotalChipValue = t.gdblBuyinChipValue;
    }
    if (FindBountyAward(t, PlayerID) != 0 || !wantsBounty(t, PlayerName))
        return false;
    AwardRecord& bounty = t.gtypAwards.append();
    bounty.IsBounty = 1;
    bounty.BountyPlayerID = PlayerID;
    bounty.Description = QStringLiteral("Bounty on ") + PlayerName;
    bounty.Payout = t.gdblAutoBountyDollars;
    bounty.Points = t.gdblAutoBountyPoints;
    return true;
}

// Bounties put on players as they were entered are weighed once they are
// stored: the director is told when they are what leaves the places short.
void tellBounties(const OpenTournament& t, int bounties)
{
    if (bounties < 1)
        return;
    if (const auto text
        = EntrantBountiesMessage(t, bounties, bounties * t.gdblAutoBountyDollars, programSettings().gstrMoneyFormat))
        prompter().message(*text);
}

// What the changes are refused by, before anything is stored or asked, when
// the money taken in or the awards, with the buy-ins and automatic bounties
// the new entrants bring (a bounty that would be asked for counted), would
// pass what sums of money keep to the cent.
std::optional<QString> refusedEntrants(const OpenTournament& t, const QList<EntrantChange>& changes, bool AutoBuyin)
{
    QSet<Long> out;
    QSet<Long> in;
    for (const EntrantChange& change : changes) {
        if (change.Entered)
            in.insert(change.PlayerID);
        else if (!in.remove(change.PlayerID))
            out.insert(change.PlayerID);
    }
    OpenTournament after = t;
    after.gtypPlayers = kept(t.gtypPlayers, [&](const PlayerRecord& p) { return !out.contains(p.PlayerID); });
    after.gtypAwards = kept(t.gtypAwards, [&](const AwardRecord& a) {
        return !(out.contains(a.BountyPlayerID) && a.AwardedToPlayerID == 0);
    });
    for (const Long PlayerID : in) {
        PlayerRecord& entrant = after.gtypPlayers.append();
        entrant.PlayerID = PlayerID;
        if (AutoBuyin)
            entrant.TotalBuyin = t.gdblBuyin;
        if ((t.gintAutoBountyType == 1 || t.gintAutoBountyType == 2) && FindBountyAward(after, PlayerID) == 0) {
            AwardRecord& bounty = after.gtypAwards.append();
            bounty.IsBounty = 1;
            bounty.BountyPlayerID = PlayerID;
            bounty.Payout = t.gdblAutoBountyDollars;
        }
    }
    const QString what = in.size() > 1 ? QStringLiteral("These entries") : QStringLiteral("This entry");
    if (auto refused = RefuseSumPastCeiling(MoneyTakenIn(after), what, QStringLiteral("the money taken in")))
        return refused;
    return RefuseSumPastCeiling(AwardMoney(after), what, QStringLiteral("the awards total"));
}

} // namespace

std::optional<QString> AddPlayerToTourney(Database& db, OpenTournament& t, Long PlayerID, const QString& PlayerName,
                                          bool AutoBuyin)
{
    if (auto refused = refusedEntrants(t, {{PlayerID, PlayerName, true}}, AutoBuyin))
        return refused;
    int bounties = 0;
    onCopy(db, t, [&](OpenTournament& copy) {
        bounties = 0;
        if (enterPlayer(copy, PlayerID, PlayerName, AutoBuyin)) {
            bounties = 1;
            SaveAward(db, copy, copy.gintAwardCount());
        }
        SaveTournamentPlayer(db, copy, copy.gintPlayerCount());
    });
    tellBounties(t, bounties);
    return std::nullopt;
}

void RemovePlayerFromTourneyAndLeague(Database& db, OpenTournament& t, Long PlayerID)
{
    onCopy(db, t, [&](OpenTournament& copy) {
        removeEntrant(db, copy, PlayerID);
        RemovePlayerFromLeague(db, copy.glngCurrentLeagueID, PlayerID);
        SaveTournament(db, copy, false);
    });
}

std::optional<QString> ApplyEntrantChanges(Database& db, OpenTournament& t, const QList<EntrantChange>& changes,
                                           bool AutoBuyin)
{
    if (auto refused = refusedEntrants(t, changes, AutoBuyin))
        return refused;
    QSet<Long> bountied; // entered with a bounty and still in
    onCopy(db, t, [&](OpenTournament& copy) {
        // The new entrants' rows are written together at the end; the whole
        // save writes their bounties.
        QSet<Long> entered;
        bountied.clear();
        for (const EntrantChange& change : changes) {
            if (change.Entered) {
                if (enterPlayer(copy, change.PlayerID, change.PlayerName, AutoBuyin))
                    bountied.insert(change.PlayerID);
                entered.insert(change.PlayerID);
            } else {
                removeEntrant(db, copy, change.PlayerID);
                entered.remove(change.PlayerID);
                bountied.remove(change.PlayerID);
            }
        }
        std::set<long> rows;
        for (long i = copy.gtypPlayers.lower(); i <= copy.gtypPlayers.upper(); ++i)
            if (entered.contains(copy.gtypPlayers[i].PlayerID))
                rows.insert(i);
        SaveTournamentPlayers(db, copy, rows);
        SaveTournament(db, copy, false);
        LoadTournament(db, copy, copy.glngCurrentTournamentID, true);
    });
    tellBounties(t, int(bountied.size()));
    return std::nullopt;
}

void RenameEntrant(OpenTournament& t, Long PlayerID, const QString& NewName)
{
    for (PlayerRecord& entrant : t.gtypPlayers)
        if (entrant.PlayerID == PlayerID)
            entrant.PlayerName = NewName;
}
