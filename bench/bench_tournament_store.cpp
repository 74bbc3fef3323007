// Times saving and loading a large tournament: 1,000 entrants, 40 levels,
// 50 paid places and 20 awards, in a database in a temporary folder.
// Run by hand; prints its figures.

#include "BenchSupport.h"
#include "core/store/OpenTournament.h"
#include "core/store/TournamentStore.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int kEntrants = 1000;
const int kLevels = 40;
const int kPaid = 50;
const int kAwards = 20;
const int kRounds = 5;

OpenTournament largeTournament()
{
    OpenTournament t;
    t.glngCurrentLeagueID = 1;
    t.gstrTournamentName = QStringLiteral("Benchmark");
    t.gintPlayersPerTable = 10;
    t.gintNumberPaid = kPaid;
    t.RedimPayouts();
    for (long k = 0; k <= kPaid; ++k) {
        t.gdblPayout[k] = 100.0 / (kPaid + 1);
        t.gstrPayoutPrize[k] = QStringLiteral("Prize %1").arg(k);
    }
    t.gintPayAsPercentages = 1;
    t.gintRoundTo = 1;
    for (long s = 0; s < OpenTournament::ChipSlots; ++s)
        t.gstrChipColor[s] = QStringLiteral("Not Used");
    SetBenchLevels(t, kLevels);
    for (long j = 1; j <= kLevels; ++j)
        t.gstrLevelReminder[j] = QStringLiteral("Level %1").arg(j);
    for (int i = 1; i <= kAwards; ++i)
        t.gtypAwards.append({0, 1, i, QStringLiteral("Bounty %1").arg(i), 10.0 * i, 1, 0});
    return t;
}

void addEntrants(Database& db, OpenTournament& t)
{
    Transaction transaction(db);
    Recordset players = db.openTable(QStringLiteral("tblPlayer"), QStringLiteral("WHERE 0"));
    for (int i = 1; i <= kEntrants; ++i) {
        players.addNew();
        players.setValue(QStringLiteral("PlayerName"), QStringLiteral("Player %1").arg(i, 4, 10, QLatin1Char('0')));
        PlayerRecord p;
        p.PlayerName = players.value(QStringLiteral("PlayerName")).toString();
        p.PlayerID = static_cast<Long>(players.update());
        p.Table = static_cast<Integer>((i - 1) / 10 + 1);
        p.Seat = static_cast<Integer>((i - 1) % 10 + 1);
        p.Finish = static_cast<Integer>(i % 3 == 0 ? i : 0);
        p.TotalBuyin = 40;
        t.gtypPlayers.append(p);
    }
    transaction.commit();
}

} // namespace

int main(int argc, char** argv)
{
    return RunDatabaseBench(argc, argv, [](Database& db) {
        OpenTournament t = largeTournament();
        SaveTournament(db, t, true);
        addEntrants(db, t);

        QElapsedTimer timer;
        timer.start();
        for (Integer i = 1; i <= t.gintPlayerCount(); ++i)
            SaveTournamentPlayer(db, t, i);
        const double entrantsMs = ElapsedMs(timer);

        std::vector<double> saves, loads, both;
        for (int round = 0; round < kRounds; ++round) {
            timer.restart();
            SaveTournament(db, t, false);
            const double save = ElapsedMs(timer);
            timer.restart();
            LoadTournament(db, t, t.glngCurrentTournamentID, false);
            const double load = ElapsedMs(timer);
            saves.push_back(save);
            loads.push_back(load);
            both.push_back(save + load);
        }
        timer.restart();
        LoadTournament(db, t, t.glngCurrentTournamentID, true);
        const double entrantsOnlyMs = ElapsedMs(timer);

        std::printf("Tournament of %d entrants, %d levels, %d paid places, %d awards (median of %d rounds):\n",
                    kEntrants, kLevels, kPaid, kAwards, kRounds);
        std::printf("  SaveTournament                    %8.1f ms\n", Median(saves));
        std::printf("  LoadTournament                    %8.1f ms\n", Median(loads));
        std::printf("  SaveTournament + LoadTournament   %8.1f ms (target below 100 ms)\n", Median(both));
        std::printf("  LoadTournament, entrants only     %8.1f ms\n", entrantsOnlyMs);
        std::printf("  SaveTournamentPlayer x %d       %8.1f ms (%.2f ms each)\n", kEntrants, entrantsMs,
                    entrantsMs / kEntrants);
        return 0;
    });
}
