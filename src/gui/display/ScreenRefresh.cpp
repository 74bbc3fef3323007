#include "gui/display/ScreenRefresh.h"

#include "core/display/ScreenContents.h"
#include "core/platform/ReportFailures.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/ChipPicture.h"
#include "gui/controls/ChipShape.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/OleColor.h"
#include "gui/controls/PictureFile.h"
#include "gui/display/DisplayPanels.h"

#include <QLabel>
#include <QPixmap>
#include <QTextEdit>
#include <tuple>

ScreenRefresher::ScreenRefresher(DisplayPanels& display, SeatChartMap& seatChart, ChipCountMap& chipCountRows)
    : tournament(&openTournament())
    , settings(&programSettings())
    , d(display)
    , mSeatChart(seatChart)
    , mChipCountRows(chipCountRows)
{
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
    d.lblBlindsCap->setText(line.Caption);
    d.lblBlinds->setText(line.Value);
}

void ScreenRefresher::LoadChips()
{
    const ChipPanel panel = ChipPanelOf(*tournament, DisplayFormatsOf(*settings));
    static_assert(std::tuple_size_v<decltype(panel.Slots)> == std::tuple_size_v<decltype(d.lblChipAmount)>);
    tournament->gintLastChipSlot = panel.LastChipSlot;
    for (std::size_t i = 0; i < panel.Slots.size(); ++i) {
        const ChipSlot& slot = panel.Slots[i];
        d.lblChipAmount[i]->setText(slot.AmountText);
        if (slot.Fill)
            d.shpChip[i]->setFillColor(*slot.Fill);
        if (slot.Picture) {
            // A picture that cannot be read leaves the chip empty rather
            // than showing what an earlier tournament put there.
            const QPixmap pixmap = QPixmap::fromImage(ReadPictureFile(*slot.Picture, d.imgChip[i]).Image);
            if (pixmap.isNull())
                d.imgChip[i]->clear();
            else
                d.imgChip[i]->setPixmap(pixmap);
        }
    }
}

void ScreenRefresher::LoadTopPayouts()
{
    const auto texts = TopPayoutTexts(*tournament, DisplayFormatsOf(*settings));
    static_assert(std::tuple_size_v<decltype(texts)> == std::tuple_size_v<decltype(d.lblPayout)>);
    for (std::size_t i = 0; i < texts.size(); ++i)
        d.lblPayout[i]->setText(texts[i]);
}

void ScreenRefresher::LoadPayouts() { FillGrid(d.gridPayouts, PayoutsGrid(*tournament, DisplayFormatsOf(*settings))); }

void ScreenRefresher::LoadAwardsGrid() { FillGrid(d.gridAwards, AwardsGrid(*tournament)); }

void ScreenRefresher::LoadKillsGrid() { FillGrid(d.gridKills, KillsGrid(*tournament)); }

void ScreenRefresher::LoadChipCountGrid()
{
    ChipCountMap rows;
    const ScreenGrid contents = ChipCountGrid(*tournament, rows);
    mChipCountRows = rows;
    FillGrid(d.gridChipCount, contents);
}

void ScreenRefresher::LoadTables()
{
    SeatChartMap cells;
    const ScreenGrid contents = SeatChartGrid(*tournament, DisplayFormatsOf(*settings), cells);
    mSeatChart = cells;
    FlexGrid* g = d.gridTables;
    // The chart's own cell colours name system colours; they stay light
    // whatever the desktop.
    g->setPalette(StandardLightPalette());
    FillGrid(g, contents);
    // The table names are cells of their bands like those further down, not
    // a header row: beside fewer than four tables the top row stays bare.
    g->setFixedRows(0);
    // The blank rows the chart keeps below its last band take no room:
    // a chart whose tables all show has no scroll bar and never moves.
    for (long r = 0; r < contents.Rows(); ++r)
        g->setRowHeight(r, r < contents.RowsInUse() ? -1 : 0);
}

void ScreenRefresher::LoadSummary()
{
    const SummaryTexts s = SummaryOf(*tournament, DisplayFormatsOf(*settings));
    d.lblTournament->setText(s.Tournament);
    d.lblTotalBuy->setText(s.TotalBuy);
    d.lblAveStack->setText(s.AveStack);
    d.lblNumPlayers->setText(s.NumPlayers);
    d.lblNextBlindsCap->setText(s.NextBlinds.Caption);
    d.lblNextBlinds->setText(s.NextBlinds.Value);
    AdjustBreakLabel();
}

void ScreenRefresher::LoadSummary2()
{
    const Summary2Texts s = Summary2Of(*tournament, DisplayFormatsOf(*settings), d.lblTimer->text());
    static_assert(std::tuple_size_v<decltype(s.Items)> == std::tuple_size_v<decltype(d.lblClassicItem)>);
    static_assert(std::tuple_size_v<decltype(s.Headers)> == std::tuple_size_v<decltype(d.lblClassicHeader)>);
    AdjustBreakLabel();
    d.lblClassicTournamentTitle->setText(s.Title);
    for (std::size_t i = 0; i < s.Items.size(); ++i) {
        if (const auto& header = s.Headers[i])
            d.lblClassicHeader[i]->setText(*header);
        if (const auto& item = s.Items[i])
            d.lblClassicItem[i]->setText(*item);
    }
}

void ScreenRefresher::LoadBuyin()
{
    const BuyinTexts s = BuyinOf(*tournament, DisplayFormatsOf(*settings));
    d.lblBuyin->setText(s.Buyin);
    d.lblRebuy->setText(s.Rebuy);
    d.lblAddon->setText(s.Addon);
}

void ScreenRefresher::LoadManagerReport()
{
    d.txtManagerReport->setPlainText(ManagerReportText(*tournament, DisplayFormatsOf(*settings)));
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
