#include "LeagueTestData.h"
#include "core/store/CurrentLeague.h"
#include "core/store/OpenTournament.h"

#include <QSet>
#include <utility>

namespace {

class CurrentLeagueTest : public LeagueDatabaseTest {
protected:
    QSet<Long> members(Long league)
    {
        QSet<Long> ids;
        for (Recordset rs
             = db.query(QStringLiteral("SELECT PlayerID FROM tblLeagueXPlayer WHERE LeagueID = ?"), {league});
             !rs.eof(); rs.moveNext())
            ids.insert(rs.value(QStringLiteral("PlayerID")).toInt());
        return ids;
    }

    int count(const QString& table)
    {
        return db.query(QStringLiteral("SELECT count(*) AS n FROM ") + table).value(QStringLiteral("n")).toInt();
    }

    std::pair<Long, QString> current() const { return {model.glngCurrentLeagueID, model.gstrCurrentLeagueName}; }

    OpenTournament model;
};

} // namespace

TEST_F(CurrentLeagueTest, LoadLeagueSetsIdAndNameTogetherOrFailsForAMissingRow)
{
    addLeague(QStringLiteral("Friday"));
    const Long joes = addLeague(QStringLiteral("Joe's"));
    LoadLeague(db, model, joes);
    EXPECT_EQ(current(), std::make_pair(joes, QStringLiteral("Joe's")));

    EXPECT_THROW(LoadLeague(db, model, joes + 1), DatabaseError);
    EXPECT_EQ(current(), std::make_pair(joes, QStringLiteral("Joe's")));
}

TEST_F(CurrentLeagueTest, NewLeagueWithoutCopyStartsEmpty)
{
    const Long friday = addLeague(QStringLiteral("Friday"));
    addPlayer(QStringLiteral("Anna"), {friday});

    CreateLeague(db, model, QStringLiteral(" Saturday's "), QString());
    EXPECT_GT(model.glngCurrentLeagueID, friday);
    EXPECT_EQ(model.gstrCurrentLeagueName, QStringLiteral(" Saturday's "));
    EXPECT_EQ(
        db.query(QStringLiteral("SELECT LeagueName FROM tblLeague WHERE LeagueID = ?"), {model.glngCurrentLeagueID})
            .value(QStringLiteral("LeagueName")),
        QVariant(QStringLiteral(" Saturday's ")));
    EXPECT_TRUE(members(model.glngCurrentLeagueID).isEmpty());
    EXPECT_EQ(count(QStringLiteral("tblLeagueXPlayer")), 1);
}

TEST_F(CurrentLeagueTest, CopyingMembersSharesThePlayersAndLeavesTheSourceAlone)
{
    const Long joes = addLeague(QStringLiteral("Joe's Ärger"));
    const Long other = addLeague(QStringLiteral("Other"));
    const Long anna = addPlayer(QStringLiteral("Anna"), {joes});
    const Long bob = addPlayer(QStringLiteral("Bob"), {joes, other});
    addPlayer(QStringLiteral("Carl"), {other});

    CreateLeague(db, model, QStringLiteral("Copy"), QStringLiteral("JOE'S ärger"));
    const Long copy = model.glngCurrentLeagueID;
    EXPECT_EQ(members(copy), QSet<Long>({anna, bob}));
    EXPECT_EQ(members(joes), QSet<Long>({anna, bob}));
    EXPECT_EQ(members(other).size(), 2);
    EXPECT_EQ(count(QStringLiteral("tblPlayer")), 3);
    EXPECT_EQ(count(QStringLiteral("tblLeague")), 3);
}

TEST_F(CurrentLeagueTest, UnknownSourceCopiesNobody)
{
    addMember(0, 7); // a stray membership row without a league
    CreateLeague(db, model, QStringLiteral("New"), QStringLiteral("Nowhere"));
    EXPECT_TRUE(members(model.glngCurrentLeagueID).isEmpty());
    EXPECT_EQ(model.gstrCurrentLeagueName, QStringLiteral("New"));
}

TEST_F(CurrentLeagueTest, FailedCopyStoresNothingAndKeepsTheCurrentLeague)
{
    const Long friday = addLeague(QStringLiteral("Friday"));
    LoadLeague(db, model, friday);
    db.execute(QStringLiteral("ALTER TABLE tblLeagueXPlayer RENAME COLUMN PlayerID TO Gone"));

    EXPECT_THROW(CreateLeague(db, model, QStringLiteral("Saturday"), QStringLiteral("Friday")), DatabaseError);
    EXPECT_EQ(count(QStringLiteral("tblLeague")), 1);
    EXPECT_EQ(current(), std::make_pair(friday, QStringLiteral("Friday")));
}
