// Times 100 eliminations end to end in the tournament window, offscreen:
// the question answered, the transaction, the players-only reload and
// RefreshScreens(True) of every screen, with 500 entrants at tables of 10,
// kill tracking on and a bounty on every player, which goes to the player
// named as the eliminator. On a fresh database and after five years of a
// weekly league. Run by hand; prints the medians and the worst.

#include "BenchField.h"
#include "BenchSupport.h"
#include "core/floor/FloorEntries.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "core/store/TournamentChange.h"
#include "core/store/TournamentStore.h"
#include "frmMainTestAccess.h"
#include "gui/floor/EntryCommands.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

const int kEntrants = 500;
const int kEliminations = 100;
const double kTargetMs = 16.0;

std::vector<BenchMeasure> measure(Database& db, bool)
{
    setProgramDatabase(&db);
    programSettings().gintTrackKills = 1;
    OpenTournament& t = openTournament();
    t = OpenTournament();
    AddBenchField(db, t, kEntrants, true);

    std::vector<double> times;
    long asked = 0;
    {
        frmMain window;
        window.resize(1280, 1024);
        window.Form_Load();
        window.show();
        window.RefreshScreens(true);
        // The player going out is the first one still in, as a click would
        // pick him; the first player offered eliminated him.
        parts(window).entries->playersGridPlayer = [&t] {
            for (long i = 1; i <= t.gintPlayerCount(); ++i)
                if (t.gtypPlayers[i].Finish == 0)
                    return i;
            return 0L;
        };
        parts(window).entries->askKiller
            = [&asked](const KillQuestion&, const QList<long>& stillIn, const QList<long>&) {
                  ++asked;
                  return stillIn.isEmpty() ? KillAnswer {KillAnswer::Skipped, 0}
                                           : KillAnswer {KillAnswer::Chosen, stillIn.first()};
              };

        for (int n = 0; n < kEliminations; ++n) {
            QElapsedTimer timer;
            timer.start();
            parts(window).entries->EliminatePlayer(false);
            times.push_back(ElapsedMs(timer));
            QApplication::processEvents();
        }
        window.Form_Unload();
    }
    Integer kills = 0;
    for (const PlayerRecord& p : t.gtypPlayers)
        kills += p.Kills;
    long bountiesWon = 0;
    for (const AwardRecord& a : t.gtypAwards)
        bountiesWon += a.AwardedToPlayerID != 0 ? 1 : 0;
    std::printf("players out: %d, kills booked: %d, bounties won: %ld, questions asked: %ld\n", int(NumberFinished(t)),
                int(kills), bountiesWon, asked);
    setProgramDatabase(nullptr);
    return std::vector<BenchMeasure> {
        {"elimination with kill tracking and bounties, median", Median(times), kTargetMs},
        {"elimination with kill tracking and bounties, worst", *std::max_element(times.begin(), times.end()), 0},
    };
}

} // namespace

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);
    return RunFreshAndHistory(
        "100 eliminations of 500 entrants with kill tracking and bounties, stored, reloaded and redrawn:", measure);
}
