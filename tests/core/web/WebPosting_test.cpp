#include "core/web/WebPosting.h"

#include "LeagueTestData.h"

namespace {

class WebPostingStore : public LeagueDatabaseTest {
protected:
    void addEntry(Long tournament, Long player, const QVariantList& values)
    {
        db.execute(QStringLiteral("INSERT INTO tblTournamentXPlayer (TournamentID, PlayerID, Finish, Payout, "
                                  "TotalBuyin, TotalRebuy, TotalAddon, NumRebuys, NumAddons, Points, Kills, "
                                  "EliminatedByPlayerID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   QVariantList {tournament, player} + values);
    }
};

} // namespace

TEST_F(WebPostingStore, EliminatedByNamesComeFromThePlayersAndNullNumbersReadAsZero)
{
    const Long league = addLeague(QStringLiteral("Wednesday"));
    const Long ann = addPlayer(QStringLiteral("Ann"), {league});
    const Long bob = addPlayer(QStringLiteral("Bob"), {league});
    const Long cy = addPlayer(QStringLiteral("Cy"), {league});
    const Long t = addTournament(league, QStringLiteral("March"), QStringLiteral("2026-03-07 00:00:00"));
    addEntry(t, ann, {1, 100.0, 20.0, 10.0, 5.0, 1, 1, 12.5, 2, 0});
    addEntry(t, bob, {2, QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), 13.5, 1, ann});
    addEntry(t, cy, {3, 0.0, 20.0, 0.0, 0.0, 0, 0, 0.0, 0, 999});

    const WebTournamentUpload upload = ReadTournamentUpload(db, t);
    EXPECT_EQ(WebDateText(upload.day), QStringLiteral("03/07/2026"));
    ASSERT_EQ(upload.results.size(), 3);
    const WebPlayerResult& a = upload.results[0];
    EXPECT_EQ(a.playerName, QStringLiteral("Ann"));
    EXPECT_EQ(a.eliminatedBy, QString());
    EXPECT_EQ(a.points, 12);
    EXPECT_EQ(a.kills, 2);
    EXPECT_EQ(a.payout, 100.0);
    EXPECT_EQ(a.numRebuys, 1);
    const WebPlayerResult& b = upload.results[1];
    EXPECT_EQ(b.eliminatedBy, QStringLiteral("Ann"));
    EXPECT_EQ(b.points, 14);
    EXPECT_EQ(b.payout, 0.0);
    EXPECT_EQ(b.totalBuyin, 0.0);
    EXPECT_EQ(b.numAddons, 0);
    EXPECT_EQ(upload.results[2].eliminatedBy, QString()); // that player is gone
    EXPECT_NE(a.entryId, b.entryId);

    EXPECT_EQ(WebDateText(ReadTournamentUpload(db, addTournament(league, QStringLiteral("Undated"))).day), QString());
    EXPECT_THROW(ReadTournamentUpload(db, 4711), DatabaseError);
}

TEST(WebPostingRules, PostedNamesMatchExactlyAndTakeOneLocalEntryEach)
{
    const QList<ListItem> local {{QStringLiteral("final"), 3},
                                 {QStringLiteral("Final"), 2},
                                 {QStringLiteral("Final"), 1},
                                 {QStringLiteral("Open"), 4}};
    const PostedMatch match = MatchPosted(local, {QStringLiteral("Final"), QStringLiteral("Gone")});
    EXPECT_EQ(
        match.notPosted,
        (QList<ListItem> {{QStringLiteral("final"), 3}, {QStringLiteral("Final"), 1}, {QStringLiteral("Open"), 4}}));
    EXPECT_EQ(match.standsFor, (QList<Long> {2, 0}));
}
