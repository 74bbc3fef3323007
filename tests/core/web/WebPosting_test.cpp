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

TEST_F(WebPostingStore, PostedNamesMatchExactlyAndTakeOneLocalEntryEach)
{
    const Long league = addLeague(QStringLiteral("Wednesday"));
    const Long older = addTournament(league, QStringLiteral("Final"), QStringLiteral("2026-01-01 00:00:00"));
    const Long newer = addTournament(league, QStringLiteral("Final"), QStringLiteral("2026-02-01 00:00:00"));
    const Long lower = addTournament(league, QStringLiteral("final"), QStringLiteral("2026-03-01 00:00:00"));
    const Long undated = addTournament(league, QStringLiteral("Open"));
    addTournament(addLeague(QStringLiteral("Other")), QStringLiteral("Final"));

    const QList<ListItem> local = TournamentListItems(db, league, true);
    EXPECT_EQ(local,
              (QList<ListItem> {{QStringLiteral("final"), lower},
                                {QStringLiteral("Final"), newer},
                                {QStringLiteral("Final"), older},
                                {QStringLiteral("Open"), undated}}));
    EXPECT_EQ(WithoutPosted(local, {QStringLiteral("Final"), QStringLiteral("Gone")}),
              (QList<ListItem> {{QStringLiteral("final"), lower},
                                {QStringLiteral("Final"), older},
                                {QStringLiteral("Open"), undated}}));
    EXPECT_EQ(PostedLocalTournaments(db, league, true, {QStringLiteral("Final")}),
              (QList<ListItem> {{QStringLiteral("Final"), newer}, {QStringLiteral("Final"), older}}));
    EXPECT_TRUE(PostedLocalTournaments(db, addLeague(QStringLiteral("Empty")), true, {}).isEmpty());
}

TEST(WebPostingRules, TheWalkLooksAtAnIndexAgainAfterItsEntryLeftAndCountsWhatSucceeded)
{
    // Entries by name; selected ones start with "*"; "!" refuses, "~" goes
    // but only in part.
    QStringList entries {QStringLiteral("*a"), QStringLiteral("*!b"), QStringLiteral("c"), QStringLiteral("*~d"),
                         QStringLiteral("*e")};
    QStringList visited;
    const SelectedWalk walk = WalkSelectedEntries([&] { return int(entries.size()); },
                                                  [&](int i) { return entries[i].startsWith(QLatin1Char('*')); },
                                                  [&](int i) {
                                                      visited << entries[i];
                                                      if (entries[i].contains(QLatin1Char('!')))
                                                          return WalkStep {};
                                                      const bool whole = !entries[i].contains(QLatin1Char('~'));
                                                      entries.removeAt(i);
                                                      return WalkStep {true, whole};
                                                  });
    EXPECT_EQ(visited,
              (QStringList {QStringLiteral("*a"), QStringLiteral("*!b"), QStringLiteral("*~d"), QStringLiteral("*e")}));
    EXPECT_EQ(entries, (QStringList {QStringLiteral("*!b"), QStringLiteral("c")}));
    EXPECT_EQ(walk.selected, 4);
    EXPECT_EQ(walk.done, 2);

    const WalkLine partial = WalkSummary(walk, QStringLiteral("Selected tournament(s) posted."), "posted");
    EXPECT_EQ(partial.text, QStringLiteral("2 of 4 selected tournaments posted."));
    EXPECT_TRUE(partial.error);
    const WalkLine whole = WalkSummary({2, 2}, QStringLiteral("Selected tournament(s) removed."), "removed");
    EXPECT_EQ(whole.text, QStringLiteral("Selected tournament(s) removed."));
    EXPECT_FALSE(whole.error);

    EXPECT_EQ(PartialUploadText(1, 3, QStringLiteral("March")),
              QStringLiteral("1 of 3 player results of March were uploaded. Delete it from the league home page and "
                             "post it again."));
    EXPECT_TRUE(UnpostableNameMessage(QStringLiteral("March")).isEmpty());
    EXPECT_TRUE(UnpostableNameMessage(QStringLiteral("A,,,~~~B")).contains(QStringLiteral("\"A,,,~~~B\"")));
    EXPECT_EQ(StoredDay(QStringLiteral("2026-12-31 23:59:59")), QDate(2026, 12, 31));
    EXPECT_FALSE(StoredDay(QStringLiteral("soon")).isValid());
}
