#pragma once

#include "core/display/ScreenMaps.h"
#include "core/platform/ModelTypes.h"
#include "gui/display/DisplayPanels.h"
#include "gui/floor/FloorFrames.h"

#include <QWidget>
#include <functional>
#include <optional>

class ClockPanel;
class DisplayLayout;
class FloorCommands;
class MainMenus;
class MainToolbar;
class PlayersGridPart;
class RotatingLayouts;
class ScreenController;
class ScreenRefresher;
class EntryCommands;
class SeatingCommands;

// The tournament window: the display screens, the command row, the pop-up
// menus and keys, the floating toolbar and the alert, tutorial and reminder
// panels. This class holds the window's life cycle and wires its parts.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Set by the home window before each show.
    bool bShowTutorial = false;
    bool bAskToAddPlayers = false;
    bool mbActivated = false;

    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    // Shows the window as it opens: full screen, or else maximised on its
    // screen.
    void ShowOpening();
    // Exit: saves the tournament first; when the save fails the director is
    // told and the window stays open. True when the window closed.
    bool btnClose_Click();

    void RefreshScreens(bool bRefreshTables);
    void SetScreen(bool bReset);
    void SwitchView(Long index);
    void SetViewMenu();
    // Every rotating screen's panel into the players grid's rectangle; the
    // set-up calls it after a tournament's settings change.
    void SetRotatingScreenLocations();
    void ResetDisplayTimer();
    // Opens the set-up at a page while the tournament runs.
    void ShowSettings(int intNumNext);
    void HideSelected();
    // The players grid and its action buttons.
    void DisplayGrid();
    Integer FindPlayerIndex() const;
    // The seat chart's current cell, and the player seated there (0 for
    // none).
    SeatChartCell CurrentSeatChartCell() const;
    Integer SeatChartPlayer() const;
    // The player of the chip count's current row (0 for none).
    Integer ChipCountPlayer() const;
    void ShowButtons(bool bByKeyPress);
    // The player buttons and the seat menu offer what the rules offer now:
    // after every refresh and every change of level or break.
    void FollowEntryRules();

    // The level clock's calls from other windows.
    void SetLevel(Integer intLevel);
    void ResetTimer();
    void ResetTourney();
    void AdjustBreakLabel();

    void ShowTutorial();
    void AskToAddPlayers();
    // The appearance dialog over this window, as the hand timer opens it.
    void ShowAppearance();

    // What the window opens; tests put their own in place. The set-up wizard
    // at a page (true when the director saved), the players dialog (true on
    // OK), the search box (the text, or nothing on Cancel), the chip count
    // box (the accepted text, or nothing on Cancel).
    std::function<bool(int page)> showWizard;
    std::function<bool()> showPlayers;
    std::function<std::optional<QString>()> askSearchText;
    std::function<std::optional<QString>(const QString& current)> askChipCount;
    // Where Exit goes: the home window.
    std::function<void()> showHome = [] {};

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // The command row's, menus' and grids' handlers are wired to nearly
    // every part; the tests reach the parts through one access point.
    friend class FloorCommands;
    friend struct frmMainTestAccess;

    bool mbSettingGridSelection = false; // the display moves the players-grid selection itself
    // Which player each seat-chart cell and chip-count row stands for.
    SeatChartMap mSeatChart;
    ChipCountMap mChipCountRows;

    // The window's parts. The display parts and the seat and entry commands
    // are given the few of them they use when the window makes them.
    MainMenus* menus;
    DisplayPanels display;
    FloorFrames frames;
    MainToolbar* picToolbar;
    ScreenController* screens;
    FloorCommands* commands;
    ClockPanel* clock;
    SeatingCommands* seating;
    EntryCommands* entries;
    DisplayLayout* layout;
    PlayersGridPart* players;
    RotatingLayouts* rotating;
    ScreenRefresher* refresher;

    bool mbClosing = false;
};

// The one tournament window while it is open, else nothing.
frmMain* mainWindow();
