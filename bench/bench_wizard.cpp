// Times the set-up wizard: creating it and loading a tournament (40 levels,
// 10 places, 20 awards; then 1000 levels and 1000 places), and one
// recalculation of the estimates at 1000 places. Offscreen; prints its
// figures against the limits.

#include "BenchSupport.h"
#include "core/setup/NewTournament.h"
#include "gui/setup/frmAddEditTournament.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

namespace {

const int kRounds = 5;

OpenTournament tournament(long levels, Integer places, long awards)
{
    OpenTournament t = makeBlankTournament(QDate(2026, 3, 7));
    SetBenchLevels(t, levels);
    t.gintNumberPaid = places;
    t.RedimPayouts();
    for (long k = 1; k <= places; ++k)
        t.gdblPayout[k] = 100.0 / places;
    if (awards > 0)
        t.gtypAwards.redim(1, awards);
    for (long a = 1; a <= awards; ++a)
        t.gtypAwards[a] = {Long(a), 0, 0, QStringLiteral("Award %1").arg(a), 10, 1, 0};
    return t;
}

void loadFigure(const char* what, OpenTournament t, double limit)
{
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        frmAddEditTournament wizard(t);
        wizard.LoadData(false);
        times.push_back(ElapsedMs(timer));
    }
    const double median = Median(times);
    std::printf("%-48s %8.1f ms (limit %.0f ms) %s\n", what, median, limit, median < limit ? "ok" : "TOO SLOW");
}

} // namespace

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);

    loadFigure("create + LoadData, 40 levels, 10 places, 20 awards", tournament(40, 10, 20), 300);
    loadFigure("create + LoadData, 1000 levels, 1000 places", tournament(1000, 1000, 0), 1000);

    OpenTournament big = tournament(40, 1000, 0);
    big.gintPayAsPercentages = 1;
    frmAddEditTournament wizard(big);
    wizard.LoadData(false);
    std::vector<double> times;
    for (int round = 0; round < kRounds * 4; ++round) {
        QElapsedTimer timer;
        timer.start();
        wizard.CalcEstimates();
        times.push_back(ElapsedMs(timer));
    }
    const double median = Median(times);
    std::printf("%-48s %8.1f ms (limit 16 ms) %s\n", "CalcEstimates at 1000 places", median,
                median < 16 ? "ok" : "TOO SLOW");
    return 0;
}
