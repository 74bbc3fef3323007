#include "ManageTestData.h"
#include "core/store/LeagueMaintenance.h"

namespace {

class LeagueMaintenanceTest : public ManageDatabaseTest {
protected:
    // Rows of each tournament table that belong to the tournament.
    std::vector<int> childRows(Long tournament)
    {
        std::vector<int> counts;
        for (const char* table : {"tblTournament", "tblTournamentXPlayer", "tblAward", "tblLevel", "tblPayout"})
            counts.push_back(count(QStringLiteral("SELECT * FROM %1 WHERE TournamentID = ?").arg(QLatin1String(table)),
                                   {tournament}));
        return counts;
    }
};

const std::vector<int> Stored {1, 1, 1, 3, 3};
const std::vector<int> Gone {0, 0, 0, 0, 0};
const std::vector<int> Week1Stored {1, 2, 1, 3, 3}; // two entrants

// true: the Monday league is deleted; false: its tournament Week 1.
class CascadeTest : public LeagueMaintenanceTest, public ::testing::WithParamInterface<bool> {
protected:
    void remove()
    {
        if (GetParam())
            DeleteLeague(db, monday);
        else
            DeleteTournament(db, week1);
    }
};

TEST_P(CascadeTest, EmptiesTheChildTablesInOneTransactionAndKeepsThePlayers)
{
    ASSERT_EQ(childRows(week1), Week1Stored);
    FailNext(db, QStringLiteral("tblTournament"));
    EXPECT_THROW(remove(), DatabaseError);
    EXPECT_EQ(childRows(week1), Week1Stored) << "a failure takes everything back";
    db.execute(QStringLiteral("DROP TRIGGER fail_tblTournament"));

    remove();
    EXPECT_EQ(childRows(week1), Gone);
    EXPECT_EQ(childRows(week2), GetParam() ? Gone : Stored);
    EXPECT_EQ(childRows(opener), Stored);
    EXPECT_EQ(count(QStringLiteral("SELECT * FROM tblPlayer")), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT * FROM tblLeagueXPlayer WHERE LeagueID = ?"), {friday}), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT * FROM tblLeagueXPlayer")), GetParam() ? 1 : 3);
    EXPECT_EQ(count(QStringLiteral("SELECT * FROM tblLeague")), GetParam() ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(LeagueOrTournament, CascadeTest, ::testing::Bool());

TEST_F(LeagueMaintenanceTest, RenamesChangeTheNameAlone)
{
    OpenTournament open;
    LoadTournament(db, open, week1, false);
    const QVariantList before = {
        count(QStringLiteral("SELECT * FROM tblLevel")), count(QStringLiteral("SELECT * FROM tblPayout")),
        db.query(QStringLiteral("SELECT group_concat(AwardID) AS Keys FROM tblAward")).value(QStringLiteral("Keys"))};

    RenameTournament(db, open, week1, QStringLiteral("Bob's Night"));
    RenameLeague(db, open, friday, QStringLiteral("Friday's"));
    EXPECT_EQ(open.gstrTournamentName, QStringLiteral("Bob's Night"));
    RenameTournament(db, open, week2, QStringLiteral("Week 2b")); // not the open one
    EXPECT_EQ(open.gstrTournamentName, QStringLiteral("Bob's Night"));

    const QVariantList after = {
        count(QStringLiteral("SELECT * FROM tblLevel")), count(QStringLiteral("SELECT * FROM tblPayout")),
        db.query(QStringLiteral("SELECT group_concat(AwardID) AS Keys FROM tblAward")).value(QStringLiteral("Keys"))};
    EXPECT_EQ(after, before);
    EXPECT_EQ(count(QStringLiteral("SELECT * FROM tblTournament WHERE TournamentName = ?"), {"Bob's Night"}), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT * FROM tblLeague WHERE LeagueName = ?"), {"Friday's"}), 1);
}

TEST_F(LeagueMaintenanceTest, CompactionGivesBackFreePagesAndFailsWithoutHarm)
{
    {
        Transaction fill(db);
        for (int i = 0; i < 300; ++i)
            addPlayer(QStringLiteral("Filler %1 ").arg(i).repeated(20));
        fill.commit();
    }
    db.execute(QStringLiteral("DELETE FROM tblPlayer WHERE PlayerName LIKE 'Filler%'"));
    const auto freePages = [this] {
        return db.query(QStringLiteral("PRAGMA freelist_count")).value(QStringLiteral("freelist_count")).toInt();
    };
    ASSERT_GT(freePages(), 0);
    {
        Transaction busy(db); // the engine cannot rebuild the file inside a transaction
        EXPECT_THROW(CompactDatabase(db), DatabaseError);
    }
    EXPECT_GT(freePages(), 0);
    CompactDatabase(db);
    EXPECT_EQ(freePages(), 0);
    EXPECT_EQ(childRows(week1), Week1Stored);
}

} // namespace
