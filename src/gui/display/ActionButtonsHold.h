#pragma once

#include <QObject>
#include <functional>

class FlexGrid;
class QTimer;
class QWidget;

// Keeps the player action buttons up while the director is at them: the
// pointer resting on the selected player's cells or on the buttons, or the
// keyboard focus in the buttons. A director often rests the pointer on the
// name while looking at the room; the buttons must still be there when the
// pointer moves on to them. When the pointer leaves both the player's cells
// and the buttons, the hide timer counts its whole interval again, so the
// buttons go that long after the pointer left.
class ActionButtonsHold : public QObject {
    Q_OBJECT
public:
    // isSelected(row, col): whether the cell belongs to the selected player.
    ActionButtonsHold(FlexGrid* grid, QWidget* buttons, QTimer* hideTimer,
                      std::function<bool(long row, long col)> isSelected, QObject* parent);

    // Whether the buttons are to stay now.
    bool held() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pointerOnSelection() const;
    // Run once the pointer's move has been dispatched everywhere, when the
    // widgets under it are known.
    void pointerMoved();

    FlexGrid* mGrid;
    QWidget* mButtons;
    QTimer* mHideTimer;
    std::function<bool(long, long)> mIsSelected;
    bool mPointerWasOn = false;
    bool mCheckPending = false;
};
