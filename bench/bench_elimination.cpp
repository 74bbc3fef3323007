// Times 100 eliminations end to end in the tournament window, offscreen:
// the transaction, the players-only reload and RefreshScreens(True) of every
// screen, with 500 entrants at tables of 10, kill tracking off and no
// bounties. Run by hand; prints the median and the worst.

#include "BenchSupport.h"
#include "core/floor/FloorEntries.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "core/store/TournamentStore.h"
#include "gui/floor/EntryCommands.h"
#include "gui/floor/frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

const int kEntrants = 500;
const int kEliminations = 100;
const double kTargetMs = 16.0;

void addField(Database& db, OpenTournament& t)
{
    db.execute(QStringLiteral("INSERT INTO tblLeague (LeagueName) VALUES ('Bench')"));
    t.glngCurrentLeagueID = Long(db.lastInsertId());
    t.gstrTournamentName = QStringLiteral("Benchmark");
    t.gintPlayersPerTable = 10;
    t.gdblBuyin = 50;
    t.gintBlindsLevel = 1;
    t.gintAutoDoubleBlind = 2;
    t.gintPayAsPercentages = 1;
    t.gintNumberPaid = 10;
    t.ResetLevels();
    t.RedimPayouts();
    for (long k = 1; k <= 10; ++k)
        t.gdblPayout[k] = 10;
    SaveTournament(db, t, true);
    Transaction transaction(db);
    for (int i = 1; i <= kEntrants; ++i) {
        db.execute(QStringLiteral("INSERT INTO tblPlayer (PlayerName) VALUES (?)"),
                   {QStringLiteral("Player %1").arg(i, 3, 10, QLatin1Char('0'))});
        PlayerRecord& p = t.gtypPlayers.append();
        p.PlayerName = QStringLiteral("Player %1").arg(i, 3, 10, QLatin1Char('0'));
        p.PlayerID = Long(db.lastInsertId());
        p.Table = Integer((i - 1) / 10 + 1);
        p.Seat = Integer((i - 1) % 10 + 1);
        p.TotalBuyin = 50;
        SaveTournamentPlayer(db, t, Integer(t.gtypPlayers.upper()));
    }
    transaction.commit();
}

} // namespace

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);
    return WithBenchDatabase([](Database& db) {
        setProgramDatabase(&db);
        programSettings().gintTrackKills = 0;
        OpenTournament& t = openTournament();
        addField(db, t);

        frmMain window;
        window.resize(1280, 1024);
        window.Form_Load();
        window.show();
        window.RefreshScreens(true);
        // The player going out is the first one still in, as a click would pick him.
        window.entries->playersGridPlayer = [&t] {
            for (long i = 1; i <= t.gintPlayerCount(); ++i)
                if (t.gtypPlayers[i].Finish == 0)
                    return i;
            return 0L;
        };

        std::vector<double> times;
        for (int n = 0; n < kEliminations; ++n) {
            QElapsedTimer timer;
            timer.start();
            window.entries->EliminatePlayer(false);
            times.push_back(ElapsedMs(timer));
            QApplication::processEvents();
        }
        const double worst = *std::max_element(times.begin(), times.end());
        const double median = Median(times);
        std::printf("%d eliminations of %d entrants, stored, reloaded and redrawn: median %.2f ms, worst %.2f ms "
                    "(target median under %.0f ms) %s\n",
                    kEliminations, kEntrants, median, worst, kTargetMs, median < kTargetMs ? "ok" : "TOO SLOW");
        std::printf("players out: %d\n", int(NumberFinished(t)));
        window.Form_Unload();
        setProgramDatabase(nullptr);
        return NumberFinished(t) == kEliminations ? 0 : 1;
    });
}
