#pragma once

#include "core/display/ScreenMaps.h"

#include <QString>
#include <QStringList>
#include <functional>

struct DisplayPanels;
class FlexGrid;
class OpenTournament;
class ProgramSettings;
class ScreenGrid;

// Fills the screens of the tournament window from the open tournament:
// texts, colours and pictures only (which controls show is the layouts'
// business). It fills the window's display panels through their members, so
// a control the refresh fills cannot go missing under a changed name.
class ScreenRefresher {
public:
    ScreenRefresher(DisplayPanels& display, SeatChartMap& seatChart, ChipCountMap& chipCountRows);

    // What the refresh reads; the program's own unless a test puts its own.
    OpenTournament* tournament;
    const ProgramSettings* settings;

    // The window's parts the refresh calls at their places.
    std::function<void()> AdjustBreakLabel = [] {};
    std::function<void()> DisplayGrid = [] {};

    // Recomputes every screen, the seat chart only with bRefreshTables. It
    // never fails: each step runs on its own, a failing one is logged by
    // name and the others still run.
    void RefreshScreens(bool bRefreshTables);
    // The steps that failed in the last refresh.
    QStringList failures() const { return mFailures; }

    void LoadPayouts();
    void LoadAwardsGrid();
    void LoadKillsGrid();
    void LoadChipCountGrid();
    void LoadTables();
    void LoadSummary();
    void LoadSummary2();
    void LoadBuyin();
    void LoadManagerReport();

    // The blinds line, the chip column and the top payouts of the main
    // display.
    void LoadBlindsLine();
    void LoadChips();
    void LoadTopPayouts();

    // Steps a test makes fail.
    std::function<void(const QString& step)> beforeStep = [](const QString&) {};

private:
    void run(const char* step, void (ScreenRefresher::*loader)());
    void displayGrid() { DisplayGrid(); }

    DisplayPanels& d;
    SeatChartMap& mSeatChart;
    ChipCountMap& mChipCountRows;
    QStringList mFailures;
};

// Copies a grid's contents onto a display grid with drawing switched off.
void FillGrid(FlexGrid* Grid, const ScreenGrid& Contents);
