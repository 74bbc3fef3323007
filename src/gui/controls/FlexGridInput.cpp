#include "gui/controls/FlexGrid.h"

#include "core/platform/Twips.h"
#include "gui/controls/KeyCodes.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>

// ---- keys and mouse ---------------------------------------------------------

void FlexGrid::keyPressEvent(QKeyEvent* event)
{
    int keyCode = KeyCodeOf(event);
    int shift = ShiftStateOf(event->modifiers());
    if (keyCode == 9) { // Tab leaves the grid
        event->ignore();
        return;
    }
    if (keyCode != 0) {
        emit KeyDown(keyCode, shift);
        if (keyCode != 0)
            keyNavigate(keyCode, shift);
    }
    int keyAscii = KeyAsciiOf(event);
    if (keyAscii != 0)
        emit KeyPress(keyAscii);
    // An Escape that no handler spent (KeyAscii set to 0) goes on to the
    // window: a dialog closes on it wherever its focus is.
    if (keyAscii == EscapeKeyAscii) {
        event->ignore();
        return;
    }
    event->accept();
}

void FlexGrid::keyReleaseEvent(QKeyEvent* event)
{
    int keyCode = KeyCodeOf(event);
    int shift = ShiftStateOf(event->modifiers());
    if (keyCode != 0 && keyCode != 9)
        emit KeyUp(keyCode, shift);
    event->accept();
}

void FlexGrid::keyNavigate(int keyCode, int shift)
{
    const long lastRow = Rows() - 1;
    const long lastCol = Cols() - 1;
    if (lastRow < mFixedRows || lastCol < mFixedCols)
        return;
    // The next shown data row or column in a direction; the start when none.
    const auto step = [](long from, int by, long first, long last, auto shown) {
        for (long i = std::max(from + by, first); i >= first && i <= last; i += by) {
            if (shown(i))
                return i;
        }
        return from;
    };
    const auto rowShown = [this](long r) { return rowPixels(r) > 0; };
    const auto colShown = [this](long c) { return colPixels(c) > 0; };
    const bool extend = (shift & 1) != 0;
    long row = extend ? mRowSel : mRow;
    long col = extend ? mColSel : mCol;
    const long firstRow = step(mFixedRows - 1, 1, mFixedRows, lastRow, rowShown);
    const long firstCol = step(mFixedCols - 1, 1, mFixedCols, lastCol, colShown);
    const long endRow = step(lastRow + 1, -1, mFixedRows, lastRow, rowShown);
    const long endCol = step(lastCol + 1, -1, mFixedCols, lastCol, colShown);
    const long page = std::max(1, viewport()->height() / std::max(1, defaultRowPixels()) - 1);
    switch (keyCode) {
    case 38: // up
        row = step(row, -1, mFixedRows, lastRow, rowShown);
        break;
    case 40: // down
        row = step(row, 1, mFixedRows, lastRow, rowShown);
        break;
    case 37: // left
        col = step(col, -1, mFixedCols, lastCol, colShown);
        break;
    case 39: // right
        col = step(col, 1, mFixedCols, lastCol, colShown);
        break;
    case 36: // home
        col = firstCol;
        row = (shift & 2) ? firstRow : row;
        break;
    case 35: // end
        col = endCol;
        row = (shift & 2) ? endRow : row;
        break;
    case 33: // page up
    case 34: // page down
        for (long i = 0; i < page; ++i)
            row = step(row, keyCode == 33 ? -1 : 1, mFixedRows, lastRow, rowShown);
        break;
    default:
        return;
    }
    // From a fixed cell that code made current, keys lead into the data.
    row = std::max(row, firstRow);
    col = std::max(col, firstCol);
    if (extend)
        setCurrent(mRow, mCol, row, col);
    else
        setCurrent(row, col, row, col);
    ensureVisible(row, col);
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event)
{
    QTableView* view = nullptr;
    for (QTableView* v : views()) {
        if (watched == v->viewport())
            view = v;
    }
    if (!view)
        return QTableWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        mouseOn(view, static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::Wheel:
        if (view != this) { // the strips scroll with the data
            QCoreApplication::sendEvent(viewport(), event);
            return true;
        }
        return false;
    default:
        return QTableWidget::eventFilter(watched, event);
    }
}

void FlexGrid::mouseOn(QTableView* view, QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const QModelIndex index = view->indexAt(at);
    mMouseRow = index.isValid() ? index.row() : -1;
    mMouseCol = index.isValid() ? index.column() : -1;
    const QPoint inGrid = view->viewport()->mapTo(this, at);
    const float x = float(PixelsToTwips(inGrid.x()));
    const float y = float(PixelsToTwips(inGrid.y()));
    const int shift = ShiftStateOf(event->modifiers());
    const bool left = event->button() == Qt::LeftButton;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        setFocus(Qt::MouseFocusReason);
        if (left) {
            mDragging = mMouseRow >= mFixedRows && mMouseCol >= mFixedCols;
            clickCell(mMouseRow, mMouseCol, (shift & 1) != 0);
        }
        emit MouseDown(MouseButtonsOf(event->button()), shift, x, y);
        break;
    case QEvent::MouseMove:
        if (mDragging && (event->buttons() & Qt::LeftButton) && mMouseRow >= mFixedRows && mMouseCol >= mFixedCols)
            setCurrent(mRow, mCol, mMouseRow, mMouseCol);
        emit MouseMove(MouseButtonsOf(event->buttons()), shift, x, y);
        break;
    case QEvent::MouseButtonRelease:
        mDragging = false;
        emit MouseUp(MouseButtonsOf(event->button()), shift, x, y);
        if (left && !mSwallowRelease)
            emit Click();
        mSwallowRelease = false;
        break;
    case QEvent::MouseButtonDblClick:
        if (left) {
            emit DblClick();
            mSwallowRelease = true;
        }
        break;
    default:
        break;
    }
}

void FlexGrid::clickCell(long row, long col, bool extend)
{
    if (row < 0 || col < 0)
        return;
    const bool fixedRow = row < mFixedRows;
    const bool fixedCol = col < mFixedCols;
    const long lastRow = Rows() - 1;
    const long lastCol = Cols() - 1;
    if (!fixedRow && !fixedCol) {
        if (extend)
            setCurrent(mRow, mCol, row, col);
        else
            setCurrent(row, col, row, col);
        ensureVisible(row, col);
        return;
    }
    // A fixed cell selects its column, its row, or everything.
    if (!mAllowBigSelection || lastRow < mFixedRows || lastCol < mFixedCols)
        return;
    if (fixedRow && !fixedCol)
        setCurrent(mFixedRows, col, lastRow, col);
    else if (fixedCol && !fixedRow)
        setCurrent(row, mFixedCols, row, lastCol);
    else
        setCurrent(mFixedRows, mFixedCols, lastRow, lastCol);
}

void FlexGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (mRow < Rows() && mCol < Cols())
        updateCell(mRow, mCol);
}

void FlexGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (mRow < Rows() && mCol < Cols())
        updateCell(mRow, mCol);
}
