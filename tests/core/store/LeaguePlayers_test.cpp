#include "LeagueTestData.h"
#include "core/store/LeaguePlayers.h"
#include "core/store/ListItems.h"

namespace {

using LeaguePlayersTest = LeagueDatabaseTest;

TEST_F(LeaguePlayersTest, NewPlayersDetailsAndMembershipsKeepToTheirLeague)
{
    const Long monday = addLeague(QStringLiteral("Monday"));
    const Long friday = addLeague(QStringLiteral("Friday"));
    PlayerDetails zoe {QStringLiteral("Zoë O'Hara"), {}};
    for (std::size_t i = 0; i < zoe.Details.size(); ++i)
        zoe.Details[i] = QStringLiteral("%1 of Zoë").arg(QLatin1String(PlayerDetailColumns[i]));
    const Long id = AddNewPlayer(db, monday, zoe);
    const Long bob = addPlayer(QStringLiteral("bob"), {monday});
    const Long amy = addPlayer(QStringLiteral("Ämy"), {monday});
    AddLeagueMember(db, friday, id);

    EXPECT_EQ(ReadPlayerDetails(db, id).Details, zoe.Details);
    EXPECT_EQ(LeagueMemberItems(db, monday),
              (QList<ListItem> {{QStringLiteral("Ämy"), amy}, {QStringLiteral("bob"), bob}, {zoe.PlayerName, id}}));

    zoe.PlayerName = QStringLiteral("Zoe");
    zoe.Details[EmailDetail] = QStringLiteral("zoe@example.org");
    UpdatePlayerDetails(db, id, zoe);
    EXPECT_EQ(ReadPlayerDetails(db, id).PlayerName, QStringLiteral("Zoe"));
    EXPECT_EQ(ReadPlayerDetails(db, id).Details, zoe.Details);

    RemovePlayerFromLeague(db, monday, id);
    EXPECT_EQ(LeagueMemberItems(db, monday).size(), 2);
    EXPECT_EQ(LeagueMemberItems(db, friday), (QList<ListItem> {{QStringLiteral("Zoe"), id}}));
    EXPECT_THROW(ReadPlayerDetails(db, 999), DatabaseError);

    // A failed membership insert takes the new player back with it.
    db.execute(QStringLiteral("CREATE TEMP TRIGGER fail BEFORE INSERT ON tblLeagueXPlayer BEGIN "
                              "SELECT RAISE(ABORT, 'disk full'); END"));
    EXPECT_THROW(AddNewPlayer(db, monday, {QStringLiteral("Never"), {}}), DatabaseError);
    EXPECT_EQ(db.query(QStringLiteral("SELECT * FROM tblPlayer")).recordCount(), 3);
}

TEST(FindNamePrefix, FindsTheFirstNameBeginningWithTheTextInAnyCase)
{
    const QStringList names {QStringLiteral("Al"), QStringLiteral("Ölaf"), QStringLiteral("bob"),
                             QStringLiteral("Bobby")};
    const std::pair<const char*, int> cases[] = {
        {"BOB", 2}, {"bobb", 3}, {"öLA", 1}, {"Ala", -1}, {"", -1}, {"Bobby Longer", -1}, {"x", -1},
    };
    for (const auto& [text, row] : cases)
        EXPECT_EQ(FindNamePrefix(names, QString::fromUtf8(text)), row) << text;
}

} // namespace
