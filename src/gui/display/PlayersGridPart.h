#pragma once

#include "core/platform/ModelTypes.h"

#include <QObject>

class FlexGrid;
class QTimer;
class frmMain;

// The players grid of the tournament window and the player action buttons
// that float beside its selected row: filling the grid, the player of a
// cell, the selection highlight, and the auto-scroll of the display's long
// grids.
class PlayersGridPart : public QObject {
    Q_OBJECT
public:
    explicit PlayersGridPart(frmMain& window);
    ~PlayersGridPart() override;

    QTimer* tmrHideButtons;
    QTimer* tmrScroll;

    void SetGridCols();
    void DisplayGrid();
    // The player (from 1) of the grid's current cell, 0 when none.
    Integer FindPlayerIndex() const;
    void SetGridBackColor(long intRow, long intCol, bool bSelected);
    void SetGridSelected(long intCol, long intRow, bool bSelected);
    void HideSelected();
    // The hide timer's tick: the buttons stay while the pointer rests on them
    // or one of them has the keyboard focus, and the screen stays with them.
    void tmrHideButtons_Timer();
    // bByKeyPress: true from a selection change, false from a click or Enter.
    void ShowButtons(bool bByKeyPress);
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
    void setTabOrder();
    void placeButtons(long row, long col);
    void relayoutGrid();

    frmMain& w;
};
