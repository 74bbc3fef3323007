#include "LeagueTestData.h"
#include "core/platform/StoredDate.h"
#include "core/store/OpenTournament.h"
#include "core/store/TournamentStore.h"

#include <QDateTime>
#include <ctime>
#include <vector>

namespace {

// Every setting differs from its default, and from its neighbours.
OpenTournament sampleTournament()
{
    OpenTournament t;
    t.glngCurrentLeagueID = 7;
    t.gstrTournamentName = QStringLiteral("Friday Deepstack");
    t.gvarTournamentDate = DateTimeOf(QDate(2024, 5, 17), QTime(19, 30, 5));
    t.gdblBuyin = 40.5;
    t.glngMinutesPerSession = 25;
    t.gintPlayersPerTable = 9;
    t.gintAutoDoubleBlind = 2;
    t.gintBlindsLevel = 3;
    t.gintPayAsPercentages = 1;
    t.gintRoundTo = 5;
    t.gintEstNumberofPlayers = 31;
    t.gintEstNumberofRebuys = 32;
    t.gintEstNumberofAddons = 33;
    t.gintEstDurationOfTournament = 240;
    t.gintEstTimeForBreaks = 35;
    t.gintEstNumberofBreaks = 4;
    t.glngNotifyWhenTablesCanBeReduced = 2;
    t.gintAllowRebuys = 1;
    t.gintAllowAddons = 1;
    t.gdblBuyinChipValue = 1500.5;
    t.gdblRebuyAmount = 20.25;
    t.gdblRebuyChipValue = 1000;
    t.gintNumberRebuys = 3;
    t.gintRebuyUntilLevel = 6;
    t.gdblAddonAmount = 10.75;
    t.gdblAddonChipValue = 2000;
    t.gintNumberAddons = 2;
    t.gintAddonLevel1 = 7;
    t.gintAddonLevel2 = 8;
    t.gdblHouseTakeAmount = 5.5;
    t.gstrRules = QStringLiteral("<p>No phones at the table.</p>");
    t.gstrCustomMessage = QStringLiteral("Welcome, Zoë");
    t.gintCustomPictureType = 1;
    t.gstrCustomPictureLocation = QStringLiteral("/pictures/logo.png");
    t.gintUseAutoPointsAll = 1;
    t.gdblAutoPointsAllPlayers = 2.5;
    t.gintUseAutoPointsbyPosition = 1;
    t.gdblAutoPointsByPositionFactor = 1.75;
    t.gintAutoBountyType = 2;
    t.gdblAutoBountyDollars = 15.5;
    t.gdblAutoBountyPoints = 3.5;
    t.gdblBig = 100;
    t.gdblSmall = 50;
    t.gdblBigRaise = 200;
    t.gdblSmallRaise = 150;
    t.gdblAnte = 12.5;

    for (long s = 0; s < OpenTournament::ChipSlots; ++s) {
        t.gstrChipColor[s] = QStringLiteral("Colour %1").arg(s);
        t.gdblChipAmount[s] = 0.5 + s * 25;
        t.gintStartingChipCount[s] = static_cast<Integer>(s + 11);
        t.gstrChipPicture[s] = QStringLiteral("chip%1.png").arg(s);
    }

    t.gintNumberPaid = 3;
    t.RedimPayouts();
    for (long k = 0; k <= 3; ++k) {
        t.gdblPayout[k] = 10.0 * (k + 1) + 0.5;
        t.gsngPayoutPoints[k] = 2.5f * static_cast<float>(k + 1);
        t.gstrPayoutPrize[k] = QStringLiteral("Prize %1").arg(k);
    }

    // In load order: by payout, then points.
    t.gtypAwards.append({0, 1, 41, QStringLiteral("Bounty on Ann"), 5.5, 1.5, 42});
    t.gtypAwards.append({0, 0, 0, QStringLiteral("High hand"), 20, 1, 43});
    t.gtypAwards.append({0, 0, 44, QStringLiteral("Last longer"), 20, 2.5, 0});

    t.RedimLevels(12);
    for (long j = 1; j <= 12; ++j) {
        t.gdblLevelSmallBlind[j] = 10.5 * j;
        t.gdblLevelBigBlind[j] = 21.0 * j;
        t.gdblLevelSmallRaise[j] = 30.0 * j;
        t.gdblLevelBigRaise[j] = 60.0 * j;
        t.gdblLevelAnte[j] = 1.5 * j;
        t.gdblLevelBreakAfter[j] = j % 3 == 0 ? 10 + j : 0;
        t.gintLevelSessionTime[j] = static_cast<Integer>(15 + j);
        t.gstrLevelReminder[j] = j % 2 ? QStringLiteral("Reminder %1").arg(j) : QString();
        t.gblnLevelWaitOnReminder[j] = j % 4 == 1;
    }
    return t;
}

// Every stored member of the two tournaments, one by one (the computed
// payouts and the run state are not stored).
#define SAME(member) EXPECT_EQ(a.member, b.member) << #member

void expectSameTournament(const OpenTournament& a, const OpenTournament& b)
{
    SAME(glngCurrentTournamentID);
    SAME(gstrTournamentName);
    SAME(gvarTournamentDate);
    SAME(gdblBuyin);
    SAME(glngMinutesPerSession);
    SAME(gintPlayersPerTable);
    SAME(gintAutoDoubleBlind);
    SAME(gintBlindsLevel);
    SAME(gintNumberPaid);
    SAME(gintPayAsPercentages);
    SAME(gintRoundTo);
    SAME(gintEstNumberofPlayers);
    SAME(gintEstNumberofRebuys);
    SAME(gintEstNumberofAddons);
    SAME(gintEstDurationOfTournament);
    SAME(gintEstTimeForBreaks);
    SAME(gintEstNumberofBreaks);
    SAME(glngNotifyWhenTablesCanBeReduced);
    SAME(gintAllowRebuys);
    SAME(gintAllowAddons);
    SAME(gdblBuyinChipValue);
    SAME(gdblRebuyAmount);
    SAME(gdblRebuyChipValue);
    SAME(gintNumberRebuys);
    SAME(gintRebuyUntilLevel);
    SAME(gdblAddonAmount);
    SAME(gdblAddonChipValue);
    SAME(gintNumberAddons);
    SAME(gintAddonLevel1);
    SAME(gintAddonLevel2);
    SAME(gdblHouseTakeAmount);
    SAME(gdblNumberLevels);
    SAME(gstrRules);
    SAME(gstrCustomMessage);
    SAME(gintCustomPictureType);
    SAME(gstrCustomPictureLocation);
    SAME(gintUseAutoPointsAll);
    SAME(gdblAutoPointsAllPlayers);
    SAME(gintUseAutoPointsbyPosition);
    SAME(gdblAutoPointsByPositionFactor);
    SAME(gintAutoBountyType);
    SAME(gdblAutoBountyDollars);
    SAME(gdblAutoBountyPoints);
    SAME(gdblBig);
    SAME(gdblSmall);
    SAME(gdblBigRaise);
    SAME(gdblSmallRaise);
    SAME(gdblAnte);

    for (long s = 0; s < OpenTournament::ChipSlots; ++s) {
        SAME(gstrChipColor[s]);
        SAME(gdblChipAmount[s]);
        SAME(gintStartingChipCount[s]);
        SAME(gstrChipPicture[s]);
    }

    ASSERT_EQ(a.gdblPayout.count(), b.gdblPayout.count());
    for (long k = a.gdblPayout.lower(); k <= a.gdblPayout.upper(); ++k) {
        SAME(gdblPayout[k]);
        SAME(gsngPayoutPoints[k]);
        SAME(gstrPayoutPrize[k]);
    }

    ASSERT_EQ(a.gintAwardCount(), b.gintAwardCount());
    for (long i = 1; i <= a.gintAwardCount(); ++i) {
        SAME(gtypAwards[i].AwardID);
        SAME(gtypAwards[i].IsBounty);
        SAME(gtypAwards[i].BountyPlayerID);
        SAME(gtypAwards[i].Description);
        SAME(gtypAwards[i].Payout);
        SAME(gtypAwards[i].Points);
        SAME(gtypAwards[i].AwardedToPlayerID);
    }

    ASSERT_EQ(a.gdblLevelBigBlind.count(), static_cast<long>(a.gdblNumberLevels));
    ASSERT_EQ(b.gdblLevelBigBlind.count(), static_cast<long>(b.gdblNumberLevels));
    for (long j = 1; j <= static_cast<long>(a.gdblNumberLevels); ++j) {
        SAME(gdblLevelBigBlind[j]);
        SAME(gdblLevelSmallBlind[j]);
        SAME(gdblLevelBigRaise[j]);
        SAME(gdblLevelSmallRaise[j]);
        SAME(gdblLevelAnte[j]);
        SAME(gdblLevelBreakAfter[j]);
        SAME(gintLevelSessionTime[j]);
        SAME(gstrLevelReminder[j]);
        SAME(gblnLevelWaitOnReminder[j]);
    }

    ASSERT_EQ(a.gintPlayerCount(), b.gintPlayerCount());
    for (long i = 1; i <= a.gintPlayerCount(); ++i) {
        SAME(gtypPlayers[i].PlayerName);
        SAME(gtypPlayers[i].Table);
        SAME(gtypPlayers[i].Seat);
        SAME(gtypPlayers[i].Finish);
        SAME(gtypPlayers[i].Payout);
        SAME(gtypPlayers[i].PlayerID);
        SAME(gtypPlayers[i].TotalBuyin);
        SAME(gtypPlayers[i].TotalRebuy);
        SAME(gtypPlayers[i].TotalAddon);
        SAME(gtypPlayers[i].HouseFee);
        SAME(gtypPlayers[i].TotalChipValue);
        SAME(gtypPlayers[i].NumRebuys);
        SAME(gtypPlayers[i].NumAddons);
        SAME(gtypPlayers[i].Points);
        SAME(gtypPlayers[i].Kills);
        SAME(gtypPlayers[i].EliminatedByPlayerID);
        SAME(gtypPlayers[i].ChipCount);
    }
}

#undef SAME

class TournamentStoreTest : public LeagueDatabaseTest {
protected:
    // An entrant with every stored field set.
    PlayerRecord entrant(const QString& name, Integer finish, int n)
    {
        PlayerRecord p;
        p.PlayerName = name;
        p.PlayerID = addPlayer(name);
        p.Table = static_cast<Integer>(n + 1);
        p.Seat = static_cast<Integer>(n + 2);
        p.Finish = finish;
        p.Payout = 100.5 + n;
        p.TotalBuyin = 40.25 + n;
        p.TotalRebuy = 20.5 + n;
        p.TotalAddon = 10.75 + n;
        p.HouseFee = 5.5 + n;
        p.TotalChipValue = 4500.5 + n;
        p.NumRebuys = 2 + n;
        p.NumAddons = 1 + n;
        p.Points = 7.5 + n;
        p.Kills = static_cast<Integer>(3 + n);
        p.EliminatedByPlayerID = 99 + n;
        p.ChipCount = 1234.5f + static_cast<float>(n);
        return p;
    }

    void addEntrants(OpenTournament& t, const std::vector<PlayerRecord>& entrants)
    {
        for (const PlayerRecord& p : entrants) {
            t.gtypPlayers.append(p);
            SaveTournamentPlayer(db, t, t.gintPlayerCount());
        }
    }

    QVariant single(const QString& sql, const QVariantList& values = {})
    {
        Recordset rs = db.query(sql, values);
        return rs.value(rs.columnNames().first());
    }

    int count(const QString& table, Long tournamentID)
    {
        return single(QStringLiteral("SELECT count(*) FROM %1 WHERE TournamentID = ?").arg(table), {tournamentID})
            .toInt();
    }

    QStringList names(const OpenTournament& t)
    {
        QStringList list;
        for (const PlayerRecord& p : t.gtypPlayers)
            list << p.PlayerName;
        return list;
    }

    // Saves the sample as a new tournament with two entrants.
    OpenTournament savedSample()
    {
        OpenTournament t = sampleTournament();
        SaveTournament(db, t, true);
        addEntrants(t, {entrant(QStringLiteral("Ann"), 0, 0), entrant(QStringLiteral("Bob"), 2, 1)});
        return t;
    }
};

TEST_F(TournamentStoreTest, EverySettingChipPayoutAwardAndLevelComesBackAsSaved)
{
    OpenTournament saved = savedSample();
    ASSERT_GT(saved.glngCurrentTournamentID, 0);

    OpenTournament loaded;
    LoadTournament(db, loaded, saved.glngCurrentTournamentID, false);

    expectSameTournament(saved, loaded);
    EXPECT_EQ(loaded.gvarTournamentDate.typeId(), QMetaType::QDateTime);
    EXPECT_EQ(loaded.gdblCalculatedPayout.upper(), 3);
    double computed = 0;
    for (double money : loaded.gdblCalculatedPayout)
        computed += money;
    EXPECT_DOUBLE_EQ(computed, (40.25 + 20.5 + 10.75) + (41.25 + 21.5 + 11.75) - (5.5 + 20 + 20));
}

TEST_F(TournamentStoreTest, EntrantsKeepEveryFieldAndComeByFinishThenNameInAnyAlphabet)
{
    OpenTournament t = sampleTournament();
    SaveTournament(db, t, true);
    t.gtypPlayers.clear();
    addEntrants(t,
                {entrant(QStringLiteral("adam"), 5, 0), entrant(QStringLiteral("Émile"), 0, 1),
                 entrant(QStringLiteral("bob"), 0, 2), entrant(QStringLiteral("Zed"), 2, 3),
                 entrant(QStringLiteral("élise"), 0, 4), entrant(QStringLiteral("Alice"), 0, 5)});
    t.gtypPlayers[2].Moved = true;

    OpenTournament loaded;
    LoadTournament(db, loaded, t.glngCurrentTournamentID, false);

    // Still playing first; élise before Émile although É sorts before é by code.
    EXPECT_EQ(names(loaded), QStringList({"Alice", "bob", "élise", "Émile", "Zed", "adam"}));
    OpenTournament expected = t;
    expected.gtypPlayers.clear();
    for (long i : {6, 3, 5, 2, 4, 1})
        expected.gtypPlayers.append(t.gtypPlayers[i]);
    expectSameTournament(expected, loaded);
    EXPECT_FALSE(loaded.gtypPlayers[4].Moved);
}

TEST_F(TournamentStoreTest, LevelCountOfZeroOrAboveTheStoredRowsGivesTheBuiltInTenLevels)
{
    OpenTournament saved = savedSample(); // twelve level rows
    const Long id = saved.glngCurrentTournamentID;

    for (int levels : {0, 13}) {
        SCOPED_TRACE(levels);
        db.execute(QStringLiteral("UPDATE tblTournament SET NumberLevels = ?"), {levels});
        OpenTournament loaded;
        LoadTournament(db, loaded, id, false);
        EXPECT_EQ(loaded.gdblNumberLevels, 10);
        EXPECT_EQ(loaded.gdblLevelSmallBlind[1], 10);
        EXPECT_EQ(loaded.gintLevelSessionTime[10], 300);
        EXPECT_EQ(count(QStringLiteral("tblLevel"), id), 12);
    }

    // Fewer levels than rows: the first rows in level order.
    db.execute(QStringLiteral("UPDATE tblTournament SET NumberLevels = 5"));
    OpenTournament loaded;
    LoadTournament(db, loaded, id, false);
    ASSERT_EQ(loaded.gdblNumberLevels, 5);
    EXPECT_EQ(loaded.gdblLevelBigBlind[5], saved.gdblLevelBigBlind[5]);
    EXPECT_EQ(loaded.gstrLevelReminder[5], saved.gstrLevelReminder[5]);
}

TEST_F(TournamentStoreTest, FewerPaidPlacesThanStoredRowsReadsTheFirstRowsAndLeavesTheRest)
{
    OpenTournament t = sampleTournament();
    t.gintNumberPaid = 6;
    t.RedimPayouts();
    for (long k = 0; k <= 6; ++k)
        t.gdblPayout[k] = static_cast<double>(k);
    SaveTournament(db, t, true);

    t.gintNumberPaid = 3;
    t.RedimPayouts();
    for (long k = 0; k <= 3; ++k)
        t.gdblPayout[k] = 50.0 + k;
    SaveTournament(db, t, false);

    EXPECT_EQ(count(QStringLiteral("tblPayout"), t.glngCurrentTournamentID), 7);
    OpenTournament loaded;
    LoadTournament(db, loaded, t.glngCurrentTournamentID, false);
    ASSERT_EQ(loaded.gdblPayout.upper(), 3);
    EXPECT_EQ(loaded.gdblPayout[3], 53);
    EXPECT_EQ(single(QStringLiteral("SELECT Payout FROM tblPayout WHERE Position = 6")).toDouble(), 6);
}

TEST_F(TournamentStoreTest, NullsAndOddValuesLoadByTheColumnsRules)
{
    OpenTournament saved = savedSample();
    const Long id = saved.glngCurrentTournamentID;
    db.execute(QStringLiteral("UPDATE tblTournament SET ChipColor3 = NULL, Rules = NULL, BigRaise = NULL, "
                              "Ante = NULL, \"Date\" = NULL, AllowRebuys = NULL"));
    db.execute(QStringLiteral("UPDATE tblLevel SET WaitOnReminder = 2, BigRaise = NULL WHERE LevelNumber = 1"));

    OpenTournament t;
    LoadTournament(db, t, id, false);
    EXPECT_EQ(t.gstrChipColor[2], QStringLiteral("Not Used"));
    EXPECT_EQ(t.gstrRules, QString());
    EXPECT_EQ(t.gdblBigRaise, 0);
    EXPECT_EQ(t.gdblAnte, 0);
    EXPECT_TRUE(t.gvarTournamentDate.isNull());
    EXPECT_EQ(t.gintAllowRebuys, 0);
    EXPECT_FALSE(t.gblnLevelWaitOnReminder[1]);
    EXPECT_EQ(t.gdblLevelBigRaise[1], 0);

    db.execute(QStringLiteral("UPDATE tblTournament SET BigRaise = 12.5"));
    LoadTournament(db, t, id, false);
    EXPECT_EQ(t.gdblBigRaise, 12); // a whole number, a half to the even neighbour

    SaveTournament(db, t, false);
    EXPECT_EQ(single(QStringLiteral("SELECT BigRaise FROM tblTournament")).toDouble(), 12);
    EXPECT_EQ(single(QStringLiteral("SELECT WaitOnReminder FROM tblLevel WHERE LevelNumber = 1")).toInt(), 0);
    EXPECT_TRUE(single(QStringLiteral("SELECT \"Date\" FROM tblTournament")).isNull());
    EXPECT_EQ(single(QStringLiteral("SELECT ChipColor3 FROM tblTournament")).toString(), QStringLiteral("Not Used"));
}

TEST_F(TournamentStoreTest, ANewTournamentsKeyIsOnEveryRowAndSavingAgainRewritesInPlace)
{
    db.execute(QStringLiteral("INSERT INTO tblTournament (LeagueID, TournamentName) VALUES (1, 'Older')"));
    OpenTournament t = sampleTournament();
    SaveTournament(db, t, true);
    const Long id = t.glngCurrentTournamentID;
    ASSERT_EQ(id, 2);
    EXPECT_EQ(single(QStringLiteral("SELECT LeagueID FROM tblTournament WHERE TournamentID = ?"), {id}).toInt(), 7);
    EXPECT_EQ(count(QStringLiteral("tblPayout"), id), 4);
    EXPECT_EQ(count(QStringLiteral("tblAward"), id), 3);
    EXPECT_EQ(count(QStringLiteral("tblLevel"), id), 12);
    EXPECT_EQ(single(QStringLiteral("SELECT count(*) FROM tblPayout")).toInt(), 4);

    auto awardKeys = [this] {
        std::vector<Long> keys;
        for (Recordset rs = db.query(QStringLiteral("SELECT AwardID FROM tblAward ORDER BY AwardID")); !rs.eof();
             rs.moveNext())
            keys.push_back(rs.value(QStringLiteral("AwardID")).toInt());
        return keys;
    };
    auto heldKeys = [&t] {
        std::vector<Long> keys;
        for (const AwardRecord& a : t.gtypAwards)
            keys.push_back(a.AwardID);
        return keys;
    };
    EXPECT_EQ(heldKeys(), awardKeys());

    t.gstrTournamentName = QStringLiteral("Renamed");
    t.gdblLevelAnte[12] = 99;
    SaveTournament(db, t, false);
    EXPECT_EQ(t.glngCurrentTournamentID, id);
    EXPECT_EQ(single(QStringLiteral("SELECT count(*) FROM tblTournament")).toInt(), 2);
    EXPECT_EQ(
        single(QStringLiteral("SELECT TournamentName FROM tblTournament WHERE TournamentID = ?"), {id}).toString(),
        QStringLiteral("Renamed"));
    EXPECT_EQ(count(QStringLiteral("tblPayout"), id), 4);
    EXPECT_EQ(count(QStringLiteral("tblLevel"), id), 12);
    EXPECT_EQ(single(QStringLiteral("SELECT Ante FROM tblLevel WHERE LevelNumber = 12")).toDouble(), 99);
    // The awards are written anew, each with its new row's key.
    EXPECT_EQ(awardKeys(), (std::vector<Long> {4, 5, 6}));
    EXPECT_EQ(heldKeys(), awardKeys());
}

TEST_F(TournamentStoreTest, ReloadingTheEntrantsKeepsUnsavedSettings)
{
    OpenTournament t = savedSample();
    LoadTournament(db, t, t.glngCurrentTournamentID, false);
    const Long id = t.glngCurrentTournamentID;
    t.gstrTournamentName = QStringLiteral("Not saved yet");
    t.gdblLevelBigBlind[2] = 777;
    t.gtypAwards[1].Description = QStringLiteral("Changed");

    // Ann (still playing, first) is eliminated in fifth place.
    ASSERT_EQ(names(t), QStringList({"Ann", "Bob"}));
    t.gtypPlayers[1].Finish = 5;
    SaveTournamentPlayer(db, t, 1);
    t.gtypPlayers[1].PlayerName = QStringLiteral("only in memory");
    const OpenTournament before = t;

    LoadTournament(db, t, id, true);

    EXPECT_EQ(names(t), QStringList({"Bob", "Ann"}));
    EXPECT_EQ(t.gtypPlayers[2].Finish, 5);
    t.gtypPlayers = before.gtypPlayers; // everything else as it was
    expectSameTournament(before, t);
}

TEST_F(TournamentStoreTest, AFailureInTheMiddleOfASaveLeavesTheStoredTournamentAndTheKeys)
{
    OpenTournament t = savedSample();
    const Long id = t.glngCurrentTournamentID;
    db.execute(QStringLiteral("CREATE TRIGGER failing BEFORE INSERT ON tblAward WHEN NEW.Description = 'Fails' "
                              "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END"));
    OpenTournament stored;
    LoadTournament(db, stored, id, false);

    t.gstrTournamentName = QStringLiteral("Renamed");
    t.gdblPayout[1] = 1;
    t.gtypAwards.append({0, 0, 0, QStringLiteral("Fails"), 30, 0, 0});
    const OpenTournament before = t;
    try {
        SaveTournament(db, t, false);
        FAIL() << "the save went through";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("the disk is full"))) << e.what();
    }

    OpenTournament reloaded;
    LoadTournament(db, reloaded, id, false);
    expectSameTournament(stored, reloaded); // the old awards still there under their keys
    expectSameTournament(before, t);

    // A new tournament whose save fails leaves no row and no key behind.
    const int tournaments = single(QStringLiteral("SELECT count(*) FROM tblTournament")).toInt();
    OpenTournament fresh = before;
    fresh.glngCurrentTournamentID = 0;
    for (AwardRecord& a : fresh.gtypAwards)
        a.AwardID = 0;
    EXPECT_THROW(SaveTournament(db, fresh, true), DatabaseError);
    EXPECT_EQ(fresh.glngCurrentTournamentID, 0);
    for (const AwardRecord& a : fresh.gtypAwards)
        EXPECT_EQ(a.AwardID, 0);
    EXPECT_EQ(single(QStringLiteral("SELECT count(*) FROM tblTournament")).toInt(), tournaments);
    for (const char* table : {"tblPayout", "tblAward", "tblLevel"})
        EXPECT_EQ(
            single(QStringLiteral("SELECT count(*) FROM %1 WHERE TournamentID <> ?").arg(QLatin1String(table)), {id})
                .toInt(),
            0)
            << table;
}

TEST_F(TournamentStoreTest, AFailedLoadLeavesTheOpenTournamentAsItWas)
{
    OpenTournament t = savedSample();
    const Long id = t.glngCurrentTournamentID;
    LoadTournament(db, t, id, false);
    t.gblnOnBreak = true;
    const OpenTournament before = t;

    auto expectFailure = [&](bool playersOnly, const QString& words) {
        try {
            LoadTournament(db, t, id + 1, playersOnly);
            ADD_FAILURE() << "the load went through";
        } catch (const DatabaseError& e) {
            EXPECT_TRUE(e.text().contains(words)) << e.what();
        }
        expectSameTournament(before, t);
        EXPECT_TRUE(t.gblnOnBreak);
    };

    // A tournament that is not there, opened whole or its entrants only.
    expectFailure(false, QStringLiteral("not in the database"));
    expectFailure(true, QStringLiteral("not in the database"));

    // Rows that cannot be read: a name that is missing, too few payout rows.
    OpenTournament broken = sampleTournament();
    SaveTournament(db, broken, true);
    ASSERT_EQ(broken.glngCurrentTournamentID, id + 1);
    db.execute(QStringLiteral("UPDATE tblTournament SET TournamentName = NULL WHERE TournamentID = ?"), {id + 1});
    expectFailure(false, QStringLiteral("TournamentName"));
    db.execute(QStringLiteral("UPDATE tblTournament SET TournamentName = 'x', Numberpaid = 9 WHERE TournamentID = ?"),
               {id + 1});
    expectFailure(false, QStringLiteral("payout"));
    db.execute(QStringLiteral("UPDATE tblTournament SET Numberpaid = 3, BlindsLevel = 70000 WHERE TournamentID = ?"),
               {id + 1});
    expectFailure(false, QStringLiteral("70000 is out of range"));
}

TEST_F(TournamentStoreTest, SavingATournamentThatIsGoneWritesNothing)
{
    OpenTournament t = sampleTournament();
    t.glngCurrentTournamentID = 5;
    EXPECT_THROW(SaveTournament(db, t, false), DatabaseError);
    for (const char* table : {"tblTournament", "tblPayout", "tblAward", "tblLevel"})
        EXPECT_EQ(single(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table))).toInt(), 0) << table;
}

TEST_F(TournamentStoreTest, AnEntrantsRowIsAddedOnceAndThenEdited)
{
    OpenTournament t = savedSample();
    const Long id = t.glngCurrentTournamentID;
    EXPECT_EQ(count(QStringLiteral("tblTournamentXPlayer"), id), 2);
    t.gtypPlayers[2].Seat = 9;
    SaveTournamentPlayer(db, t, 2);
    EXPECT_EQ(count(QStringLiteral("tblTournamentXPlayer"), id), 2);
    EXPECT_EQ(
        single(QStringLiteral("SELECT Seat FROM tblTournamentXPlayer WHERE PlayerID = ?"), {t.gtypPlayers[2].PlayerID})
            .toInt(),
        9);
    EXPECT_THROW(SaveTournamentPlayer(db, t, 3), DatabaseError);
}

TEST_F(TournamentStoreTest, ABatchOfEntrantsIsStoredWholeOrNotAtAll)
{
    OpenTournament t = savedSample();
    const Long id = t.glngCurrentTournamentID;
    t.gtypPlayers.append(entrant(QStringLiteral("Cid"), 0, 2));
    for (PlayerRecord& p : t.gtypPlayers)
        p.Seat = 7;
    auto seatedAt = [&](int seat) {
        return single(QStringLiteral("SELECT count(*) FROM tblTournamentXPlayer WHERE Seat = ?"), {seat}).toInt();
    };

    // Ann's and Bob's rows are edited, then Cid's new row fails.
    db.execute(QStringLiteral("CREATE TRIGGER failing BEFORE INSERT ON tblTournamentXPlayer "
                              "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END"));
    EXPECT_THROW(SaveTournamentPlayers(db, t, {1, 2, 3}), DatabaseError);
    EXPECT_EQ(count(QStringLiteral("tblTournamentXPlayer"), id), 2);
    EXPECT_EQ(seatedAt(7), 0);

    db.execute(QStringLiteral("DROP TRIGGER failing"));
    SaveTournamentPlayers(db, t, {1, 2, 3});
    EXPECT_EQ(count(QStringLiteral("tblTournamentXPlayer"), id), 3);
    EXPECT_EQ(seatedAt(7), 3);

    // An entrant that is not there stores nobody.
    t.gtypPlayers[1].Seat = 8;
    EXPECT_THROW(SaveTournamentPlayers(db, t, {1, 4}), DatabaseError);
    EXPECT_EQ(seatedAt(8), 0);
}

TEST_F(TournamentStoreTest, ANewAwardKeepsItsKeySoTheNextSaveEditsItsRow)
{
    OpenTournament t = savedSample();
    const Long id = t.glngCurrentTournamentID;
    t.gtypAwards.append({0, 1, 5, QStringLiteral("Bounty on Bob"), 10, 1, 0});
    SaveAward(db, t, 4);
    const Long key = t.gtypAwards[4].AwardID;
    EXPECT_GT(key, 0);
    EXPECT_EQ(count(QStringLiteral("tblAward"), id), 4);

    t.gtypAwards[4].AwardedToPlayerID = 8;
    SaveAward(db, t, 4);
    EXPECT_EQ(t.gtypAwards[4].AwardID, key);
    EXPECT_EQ(count(QStringLiteral("tblAward"), id), 4);
    EXPECT_EQ(single(QStringLiteral("SELECT AwardedToPlayerID FROM tblAward WHERE AwardID = ?"), {key}).toInt(), 8);
}

TEST_F(TournamentStoreTest, TheProgramsRoutinesWorkOnItsDatabaseAndOpenTournament)
{
    const Long id = savedSample().glngCurrentTournamentID;
    setProgramDatabase(&db);
    OpenTournament& open = openTournament();
    open = OpenTournament();

    LoadTournament(id, false);
    EXPECT_EQ(open.glngCurrentTournamentID, id);
    EXPECT_EQ(open.gdblCalculatedPayout.upper(), 3);
    EXPECT_EQ(open.gintBlindsLevel, 3);
    open.gtypPlayers[1].Kills = 6;
    SaveTournamentPlayer(1);
    open.gtypAwards[1].Description = QStringLiteral("Edited");
    SaveAward(1);
    open.gstrTournamentName = QStringLiteral("Through the program");
    SaveTournament(false);

    OpenTournament loaded;
    LoadTournament(db, loaded, id, false);
    expectSameTournament(open, loaded);
    open = OpenTournament();
}

} // namespace

// A stored date comes back as it was stored whatever the zone the program
// runs in, also on a day whose midnight that zone skips.
struct ZoneAndDate {
    const char* zone;
    const char* stored;
};

void PrintTo(const ZoneAndDate& p, std::ostream* os) { *os << p.zone << ' ' << p.stored; }

class TournamentDateTest : public TournamentStoreTest, public ::testing::WithParamInterface<ZoneAndDate> {
protected:
    void SetUp() override
    {
        TournamentStoreTest::SetUp();
        zone = qgetenv("TZ");
        hadZone = qEnvironmentVariableIsSet("TZ");
        qputenv("TZ", GetParam().zone);
        tzset();
    }

    void TearDown() override
    {
        if (hadZone)
            qputenv("TZ", zone);
        else
            qunsetenv("TZ");
        tzset();
        TournamentStoreTest::TearDown();
    }

    QByteArray zone;
    bool hadZone = false;
};

TEST_P(TournamentDateTest, ADateComesBackAsStoredAndAnInvalidOneIsNeverWritten)
{
    const QString stored = QString::fromLatin1(GetParam().stored);
    OpenTournament t = savedSample();
    db.execute(QStringLiteral("UPDATE tblTournament SET \"Date\" = ?"), {stored});

    OpenTournament loaded;
    LoadTournament(db, loaded, t.glngCurrentTournamentID, false);
    const QDateTime date = loaded.gvarTournamentDate.toDateTime();
    EXPECT_EQ(date.date(), QDate::fromString(stored.left(10), Qt::ISODate));
    EXPECT_EQ(date.time(), QTime::fromString(stored.mid(11), Qt::ISODate));
    SaveTournament(db, loaded, false);
    EXPECT_EQ(single(QStringLiteral("SELECT \"Date\" FROM tblTournament")).toString(), stored);

    // An invalid date is an error that names its column; nothing is written.
    loaded.gvarTournamentDate = QDateTime();
    loaded.gstrTournamentName = QStringLiteral("Renamed");
    try {
        SaveTournament(db, loaded, false);
        ADD_FAILURE() << "an invalid date was saved";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("Date"))) << e.text().toStdString();
    }
    EXPECT_EQ(single(QStringLiteral("SELECT \"Date\" FROM tblTournament")).toString(), stored);
    EXPECT_EQ(single(QStringLiteral("SELECT TournamentName FROM tblTournament")).toString(), t.gstrTournamentName);
}

INSTANTIATE_TEST_SUITE_P(Zones, TournamentDateTest,
                         ::testing::Values(ZoneAndDate {"America/Santiago", "2023-09-03 00:00:00"},
                                           ZoneAndDate {"America/Sao_Paulo", "2018-11-04 00:00:00"},
                                           ZoneAndDate {"UTC", "2024-05-17 19:30:05"}),
                         [](const auto& info) {
                             return QString::fromLatin1(info.param.zone).section(u'/', -1).toStdString();
                         });
