#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>
#include <array>

class ChipPicture;
class ChipShape;
class ClickableLabel;
class FlexGrid;
class QFrame;
class QLabel;
class QTextEdit;
class QWidget;
class RuledFrame;

// The display area of the tournament window: the standard screen with its
// clock block, chips and payouts and the players grid, and the panels of the
// other screens. Each control carries its given name. Where each control
// goes is the layouts' business, what it shows the refresh's.
struct DisplayPanels {
    explicit DisplayPanels(QWidget* window);

    // The standard screen
    QFrame* frameAll;
    ClickableLabel* lblLevel;
    ClickableLabel* lblTimerCap;
    ClickableLabel* lblTimer;
    ClickableLabel* lblBlindsCap;
    ClickableLabel* lblBlinds;
    ClickableLabel* lblChipValuesCap;
    std::array<ClickableLabel*, 10> lblChipAmount {};
    // Each chip's colour or picture, left of its amount; below the grid.
    std::array<ChipShape*, 10> shpChip {};
    std::array<ChipPicture*, 10> imgChip {};
    ClickableLabel* lblPayoutCap;
    std::array<ClickableLabel*, 5> lblPlace {};
    std::array<ClickableLabel*, 5> lblPayout {};
    FlexGrid* grid;

    // The panels of the other screens
    QFrame* frameSummary;
    QLabel* lblTournamentCap;
    QLabel* lblTournament;
    QLabel* lblTotalBuyCap;
    QLabel* lblTotalBuy;
    QLabel* lblNumPlayersCap;
    QLabel* lblNumPlayers;
    QLabel* lblAveStackCap;
    QLabel* lblAveStack;
    QLabel* lblNextBreakCap;
    QLabel* lblNextBreak;
    QLabel* lblNextBlindsCap;
    QLabel* lblNextBlinds;
    RuledFrame* frameSummary2; // draws the rules of the classic table
    QLabel* lblClassicTournamentTitle;
    std::array<QLabel*, 15> lblClassicHeader {};
    std::array<QLabel*, 15> lblClassicItem {};
    QFrame* frameBuyin;
    QLabel* lblBuyinCap;
    QLabel* lblBuyin;
    QLabel* lblRebuyCap;
    QLabel* lblRebuy;
    QLabel* lblAddonCap;
    QLabel* lblAddon;
    FlexGrid* gridPayouts;
    FlexGrid* gridAwards;
    FlexGrid* gridKills;
    FlexGrid* gridChipCount;
    FlexGrid* gridTables;
    QTextEdit* txtManagerReport;
    QTextEdit* rtbRules;
    QTextEdit* rtbCustomMessage;
    QLabel* imgCustomPicture;

    // The clock's notices over the window: only the label shows, and
    // neither takes a click or a key.
    QFrame* picFinished;
    QLabel* lblFinished;

    // The clock block: time, blinds and their captions, and the level.
    std::array<QWidget*, 5> clockLabels() const;
    // Every screen panel that SetScreen hides first, players grid excluded.
    std::array<QWidget*, 12> screenPanels() const;
    // The panel by its name ("" gives nothing).
    QWidget* panel(const QString& name) const;
    // Gives the standard screen and the finished cover the whole window;
    // the rotating screens are placed by their layouts.
    void Place(int width, int height);
};
