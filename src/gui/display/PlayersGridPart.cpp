#include "gui/display/PlayersGridPart.h"

#include "core/display/PlayersGrid.h"
#include "core/floor/ActionButtons.h"
#include "core/platform/ReportFailures.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "gui/controls/FlexGrid.h"
#include "gui/display/ActionButtonsHold.h"
#include "gui/display/DisplayPanels.h"
#include "gui/display/ScreenController.h"

#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <algorithm>

namespace {

constexpr OleColor SelectedCellColor = 0x800000u; // dark blue
constexpr OleColor White = 0xFFFFFFu;
constexpr long GroupColumns = 5;

PlayersGridOptions gridOptions()
{
    const ProgramSettings& s = programSettings();
    return {s.glngPlayerDisplay, s.gintDisplayPointsInGrid == 1, s.gintTableID, s.gintSeatID};
}

} // namespace

PlayersGridPart::PlayersGridPart(PlayersGridWindow window, QObject* parent)
    : QObject(parent)
    , tmrHideButtons(new QTimer(this))
    , tmrScroll(new QTimer(this))
    , w(std::move(window))
    , mHold(new ActionButtonsHold(
          w.display.grid, w.frames.frameButtons, tmrHideButtons,
          [this](long row, long col) { return isSelectedCell(row, col); }, this))
{
    setObjectName(QStringLiteral("PlayersGridPart"));
    tmrHideButtons->setObjectName(QStringLiteral("tmrHideButtons"));
    tmrHideButtons->setInterval(3000);
    tmrHideButtons->setTimerType(Qt::PreciseTimer);
    tmrScroll->setObjectName(QStringLiteral("tmrScroll"));
    tmrScroll->setInterval(2000);
    connect(tmrHideButtons, &QTimer::timeout, this, &PlayersGridPart::tmrHideButtons_Timer);
    connect(tmrScroll, &QTimer::timeout, this, &PlayersGridPart::tmrScroll_Timer);
    w.display.grid->installEventFilter(this);
}

std::function<void()> PlayersGridPart::UseExportLayout()
{
    ProgramSettings& s = programSettings();
    if (s.glngPlayerDisplay == 1 && s.gintDisplayPointsInGrid == 1)
        return {};
    const Long display = s.glngPlayerDisplay;
    const Integer points = s.gintDisplayPointsInGrid;
    s.glngPlayerDisplay = 1;
    s.gintDisplayPointsInGrid = 1;
    relayoutGrid();
    return [this, display, points] {
        programSettings().glngPlayerDisplay = display;
        programSettings().gintDisplayPointsInGrid = points;
        relayoutGrid();
    };
}

bool PlayersGridPart::eventFilter(QObject* watched, QEvent* event)
{
    // Tab from the grid goes to the selected row's buttons, shown again if
    // they had gone.
    if (watched == w.display.grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier && !w.frames.frameButtons->isVisible())
            ShowButtons(true);
    }
    return QObject::eventFilter(watched, event);
}

void PlayersGridPart::relayoutGrid()
{
    SetGridCols();
    w.AdjustGridDisplays();
    DisplayGrid();
    w.SetScreen(true);
    w.SetScreenSize();
}

void PlayersGridPart::SetGridCols()
{
    const ScreenGrid header
        = PlayersGridHeader(programSettings().glngPlayerDisplay, openTournament().gintPlayerCount());
    w.SetPlayerGridFontSize();
    FlexGrid* g = w.display.grid;
    QScopedValueRollback<bool> moving(w.mbSettingGridSelection, true);
    g->setCols(header.Cols());
    g->setRows(header.Rows());
    g->setFixedRows(1);
    g->setFixedCols(0);
    for (long c = 0; c < header.Cols(); ++c) {
        g->setColAlignment(c, header.Alignment(c));
        g->setTextMatrix(0, c, header.Text(0, c));
    }
}

void PlayersGridPart::DisplayGrid()
{
    FlexGrid* g = w.display.grid;
    const long row = g->Row();
    const long col = g->Col();
    const PlayersGridContents contents = PlayersGridOf(openTournament(), gridOptions());
    const ScreenGrid& cells = contents.Cells;
    {
        QScopedValueRollback<bool> moving(w.mbSettingGridSelection, true);
        g->setRedraw(false);
        g->Clear();
        // The grid follows the player count, the header is written again.
        g->setCols(cells.Cols());
        g->setRows(cells.Rows());
        g->setFixedRows(1);
        g->setFixedCols(0);
        g->setRow(0);
        g->setCol(std::min<long>(2, cells.Cols() - 1));
        for (long r = 0; r < cells.Rows(); ++r)
            for (long c = 0; c < cells.Cols(); ++c)
                g->setTextMatrix(r, c, cells.Text(r, c));
        for (const auto& [r, c] : contents.StruckThrough)
            g->setCellFontStrikeThrough(r, c, true);
        if (row < g->Rows() && col < g->Cols() && row >= 0 && col >= 0) {
            g->setRow(row);
            g->setCol(col);
        }
    }
    w.SetScreen(true);
    g->setRedraw(true);
}

Integer PlayersGridPart::FindPlayerIndex() const
{
    const FlexGrid* g = w.display.grid;
    return PlayerIndexAtCell(g->Row(), g->Col(), programSettings().glngPlayerDisplay,
                             openTournament().gintPlayerCount());
}

void PlayersGridPart::SetGridBackColor(long intRow, long intCol, bool bSelected)
{
    w.display.grid->setCellBackColor(intRow, intCol, bSelected ? SelectedCellColor : 0);
}

void PlayersGridPart::SetGridSelected(long intCol, long intRow, bool bSelected)
{
    FlexGrid* g = w.display.grid;
    if (intRow <= 0 || intRow >= g->Rows() || intCol < 0)
        return;
    long first = -1;
    if (intCol < PlayersGapColumn)
        first = 0;
    else if (intCol > PlayersGapColumn && intCol < g->Cols())
        first = PlayersRightGroup;
    if (first >= 0)
        for (long c = first; c < first + GroupColumns && c < g->Cols(); ++c)
            SetGridBackColor(intRow, c, bSelected);
    mintSelectedCol = intCol;
    mintSelectedRow = intRow;
}

void PlayersGridPart::HideSelected()
{
    if (!w.frames.frameButtons->isVisible())
        return;
    SetAutoScroll();
    w.frames.frameButtons->hide();
    tmrHideButtons->stop();
    SetGridSelected(mintSelectedCol, mintSelectedRow, false);
    w.display.grid->setForeColorSel(White);
}

void PlayersGridPart::tmrHideButtons_Timer()
{
    if (mHold->held()) {
        w.ResetDisplayTimer();
        return;
    }
    HideSelected();
}

bool PlayersGridPart::isSelectedCell(long row, long col) const
{
    if (row != mintSelectedRow || col < 0 || col == PlayersGapColumn)
        return false;
    return (col < PlayersGapColumn) == (mintSelectedCol < PlayersGapColumn);
}

void PlayersGridPart::showStates(Integer index)
{
    const OpenTournament& t = openTournament();
    const ActionButtonStates s = ActionButtonsFor(t, index);
    PlayerButtons& f = w.frames;
    f.cmdEliminate->setText(s.EliminateCaption);
    f.cmdEliminate->setEnabled(s.EliminateEnabled);
    f.cmdBuyin->setText(s.BuyinCaption);
    f.cmdBuyin->setEnabled(s.BuyinEnabled);
    f.cmdAddon->setEnabled(s.AddonEnabled);
    f.cmdMore->setEnabled(s.MoreEnabled);
    f.mnMovePlayer->setEnabled(s.AssignSeatEnabled);
    f.cmdEliminate->setDefault(s.EliminateIsDefault);
    f.cmdBuyin->setDefault(!s.EliminateIsDefault);
    mShownPlayerID = t.gtypPlayers[index].PlayerID;
}

void PlayersGridPart::FollowEntryRules()
{
    if (!w.frames.frameButtons->isVisible())
        return;
    const FlexGrid* g = w.display.grid;
    const Integer index = FindPlayerIndex();
    // A reload (players added, a player out) can move another player onto
    // the selected row: the buttons are not his.
    if (index < 1 || openTournament().gtypPlayers[index].PlayerID != mShownPlayerID) {
        HideSelected();
        return;
    }
    showStates(index);
    // The reload cleared every cell's colour, the selected row's highlight
    // with them: the row the buttons stay under is painted again.
    SetGridSelected(mintSelectedCol, mintSelectedRow, false);
    SetGridSelected(g->Col(), g->Row(), true);
    placeButtons(g->Row(), g->Col()); // a caption may have changed its width
}

void PlayersGridPart::ShowButtons(bool)
{
    FlexGrid* g = w.display.grid;
    const Integer index = FindPlayerIndex();
    if (g->Col() == PlayersGapColumn || index < 1) {
        HideSelected();
        return;
    }
    showStates(index);
    PlayerButtons& f = w.frames;

    // A row scrolled out of view has no place for the buttons.
    if (!g->RowIsVisible(g->Row())) {
        HideSelected();
        return;
    }
    if (f.frameButtons->isVisible())
        SetGridSelected(mintSelectedCol, mintSelectedRow, false);
    SetGridSelected(g->Col(), g->Row(), true);
    placeButtons(g->Row(), g->Col());
    tmrHideButtons->stop();
    tmrHideButtons->start();
    // While the buttons show, the rows under them stand still and the screen
    // stays: the rotation waits its whole interval again and the auto-scroll
    // waits until they go (HideSelected turns it back on).
    w.ResetDisplayTimer();
    tmrScroll->stop();
    f.frameButtons->show();
    f.frameButtons->raise();
}

bool PlayersGridPart::PressDefaultButton()
{
    PlayerButtons& f = w.frames;
    if (!f.frameButtons->isVisible())
        return false;
    for (QPushButton* b : {f.cmdEliminate, f.cmdBuyin})
        if (b->isDefault() && b->isEnabled()) {
            b->click();
            return true;
        }
    return false;
}

void PlayersGridPart::placeButtons(long row, long col)
{
    FlexGrid* g = w.display.grid;
    // The buttons hang under the selected row, at the left of its group.
    const QRect cell = g->CellRect(row, col > PlayersGapColumn ? PlayersRightGroup : 0);
    QFrame* buttons = w.frames.frameButtons;
    buttons->adjustSize(); // the captions change with the player
    // Under a row at the right edge, the buttons move in so that every one
    // stays inside the window; under the last rows, where they would lie
    // over the command row, they go above the selected row.
    const QPoint top = g->mapTo(&w.window, cell.topLeft());
    const QPoint bottom = g->mapTo(&w.window, cell.bottomLeft());
    const int commandsTop = std::min(w.window.height(), w.frameCommands->y());
    buttons->move(std::clamp(top.x(), 0, std::max(0, w.window.width() - buttons->width())),
                  ActionButtonsTop(top.y(), bottom.y(), buttons->height(), commandsTop));
}

void PlayersGridPart::SetAutoScroll()
{
    if (programSettings().gintAutoScroll == 1)
        tmrScroll->start();
    else
        tmrScroll->stop();
}

void PlayersGridPart::tmrScroll_Timer()
{
    ScreenController& screens = *w.screens;
    const ScrollTick tick = NextScrollTick(mintScrollHold, screens.mblnDisplayTimerReset);
    screens.mblnDisplayTimerReset = false;
    mintScrollHold = tick.Hold;
    if (!tick.Scroll)
        return;
    QScopedValueRollback<bool> scrolling(screens.mblnScrolling, true);
    DisplayPanels& d = w.display;
    // Each grid scrolls on its own; one that cannot does not stop the others.
    for (FlexGrid* g : {d.grid, d.gridAwards, d.gridPayouts, d.gridTables})
        LogFailures(QStringLiteral("Scrolling ") + g->objectName(), [this, g] { ScrollGrid(g); });
}

void PlayersGridPart::ScrollGrid(FlexGrid* g)
{
    // Rows kept out of sight (no height) are not waited for.
    long last = g->Rows() - 1;
    while (last > 0 && g->RowHeight(last) == 0)
        --last;
    if (last < 1)
        return;
    g->setTopRow(NextTopRow(g->TopRow(), last + 1, g->RowIsVisible(last)));
}
