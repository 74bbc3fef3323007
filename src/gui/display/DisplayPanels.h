#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>
#include <array>

class ClickableLabel;
class FlexGrid;
class QFrame;
class QLabel;
class QTextEdit;
class QWidget;

// The display area of the tournament window: the standard screen with its
// clock block, chips and payouts and the players grid, and the panels of the
// other screens. Each control carries its given name. The layout of each
// screen and what fills it come from the screen's own part; until then a
// panel shows its screen's caption only.
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
    QFrame* frameSummary2;
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

    // Covers the window when the tournament is over
    QFrame* picFinished;
    QLabel* lblFinished;

    // Every screen panel that SetScreen hides first, players grid excluded.
    std::array<QWidget*, 12> screenPanels() const;
    // The panel by its name ("" gives nothing).
    QWidget* panel(const QString& name) const;
    // Puts the screen's caption on its panel while nothing fills it.
    void ShowScreenCaption(Long screen, const QString& panelName);
    // Gives every panel the window's display area.
    void Place(int width, int height);

private:
    QLabel* mSummaryCaption;
    QLabel* mSummary2Caption;
    QLabel* mBuyinCaption;
};
