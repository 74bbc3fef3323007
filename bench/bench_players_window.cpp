// Times the players window ("Add/Remove Players") of a league of 10,000
// members, offscreen: OK entering 500 ticked members into the open
// tournament (stored, saved and read back), and the window shown with all
// members until its first paint. On a fresh database and after five years of
// a weekly league. Run by hand; prints the medians.

#include "BenchSupport.h"
#include "core/store/OpenTournament.h"
#include "core/store/TournamentEntrants.h"
#include "core/store/TournamentStore.h"
#include "gui/shared/frmPlayers.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <cstdio>

namespace {

const int kMembers = 10000;
const int kEntrants = 500;
const int kRounds = 5;
const double kOkTargetMs = 16.0;
const double kShowTargetMs = 50.0;

void addLeague(Database& db, OpenTournament& t)
{
    db.execute(QStringLiteral("INSERT INTO tblLeague (LeagueName) VALUES ('Members')"));
    t.glngCurrentLeagueID = Long(db.lastInsertId());
    t.gstrCurrentLeagueName = QStringLiteral("Members");
    Transaction transaction(db);
    for (int i = 1; i <= kMembers; ++i) {
        db.execute(QStringLiteral("INSERT INTO tblPlayer (PlayerName) VALUES (?)"),
                   {QStringLiteral("Member %1").arg(i, 5, 10, QLatin1Char('0'))});
        db.execute(QStringLiteral("INSERT INTO tblLeagueXPlayer (LeagueID, PlayerID) VALUES (?, ?)"),
                   {t.glngCurrentLeagueID, db.lastInsertId()});
    }
    transaction.commit();
    t.gstrTournamentName = QStringLiteral("Benchmark");
    t.gintPlayersPerTable = 10;
    t.gdblBuyin = 50;
    t.gintNumberPaid = 10;
    t.ResetLevels();
    t.RedimPayouts();
    SaveTournament(db, t, true);
}

std::vector<BenchMeasure> measure(Database& db, bool)
{
    setProgramDatabase(&db);
    OpenTournament& t = openTournament();
    t = OpenTournament();
    addLeague(db, t);

    std::vector<double> oks, shows;
    for (int round = 0; round < kRounds; ++round) {
        if (round > 0) { // everybody out again
            QList<EntrantChange> out;
            for (const PlayerRecord& p : t.gtypPlayers)
                out.append({p.PlayerID, p.PlayerName, false});
            (void)ApplyEntrantChanges(db, t, out, false); // taking players out is never refused
        }
        frmPlayers window(false);
        window.chkBuyin->setChecked(true);
        for (int i = 0; i < kEntrants; ++i)
            window.lstPlayers->item(i * (kMembers / kEntrants))->setCheckState(Qt::Checked);
        QElapsedTimer timer;
        timer.start();
        window.cmdOK_Click();
        oks.push_back(ElapsedMs(timer));
    }
    std::printf("entrants after OK: %d\n", int(t.gintPlayerCount()));

    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        {
            frmPlayers window(false);
            ShowAndPaint(window);
            shows.push_back(ElapsedMs(timer));
        }
        QApplication::processEvents();
    }
    setProgramDatabase(nullptr);
    return std::vector<BenchMeasure> {
        {"OK entering 500 ticked members, median", Median(oks), kOkTargetMs},
        {"window of 10,000 members to its first paint, median", Median(shows), kShowTargetMs},
    };
}

} // namespace

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);
    return RunFreshAndHistory("Players window of a league of 10,000 members:", measure);
}
