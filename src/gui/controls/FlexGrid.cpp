#include "gui/controls/FlexGrid.h"

#include "core/platform/Twips.h"
#include "core/store/CellTextOrder.h"
#include "core/store/GridError.h"
#include "gui/controls/FlexGridParts.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

using namespace FlexGridParts;

namespace {

QTableView* makeStrip(FlexGrid* grid, QAbstractItemDelegate* delegate)
{
    auto* v = new QTableView(grid);
    v->setModel(grid->model());
    v->setItemDelegate(delegate);
    v->horizontalHeader()->hide();
    v->verticalHeader()->hide();
    v->horizontalHeader()->setMinimumSectionSize(0);
    v->verticalHeader()->setMinimumSectionSize(0);
    v->horizontalHeader()->setDefaultSectionSize(DefaultColPixels);
    v->setFrameShape(QFrame::NoFrame);
    v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    v->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    v->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    v->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    v->setFocusPolicy(Qt::NoFocus);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSelectionMode(QAbstractItemView::NoSelection);
    v->setShowGrid(false);
    v->setAutoScroll(false);
    v->setTabKeyNavigation(false);
    v->setCornerButtonEnabled(false);
    v->viewport()->installEventFilter(grid);
    v->viewport()->setMouseTracking(true);
    v->hide();
    return v;
}

} // namespace

FlexGrid::FlexGrid(QWidget* parent)
    : QTableWidget(parent)
    , mDelegate(new FlexGridDelegate(this))
{
    mTopEdge = new FlexGridEdgeHeader(
        Qt::Horizontal, [this] { return fixedHeightPixels(); }, this);
    mLeftEdge = new FlexGridEdgeHeader(
        Qt::Vertical, [this] { return fixedWidthPixels(); }, this);
    setHorizontalHeader(mTopEdge);
    setVerticalHeader(mLeftEdge);
    mTopEdge->setDefaultSectionSize(DefaultColPixels);
    setItemDelegate(mDelegate);
    setItemPrototype(new FlexGridCell);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QAbstractItemView::setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setAutoScroll(false);
    setShowGrid(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->installEventFilter(this);
    viewport()->setMouseTracking(true);

    mTop = makeStrip(this, mDelegate);
    mLeft = makeStrip(this, mDelegate);
    mCorner = makeStrip(this, mDelegate);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            syncScroll();
            emit Scroll();
        });
    }
    // A scroll moves the pixels already painted and paints only the strip it
    // uncovers: a row painted blank while partly in view would come whole
    // into view with only the foot of its letters. Such a grid paints every
    // row again where it now stands.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (mHidePartlyShownRows)
            updateAllViews();
    });
    connect(mTop->horizontalScrollBar(), &QScrollBar::rangeChanged, this, &FlexGrid::syncScroll);
    connect(mLeft->verticalScrollBar(), &QScrollBar::rangeChanged, this, &FlexGrid::syncScroll);

    mWantedFont = font();
    setBackColorBkg(mBackColorBkg);
    applyDefaultRowHeight();
    setCols(2);
    setRows(2);
    mRow = mCol = mRowSel = mColSel = 1;
}

FlexGrid::~FlexGrid() = default;

// ---- size -------------------------------------------------------------------

void FlexGrid::setRows(long New_Rows)
{
    if (New_Rows < 0)
        throw GridError::SubscriptOutOfRange();
    const long old = Rows();
    const bool fixedChange = New_Rows < mFixedRows || old < mFixedRows;
    mFixedRows = std::min(mFixedRows, New_Rows);
    mRowData.resize(New_Rows, 0);
    mRowHeights.resize(New_Rows, -1);
    setRowCount(int(New_Rows));
    if (fixedChange)
        applyAllRows();
    clampCurrent();
    relayoutFixed();
}

void FlexGrid::setCols(long New_Cols)
{
    if (New_Cols < 0)
        throw GridError::SubscriptOutOfRange();
    mFixedCols = std::min(mFixedCols, New_Cols);
    mColData.resize(New_Cols, 0);
    mColWidths.resize(New_Cols, -1);
    mColAlign.resize(New_Cols, GeneralAlignment);
    mFixedAlign.resize(New_Cols, -1);
    setColumnCount(int(New_Cols));
    applyAllCols();
    clampCurrent();
    relayoutFixed();
}

void FlexGrid::setFixedRows(long New_FixedRows)
{
    if (New_FixedRows < 0 || New_FixedRows > Rows())
        throw GridError::SubscriptOutOfRange();
    mFixedRows = New_FixedRows;
    applyAllRows();
    relayoutFixed();
}

void FlexGrid::setFixedCols(long New_FixedCols)
{
    if (New_FixedCols < 0 || New_FixedCols > Cols())
        throw GridError::SubscriptOutOfRange();
    mFixedCols = New_FixedCols;
    applyAllCols();
    relayoutFixed();
}

void FlexGrid::checkRow(long row) const
{
    if (row < 0 || row >= Rows())
        throw GridError::SubscriptOutOfRange();
}

void FlexGrid::checkCol(long col) const
{
    if (col < 0 || col >= Cols())
        throw GridError::SubscriptOutOfRange();
}

// ---- current cell and selection ---------------------------------------------

void FlexGrid::setCurrent(long row, long col, long rowSel, long colSel)
{
    const bool cellChanges = row != mRow || col != mCol;
    const bool selChanges = cellChanges || rowSel != mRowSel || colSel != mColSel;
    if (cellChanges) {
        emit LeaveCell();
        mCurrentMarked = false;
    }
    mRow = row;
    mCol = col;
    mRowSel = rowSel;
    mColSel = colSel;
    if (selChanges)
        updateAllViews();
    if (cellChanges) {
        emit EnterCell();
        emit RowColChange();
    }
    if (selChanges)
        emit SelChange();
}

void FlexGrid::clampCurrent()
{
    const auto clamp = [](long v, long count) { return std::max(0L, std::min(v, count - 1)); };
    mRow = clamp(mRow, Rows());
    mRowSel = clamp(mRowSel, Rows());
    mCol = clamp(mCol, Cols());
    mColSel = clamp(mColSel, Cols());
}

void FlexGrid::setRow(long New_Row)
{
    checkRow(New_Row);
    setCurrent(New_Row, mCol, New_Row, mCol);
}

void FlexGrid::setCol(long New_Col)
{
    checkCol(New_Col);
    setCurrent(mRow, New_Col, mRow, New_Col);
}

void FlexGrid::setRowSel(long New_RowSel)
{
    checkRow(New_RowSel);
    setCurrent(mRow, mCol, New_RowSel, mColSel);
}

void FlexGrid::setColSel(long New_ColSel)
{
    checkCol(New_ColSel);
    setCurrent(mRow, mCol, mRowSel, New_ColSel);
}

long FlexGrid::TopRow() const
{
    const int row = rowAt(0);
    return row < 0 ? mFixedRows : row;
}

void FlexGrid::setTopRow(long New_TopRow)
{
    checkRow(New_TopRow);
    // The scroll position counts the rows the data view shows.
    int shown = 0;
    for (long r = mFixedRows; r < New_TopRow; ++r)
        shown += rowPixels(r) > 0 ? 1 : 0;
    verticalScrollBar()->setValue(shown);
}

void FlexGrid::setLeftCol(long New_LeftCol)
{
    checkCol(New_LeftCol);
    int shown = 0;
    for (long c = mFixedCols; c < New_LeftCol; ++c)
        shown += colPixels(c) > 0 ? 1 : 0;
    horizontalScrollBar()->setValue(shown);
}

void FlexGrid::ensureVisible(long row, long col)
{
    if (row >= mFixedRows && col >= mFixedCols && rowPixels(row) > 0 && colPixels(col) > 0)
        scrollTo(model()->index(int(row), int(col)), QAbstractItemView::EnsureVisible);
}

// ---- cells ------------------------------------------------------------------

QVariant FlexGrid::cellData(long row, long col, int role) const
{
    checkRow(row);
    checkCol(col);
    const QTableWidgetItem* it = item(int(row), int(col));
    return it ? it->data(role) : QVariant();
}

void FlexGrid::setCellData(long row, long col, int role, const QVariant& value)
{
    checkRow(row);
    checkCol(col);
    // The views are told of the change by updateCell; the model's own
    // per-cell signals would cost more than a bulk fill can afford.
    const QSignalBlocker quiet(model());
    QTableWidgetItem* it = item(int(row), int(col));
    if (!it) {
        it = new FlexGridCell;
        setItem(int(row), int(col), it);
    }
    it->setData(role, value);
    updateCell(row, col);
}

template <typename F>
void FlexGrid::forEachTarget(F&& f)
{
    if (mFillStyle != 1) {
        f(mRow, mCol);
        return;
    }
    checkRow(mRowSel);
    checkCol(mColSel);
    for (long r = std::min(mRow, mRowSel); r <= std::max(mRow, mRowSel); ++r)
        for (long c = std::min(mCol, mColSel); c <= std::max(mCol, mColSel); ++c)
            f(r, c);
}

QString FlexGrid::TextMatrix(long Row, long Col) const { return cellData(Row, Col, Qt::DisplayRole).toString(); }

void FlexGrid::setTextMatrix(long Row, long Col, const QString& New_Text)
{
    setCellData(Row, Col, Qt::DisplayRole, New_Text);
}

QString FlexGrid::Text() const { return TextMatrix(mRow, mCol); }

void FlexGrid::setText(const QString& New_Text)
{
    forEachTarget([&](long r, long c) { setTextMatrix(r, c, New_Text); });
}

OleColor FlexGrid::CellBackColor(long Row, long Col) const { return cellData(Row, Col, BackColorRole).toUInt(); }
OleColor FlexGrid::CellForeColor(long Row, long Col) const { return cellData(Row, Col, ForeColorRole).toUInt(); }
bool FlexGrid::CellFontStrikeThrough(long Row, long Col) const { return cellData(Row, Col, StrikeRole).toBool(); }

void FlexGrid::setCellBackColor(long Row, long Col, OleColor New_CellBackColor)
{
    setCellData(Row, Col, BackColorRole, uint(New_CellBackColor));
}

void FlexGrid::setCellForeColor(long Row, long Col, OleColor New_CellForeColor)
{
    setCellData(Row, Col, ForeColorRole, uint(New_CellForeColor));
}

void FlexGrid::setCellFontStrikeThrough(long Row, long Col, bool New_CellFontStrikeThrough)
{
    setCellData(Row, Col, StrikeRole, New_CellFontStrikeThrough);
}

OleColor FlexGrid::CellBackColor() const { return CellBackColor(mRow, mCol); }
OleColor FlexGrid::CellForeColor() const { return CellForeColor(mRow, mCol); }
bool FlexGrid::CellFontStrikeThrough() const { return CellFontStrikeThrough(mRow, mCol); }

void FlexGrid::setCellBackColor(OleColor New_CellBackColor)
{
    forEachTarget([&](long r, long c) { setCellBackColor(r, c, New_CellBackColor); });
}

void FlexGrid::setCellForeColor(OleColor New_CellForeColor)
{
    forEachTarget([&](long r, long c) { setCellForeColor(r, c, New_CellForeColor); });
}

void FlexGrid::setCellFontStrikeThrough(bool New_CellFontStrikeThrough)
{
    forEachTarget([&](long r, long c) { setCellFontStrikeThrough(r, c, New_CellFontStrikeThrough); });
}

long FlexGrid::RowData(long Row) const
{
    checkRow(Row);
    return mRowData[Row];
}

void FlexGrid::setRowData(long Row, long New_RowData)
{
    checkRow(Row);
    mRowData[Row] = New_RowData;
}

long FlexGrid::ColData(long Col) const
{
    checkCol(Col);
    return mColData[Col];
}

void FlexGrid::setColData(long Col, long New_ColData)
{
    checkCol(Col);
    mColData[Col] = New_ColData;
}

void FlexGrid::AddItem(const QString& Item) { AddItem(Item, Rows()); }

void FlexGrid::AddItem(const QString& Item, long Index)
{
    if (Index < 0 || Index > Rows())
        throw GridError::SubscriptOutOfRange();
    insertRow(int(Index));
    mRowData.insert(Index, 0);
    mRowHeights.insert(Index, -1);
    const QStringList texts = Item.split(u'\t');
    {
        const QSignalBlocker quiet(model());
        for (long c = 0; c < std::min<long>(texts.size(), Cols()); ++c) {
            if (!texts[c].isEmpty())
                setItem(int(Index), int(c), new FlexGridCell(texts[c]));
        }
    }
    if (Index < mFixedRows) {
        applyAllRows();
        relayoutFixed();
    }
    updateAllViews();
}

void FlexGrid::RemoveItem(long Index)
{
    checkRow(Index);
    removeRow(int(Index));
    mRowData.remove(Index);
    mRowHeights.remove(Index);
    if (Index < mFixedRows) {
        mFixedRows = std::min(mFixedRows, Rows());
        applyAllRows();
        relayoutFixed();
    }
    clampCurrent();
    updateAllViews();
}

void FlexGrid::Clear()
{
    {
        // The cells are emptied in place: a grid filled again right after
        // (the screens are, on every change) reuses them.
        const QSignalBlocker quiet(model());
        for (int r = 0; r < rowCount(); ++r)
            for (int c = 0; c < columnCount(); ++c)
                if (auto* cell = dynamic_cast<FlexGridCell*>(item(r, c)))
                    cell->clear();
                else
                    delete takeItem(r, c);
    }
    for (QTableView* v : views())
        v->clearSpans();
    updateAllViews();
}

// ---- sorting ----------------------------------------------------------------

void FlexGrid::Sort(long Col, SortKind Kind, bool Descending)
{
    checkCol(Col);
    QVector<QString> texts(Rows());
    for (long r = mFixedRows; r < Rows(); ++r)
        texts[r] = TextMatrix(r, Col);
    Sort([&](long a, long b) {
        const int order
            = Kind == SortKind::Numeric ? CompareCellTexts(texts[a], texts[b]) : QString::compare(texts[a], texts[b]);
        return Descending ? -order : order;
    });
}

void FlexGrid::Sort(const std::function<int(long Row1, long Row2)>& Compare)
{
    QVector<long> order;
    for (long r = mFixedRows; r < Rows(); ++r)
        order << r;
    std::stable_sort(order.begin(), order.end(), [&](long a, long b) { return Compare(a, b) < 0; });
    permuteDataRows(order);
}

void FlexGrid::permuteDataRows(const QVector<long>& order)
{
    const int cols = columnCount();
    const long first = mFixedRows;
    QVector<QTableWidgetItem*> taken(order.size() * cols);
    QVector<long> data(order.size());
    QVector<long> heights(order.size());
    const QSignalBlocker quiet(model());
    for (long i = 0; i < order.size(); ++i) {
        for (int c = 0; c < cols; ++c)
            taken[i * cols + c] = takeItem(int(first + i), c);
    }
    for (long i = 0; i < order.size(); ++i) {
        const long from = order[i] - first;
        for (int c = 0; c < cols; ++c) {
            if (QTableWidgetItem* it = taken[from * cols + c])
                setItem(int(first + i), c, it);
        }
        data[i] = mRowData[order[i]];
        heights[i] = mRowHeights[order[i]];
    }
    for (long i = 0; i < order.size(); ++i) {
        mRowData[first + i] = data[i];
        if (mRowHeights[first + i] != heights[i]) {
            mRowHeights[first + i] = heights[i];
            applyRow(first + i);
        }
    }
    updateAllViews();
}
