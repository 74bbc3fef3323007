// Times a bulk fill of the shared grid: 500 rows of 11 cells, each given a
// text and a background colour, between Redraw off and Redraw on, the way
// the windows fill their grids: once into a new grid (every cell created)
// and once more into the same grid. The texts are made beforehand, so the
// figure is the grid's own. Run by hand; prints its figures.

#include "BenchSupport.h"
#include "gui/controls/FlexGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

namespace {

const int kRows = 500;
const int kCols = 11;
const int kRounds = 7;
const double kLimitMs = 8.0;

double fillOnce(FlexGrid& grid, const QStringList& texts, int round)
{
    QElapsedTimer timer;
    timer.start();
    grid.setRedraw(false);
    grid.setRows(kRows + 1);
    grid.setCols(kCols);
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            grid.setTextMatrix(r, c, texts[(r * kCols + c + round) % texts.size()]);
            grid.setCellBackColor(r, c, OleColor(0x10000 * ((r + c + round) % 200) + 0x40));
        }
    }
    grid.setRedraw(true);
    return ElapsedMs(timer);
}

} // namespace

int main(int argc, char** argv)
{
    BenchApplication app(argc, argv);
    QStringList texts;
    for (int i = 0; i < kRows * kCols; ++i)
        texts << QString::number(i * 12.5, 'f', 1);

    std::vector<double> fresh;
    std::vector<double> again;
    for (int round = 0; round < kRounds; ++round) {
        FlexGrid grid;
        grid.resize(900, 600);
        grid.show();
        QApplication::processEvents();
        fresh.push_back(fillOnce(grid, texts, round));
        again.push_back(fillOnce(grid, texts, round + 1));
        QElapsedTimer paint;
        paint.start();
        grid.repaint();
        std::printf("round %d: new grid %.2f ms, refill %.2f ms, one full repaint %.2f ms\n", round, fresh.back(),
                    again.back(), ElapsedMs(paint));
    }
    const double median = Median(fresh);
    std::printf("FlexGrid %d x %d cells, text and colour each, Redraw off/on: median %.2f ms into a new grid, "
                "%.2f ms refilled (limit %.0f ms) %s\n",
                kRows, kCols, median, Median(again), kLimitMs, median < kLimitMs ? "OK" : "TOO SLOW");
    return median < kLimitMs ? 0 : 1;
}
