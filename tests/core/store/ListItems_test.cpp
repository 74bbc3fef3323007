#include "LeagueTestData.h"
#include "core/store/ListItems.h"

void PrintTo(const ListItem& item, std::ostream* os)
{
    *os << '{' << item.Text.toStdString() << ", " << item.ItemData << '}';
}

namespace {

using ListItemsTest = LeagueDatabaseTest;

QList<ListItem> items(std::initializer_list<std::pair<const char*, Long>> rows)
{
    QList<ListItem> result;
    for (const auto& [text, key] : rows)
        result.append({QString::fromUtf8(text), key});
    return result;
}

} // namespace

TEST_F(ListItemsTest, LeaguesRunByNameWithoutRegardToCase)
{
    const Long beta = addLeague(QStringLiteral("beta"));
    const Long charlie = addLeague(QStringLiteral("Charlie"));
    const Long alpha = addLeague(QStringLiteral("Alpha"));
    const Long joes = addLeague(QStringLiteral("Joe's League"));
    EXPECT_EQ(LeagueListItems(db),
              items({{"Alpha", alpha}, {"beta", beta}, {"Charlie", charlie}, {"Joe's League", joes}}));
}

TEST_F(ListItemsTest, TournamentsOldestFirstRunInTheOrderOfCreation)
{
    const Long league = addLeague(QStringLiteral("Friday"));
    const Long other = addLeague(QStringLiteral("Saturday"));
    const Long first = addTournament(league, QStringLiteral("Week 1"), QStringLiteral("2024-03-01 19:00:00"));
    const Long elsewhere = addTournament(other, QStringLiteral("Sat 1"), QStringLiteral("2024-01-01 19:00:00"));
    const Long second = addTournament(league, QStringLiteral("Catch-up"), QStringLiteral("2023-12-24 19:00:00"));

    EXPECT_EQ(TournamentListItems(db, league, false), items({{"Week 1", first}, {"Catch-up", second}}));
    EXPECT_EQ(TournamentListItems(db, 0, false),
              items({{"Week 1", first}, {"Sat 1", elsewhere}, {"Catch-up", second}}));
    EXPECT_TRUE(TournamentListItems(db, other + 1, false).isEmpty());
}

TEST_F(ListItemsTest, TournamentsNewestFirstRunByDateThenLaterCreatedFirst)
{
    const Long league = addLeague(QStringLiteral("Friday"));
    const Long other = addLeague(QStringLiteral("Saturday"));
    const Long undated = addTournament(league, QStringLiteral("No date"));
    const Long march = addTournament(league, QStringLiteral("March"), QStringLiteral("2024-03-01 19:00:00"));
    const Long late = addTournament(league, QStringLiteral("Late"), QStringLiteral("2024-03-01 21:00:00"));
    const Long december = addTournament(other, QStringLiteral("December"), QStringLiteral("2023-12-24 09:00:00"));
    const Long sameDay = addTournament(league, QStringLiteral("Same day"), QStringLiteral("2024-03-01 19:00:00"));
    const Long october = addTournament(league, QStringLiteral("October"), QStringLiteral("2023-10-05 19:00:00"));

    EXPECT_EQ(
        TournamentListItems(db, league, true),
        items({{"Late", late}, {"Same day", sameDay}, {"March", march}, {"October", october}, {"No date", undated}}));
    EXPECT_EQ(TournamentListItems(db, 0, true),
              items({{"Late", late},
                     {"Same day", sameDay},
                     {"March", march},
                     {"December", december},
                     {"October", october},
                     {"No date", undated}}));
}

TEST_F(ListItemsTest, TournamentsToRunShowThoseOfNoLeagueFirstMarked)
{
    const Long league = addLeague(QStringLiteral("Friday"));
    const Long other = addLeague(QStringLiteral("Saturday"));
    const Long own = addTournament(league, QStringLiteral("Week 1"));
    addTournament(other, QStringLiteral("Sat 1"));
    // An older or damaged file: no league, an empty text, a league that is gone.
    db.execute(QStringLiteral("INSERT INTO tblTournament (LeagueID, TournamentName) VALUES (NULL, 'Old night')"));
    const Long oldNight = static_cast<Long>(db.lastInsertId());
    db.execute(QStringLiteral("INSERT INTO tblTournament (LeagueID, TournamentName) VALUES ('', 'Blank')"));
    const Long blank = static_cast<Long>(db.lastInsertId());
    const Long gone = addTournament(other + 5, QStringLiteral("Gone league"));
    const Long latest = addTournament(league, QStringLiteral("Week 2"));

    const QList<ListItem> noLeague
        = items({{"Old night (no league)", oldNight}, {"Blank (no league)", blank}, {"Gone league (no league)", gone}});
    EXPECT_EQ(RunnableTournamentItems(db, league), noLeague + items({{"Week 1", own}, {"Week 2", latest}}));
    EXPECT_EQ(RunnableTournamentItems(db, other).mid(0, 3), noLeague);
}

TEST_F(ListItemsTest, PlayersNotInLeagueAreEveryOtherPlayerByName)
{
    const Long friday = addLeague(QStringLiteral("Friday"));
    const Long saturday = addLeague(QStringLiteral("Saturday"));
    addPlayer(QStringLiteral("Anna"), {friday});
    const Long bob = addPlayer(QStringLiteral("bob"), {saturday});
    const Long dan = addPlayer(QStringLiteral("Dan O'Neil"));
    const Long carl = addPlayer(QStringLiteral("Carl"), {saturday});
    addPlayer(QStringLiteral("Eve"), {friday, saturday});

    EXPECT_EQ(PlayersNotInLeagueItems(db, friday), items({{"bob", bob}, {"Carl", carl}, {"Dan O'Neil", dan}}));

    // A damaged membership row without a player keeps nobody out.
    addMember(friday, QVariant());
    EXPECT_EQ(PlayersNotInLeagueItems(db, friday), items({{"bob", bob}, {"Carl", carl}, {"Dan O'Neil", dan}}));
}
