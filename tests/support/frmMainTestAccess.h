#pragma once

#include "gui/floor/frmMain.h"

// The tournament window's parts, which it keeps to itself, as the tests
// reach them: parts(w).clock, parts(w).display and so on.
struct frmMainTestAccess {
    explicit frmMainTestAccess(const frmMain& w)
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
    {
    }

    MainMenus* menus;
    const DisplayPanels& display;
    const FloorFrames& frames;
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
};

inline frmMainTestAccess parts(const frmMain& w) { return frmMainTestAccess(w); }
inline frmMainTestAccess parts(const frmMain* w) { return frmMainTestAccess(*w); }
