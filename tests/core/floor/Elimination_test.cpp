#include "FieldBuilder.h"
#include "LeagueTestData.h"
#include "core/floor/AwardBookkeeping.h"
#include "core/floor/Elimination.h"
#include "core/floor/FloorEntries.h"
#include "core/floor/PlayerLookup.h"
#include "core/store/MoneyRules.h"
#include "core/store/Payouts.h"
#include "core/store/TournamentStore.h"

#include <deque>

namespace {

// Ten entrants who bought in at 100; three places paid 50/30/20 %, points by
// place and automatic points; a bounty of 20 and 5 points on P3.
OpenTournament paidField(int players = 10)
{
    OpenTournament t = FieldOf(players, 10);
    t.gdblBuyin = 100;
    t.gintPayAsPercentages = 1;
    t.gintRoundTo = 1;
    t.gintNumberPaid = 3;
    t.RedimPayouts();
    const double share[] = {0, 50, 30, 20};
    for (long k = 0; k <= 3; ++k) {
        t.gdblPayout[k] = share[k];
        t.gsngPayoutPoints[k] = static_cast<Single>(10 - 2 * k);
    }
    t.gintUseAutoPointsAll = 1;
    t.gdblAutoPointsAllPlayers = 1.5;
    t.gintUseAutoPointsbyPosition = 1;
    t.gdblAutoPointsByPositionFactor = 0.25;
    t.gtypAwards.append({0, 1, 3, QStringLiteral("Bounty on P3"), 20, 5, 0});
    FloorRows rows;
    for (long i = 1; i <= players; ++i)
        BuyinPlayer(t, i, rows);
    return t;
}

// Answers the questions from a script; a question past the end cancels.
struct ScriptedKiller {
    std::deque<KillAnswer> answers;
    QList<KillQuestion> asked;
    AskKiller fn()
    {
        return [this](const KillQuestion& q) {
            asked.append(q);
            if (answers.empty())
                return KillAnswer {KillAnswer::Cancelled, 0};
            const KillAnswer a = answers.front();
            answers.pop_front();
            return a;
        };
    }
};

KillAnswer chose(long i) { return {KillAnswer::Chosen, i}; }

struct Snapshot {
    QList<double> payouts, points;
    QList<int> kills, finishes;
    QList<Long> killers, holders;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const OpenTournament& t)
{
    Snapshot s;
    for (long i = 1; i <= t.gintPlayerCount(); ++i) {
        const PlayerRecord& p = t.gtypPlayers[i];
        s.payouts << p.Payout;
        s.points << p.Points;
        s.kills << p.Kills;
        s.finishes << p.Finish;
        s.killers << p.EliminatedByPlayerID;
    }
    for (long a = 1; a <= t.gintAwardCount(); ++a)
        s.holders << t.gtypAwards[a].AwardedToPlayerID;
    return s;
}

// Entrant ids are 1..n in FieldOf; after a reload the order may differ.
long byId(const OpenTournament& t, Long id) { return PlayerIndexByID(t, id); }

} // namespace

TEST(FloorEntries, BuysAddUpAndASecondBuyinChangesNothing)
{
    OpenTournament t = paidField(3);
    t.gdblBuyinChipValue = 1000;
    t.gdblRebuyAmount = 50;
    t.gdblRebuyChipValue = 800;
    t.gdblAddonAmount = 25;
    t.gdblAddonChipValue = 500;
    t.gintAllowRebuys = 1;
    t.gintAllowAddons = 1;
    FloorRows rows;
    EXPECT_EQ(BuyinPlayer(t, 1, rows), BuyinOutcome::AlreadyBoughtIn);
    EXPECT_EQ(t.gtypPlayers[1].TotalBuyin, 100);
    EXPECT_TRUE(RebuyPlayer(t, 1, rows));
    EXPECT_TRUE(RebuyPlayer(t, 1, rows));
    EXPECT_TRUE(AddonPlayer(t, 1, rows));
    const PlayerRecord& p = t.gtypPlayers[1];
    EXPECT_EQ(p.TotalRebuy, 100);
    EXPECT_EQ(p.NumRebuys, 2);
    EXPECT_EQ(p.TotalAddon, 25);
    EXPECT_EQ(p.TotalChipValue, 800 * 2 + 500);
    EXPECT_EQ(PrizePool(t), 405) << "the bounty's money is kept out of the pool";
    EXPECT_EQ(t.gdblCalculatedPayout[1], 202) << "payouts follow every buy";

    t.gtypPlayers[1].HouseFee = 5;
    ClearAllBuys(t, 1, rows);
    EXPECT_EQ(t.gtypPlayers[1].TotalBuyin + t.gtypPlayers[1].TotalRebuy + t.gtypPlayers[1].NumAddons, 0);
    EXPECT_EQ(t.gtypPlayers[1].HouseFee, 5);
    EXPECT_EQ(rows.Players, (std::set<long> {1}));

    // Rebuys of $12.10 add up in cents: seven make $84.70, not
    // $84.69999999999999.
    t.gdblRebuyAmount = 12.10;
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(RebuyPlayer(t, 2, rows));
    EXPECT_EQ(t.gtypPlayers[2].TotalRebuy, 84.7);

    // An entry that would take the money taken in past what is kept to the
    // cent is refused and changes nothing.
    t.gtypPlayers[3].TotalBuyin = 0;
    t.gtypPlayers[2].TotalRebuy = Total::Ceiling - 175; // $75 from it
    t.gdblRebuyAmount = 100;
    EXPECT_EQ(BuyinPlayer(t, 3, rows), BuyinOutcome::PoolPastCeiling);
    EXPECT_FALSE(RebuyPlayer(t, 2, rows));
    EXPECT_EQ(t.gtypPlayers[3].TotalBuyin, 0);
    EXPECT_EQ(t.gtypPlayers[2].NumRebuys, 7);
    EXPECT_TRUE(AddonPlayer(t, 2, rows)) << "$25 more still fits";
}

// A button or menu entry can stay on screen while the level or the break
// changes under it: what it stores is decided when it acts.
TEST(FloorEntries, RebuysAndAddonsAreStoredOnlyWhileOffered)
{
    OpenTournament t = paidField(3);
    OpenEntryPeriods(t, 3, 2, 3);
    t.gdblRebuyAmount = 10;
    t.gdblAddonAmount = 5;
    struct {
        Integer level;
        bool onBreak;
        bool rebuy, addon;
        const char* when;
    } cases[] = {
        {3, true, true, true, "the break after level 2"},
        {3, false, false, false, "level 3"},
        {2, false, true, false, "level 2: the add-on period not begun"},
    };
    for (const auto& c : cases) {
        t.gintBlindsLevel = c.level;
        t.gblnOnBreak = c.onBreak;
        const double pool = PrizePool(t);
        FloorRows rows;
        EXPECT_EQ(RebuyPlayer(t, 1, rows), c.rebuy) << c.when;
        EXPECT_EQ(AddonPlayer(t, 1, rows), c.addon) << c.when;
        EXPECT_EQ(PrizePool(t), pool + (c.rebuy ? 10 : 0) + (c.addon ? 5 : 0)) << c.when;
        EXPECT_EQ(rows.Players.empty(), !c.rebuy && !c.addon) << c.when << ": nothing to store";
    }
    EXPECT_EQ(t.gtypPlayers[1].NumRebuys, 2);
    EXPECT_EQ(t.gtypPlayers[1].NumAddons, 1);

    t.gintBlindsLevel = 1;
    t.gtypPlayers[2].Finish = 3;
    FloorRows rows;
    EXPECT_FALSE(RebuyPlayer(t, 2, rows)) << "a player who is out";
    EXPECT_TRUE(rows.Players.empty());
}

TEST(FloorEntries, NamesFindTheirPlayerExactly)
{
    OpenTournament t = FieldOf(3, 10);
    t.gtypPlayers[1].PlayerName = QStringLiteral("(Open)");
    t.gtypPlayers[2].PlayerName = QStringLiteral(">Bob");
    t.gtypPlayers[3].PlayerName = QStringLiteral("Bob");
    EXPECT_EQ(GetPlayerIndexByName(t, QStringLiteral(">Bob")), 2) << "the first that matches";
    EXPECT_EQ(GetPlayerIndexByName(t, QStringLiteral("bob")), 0);
    EXPECT_EQ(PlayerIndexByID(t, 3), 3) << "commands go by id, which tells the two apart";
}

TEST(EliminationPlaces, RunDownAndTheLastPlayerWins)
{
    OpenTournament t = paidField();
    ScriptedKiller nobody;
    FloorRows rows;
    for (long i = 1; i <= 8; ++i) {
        if (i == 3)
            nobody.answers.push_back({KillAnswer::Skipped, 0}); // the bounty question
        const EliminationResult r = EliminatePlayer(t, i, false, nobody.fn(), rows);
        EXPECT_EQ(r.Outcome, EliminationResult::Eliminated);
        EXPECT_EQ(r.Place, 11 - i);
        EXPECT_EQ(r.Winner, 0);
    }
    EXPECT_EQ(nobody.asked.size(), 1) << "only the bounty is asked with kill tracking off";
    const EliminationResult last = EliminatePlayer(t, 9, false, nobody.fn(), rows);
    EXPECT_EQ(last.Place, 2);
    EXPECT_EQ(last.Winner, 10);
    EXPECT_EQ(t.gtypPlayers[10].Finish, 1);
    EXPECT_EQ(t.gtypPlayers[10].Payout, 490);
    EXPECT_DOUBLE_EQ(t.gtypPlayers[10].Points, 8 + 1.5 + 10 * 0.25);
    EXPECT_DOUBLE_EQ(t.gtypPlayers[1].Points, 1.5 + 0.25) << "automatic points outside the paid places";

    // Place 2 with two players still in (a stored field out of step): no winner.
    OpenTournament odd = paidField(4);
    odd.gtypPlayers[1].Finish = 4;
    odd.gtypPlayers[2].Finish = 3; // two finished, P3 and P4 in: P3 gets place 2
    odd.gtypPlayers[4].Finish = 2; // ...but P4 already holds it
    FloorRows more;
    EXPECT_EQ(EliminatePlayer(odd, 3, false, nobody.fn(), more).Winner, 0);
}

TEST(EliminationPlaces, OnlyTheLatestCanBeUndone)
{
    OpenTournament t = paidField();
    ScriptedKiller k;
    k.answers = {{KillAnswer::Skipped, 0}};
    FloorRows rows;
    for (long i = 1; i <= 5; ++i)
        EliminatePlayer(t, i, false, k.fn(), rows); // places 10..6
    const Snapshot before = snapshot(t);
    EXPECT_EQ(EliminatePlayer(t, 4, false, k.fn(), rows).Outcome, EliminationResult::Refused);
    EXPECT_EQ(snapshot(t), before);
    EXPECT_EQ(EliminatePlayer(t, 5, false, k.fn(), rows).Outcome, EliminationResult::UnEliminated);
    EXPECT_EQ(t.gtypPlayers[5].Finish, 0);
    EXPECT_EQ(t.gtypPlayers[5].Table, 0) << "no seat comes back";

    // A place's money taken back from winnings adjusted by hand below it
    // leaves 0, not less.
    OpenTournament paid = paidField(4);
    EliminatePlayer(paid, 1, false, k.fn(), rows); // place 4, unpaid
    EliminatePlayer(paid, 2, false, k.fn(), rows); // place 3: 20 % of the pool
    ASSERT_GT(paid.gtypPlayers[2].Payout, 30);
    paid.gtypPlayers[2].Payout = 30;
    EXPECT_EQ(EliminatePlayer(paid, 2, false, k.fn(), rows).Outcome, EliminationResult::UnEliminated);
    EXPECT_EQ(paid.gtypPlayers[2].Payout, 0);

    // The winner comes back only with place 2, whichever command asks.
    ScriptedKiller skip;
    skip.answers = {{KillAnswer::Skipped, 0}};
    EliminatePlayer(paid, 2, false, skip.fn(), rows);
    EliminatePlayer(paid, 3, false, skip.fn(), rows);
    ASSERT_EQ(paid.gtypPlayers[4].Finish, 1);
    const Snapshot crowned = snapshot(paid);
    EXPECT_EQ(EliminatePlayer(paid, 4, false, skip.fn(), rows).Outcome, EliminationResult::NotOffered);
    EXPECT_EQ(snapshot(paid), crowned);
}

TEST(KillQuestion, AskedForBountiesAndTrackedKillsNeverForOneself)
{
    OpenTournament t = paidField(4);
    EXPECT_FALSE(KillQuestionFor(t, 1, false, false)) << "tracking off, no bounty";
    const auto bounty = KillQuestionFor(t, 3, false, false);
    ASSERT_TRUE(bounty);
    EXPECT_EQ(bounty->Message,
              QStringLiteral("P3 has a bounty assigned to him/her.  Who should be awarded the bounty?"));
    const auto kill = KillQuestionFor(t, 1, false, true);
    ASSERT_TRUE(kill);
    EXPECT_EQ(kill->Message, QStringLiteral("Please select the player who eliminated P1?"));
    EXPECT_FALSE(KillQuestionFor(t, 1, true, true)) << "the winner without a bounty";

    t.gtypPlayers[2].Finish = 4;
    EXPECT_EQ(KillCandidates(t, *kill, false), (QList<long> {3, 4}));
    EXPECT_EQ(KillCandidates(t, *kill, true), (QList<long> {2, 3, 4})) << "show all, still not himself";
    KillQuestion winner {3, true, 1, {}};
    EXPECT_TRUE(KillCandidates(t, winner, false).contains(3));

    // Cancel stops the elimination; Skip lets it through with nothing booked.
    ScriptedKiller k;
    FloorRows rows;
    EXPECT_EQ(EliminatePlayer(t, 1, true, k.fn(), rows).Outcome, EliminationResult::Cancelled);
    EXPECT_EQ(t.gtypPlayers[1].Finish, 0);
    k.answers = {{KillAnswer::Skipped, 0}};
    EXPECT_EQ(EliminatePlayer(t, 1, true, k.fn(), rows).Outcome, EliminationResult::Eliminated);
    EXPECT_EQ(t.gtypPlayers[4].Kills + t.gtypPlayers[3].Kills, 0);

    // The winner choosing himself collects his own bounty and no kill.
    FloorRows self;
    RecordKill(t, 3, 3, self);
    EXPECT_EQ(t.gtypPlayers[3].Kills, 0);
    GiveAwardToPlayer(t, 3, 1, self);
    EXPECT_EQ(t.gtypPlayers[3].Payout, 20);
}

TEST(Awards, MovesKeepMoneyPointsAndKillsConsistent)
{
    OpenTournament t = paidField(4);
    t.gtypAwards.append({0, 0, 0, QStringLiteral("High hand"), 15, 2, 0});
    FloorRows rows;

    // Given twice: paid once, to the second holder.
    GiveAwardToPlayer(t, 1, 2, rows);
    GiveAwardToPlayer(t, 2, 2, rows);
    EXPECT_EQ(t.gtypPlayers[1].Payout, 0);
    EXPECT_EQ(t.gtypPlayers[2].Payout, 15);
    EXPECT_EQ(t.gtypAwards[2].AwardedToPlayerID, 2);

    // A second kill of the same player moves the credit.
    RecordKill(t, 1, 4, rows);
    RecordKill(t, 2, 4, rows);
    EXPECT_EQ(t.gtypPlayers[1].Kills, 0);
    EXPECT_EQ(t.gtypPlayers[2].Kills, 1);
    EXPECT_EQ(t.gtypPlayers[4].EliminatedByPlayerID, 2);

    // Undoing never goes below 0 and always clears the link.
    t.gtypPlayers[2].Kills = 0;
    UndoKill(t, 4, rows);
    EXPECT_EQ(t.gtypPlayers[2].Kills, 0);
    EXPECT_EQ(t.gtypPlayers[4].EliminatedByPlayerID, 0);

    // Two awards held by one player both come back.
    GiveAwardToPlayer(t, 2, 1, rows);
    FloorRows back;
    EXPECT_TRUE(RevokePlayerAwards(t, 2, back));
    EXPECT_EQ(t.gtypPlayers[2].Payout, 0);
    EXPECT_EQ(t.gtypPlayers[2].Points, 0);
    EXPECT_EQ(back.Awards, (std::set<long> {1, 2}));

    // Winnings adjusted by hand below an award's money come back to 0, not
    // below; points may go negative.
    GiveAwardToPlayer(t, 3, 2, rows);
    t.gtypPlayers[3].Payout = 5;
    t.gtypPlayers[3].Points = 0;
    RevokePlayerAwards(t, 3, back);
    EXPECT_EQ(t.gtypPlayers[3].Payout, 0);
    EXPECT_EQ(t.gtypPlayers[3].Points, -2);
    EXPECT_FALSE(RevokePlayerAwards(t, 0, back));
    EXPECT_EQ(GetPlayerName(t, 4), QStringLiteral("P4"));
    EXPECT_EQ(GetPlayerName(t, 99), QString());
}

// Eliminations stored in a database of their own.
class Elimination : public LeagueDatabaseTest {
protected:
    OpenTournament stored()
    {
        OpenTournament t = paidField();
        t.glngCurrentLeagueID = addLeague(QStringLiteral("Thursday"));
        t.gstrTournamentName = QStringLiteral("Week 9");
        for (long i = 1; i <= t.gintPlayerCount(); ++i)
            t.gtypPlayers[i].PlayerID = addPlayer(t.gtypPlayers[i].PlayerName);
        t.gtypAwards[1].BountyPlayerID = t.gtypPlayers[3].PlayerID;
        SaveTournament(db, t, true);
        for (Integer i = 1; i <= t.gintPlayerCount(); ++i)
            SaveTournamentPlayer(db, t, i);
        return t;
    }
};

TEST_F(Elimination, WholeFieldRoundTrip)
{
    OpenTournament t = stored();
    const Snapshot start = snapshot(t);
    ScriptedKiller k;
    // Every question answered by the next player in line (kills tracked).
    auto eliminate = [&](long index) {
        k.answers = {chose(index % t.gintPlayerCount() + 1), chose(1)};
        StoreFloorChange(db, t,
                         [&](OpenTournament& c, FloorRows& rows) { EliminatePlayer(c, index, true, k.fn(), rows); });
    };
    for (long i = 1; i <= 9; ++i)
        eliminate(i);
    ASSERT_EQ(t.gtypPlayers[10].Finish, 1);
    EXPECT_NE(snapshot(t), start);
    EXPECT_EQ(t.gtypAwards[1].AwardedToPlayerID, 4) << "P4 eliminated P3 and took the bounty";

    for (long i = 9; i >= 1; --i)
        StoreFloorChange(db, t, [&](OpenTournament& c, FloorRows& rows) {
            EXPECT_EQ(EliminatePlayer(c, i, true, k.fn(), rows).Outcome, EliminationResult::UnEliminated);
        });
    EXPECT_EQ(snapshot(t), start);

    OpenTournament reloaded = t;
    LoadTournament(db, reloaded, t.glngCurrentTournamentID, false);
    Snapshot fromDb = snapshot(reloaded);
    EXPECT_EQ(fromDb.kills, start.kills);
    EXPECT_EQ(fromDb.finishes, start.finishes);
    EXPECT_EQ(fromDb.holders, start.holders);
    for (long i = 1; i <= reloaded.gintPlayerCount(); ++i) {
        const PlayerRecord& p = reloaded.gtypPlayers[i];
        EXPECT_DOUBLE_EQ(p.Payout, 0) << p.PlayerName.toStdString();
        EXPECT_DOUBLE_EQ(p.Points, 0) << p.PlayerName.toStdString();
        EXPECT_EQ(p.EliminatedByPlayerID, 0);
    }
}

TEST_F(Elimination, FailureChangesNothing)
{
    OpenTournament t = stored();
    ScriptedKiller k;
    k.answers = {chose(4)};
    // The bounty's row is written, then the eliminated player's row fails.
    db.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON tblTournamentXPlayer WHEN NEW.Finish <> 0 "
                              "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    const Snapshot before = snapshot(t);
    EXPECT_THROW(
        StoreFloorChange(db, t, [&](OpenTournament& c, FloorRows& rows) { EliminatePlayer(c, 3, true, k.fn(), rows); }),
        DatabaseError);
    EXPECT_EQ(snapshot(t), before);
    OpenTournament reloaded = t;
    LoadTournament(db, reloaded, t.glngCurrentTournamentID, false);
    EXPECT_EQ(reloaded.gtypAwards[1].AwardedToPlayerID, 0);
    EXPECT_EQ(reloaded.gtypPlayers[byId(reloaded, t.gtypPlayers[4].PlayerID)].Kills, 0);
}
