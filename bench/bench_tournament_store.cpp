// Times saving and loading a large tournament: 1,000 entrants, 40 levels,
// 50 paid places and 20 awards, in a database in a temporary folder, fresh
// and after five years of a weekly league. The headline is the whole save
// (the tournament's rows and every entrant's row, in one transaction) plus
// the whole load. Run by hand; prints its figures.

#include "BenchSupport.h"
#include "core/store/OpenTournament.h"
#include "core/store/TournamentChange.h"
#include "core/store/TournamentStore.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

namespace {

const int kEntrants = 1000;
const int kLevels = 40;
const int kPaid = 50;
const int kAwards = 20;
const int kRounds = 7;
const double kTargetMs = 20.0;

OpenTournament largeTournament(Long league)
{
    OpenTournament t;
    t.glngCurrentLeagueID = league;
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

// Every entrant's row and the tournament's own rows, together.
void saveWhole(Database& db, OpenTournament& t)
{
    ChangeTournament(db, t, [&](OpenTournament& copy) {
        SaveTournament(db, copy, false);
        std::set<long> everyone;
        for (long i = 1; i <= copy.gintPlayerCount(); ++i)
            everyone.insert(i);
        SaveTournamentPlayers(db, copy, everyone);
    });
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const auto title = QStringLiteral("Tournament of %1 entrants, %2 levels, %3 paid places, %4 awards "
                                      "(median of %5 rounds):")
                           .arg(kEntrants)
                           .arg(kLevels)
                           .arg(kPaid)
                           .arg(kAwards)
                           .arg(kRounds)
                           .toStdString();
    return RunFreshAndHistory(title.c_str(), [](Database& db, bool) {
        db.execute(QStringLiteral("INSERT INTO tblLeague (LeagueName) VALUES ('Bench')"));
        OpenTournament t = largeTournament(Long(db.lastInsertId()));
        SaveTournament(db, t, true);
        addEntrants(db, t);

        QElapsedTimer timer;
        timer.start();
        saveWhole(db, t); // the first save adds the entrants' rows
        const double firstSaveMs = ElapsedMs(timer);

        std::vector<double> wholes, saves, entrantSaves, loads, entrantLoads;
        for (int round = 0; round < kRounds; ++round) {
            timer.restart();
            saveWhole(db, t);
            const double save = ElapsedMs(timer);
            timer.restart();
            LoadTournament(db, t, t.glngCurrentTournamentID, false);
            const double load = ElapsedMs(timer);
            wholes.push_back(save + load);
            loads.push_back(load);
            entrantSaves.push_back(save);

            timer.restart();
            SaveTournament(db, t, false);
            saves.push_back(ElapsedMs(timer));
            timer.restart();
            LoadTournament(db, t, t.glngCurrentTournamentID, true);
            entrantLoads.push_back(ElapsedMs(timer));
        }
        return std::vector<BenchMeasure> {
            {"whole save (tournament + 1,000 entrant rows) + load", Median(wholes), kTargetMs},
            {"  whole save", Median(entrantSaves), 0},
            {"  whole load", Median(loads), 0},
            {"first whole save, adding the 1,000 entrant rows", firstSaveMs, 0},
            {"SaveTournament alone (no entrant row)", Median(saves), 0},
            {"LoadTournament, entrants only", Median(entrantLoads), 0},
        };
    });
}
