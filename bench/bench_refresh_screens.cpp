// Times RefreshScreens(True) of the display: 500 entrants at 50 tables of
// 10, 50 places paid, 20 awards, every screen's controls in a window shown
// offscreen. An elimination ends with this refresh, so it has to stay well
// inside one frame. Run by hand; prints its figures.

#include "BenchSupport.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "gui/display/DisplayPanels.h"
#include "gui/display/ScreenRefresh.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

namespace {

const int kEntrants = 500;
const int kSeats = 10;
const int kPaid = 50;
const int kAwards = 20;
const int kRounds = 15;
const double kTargetMs = 10.0;

OpenTournament bigTournament()
{
    OpenTournament t;
    t.gstrTournamentName = QStringLiteral("Benchmark");
    t.gintPlayersPerTable = kSeats;
    t.gintAutoDoubleBlind = 2;
    t.RedimLevels(20);
    for (long n = 1; n <= 20; ++n) {
        t.gdblLevelSmallBlind[n] = 25.0 * n;
        t.gdblLevelBigBlind[n] = 50.0 * n;
    }
    t.gintBlindsLevel = 5;
    for (int i = 1; i <= kEntrants; ++i) {
        PlayerRecord p;
        p.PlayerName = QStringLiteral("Player %1").arg(i);
        p.PlayerID = i;
        p.Table = Integer((i - 1) / kSeats + 1);
        p.Seat = Integer((i - 1) % kSeats + 1);
        p.TotalBuyin = 100;
        p.TotalChipValue = 10000;
        p.ChipCount = float((i * 7919) % 50000);
        p.Kills = Integer(i % 4);
        t.gtypPlayers.append(p);
    }
    t.gintNumberPaid = kPaid;
    t.RedimPayouts();
    for (long k = 1; k <= kPaid; ++k)
        t.gdblCalculatedPayout[k] = 20000.0 / k;
    for (int a = 1; a <= kAwards; ++a) {
        AwardRecord award;
        award.Description = QStringLiteral("Award %1").arg(a);
        award.Payout = 50;
        award.AwardedToPlayerID = a;
        t.gtypAwards.append(award);
    }
    for (int i = 0; i < OpenTournament::ChipSlots; ++i)
        t.gstrChipColor[i] = i < 6 ? QStringLiteral("Red") : QStringLiteral("Not Used");
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);
    OpenTournament t = bigTournament();
    ProgramSettings settings;
    settings.gstrMoneyFormat = QStringLiteral("$#,##0");
    settings.gstrCurrencySymbol = QStringLiteral("$");

    QWidget window;
    window.resize(1280, 1024);
    DisplayPanels display(&window);
    // Every screen shows, so that each fill costs what a shown one does.
    for (QWidget* panel : display.screenPanels())
        panel->show();
    window.show();
    SeatChartMap seats;
    ChipCountMap rows;
    ScreenRefresher refresher(display, seats, rows);
    refresher.tournament = &t;
    refresher.settings = &settings;

    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        refresher.RefreshScreens(true);
        times.push_back(ElapsedMs(timer));
        QApplication::processEvents();
    }
    const double median = Median(times);
    std::printf("RefreshScreens(True), %d entrants, %d tables, %d paid, %d awards: median %.2f ms, first %.2f ms "
                "(target under %.0f ms) %s\n",
                kEntrants, kEntrants / kSeats, kPaid, kAwards, median, times.front(), kTargetMs,
                median < kTargetMs ? "ok" : "TOO SLOW");
    return refresher.failures().isEmpty() ? 0 : 1;
}
