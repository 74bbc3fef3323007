#include "gui/floor/FloorCommands.h"

#include "core/display/PlayersGrid.h"
#include "core/display/ScreenObjects.h"
#include "core/floor/EntryOptions.h"
#include "core/floor/FindInGrid.h"
#include "core/platform/Database.h"
#include "core/platform/Prompter.h"
#include "core/platform/ReportFailures.h"
#include "core/platform/Twips.h"
#include "core/store/Nz.h"
#include "core/store/OpenFileOrLink.h"
#include "core/store/OpenTournament.h"
#include "core/store/Payouts.h"
#include "core/store/PlainNumberText.h"
#include "core/store/ProgramSettings.h"
#include "core/store/ScreenCatalogue.h"
#include "core/store/SettingsFile.h"
#include "core/store/TournamentStore.h"
#include "gui/controls/ClickableLabel.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/ctlButton.h"
#include "gui/display/DisplayLayout.h"
#include "gui/display/PlayersGridPart.h"
#include "gui/display/ScreenController.h"
#include "gui/display/frmAppearance.h"
#include "gui/display/frmDisplay.h"
#include "gui/display/frmFontsAndColors.h"
#include "gui/display/frmSounds.h"
#include "gui/floor/ClockPanel.h"
#include "gui/floor/EntryCommands.h"
#include "gui/floor/MainMenus.h"
#include "gui/floor/MainToolbar.h"
#include "gui/floor/SeatingCommands.h"
#include "gui/floor/frmMain.h"
#include "gui/shared/Exports.h"
#include "gui/shared/frmInstructions.h"

#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {

// A menu popped from the More button opens this much above it.
constexpr int MoreMenuRiseTwips = 300;

} // namespace

FloorCommands::FloorCommands(frmMain& window)
    : QObject(&window)
    , w(window)
{
    setObjectName(QStringLiteral("FloorCommands"));
    wireButtons();
    wireShortCuts();
    wireGrids();

    onTriggered("mnAddRemovePlayers", &FloorCommands::mnAddRemovePlayers_Click);
    onTriggered("mnAddPlayers", &FloorCommands::mnAddRemovePlayers_Click);
    onTriggered("mnAssignChipCount", &FloorCommands::mnAssignChipCount_Click);
    onTriggered("mnExportSignInTourney", &FloorCommands::mnExportSignInTourney_Click);
    onTriggered("mnExportSignInLeague", &FloorCommands::mnExportSignInLeague_Click);
    onTriggered("mnExportPlayerFinish", &FloorCommands::mnExportPlayerFinish_Click);
    onTriggered("mnExportPlayerAddress", &FloorCommands::mnExportPlayerAddress_Click);
    onTriggered("mnExportZorvaneReport", &FloorCommands::mnExportZorvaneReport_Click);
    onTriggered("mnExportSeatChart", &FloorCommands::mnExportSeatChart_Click);
    onTriggered("mnHPYCSV", &FloorCommands::mnHPYCSV_Click);
    connect(action("mnGotoPlayerScreen"), &QAction::triggered, &w, [this] { w.SwitchView(PlayersScreen); });
    connect(action("mnShowToolBar"), &QAction::triggered, w.picToolbar, &MainToolbar::mnShowToolBar_Click);
    connect(action("mnCalc"), &QAction::triggered, this, [] { OpenFileOrLink(QStringLiteral("calc.exe")); });
    connect(action("mnAdjustClockSettings"), &QAction::triggered, &w, [this] { w.ShowSettings(3); });
    connect(w.menus->SettingsKey, &QAction::triggered, &w, [this] { w.ShowSettings(0); });

    ClockPanel* clock = w.clock;
    connect(action("mnClockStart"), &QAction::triggered, clock, &ClockPanel::mnClockStart_Click);
    connect(action("mnClockPause"), &QAction::triggered, clock, &ClockPanel::mnClockPause_Click);
    connect(action("mnSkipLevel"), &QAction::triggered, clock, &ClockPanel::mnSkipLevel_Click);
    connect(action("mnClockReset"), &QAction::triggered, clock, &ClockPanel::mnClockReset_Click);
    connect(action("mnAddMinute"), &QAction::triggered, clock, &ClockPanel::mnAddMinute_Click);
    connect(action("mnHandTimer"), &QAction::triggered, clock, &ClockPanel::mnHandTimer_Click);
    onTriggered("mnDisplayOptions", &FloorCommands::mnDisplayOptions_Click);
    onTriggered("mnAppearance", &FloorCommands::mnAppearance_Click);
    onTriggered("mnFonts", &FloorCommands::mnFonts_Click);
    onTriggered("mnSounds", &FloorCommands::mnSounds_Click);
}

QAction* FloorCommands::action(const char* name) const { return w.menus->action(QString::fromLatin1(name)); }

QMenu* FloorCommands::menu(const char* name) const { return w.menus->menu(QString::fromLatin1(name)); }

void FloorCommands::onTriggered(const char* name, void (FloorCommands::*handler)())
{
    connect(action(name), &QAction::triggered, this, handler);
}

void FloorCommands::PopUpAt(QMenu* m, QWidget* control, int rise) { m->popup(control->mapToGlobal(QPoint(0, -rise))); }

void FloorCommands::PopUpAtMouse(QMenu* m) { m->popup(QCursor::pos()); }

void FloorCommands::wireButtons()
{
    FloorFrames& f = w.frames;
    auto pops = [this](ctlButton* b, const char* name) {
        connect(b, &ctlButton::Click, this, [this, b, name] { PopUpAt(menu(name), b); });
    };
    pops(f.btnClock, "mnClockPopup");
    pops(f.btnAdd, "mnPlayersPopup");
    pops(f.btnTables, "mnTablePopup");
    pops(f.btnExport, "mnExportPopup");
    pops(f.btnView, "mnPopup");
    connect(f.btnSettings, &ctlButton::Click, &w, [this] { w.ShowSettings(0); });
    connect(f.btnHelp, &ctlButton::Click, this, [] { ShowInstructions(frmInstructions::Page::Zorvane, true); });
    connect(f.btnClose, &ctlButton::Click, &w, [this] { w.btnClose_Click(); });
    connect(f.cmdMore, &QPushButton::clicked, this,
            [this] { PopUpAt(menu("mnMorePopup"), w.frames.cmdMore, TwipsToPixels(MoreMenuRiseTwips)); });
    connect(f.cmdFind, &QPushButton::clicked, this, &FloorCommands::cmdFind_Click);
    connect(f.cmdHideBuyin, &QPushButton::clicked, &w, &frmMain::HideSelected);
    f.cmdHideBuyin->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(f.cmdHideAlert, &QPushButton::clicked, f.frameAlert, &QWidget::hide);
    connect(f.cmdOK, &QPushButton::clicked, f.frameReminder, &QWidget::hide);
    connect(f.cmdManageTables, &QPushButton::clicked, this, &FloorCommands::cmdManageTables_Click);
    connect(f.cmdHideTutorial, &QPushButton::clicked, this, &FloorCommands::cmdHideTutorial_Click);
    connect(f.cmdBuyin, &QPushButton::clicked, this, [this] {
        w.ResetDisplayTimer();
        w.entries->BuyinOrRebuy(false);
        w.HideSelected();
    });
    connect(f.cmdAddon, &QPushButton::clicked, this, [this] {
        w.ResetDisplayTimer();
        w.entries->AddonPlayer(false);
        w.HideSelected();
    });
    connect(f.cmdEliminate, &QPushButton::clicked, this, [this] {
        w.ResetDisplayTimer();
        w.entries->EliminatePlayer(false);
        w.HideSelected();
    });

    MainToolbar* t = w.picToolbar;
    auto runs = [this](QToolButton* b, const char* name) {
        connect(b, &QToolButton::clicked, action(name), &QAction::trigger);
    };
    runs(t->cmdStartClock, "mnClockStart");
    runs(t->cmdPauseClock, "mnClockPause");
    runs(t->cmdAddRemovePlayers, "mnAddPlayers");
    runs(t->cmdToggleScreen, "mnToggleScreen");
    runs(t->cmdViewPlayerScreen, "mnViewPlayers");
    runs(t->cmdHandTimer, "mnHandTimer");
    connect(t->cmdTournamentSetup, &QToolButton::clicked, &w, [this] { w.ShowSettings(0); });
}

void FloorCommands::wireShortCuts()
{
    DisplayPanels& d = w.display;
    auto opens = [this](ClickableLabel* l, int page) {
        connect(l, &ClickableLabel::clicked, &w, [this, page] { w.ShowSettings(page); });
    };
    for (ClickableLabel* l : {d.lblBlinds, d.lblBlindsCap, d.lblLevel})
        opens(l, 3);
    opens(d.lblChipValuesCap, 2);
    for (ClickableLabel* l : d.lblChipAmount)
        opens(l, 2);
    opens(d.lblPayoutCap, 4);
    for (std::size_t i = 0; i < d.lblPlace.size(); ++i) {
        opens(d.lblPlace[i], 4);
        opens(d.lblPayout[i], 4);
    }
    for (ClickableLabel* l : {d.lblTimer, d.lblTimerCap})
        connect(l, &ClickableLabel::clicked, this, [this] { PopUpAtMouse(menu("mnClockPopup")); });
}

void FloorCommands::wireGrids()
{
    DisplayPanels& d = w.display;
    connect(d.grid, &FlexGrid::SelChange, this, &FloorCommands::grid_SelChange);
    connect(d.grid, &FlexGrid::Click, &w, [this] { w.ShowButtons(false); });
    connect(d.grid, &FlexGrid::KeyPress, &w, [this](int& KeyAscii) {
        // Enter presses the default action button while the buttons show.
        if (KeyAscii == 13 && !w.players->PressDefaultButton())
            w.ShowButtons(false);
    });
    connect(d.grid, &FlexGrid::Scroll, &w, [this] {
        w.ResetDisplayTimer();
        w.HideSelected();
    });
    connect(d.gridTables, &FlexGrid::Click, this, &FloorCommands::gridTables_Click);
    connect(d.gridChipCount, &FlexGrid::Click, this, &FloorCommands::gridChipCount_Click);
    for (FlexGrid* g : {d.gridPayouts, d.gridAwards, d.gridKills, d.gridChipCount, d.gridTables})
        connect(g, &FlexGrid::Scroll, &w, &frmMain::ResetDisplayTimer);
    for (FlexGrid* g : {d.gridPayouts, d.gridAwards, d.gridChipCount, d.gridTables})
        connect(g, &FlexGrid::SelChange, &w, &frmMain::ResetDisplayTimer);
}

void FloorCommands::grid_SelChange()
{
    // Only the operator's own move keeps the screen up and holds the
    // auto-scroll; the display moving the current cell while it fills the
    // grid starts nothing.
    if (!w.mbSettingGridSelection)
        w.ResetDisplayTimer();
    if (w.display.grid->Col() == PlayersGapColumn)
        w.HideSelected();
    else if (!w.mbSettingGridSelection)
        w.ShowButtons(true);
}

void FloorCommands::cmdFind_Click()
{
    const std::optional<QString> text = w.askSearchText();
    if (!text || text->isEmpty())
        return;
    FlexGrid* g = w.display.grid;
    const std::optional<GridCell> found = FindInGrid(*g, *text);
    if (!found) {
        prompter().message(QStringLiteral("No match found"));
        return;
    }
    w.HideSelected();
    {
        QScopedValueRollback<bool> moving(w.mbSettingGridSelection, true);
        g->setTopRow(found->Row);
        g->setRow(found->Row);
        g->setCol(found->Col);
    }
    grid_SelChange();
}

void FloorCommands::mnAssignChipCount_Click()
{
    OpenTournament& t = openTournament();
    const Integer index = w.ChipCountPlayer();
    if (index < 1) {
        prompter().message(QStringLiteral("No player selected."));
        return;
    }
    const Single before = t.gtypPlayers[index].ChipCount;
    const std::optional<QString> count = w.askChipCount(PlainNumberText(before));
    if (!count)
        return;
    t.gtypPlayers[index].ChipCount = NzSingle(*count);
    // A count that cannot be stored is not kept in memory either.
    if (!ReportFailures([index] { SaveTournamentPlayer(index); })) {
        t.gtypPlayers[index].ChipCount = before;
        return;
    }
    w.RefreshScreens(false);
}

void FloorCommands::mnAddRemovePlayers_Click()
{
    if (!w.showPlayers())
        return;
    if (programSettings().gintRotateScreens == 1)
        w.SwitchView(PlayersScreen);
    CalculatePayouts(openTournament());
    w.RefreshScreens(true);
}

void FloorCommands::gridTables_Click()
{
    FlexGrid* g = w.display.gridTables;
    // A click makes the clicked cell the current one; only a seat's name
    // answers.
    const long row = g->Row();
    const long col = g->Col();
    if (w.CurrentSeatChartCell().Table < 1 || row < 0 || row >= g->Rows() || g->TextMatrix(row, col).isEmpty())
        return;
    w.screens->tmrDisplay->stop();
    SetSeatMenuEntries();
    PopUpAtMouse(menu("mnMovePlayerPopup"));
    w.ResetDisplayTimer();
}

void FloorCommands::SetSeatMenuEntries()
{
    const OpenTournament& t = openTournament();
    const Integer index = w.SeatChartPlayer();
    EntryOffer offer;
    if (index > 0)
        offer = EntryOptions(t, t.gtypPlayers[index]);
    action("mnEliminate")->setEnabled(offer.Eliminate);
    QAction* buyin = action("mnBuyin");
    buyin->setEnabled(offer.Buyin || offer.Rebuy);
    buyin->setText(BuyinCaption(offer));
    action("mnAddon")->setEnabled(offer.Addon);
}

void FloorCommands::gridChipCount_Click()
{
    if (w.ChipCountPlayer() > 0)
        PopUpAtMouse(menu("mnChipCountPopup"));
}

void FloorCommands::cmdManageTables_Click()
{
    QMenu* tables = menu("mnTablePopup");
    connect(tables, &QMenu::aboutToHide, w.frames.frameAlert, &QWidget::hide, Qt::SingleShotConnection);
    // Once the chosen command has run, the alert comes back, silently, if the
    // tables still need it.
    connect(tables, &QMenu::aboutToHide, w.seating, &SeatingCommands::CheckAgainAfterCommand, Qt::SingleShotConnection);
    PopUpAt(tables, w.frames.cmdManageTables);
}

void FloorCommands::cmdHideTutorial_Click()
{
    w.frames.frameTutorial->hide();
    if (w.frames.chkNoMore->isChecked()) {
        programSettings().gintTutorial = 0;
        WriteIniValue(QStringLiteral("Display"), QStringLiteral("Tutorial"), 0);
    }
}

void FloorCommands::mnDisplayOptions_Click()
{
    frmDisplay dialog(&w);
    dialog.applied = [this](int intervalMs) {
        w.screens->tmrDisplay->setInterval(intervalMs);
        w.SetScreen(true);
        w.players->SetGridCols();
        w.layout->AdjustGridDisplays();
        w.DisplayGrid();
    };
    dialog.exec();
}

void FloorCommands::ShowAppearance()
{
    frmAppearance dialog(&w);
    dialog.playersGridDefaultSize
        = [this](Long layout) { return w.layout->sizes.Fonts.PlayerGridDefaultFontSize(layout); };
    dialog.relayout = [this] {
        w.players->SetGridCols();
        w.layout->AdjustGridDisplays();
        w.DisplayGrid();
        w.layout->SetColors();
        w.SetScreen(true);
        w.layout->SetScreenSize();
        w.players->SetAutoScroll();
    };
    dialog.exec();
}

void FloorCommands::mnAppearance_Click()
{
    ShowAppearance();
    w.RefreshScreens(true);
}

frmFontsAndColors* FloorCommands::NewFontsEditor()
{
    FontsEditorWindow window;
    window.Window = &w;
    window.RotationTicked = [this] { return action("mnRotate")->isChecked(); };
    window.SwitchView = [this](Long screen) { w.SwitchView(screen); };
    window.LoadScreenObjects = [this] {
        screenObjects().LoadScreenObjects(gobjDatabase(), w.layout->sizes.Fonts, prompter());
        w.SetScreen(true);
    };
    window.ResetDisplayTimer = [this] { w.ResetDisplayTimer(); };
    return new frmFontsAndColors(std::move(window), &w);
}

void FloorCommands::mnFonts_Click()
{
    const std::unique_ptr<frmFontsAndColors> dialog(NewFontsEditor());
    dialog->exec();
    w.RefreshScreens(true);
}

void FloorCommands::mnSounds_Click()
{
    frmSounds dialog(&w);
    dialog.exec();
}

void FloorCommands::mnExportSignInTourney_Click()
{
    const OpenTournament& t = openTournament();
    ExportSignInSheet(t.glngCurrentLeagueID, t.glngCurrentTournamentID, t.gstrCurrentLeagueName, t.gstrTournamentName);
}

void FloorCommands::mnExportSignInLeague_Click()
{
    const OpenTournament& t = openTournament();
    ExportSignInSheet(t.glngCurrentLeagueID, 0, t.gstrCurrentLeagueName, t.gstrTournamentName);
}

void FloorCommands::mnExportPlayerFinish_Click()
{
    ExportGridToCsv(*w.display.grid, openTournament().gstrTournamentName + QStringLiteral(".csv"), QString(),
                    [this] { return w.players->UseExportLayout(); });
}

void FloorCommands::mnExportPlayerAddress_Click()
{
    const OpenTournament& t = openTournament();
    ExportPlayerList(t.glngCurrentLeagueID, t.glngCurrentTournamentID, t.gstrCurrentLeagueName, t.gstrTournamentName);
}

void FloorCommands::mnExportZorvaneReport_Click()
{
    ExportTextFile(w.display.txtManagerReport->toPlainText(),
                   openTournament().gstrTournamentName + QStringLiteral(" Manager Report.txt"));
}

void FloorCommands::mnExportSeatChart_Click()
{
    ExportGridToCsv(*w.display.gridTables, openTournament().gstrTournamentName + QStringLiteral(" Seat Chart.csv"),
                    QString());
}

void FloorCommands::mnHPYCSV_Click()
{
    ExportGridToCsv(*w.display.grid, openTournament().gstrTournamentName + QStringLiteral(".csv"),
                    QStringLiteral("HPT"), [this] { return w.players->UseExportLayout(); });
}
