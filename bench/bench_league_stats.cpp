// Times the league statistics: 1,000 members over 200 tournaments of 100
// entrants each, in a database in a temporary folder, the sums and the row
// texts. Run by hand; prints its figures.

#include "BenchSupport.h"
#include "core/store/LeagueStats.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int kMembers = 1000;
const int kTournaments = 200;
const int kEntrants = 100;
const int kRounds = 5;

// The league's tournaments, every one chosen.
QList<Long> fillLeague(Database& db)
{
    Transaction transaction(db);
    db.execute(QStringLiteral("INSERT INTO tblLeague (LeagueName) VALUES ('Benchmark')"));
    const Long league = static_cast<Long>(db.lastInsertId());
    std::vector<Long> players;
    for (int i = 1; i <= kMembers; ++i) {
        db.execute(QStringLiteral("INSERT INTO tblPlayer (PlayerName) VALUES (?)"),
                   {QStringLiteral("Player %1").arg(i, 4, 10, QLatin1Char('0'))});
        players.push_back(static_cast<Long>(db.lastInsertId()));
        db.execute(QStringLiteral("INSERT INTO tblLeagueXPlayer (LeagueID, PlayerID) VALUES (?, ?)"),
                   {league, players.back()});
    }
    QList<Long> tournaments;
    for (int t = 1; t <= kTournaments; ++t) {
        db.execute(QStringLiteral("INSERT INTO tblTournament (LeagueID, TournamentName) VALUES (?, ?)"),
                   {league, QStringLiteral("Night %1").arg(t)});
        tournaments << static_cast<Long>(db.lastInsertId());
        for (int e = 0; e < kEntrants; ++e) {
            const Long player = players[static_cast<std::size_t>((t * 37 + e * 10) % kMembers)];
            db.execute(QStringLiteral("INSERT INTO tblTournamentXPlayer (TournamentID, PlayerID, Finish, TotalBuyin, "
                                      "TotalRebuy, TotalAddon, Payout, Points, Kills) "
                                      "VALUES (?, ?, ?, 20, 10, 5, ?, ?, ?)"),
                       {tournaments.back(), player, e + 1, e < 10 ? 500.0 / (e + 1) : 0.0, 0.5 * (e % 4), e % 3});
        }
    }
    transaction.commit();
    return tournaments;
}

} // namespace

int main(int argc, char** argv)
{
    return RunDatabaseBench(argc, argv, [](Database& db) {
        const QList<Long> tournaments = fillLeague(db);

        std::vector<double> sums, texts;
        QElapsedTimer timer;
        for (int round = 0; round < kRounds; ++round) {
            timer.restart();
            std::vector<MemberStats> stats = LeagueStats(db, 1, tournaments);
            sums.push_back(ElapsedMs(timer));
            timer.restart();
            qsizetype cells = 0;
            for (const MemberStats& m : stats)
                cells += StatsRowTexts(m).size();
            SortStats(stats, 4, false);
            texts.push_back(ElapsedMs(timer));
            if (cells != qsizetype(kMembers) * StatsColumnCount)
                return 1;
        }
        std::printf("League statistics, %d members over %d tournaments of %d entrants (median of %d rounds):\n",
                    kMembers, kTournaments, kEntrants, kRounds);
        std::printf("  LeagueStats (the sums)          %8.1f ms (target below 200 ms)\n", Median(sums));
        std::printf("  Row texts and one sort          %8.1f ms\n", Median(texts));
        return 0;
    });
}
