#include "LeagueTestData.h"
#include "core/store/ExportFormats.h"
#include "core/store/ListItems.h"
#include "core/store/NameCompare.h"
#include "core/store/OpenTournament.h"
#include "core/store/TournamentStore.h"

namespace {

using NameOrderTest = LeagueDatabaseTest;

const QStringList kReadersOrder
    = {QStringLiteral("Åsa League"), QStringLiteral("bob league"), QStringLiteral("Émile League"),
       QStringLiteral("Frank League"), QStringLiteral("Zoe League")};

QStringList texts(const QList<ListItem>& items)
{
    QStringList list;
    for (const ListItem& item : items)
        list << item.Text;
    return list;
}

} // namespace

// One order for every list by name: case ignored, accents beside their
// letter, digits as characters; equality keeps the case-folded rule.
TEST_F(NameOrderTest, EveryListByNameIsInAReadersOrder)
{
    const Long league = addLeague(QStringLiteral("Zoe League"));
    db.execute(
        QStringLiteral("INSERT INTO tblTournament (LeagueID, TournamentName, NumberLevels) VALUES (?, 'Night', 0)"),
        {league});
    const Long night = static_cast<Long>(db.lastInsertId());
    for (const char* name : {"Zoe League", "Émile League", "Frank League", "Åsa League", "bob league"}) {
        if (qstrcmp(name, "Zoe League") != 0)
            addLeague(QString::fromUtf8(name));
        const Long player = addPlayer(QString::fromUtf8(name));
        db.execute(
            QStringLiteral(
                "INSERT INTO tblTournamentXPlayer (TournamentID, PlayerID, \"Table\", Seat, Finish, Payout, Points) "
                "VALUES (?, ?, 0, 0, 0, 0, 0)"),
            {night, player});
    }

    EXPECT_EQ(texts(LeagueListItems(db)), kReadersOrder);
    EXPECT_EQ(texts(PlayersNotInLeagueItems(db, league)), kReadersOrder);
    QStringList listed;
    for (Recordset rs = PlayerListRecords(db, true, 0, 0); !rs.eof(); rs.moveNext())
        listed << rs.value(QStringLiteral("PlayerName")).toString();
    EXPECT_EQ(listed, kReadersOrder);
    OpenTournament t;
    LoadTournament(db, t, night, true);
    QStringList entrants;
    for (const PlayerRecord& p : t.gtypPlayers)
        entrants << p.PlayerName;
    EXPECT_EQ(entrants, kReadersOrder);

    EXPECT_EQ(CompareNames(QStringLiteral("bob"), QStringLiteral("Bob")), 0);
    EXPECT_TRUE(NameLess(QStringLiteral("a10"), QStringLiteral("a9")));
    EXPECT_TRUE(SameName(QStringLiteral("Ärger"), QStringLiteral("ärger")));
    EXPECT_FALSE(SameName(QStringLiteral("Émile"), QStringLiteral("Emile")));
}
