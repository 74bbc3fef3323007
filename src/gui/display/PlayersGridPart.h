#pragma once

#include "core/platform/ModelTypes.h"

#include <QObject>
#include <functional>

class ActionButtonsHold;
struct DisplayPanels;
class FlexGrid;
class QAction;
class QFrame;
class QPushButton;
class QTimer;
class QWidget;
class ScreenController;

// The player action buttons that float beside the selected row, and the
// More menu's seat entry they enable.
struct PlayerButtons {
    QFrame* frameButtons;
    QPushButton* cmdEliminate;
    QPushButton* cmdBuyin;
    QPushButton* cmdAddon;
    QPushButton* cmdMore;
    QAction* mnMovePlayer;
};

// What the players grid part reads and calls of the tournament window.
struct PlayersGridWindow {
    QWidget& window; // the buttons stay inside it
    DisplayPanels& display;
    PlayerButtons frames;
    ScreenController* screens;
    bool& mbSettingGridSelection; // the window's: set while the part moves the selection
    std::function<void(bool bReset)> SetScreen;
    // The display layout's steps when the grid's columns change.
    std::function<void()> AdjustGridDisplays;
    std::function<void()> SetPlayerGridFontSize;
    std::function<void()> SetScreenSize;
    QWidget* frameCommands; // the command row: the buttons keep off it
    // The rotation waits its whole interval again while the buttons show.
    std::function<void()> ResetDisplayTimer;
};

// The players grid of the tournament window and the player action buttons
// that float beside its selected row: filling the grid, the player of a
// cell, the selection highlight, and the auto-scroll of the display's long
// grids.
class PlayersGridPart : public QObject {
    Q_OBJECT
public:
    PlayersGridPart(PlayersGridWindow window, QObject* parent);

    QTimer* tmrHideButtons;
    QTimer* tmrScroll;

    void SetGridCols();
    void DisplayGrid();
    // The grid's exports read it one player per row with the points, whatever
    // the director shows: lays it out so and gives back what puts the
    // director's layout back (nothing when it already was so).
    std::function<void()> UseExportLayout();
    // The player (from 1) of the grid's current cell, 0 when none.
    Integer FindPlayerIndex() const;
    void SetGridBackColor(long intRow, long intCol, bool bSelected);
    void SetGridSelected(long intCol, long intRow, bool bSelected);
    void HideSelected();
    // The hide timer's tick: the buttons stay while the pointer rests on
    // them or on the selected player's row, or one of them has the keyboard
    // focus, and the screen stays with them.
    void tmrHideButtons_Timer();
    // bByKeyPress: true from a selection change, false from a click or Enter.
    void ShowButtons(bool bByKeyPress);
    // The buttons on show read and allow what the rules offer their player
    // now; they go when the selected row holds another player since.
    void FollowEntryRules();
    // Clicks the default action button when the buttons show and it is
    // enabled; false when there was none to press.
    bool PressDefaultButton();
    void SetAutoScroll();
    void tmrScroll_Timer();
    void ScrollGrid(FlexGrid* g);

    long mintSelectedCol = 0;
    long mintSelectedRow = 0;
    int mintScrollHold = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeButtons(long row, long col);
    void relayoutGrid();
    void showStates(Integer index);
    bool isSelectedCell(long row, long col) const;

    PlayersGridWindow w;
    ActionButtonsHold* mHold;
    Long mShownPlayerID = 0; // the player the buttons were shown for
};
