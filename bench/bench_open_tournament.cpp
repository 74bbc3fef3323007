// Times opening a tournament of 500 seated entrants from the home window,
// offscreen, as Open does it: the league and the whole tournament loaded,
// the tournament window made, loaded, filled and shown, until its first
// paint. On a fresh database and after five years of a weekly league. Run by
// hand; prints the median.

#include "BenchField.h"
#include "BenchSupport.h"
#include "core/store/CurrentLeague.h"
#include "core/store/OpenTournament.h"
#include "core/store/TournamentChange.h"
#include "core/store/TournamentStore.h"
#include "gui/floor/frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <memory>

namespace {

const int kEntrants = 500;
const int kRounds = 5;
const double kTargetMs = 100.0;

// A tournament of 500 entrants at tables of 10, a bounty on each, saved.
Long addTournament(Database& db)
{
    OpenTournament t;
    AddBenchField(db, t, kEntrants, true);
    return t.glngCurrentTournamentID;
}

std::vector<BenchMeasure> measure(Database& db, bool)
{
    setProgramDatabase(&db);
    openTournament() = OpenTournament();
    const Long id = addTournament(db);
    Recordset row = db.query(QStringLiteral("SELECT LeagueID FROM tblTournament WHERE TournamentID = ?"), {id});
    const Long league = Long(row.value(QStringLiteral("LeagueID")).toLongLong());

    std::vector<double> loads, opens;
    for (int round = 0; round < kRounds; ++round) {
        openTournament() = OpenTournament();
        QElapsedTimer timer;
        timer.start();
        // As the home window's Open and ShowTournamentWindow do it.
        LoadLeague(league);
        LoadTournament(id, false);
        loads.push_back(ElapsedMs(timer));
        auto w = std::make_unique<frmMain>();
        w->resize(1280, 1024);
        w->Form_Load();
        w->ResetTourney();
        w->mbActivated = false;
        w->RefreshScreens(true);
        ShowAndPaint(*w);
        opens.push_back(ElapsedMs(timer));
        w->Form_Unload();
        w.reset();
        QApplication::processEvents();
    }
    std::printf("entrants loaded: %d\n", int(openTournament().gintPlayerCount()));
    setProgramDatabase(nullptr);
    return std::vector<BenchMeasure> {
        {"open to the first paint of the window, median", Median(opens), kTargetMs},
        {"  of which the league and tournament load", Median(loads), 0},
    };
}

} // namespace

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);
    return RunFreshAndHistory("Opening a tournament of 500 entrants:", measure);
}
