#include "gui/display/ActionButtonsHold.h"

#include "gui/controls/FlexGrid.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

ActionButtonsHold::ActionButtonsHold(FlexGrid* grid, QWidget* buttons, QTimer* hideTimer,
                                     std::function<bool(long, long)> isSelected, QObject* parent)
    : QObject(parent)
    , mGrid(grid)
    , mButtons(buttons)
    , mHideTimer(hideTimer)
    , mIsSelected(std::move(isSelected))
{
    setObjectName(QStringLiteral("ActionButtonsHold"));
    mGrid->viewport()->installEventFilter(this);
    mButtons->installEventFilter(this);
}

bool ActionButtonsHold::held() const
{
    const QWidget* focus = QApplication::focusWidget();
    return mButtons->isVisible() && (pointerOnSelection() || (focus && mButtons->isAncestorOf(focus)));
}

bool ActionButtonsHold::pointerOnSelection() const
{
    if (mButtons->underMouse())
        return true;
    return mGrid->viewport()->underMouse() && mIsSelected(mGrid->MouseRow(), mGrid->MouseCol());
}

bool ActionButtonsHold::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::Enter:
    case QEvent::Leave:
        // The grid notes the cell under the pointer as it handles the move,
        // and a leave comes before the enter of the widget reached.
        if (!mCheckPending) {
            mCheckPending = true;
            QMetaObject::invokeMethod(this, &ActionButtonsHold::pointerMoved, Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ActionButtonsHold::pointerMoved()
{
    mCheckPending = false;
    const bool on = mButtons->isVisible() && pointerOnSelection();
    if (mPointerWasOn && !on && mButtons->isVisible())
        mHideTimer->start();
    mPointerWasOn = on;
}
