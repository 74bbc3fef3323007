#include "gui/floor/frmMain.h"

#include "core/display/ScreenObjects.h"
#include "core/floor/Levels.h"
#include "core/floor/PlayerLookup.h"
#include "core/floor/SeatingEngine.h"
#include "core/platform/Database.h"
#include "core/platform/ProgramTitle.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/store/OpenTournament.h"
#include "core/store/ProgramSettings.h"
#include "core/store/ScreenCatalogue.h"
#include "core/store/TournamentStore.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/RuledFrame.h"
#include "gui/display/DisplayLayout.h"
#include "gui/display/GrowingTexts.h"
#include "gui/display/PlayersGridPart.h"
#include "gui/display/RotatingLayouts.h"
#include "gui/display/ScreenController.h"
#include "gui/display/ScreenObjectStyler.h"
#include "gui/display/ScreenRefresh.h"
#include "gui/floor/ClockPanel.h"
#include "gui/floor/EntryCommands.h"
#include "gui/floor/FloorCommands.h"
#include "gui/floor/MainMenus.h"
#include "gui/floor/MainToolbar.h"
#include "gui/floor/SeatingCommands.h"
#include "gui/floor/frmChipCount.h"
#include "gui/platform/BusyPointer.h"
#include "gui/setup/frmAddEditTournament.h"
#include "gui/shared/frmPlayers.h"
#include "gui/shared/frmSearch.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTextEdit>
#include <QTimer>

namespace {

frmMain* gMainWindow = nullptr;

constexpr int WallClockItem = 10;

} // namespace

frmMain* mainWindow() { return gMainWindow; }

frmMain::frmMain(QWidget* parent)
    : QWidget(parent)
    , menus(new MainMenus(this))
    , display(this)
    , frames(this)
    , picToolbar(new MainToolbar(this))
    , screens(new ScreenController(
          display, [this](const QString& name) { return menus->action(name); }, frames.btnView, this))
    , commands(nullptr)
    , clock(nullptr)
    , seating(nullptr)
    , entries(nullptr)
    , layout(nullptr)
    , players(nullptr)
    , rotating(nullptr)
    , refresher(new ScreenRefresher(display, mSeatChart, mChipCountRows))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ProgramTitle());
    setAutoFillBackground(true);
    resize(1024, 740);
    picToolbar->hide();
    picToolbar->setCommandRow(frames.frameCommands);
    ClockWidgets clockWidgets;
    clockWidgets.lblTimer = display.lblTimer;
    clockWidgets.lblLevel = display.lblLevel;
    clockWidgets.picFinished = display.picFinished;
    clockWidgets.lblFinished = display.lblFinished;
    clockWidgets.classicTimer = display.lblClassicItem[6];
    clockWidgets.classicWallClock = display.lblClassicItem[WallClockItem];
    clockWidgets.classicNextBreak = display.lblClassicItem[11];
    clockWidgets.lblNextBreak = display.lblNextBreak;
    clockWidgets.btnClock = frames.btnClock;
    clockWidgets.frameReminder = frames.frameReminder;
    clockWidgets.lblReminder = frames.lblReminder;
    clock = new ClockPanel(clockWidgets, this);
    clock->onSetScreen = [this](bool bReset) { SetScreen(bReset); };
    clock->onRefreshScreens = [this](bool bRefreshTables) { RefreshScreens(bRefreshTables); };
    clock->onEntryPeriodChanged = [this] { FollowEntryRules(); };
    screens->clockHasMoved = [this] { return clock->clock.hasMoved(); };
    players = new PlayersGridPart({*this,
                                   display,
                                   {frames.frameButtons, frames.cmdEliminate, frames.cmdBuyin, frames.cmdAddon,
                                    frames.cmdMore, menus->action(QStringLiteral("mnMovePlayer"))},
                                   screens,
                                   mbSettingGridSelection,
                                   [this](bool bReset) { SetScreen(bReset); },
                                   [this] { layout->AdjustGridDisplays(); },
                                   [this] { layout->SetPlayerGridFontSize(); },
                                   [this] { layout->SetScreenSize(); },
                                   frames.frameCommands,
                                   [this] { ResetDisplayTimer(); }},
                                  this);
    frames.SetTabOrder(display.grid);
    layout = new DisplayLayout({*this,
                                display,
                                frames.frameCommands,
                                {frames.btnView, frames.btnClock, frames.btnClose, frames.btnExport, frames.btnSettings,
                                 frames.btnTables, frames.btnAdd, frames.btnHelp},
                                [this](int width, int height) {
                                    frames.Place(width, height);
                                    picToolbar->KeepInside();
                                },
                                [this] { return picToolbar->DisplayBottom(frames.frameCommands->y()); },
                                [this] { players->SetGridCols(); },
                                [this](bool bReset) { SetScreen(bReset); }},
                               this);
    screens->leavePlayersScreen = [this] { HideSelected(); };
    screens->fullLayout = [this] { layout->SetScreenAll(); };
    screens->basicLayout = [this] { layout->SetScreenBasic(); };
    // The clock, the level, the blinds and the summaries' figures read whole
    // whatever text they come to hold.
    new GrowingTexts(
        QList<QWidget*> {display.frameAll, display.frameSummary, display.frameSummary2, display.frameBuyin},
        [this] { SetScreen(true); }, this);
    rotating = new RotatingLayouts({*this, display, frames.frameCommands, layout, screens, refresher}, this);
    screens->placeRotatingScreens = [this] { SetRotatingScreenLocations(); };
    screens->layoutScreen = [this](Long screen) { rotating->LayoutScreen(screen); };
    commands = new FloorCommands(*this);
    seating = new SeatingCommands(*this, {*menus, frames});
    clock->onCheckTables = [this] { seating->CheckNotifyReduceTables(true, false); };
    entries = new EntryCommands(*this, {*menus, *clock, *seating});
    entries->playersGridPlayer = [this] { return long(FindPlayerIndex()); };
    screens->playersStillIn = [] { return int(PlayersStillIn(openTournament()).size()); };
    screens->setScreenObjects = [this](Long screen) { SetScreenObjects(this, screenObjects(), screen); };
    screens->loadManagerReport = [this] { refresher->LoadManagerReport(); };
    refresher->AdjustBreakLabel = [this] { AdjustBreakLabel(); };
    refresher->DisplayGrid = [this] { DisplayGrid(); };

    showWizard = ShowTournamentWizard;
    showPlayers = [this] {
        frmPlayers dialog(false, this);
        dialog.exec();
        return dialog.mbOKed;
    };
    askSearchText = [this]() -> std::optional<QString> {
        frmSearch dialog(this);
        dialog.exec();
        if (!dialog.mbOKed)
            return std::nullopt;
        return dialog.txtSearch->text();
    };
    askChipCount = [this](const QString& current) -> std::optional<QString> {
        frmChipCount box(this);
        box.txtChipCount->setText(current);
        box.exec();
        if (!box.mbOKed)
            return std::nullopt;
        return box.txtChipCount->text();
    };
    connect(picToolbar, &MainToolbar::roomChanged, this, [this] {
        if (mbActivated)
            SetScreen(true);
    });
    gMainWindow = this;
}

frmMain::~frmMain()
{
    delete refresher;
    if (gMainWindow == this)
        gMainWindow = nullptr;
}

void frmMain::Form_Load()
{
    layout->AdjustForScreenRes();
    layout->SetScreenSize();
    players->SetAutoScroll();
    screenObjects().LoadScreenObjects(gobjDatabase(), layout->sizes.Fonts, prompter());
    screens->Load();
    layout->SetColors();
    display.picFinished->raise();
    clock->Load();
    SetViewMenu();
    SetScreen(true);
}

void frmMain::Form_Activate()
{
    // The toolbar takes its place first, so that the display ends above it
    // and the tutorial, which shares the lower right corner with it, shows
    // over it whole.
    if (!mbActivated) {
        picToolbar->PlaceFromSettings();
        mbActivated = true;
    }
    SetScreen(true);
    if (bShowTutorial) {
        bShowTutorial = false;
        ShowTutorial();
    }
    if (bAskToAddPlayers) {
        bAskToAddPlayers = false;
        AskToAddPlayers();
    }
    ShowDefaultPointer();
}

void frmMain::Form_Unload()
{
    screens->tmrDisplay->stop();
    // The next load builds the table again.
    screenObjects().clear();
    clock->Unload();
}

void frmMain::ShowOpening() { layout->ShowOpening(); }

bool frmMain::btnClose_Click()
{
    if (mbClosing)
        return true;
    // Save before the window goes: a failed save keeps the window and the
    // tournament as they are.
    if (!ReportFailures([] { SaveTournament(false); }))
        return false;
    mbClosing = true;
    hide();
    showHome();
    Form_Unload();
    deleteLater();
    return true;
}

void frmMain::RefreshScreens(bool bRefreshTables)
{
    // Every floor operation ends here; a screen that cannot be filled must
    // not undo the operation that came before.
    const QScopedValueRollback<bool> redrawing(screens->mblnRedrawing, true);
    refresher->RefreshScreens(bRefreshTables);
    const Long screen = openTournament().glngCurrentScreen;
    if (screen == RulesScreen || screen == CustomMessageScreen)
        LogFailures(QStringLiteral("RefreshScreens: SetScreen"), [this] { SetScreen(false); });
    FollowEntryRules();
}

void frmMain::SetScreen(bool bReset) { screens->SetScreen(bReset); }

void frmMain::SetRotatingScreenLocations() { rotating->SetRotatingScreenLocations(); }
void frmMain::SwitchView(Long index) { screens->SwitchView(index); }
void frmMain::SetViewMenu() { screens->SetViewMenu(); }
void frmMain::ResetDisplayTimer() { screens->ResetDisplayTimer(); }

void frmMain::ShowSettings(int intNumNext)
{
    // The wizard is the director's to use: no busy pointer over it.
    ShowDefaultPointer();
    // A clock standing at the full length of its level shows a length the
    // set-up changed at once; a clock that has run keeps its time.
    const bool atFullLength = clock->clock.atFullLength();
    const BoundedArray<PlayerRecord> seatsBefore = openTournament().gtypPlayers;
    const Integer tableSize = openTournament().gintPlayersPerTable;
    const bool saved = showWizard(intNumNext);
    if (saved) {
        // The stored set-up's level, and the rotating screens for its
        // settings.
        SetLevel(openTournament().gintBlindsLevel);
        SetRotatingScreenLocations();
    }
    RefreshScreens(true);
    if (atFullLength)
        clock->mnClockReset_Click();
    if (saved)
        seating->TableSizeChanged(seatsBefore, tableSize);
}

void frmMain::SetLevel(Integer intLevel)
{
    ::SetLevel(openTournament(), intLevel);
    clock->ShowLevel();
}

void frmMain::ResetTimer() { clock->mnClockReset_Click(); }

void frmMain::ResetTourney() { clock->clock.ResetTourney(); }

void frmMain::AdjustBreakLabel() { clock->ShowLevel(); }

void frmMain::HideSelected() { players->HideSelected(); }

void frmMain::DisplayGrid() { players->DisplayGrid(); }

Integer frmMain::FindPlayerIndex() const { return players->FindPlayerIndex(); }

SeatChartCell frmMain::CurrentSeatChartCell() const
{
    return mSeatChart.cell(display.gridTables->Row(), display.gridTables->Col());
}

Integer frmMain::SeatChartPlayer() const
{
    const SeatChartCell cell = CurrentSeatChartCell();
    return PlayerIndexAtSeat(openTournament(), cell.Table, cell.Seat);
}

Integer frmMain::ChipCountPlayer() const
{
    return PlayerIndexByID(openTournament(), mChipCountRows.PlayerID(display.gridChipCount->Row()));
}

void frmMain::ShowButtons(bool bByKeyPress) { players->ShowButtons(bByKeyPress); }

void frmMain::FollowEntryRules()
{
    // Before the window has all its parts, there is nothing shown to follow.
    if (!players || !commands)
        return;
    players->FollowEntryRules();
    // The seat menu is set afresh each time it pops up.
    if (menus->menu(QStringLiteral("mnMovePlayerPopup"))->isVisible())
        commands->SetSeatMenuEntries();
}

void frmMain::ShowTutorial()
{
    if (programSettings().gintTutorial != 1)
        return;
    frames.frameTutorial->show();
    frames.frameTutorial->raise();
}

void frmMain::AskToAddPlayers() { commands->mnAddRemovePlayers_Click(); }

void frmMain::ShowAppearance() { commands->ShowAppearance(); }

bool frmMain::event(QEvent* e)
{
    const bool handled = QWidget::event(e);
    if (e->type() == QEvent::WindowActivate && !mbClosing)
        Form_Activate();
    // The last modal dialog over the window has closed: the window takes the
    // keyboard back. Without a window manager nothing else gives it back,
    // and its keys (F1-F4, F12, the Ctrl keys) would wait for a click.
    if (e->type() == QEvent::WindowUnblocked && isVisible() && !mbClosing)
        activateWindow();
    return handled;
}

void frmMain::closeEvent(QCloseEvent* e)
{
    // The close box is Exit: it saves first and stays open when it cannot.
    if (mbClosing || btnClose_Click())
        e->accept();
    else
        e->ignore();
}

void frmMain::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    layout->Form_Resize();
}
