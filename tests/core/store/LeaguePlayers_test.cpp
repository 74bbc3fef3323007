#include "LeagueTestData.h"
#include "core/store/LeaguePlayers.h"
#include "core/store/ListItems.h"

namespace {

using LeaguePlayersTest = LeagueDatabaseTest;

TEST_F(LeaguePlayersTest, MembersComeInAReadersOrderAndANewPlayerIsStoredWholeOrNotAtAll)
{
    const Long monday = addLeague(QStringLiteral("Monday"));
    const Long zoe = AddNewPlayer(db, monday, {QStringLiteral("Zoë O'Hara"), {}});
    const Long bob = addPlayer(QStringLiteral("bob"), {monday});
    const Long amy = addPlayer(QStringLiteral("Ämy"), {monday});
    EXPECT_EQ(LeagueMemberItems(db, monday),
              (QList<ListItem> {
                  {QStringLiteral("Ämy"), amy}, {QStringLiteral("bob"), bob}, {QStringLiteral("Zoë O'Hara"), zoe}}));

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
