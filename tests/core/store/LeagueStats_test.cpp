#include "LeagueTestData.h"
#include "core/store/LeagueStats.h"

namespace {

QStringList rowOf(const std::vector<MemberStats>& members, const QString& name)
{
    for (const MemberStats& m : members) {
        if (m.Name == name)
            return StatsRowTexts(m);
    }
    return {};
}

} // namespace

class LeagueStatsTest : public LeagueDatabaseTest {
protected:
    // Finish, buy-in, rebuy, add-on, payout, points, kills.
    void enter(Long tournament, Long player, QVariantList values)
    {
        db.execute(QStringLiteral("INSERT INTO tblTournamentXPlayer (TournamentID, PlayerID, Finish, TotalBuyin, "
                                  "TotalRebuy, TotalAddon, Payout, Points, Kills) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   QVariantList {tournament, player} + values);
    }
};

TEST_F(LeagueStatsTest, TotalsOverTheChosenTournamentsOfTheLeague)
{
    const Long league = addLeague(QStringLiteral("Tuesday"));
    const Long other = addLeague(QStringLiteral("Friday"));
    const Long zed = addPlayer(QStringLiteral("zed"), {league});
    const Long ann = addPlayer(QStringLiteral("Ann"), {league});
    const Long cy = addPlayer(QStringLiteral("Cy"), {league});
    addPlayer(QStringLiteral("Dee"), {league});
    const Long gone = addPlayer(QStringLiteral("Gone"));
    const Long t1 = addTournament(league, QStringLiteral("One"));
    const Long t2 = addTournament(league, QStringLiteral("Two"));
    const Long t3 = addTournament(league, QStringLiteral("Three"));
    const Long foreign = addTournament(other, QStringLiteral("Away"));
    enter(t1, ann, {1, 20, 10, 5, 1500.5, 7.5, 2});
    enter(t2, ann, {11, 20, QStringLiteral("n/a"), QVariant(), 0, 0.1, QStringLiteral("x")});
    enter(t3, ann, {2, 999, 0, 0, 999, 99, 9}); // not chosen
    enter(t1, cy, {0, 20, 0, 0, 0, 0.2, 0});
    enter(t1, zed, {2, 8, 0, 0, 10.75, 0, 1});
    enter(t1, gone, {3, 20, 0, 0, 40, 0, 0}); // has left the league
    enter(foreign, ann, {1, 999, 0, 0, 999, 99, 9});

    const std::vector<MemberStats> stats = LeagueStats(db, league, {t1, t2, foreign});
    QStringList names;
    for (const MemberStats& m : stats)
        names << m.Name;
    EXPECT_EQ(names, (QStringList {"Ann", "Cy", "Dee", "zed"}));

    using L = QStringList;
    // Ann: finish 11 counts as an entry and in the average, in no place.
    EXPECT_EQ(rowOf(stats, "Ann"), (L {"Ann", "2", "55", "750", "1,500", "2628.2", "1445.50", "6.00", "7.6", "2",
                                       "1",   "0", "0",  "0",   "0",     "0",      "0",       "0",    "0",   "0"}));
    // Buy-ins without payout; finish 0 counts in the average.
    EXPECT_EQ(rowOf(stats, "Cy"), (L {"Cy", "1", "20", "0", "0", "-100.0", "-20.00", ".00", "0.2", "0",
                                      "0",  "0", "0",  "0", "0", "0",      "0",      "0",   "0",   "0"}));
    EXPECT_EQ(rowOf(stats, "Dee"), (L {"Dee", "0", "0", "0", "0", "0.0", "0.00", ".00", "0", "0",
                                       "0",   "0", "0", "0", "0", "0",   "0",    "0",   "0", "0"}));
    // Halves round to even: 10.75 - 8 = 2.75 stays, 10.75 rounds to 11.
    EXPECT_EQ(rowOf(stats, "zed").mid(1, 9), (L {"1", "8", "11", "11", "34.4", "2.75", "2.00", "0", "1"}));

    // Nothing chosen: every member with zeros; no members: no rows.
    EXPECT_EQ(rowOf(LeagueStats(db, league, {}), "Ann"), rowOf(stats, "Dee").replaceInStrings("Dee", "Ann"));
    EXPECT_TRUE(LeagueStats(db, addLeague(QStringLiteral("Empty")), {t1}).empty());
}

TEST(LeagueStats, HeadersKeepTheirBlanksAndTheCurrencySymbol)
{
    const QStringList headers = StatsHeaders(QStringLiteral("\u20ac"));
    EXPECT_EQ(headers.mid(0, 10),
              (QStringList {"Player", "# Tourn.", "Total Buyin \u20ac", "Avg. Pay \u20ac", "Total Pay \u20ac",
                            "Prof./ Loss %", "Prof./ Loss \u20ac", "Avg. Finish", "Points", "Kills"}));
    EXPECT_EQ(
        headers.mid(10),
        (QStringList {"# 1st", "# 2nd", "# 3rd", "# 4th", "# 5th", "# 6th", "# 7th", "# 8th", "# 9th", "# 10th"}));
}

TEST(LeagueStats, SortsOnTheNumbersAndLeavesTheTextsAlone)
{
    std::vector<MemberStats> members(4);
    const QStringList names {"bo", "Al", "Cy", "Di"};
    const double pay[] = {0, 7.25, 0, 20};
    for (int k = 0; k < 4; ++k) {
        members[k].Name = names[k];
        members[k].BuyinSum = 20;
        members[k].PaySum = pay[k];
    }
    const auto order = [&members] {
        QStringList o;
        for (const MemberStats& m : members)
            o << m.Name + ':' + StatsRowTexts(m).at(6);
        return o.join(' ');
    };
    SortStats(members, 6, true); // equal numbers keep their order
    EXPECT_EQ(order(), "bo:-20.00 Cy:-20.00 Al:-12.75 Di:0.00");
    SortStats(members, 6, false);
    EXPECT_EQ(order(), "Di:0.00 Al:-12.75 bo:-20.00 Cy:-20.00");
    SortStats(members, 0, true); // by name, letter case aside
    EXPECT_EQ(order(), "Al:-12.75 bo:-20.00 Cy:-20.00 Di:0.00");
    SortStats(members, 0, false);
    EXPECT_EQ(order(), "Di:0.00 Cy:-20.00 bo:-20.00 Al:-12.75");
}

TEST(LeagueStats, AveragesSortOnTheAveragesNotTheSums)
{
    // More entries give Bo the largest sums and the best averages.
    struct Member {
        QString name;
        int tourn;
        double finishSum, paySum;
    };
    const Member data[] = {{"Al", 1, 5, 100}, {"Bo", 4, 8, 200}, {"Cy", 2, 6, 150}};
    std::vector<MemberStats> members;
    for (const Member& d : data) {
        MemberStats m;
        m.Name = d.name;
        m.Tourn = d.tourn;
        m.FinishSum = d.finishSum;
        m.PaySum = d.paySum;
        members.push_back(m);
    }
    struct Case {
        int column;
        const char* ascending;
    };
    for (const Case& c : {Case {3, "Bo:50 Cy:75 Al:100"}, Case {7, "Bo:2.00 Cy:3.00 Al:5.00"}}) {
        SortStats(members, c.column, true);
        QStringList order;
        for (const MemberStats& m : members)
            order << m.Name + ':' + StatsRowTexts(m).at(c.column);
        EXPECT_EQ(order.join(' ').toStdString(), c.ascending) << "column " << c.column;
    }
}
