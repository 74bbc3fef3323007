// Times the seating commands end to end in the tournament window, offscreen,
// as the menu runs them: Seat All, Balance and Clear Seats with 500 entrants
// at tables of 10 (the command, the transaction that stores the moved
// entrants and the tournament, and RefreshScreens(True)). Before each
// Balance, eleven players at the first two tables go out, so that a table
// breaks up. On a fresh database and after five years of a weekly league.
// Run by hand; prints the medians.

#include "BenchField.h"
#include "BenchSupport.h"
#include "core/store/OpenTournament.h"
#include "core/store/TournamentChange.h"
#include "core/store/TournamentStore.h"
#include "frmMainTestAccess.h"
#include "gui/floor/MainMenus.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

const int kEntrants = 500;
const int kRounds = 10;
const double kTargetMs = 16.0;

// Players at tables 1 and 2 go out (in memory only: the Balance that follows
// stores the players it moves), five and six of them.
void thinTables(OpenTournament& t, Integer& place)
{
    int out1 = 0, out2 = 0;
    for (PlayerRecord& p : t.gtypPlayers) {
        if (p.Finish != 0)
            continue;
        if ((p.Table == 1 && out1 < 5 && ++out1) || (p.Table == 2 && out2 < 6 && ++out2)) {
            p.Finish = place--;
            p.Table = 0;
            p.Seat = 0;
        }
    }
}

std::vector<BenchMeasure> measure(Database& db, bool)
{
    setProgramDatabase(&db);
    OpenTournament& t = openTournament();
    t = OpenTournament();
    AddBenchField(db, t, kEntrants, false);

    std::vector<double> seatAll, balance, clear;
    {
        frmMain window;
        window.resize(1280, 1024);
        window.Form_Load();
        window.show();
        window.RefreshScreens(true);
        auto timed = [&](const char* action, std::vector<double>& times) {
            QElapsedTimer timer;
            timer.start();
            parts(window).menus->action(QString::fromLatin1(action))->trigger();
            times.push_back(ElapsedMs(timer));
            QApplication::processEvents();
        };
        Integer place = kEntrants;
        for (int round = 0; round < kRounds; ++round) {
            timed("mnAssignSeatsAll", seatAll);
            thinTables(t, place);
            timed("mnBalanceTables", balance);
            timed("mnClearSeats", clear);
        }
        window.Form_Unload();
    }
    setProgramDatabase(nullptr);
    return std::vector<BenchMeasure> {
        {"Seat All, median", Median(seatAll), kTargetMs},
        {"Balance, median", Median(balance), kTargetMs},
        {"Clear Seats, median", Median(clear), kTargetMs},
    };
}

} // namespace

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);
    return RunFreshAndHistory("Seating commands through the menu, 500 entrants at tables of 10:", measure);
}
