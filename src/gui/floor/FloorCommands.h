#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QAction;
class QMenu;
class QWidget;
class frmMain;
class frmFontsAndColors;

// The running side's commands of the tournament window: the command row and
// toolbar buttons, the pop-up menus' handlers, the label short cuts, the
// grid events, Find and the chip count. Its handlers are wired to nearly
// every part of the window, so it is the window's friend.
class FloorCommands : public QObject {
    Q_OBJECT
public:
    explicit FloorCommands(frmMain& window);

    void cmdFind_Click();
    void mnAssignChipCount_Click();
    void mnAddRemovePlayers_Click();
    void gridTables_Click();
    // The seat menu's Eliminate, Buyin/Rebuy and Addon entries as the rules
    // offer them now to the player of the seat chart's current cell; none
    // for an open seat.
    void SetSeatMenuEntries();
    void gridChipCount_Click();
    void grid_SelChange();
    void cmdManageTables_Click();
    void cmdHideTutorial_Click();

    // The display settings dialogs of the View menu, modal.
    void mnDisplayOptions_Click();
    void mnAppearance_Click();
    void mnFonts_Click();
    void mnSounds_Click();
    // The appearance dialog alone, as the hand timer opens it.
    void ShowAppearance();
    // The fonts and colours editor over this window, not yet shown.
    frmFontsAndColors* NewFontsEditor();

    // The exports of the Export menu.
    void mnExportSignInTourney_Click();
    void mnExportSignInLeague_Click();
    void mnExportPlayerFinish_Click();
    void mnExportPlayerAddress_Click();
    void mnExportZorvaneReport_Click();
    void mnExportSeatChart_Click();
    void mnHPYCSV_Click();

    // Pops a menu at a control's top left corner, raised by rise pixels.
    void PopUpAt(QMenu* menu, QWidget* control, int rise = 0);
    // Pops a menu at the mouse.
    void PopUpAtMouse(QMenu* menu);

private:
    QAction* action(const char* name) const;
    QMenu* menu(const char* name) const;
    void onTriggered(const char* name, void (FloorCommands::*handler)());
    void wireButtons();
    void wireShortCuts();
    void wireGrids();

    frmMain& w;
};
