// Times the wizard's level table at 1000 levels: changing the level count,
// inserting a level and deleting one. Offscreen; prints its figures against
// the limits.

#include "BenchSupport.h"
#include "core/setup/NewTournament.h"
#include "gui/controls/ctlDataEntryGrid.h"
#include "gui/setup/frmAddEditTournament.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int kRounds = 5;
const double kLimitMs = 100;

void figure(const char* what, frmAddEditTournament& wizard, const std::function<void()>& setUp,
            const std::function<void()>& step)
{
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        setUp();
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(ElapsedMs(timer));
    }
    const double median = Median(times);
    std::printf("%-44s %8.1f ms (limit %.0f ms) %s   [%ld rows]\n", what, median, kLimitMs,
                median < kLimitMs ? "ok" : "TOO SLOW", wizard.gridLevels->Rows() - 1);
}

} // namespace

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);

    OpenTournament t = makeBlankTournament(QDate(2026, 3, 7));
    SetBenchLevels(t, MaxLevels);
    frmAddEditTournament wizard(t);
    wizard.LoadData(false);
    wizard.show();
    QComboBox* count = wizard.cmbNumLevels;

    std::printf("Level table of the set-up wizard, median of %d rounds\n", kRounds);
    figure(
        "level count 999 -> 1000", wizard, [&] { count->setCurrentIndex(MaxLevels - 2); },
        [&] { count->setCurrentIndex(MaxLevels - 1); });
    figure(
        "Insert Level at row 500 of 999", wizard,
        [&] {
            count->setCurrentIndex(MaxLevels - 2);
            wizard.gridLevels->setRow(500);
        },
        [&] { wizard.cmdInsertLevel->click(); });
    figure(
        "Delete Selected Level at row 500 of 1000", wizard,
        [&] {
            count->setCurrentIndex(MaxLevels - 1);
            wizard.gridLevels->setRow(500);
        },
        [&] { wizard.cmdDeleteLevel->click(); });
    return 0;
}
