#include "gui/display/ScreenRefresh.h"

#include "core/display/ScreenContents.h"
#include "core/platform/ReportFailures.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/ChipShape.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/OleColor.h"

#include <QLabel>
#include <QPixmap>
#include <QTextEdit>

ScreenRefresher::ScreenRefresher(QWidget* window, SeatChartMap& seatChart, ChipCountMap& chipCountRows)
    : tournament(&openTournament())
    , settings(&programSettings())
    , mWindow(window)
    , mSeatChart(seatChart)
    , mChipCountRows(chipCountRows)
{
}

template <typename W>
W* ScreenRefresher::named(const QString& name)
{
    QPointer<QWidget>& w = mControls[name];
    if (!w)
        w = mWindow->findChild<QWidget*>(name);
    return qobject_cast<W*>(w.data());
}

void ScreenRefresher::setText(const QString& name, const QString& text)
{
    if (auto* label = named<QLabel>(name))
        label->setText(text);
}

void ScreenRefresher::run(const char* step, void (ScreenRefresher::*loader)())
{
    const QString name = QString::fromLatin1(step);
    if (!LogFailures(QStringLiteral("RefreshScreens: ") + name, [&] {
            beforeStep(name);
            (this->*loader)();
        }))
        mFailures << name;
}

void ScreenRefresher::RefreshScreens(bool bRefreshTables)
{
    mFailures.clear();
    run("BlindsLine", &ScreenRefresher::LoadBlindsLine);
    run("Chips", &ScreenRefresher::LoadChips);
    run("TopPayouts", &ScreenRefresher::LoadTopPayouts);
    run("LoadPayouts", &ScreenRefresher::LoadPayouts);
    run("LoadAwardsGrid", &ScreenRefresher::LoadAwardsGrid);
    run("LoadKillsGrid", &ScreenRefresher::LoadKillsGrid);
    run("LoadChipCountGrid", &ScreenRefresher::LoadChipCountGrid);
    run("LoadSummary", &ScreenRefresher::LoadSummary);
    run("LoadSummary2", &ScreenRefresher::LoadSummary2);
    run("LoadManagerReport", &ScreenRefresher::LoadManagerReport);
    run("LoadBuyin", &ScreenRefresher::LoadBuyin);
    run("DisplayGrid", &ScreenRefresher::displayGrid);
    if (bRefreshTables)
        run("LoadTables", &ScreenRefresher::LoadTables);
}

void ScreenRefresher::LoadBlindsLine()
{
    const CaptionAndValue line = BlindsLine(*tournament, DisplayFormatsOf(*settings));
    setText(QStringLiteral("lblBlindsCap"), line.Caption);
    setText(QStringLiteral("lblBlinds"), line.Value);
}

void ScreenRefresher::LoadChips()
{
    const ChipPanel panel = ChipPanelOf(*tournament, DisplayFormatsOf(*settings));
    tournament->gintLastChipSlot = panel.LastChipSlot;
    for (int i = 0; i < int(panel.Slots.size()); ++i) {
        const ChipSlot& slot = panel.Slots[std::size_t(i)];
        setText(QStringLiteral("lblChipAmount(%1)").arg(i), slot.AmountText);
        auto* shape = named<ChipShape>(QStringLiteral("shpChip(%1)").arg(i));
        if (shape && slot.Fill)
            shape->setFillColor(*slot.Fill);
        auto* picture = named<QLabel>(QStringLiteral("imgChip(%1)").arg(i));
        if (picture && slot.Picture) {
            // A picture that cannot be read leaves the chip empty rather
            // than showing what an earlier tournament put there.
            const QPixmap pixmap(*slot.Picture);
            if (pixmap.isNull())
                picture->clear();
            else
                picture->setPixmap(pixmap);
        }
    }
}

void ScreenRefresher::LoadTopPayouts()
{
    const auto texts = TopPayoutTexts(*tournament, DisplayFormatsOf(*settings));
    for (int i = 0; i < int(texts.size()); ++i)
        setText(QStringLiteral("lblPayout(%1)").arg(i), texts[std::size_t(i)]);
}

void ScreenRefresher::LoadPayouts()
{
    if (auto* g = named<FlexGrid>(QStringLiteral("gridPayouts")))
        FillGrid(g, PayoutsGrid(*tournament, DisplayFormatsOf(*settings)));
}

void ScreenRefresher::LoadAwardsGrid()
{
    if (auto* g = named<FlexGrid>(QStringLiteral("gridAwards")))
        FillGrid(g, AwardsGrid(*tournament));
}

void ScreenRefresher::LoadKillsGrid()
{
    if (auto* g = named<FlexGrid>(QStringLiteral("gridKills")))
        FillGrid(g, KillsGrid(*tournament));
}

void ScreenRefresher::LoadChipCountGrid()
{
    ChipCountMap rows;
    const ScreenGrid contents = ChipCountGrid(*tournament, rows);
    mChipCountRows = rows;
    if (auto* g = named<FlexGrid>(QStringLiteral("gridChipCount")))
        FillGrid(g, contents);
}

void ScreenRefresher::LoadTables()
{
    SeatChartMap cells;
    const ScreenGrid contents = SeatChartGrid(*tournament, DisplayFormatsOf(*settings), cells);
    mSeatChart = cells;
    if (auto* g = named<FlexGrid>(QStringLiteral("gridTables"))) {
        // The chart's own cell colours name system colours; they stay light
        // whatever the desktop.
        g->setPalette(StandardLightPalette());
        FillGrid(g, contents);
        // The blank rows the chart keeps below its last band take no room:
        // a chart whose tables all show has no scroll bar and never moves.
        for (long r = 0; r < contents.Rows(); ++r)
            g->setRowHeight(r, r < contents.RowsInUse() ? -1 : 0);
    }
}

void ScreenRefresher::LoadSummary()
{
    const SummaryTexts s = SummaryOf(*tournament, DisplayFormatsOf(*settings));
    setText(QStringLiteral("lblTournament"), s.Tournament);
    setText(QStringLiteral("lblTotalBuy"), s.TotalBuy);
    setText(QStringLiteral("lblAveStack"), s.AveStack);
    setText(QStringLiteral("lblNumPlayers"), s.NumPlayers);
    setText(QStringLiteral("lblNextBlindsCap"), s.NextBlinds.Caption);
    setText(QStringLiteral("lblNextBlinds"), s.NextBlinds.Value);
    AdjustBreakLabel();
}

void ScreenRefresher::LoadSummary2()
{
    const auto* timer = named<QLabel>(QStringLiteral("lblTimer"));
    const Summary2Texts s = Summary2Of(*tournament, DisplayFormatsOf(*settings), timer ? timer->text() : QString());
    AdjustBreakLabel();
    setText(QStringLiteral("lblClassicTournamentTitle"), s.Title);
    for (int i = 0; i < int(s.Items.size()); ++i) {
        if (const auto& header = s.Headers[std::size_t(i)])
            setText(QStringLiteral("lblClassicHeader(%1)").arg(i), *header);
        if (const auto& item = s.Items[std::size_t(i)])
            setText(QStringLiteral("lblClassicItem(%1)").arg(i), *item);
    }
}

void ScreenRefresher::LoadBuyin()
{
    const BuyinTexts s = BuyinOf(*tournament, DisplayFormatsOf(*settings));
    setText(QStringLiteral("lblBuyin"), s.Buyin);
    setText(QStringLiteral("lblRebuy"), s.Rebuy);
    setText(QStringLiteral("lblAddon"), s.Addon);
}

void ScreenRefresher::LoadManagerReport()
{
    if (auto* box = named<QTextEdit>(QStringLiteral("txtManagerReport")))
        box->setPlainText(ManagerReportText(*tournament, DisplayFormatsOf(*settings)));
}

namespace {

// Drawing stays off for a bulk fill and comes back on whatever happens.
class RedrawOff {
public:
    explicit RedrawOff(FlexGrid* grid)
        : mGrid(grid)
    {
        mGrid->setRedraw(false);
    }
    ~RedrawOff() { mGrid->setRedraw(true); }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    FlexGrid* mGrid;
};

} // namespace

void FillGrid(FlexGrid* Grid, const ScreenGrid& Contents)
{
    const RedrawOff off(Grid);
    Grid->Clear();
    Grid->setCols(Contents.Cols());
    // The screens' grids have a header row and no header column.
    Grid->setFixedCols(0);
    for (long c = 0; c < Contents.Cols(); ++c)
        Grid->setColAlignment(c, Contents.Alignment(c));
    Grid->setRows(Contents.Rows());
    for (long r = 0; r < Contents.Rows(); ++r) {
        for (long c = 0; c < Contents.Cols(); ++c) {
            const QString text = Contents.Text(r, c);
            if (!text.isEmpty())
                Grid->setTextMatrix(r, c, text);
            if (const GridCellColors* colors = Contents.Colors(r, c)) {
                Grid->setCellBackColor(r, c, colors->Back);
                Grid->setCellForeColor(r, c, colors->Fore);
            }
        }
    }
    for (auto span = Contents.Spans().cbegin(); span != Contents.Spans().cend(); ++span) {
        const auto [r, c] = span.key();
        Grid->setCellSpan(r, c, span->Cols);
        Grid->setCellAlignment(r, c, span->Alignment);
    }
}
