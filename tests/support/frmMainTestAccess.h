#pragma once

#include "gui/floor/frmMain.h"

// The tournament window's parts, which it keeps to itself, as the tests
// reach them: parts(w).clock, parts(w).display and so on, and the state
// they share.
struct frmMainTestAccess {
    explicit frmMainTestAccess(frmMain& w)
        : menus(w.menus)
        , display(w.display)
        , frames(w.frames)
        , picToolbar(w.picToolbar)
        , screens(w.screens)
        , commands(w.commands)
        , clock(w.clock)
        , seating(w.seating)
        , entries(w.entries)
        , layout(w.layout)
        , players(w.players)
        , rotating(w.rotating)
        , refresher(w.refresher)
        , mbSettingGridSelection(w.mbSettingGridSelection)
        , mSeatChart(w.mSeatChart)
        , mChipCountRows(w.mChipCountRows)
    {
    }

    MainMenus* menus;
    DisplayPanels& display;
    FloorFrames& frames;
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
    bool& mbSettingGridSelection;
    SeatChartMap& mSeatChart;
    ChipCountMap& mChipCountRows;
};

inline frmMainTestAccess parts(frmMain& w) { return frmMainTestAccess(w); }
inline frmMainTestAccess parts(frmMain* w) { return frmMainTestAccess(*w); }
