#include "gui/controls/ctlDataEntryGrid.h"

#include "core/store/CellTextOrder.h"
#include "core/store/GridError.h"
#include "gui/controls/FlexGrid.h"
#include "gui/controls/KeyCodes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cmath>

ctlDataEntryGrid::ctlDataEntryGrid(QWidget* parent)
    : QWidget(parent)
    , grid(new FlexGrid(this))
{
    grid->setObjectName(QStringLiteral("grid"));
    setFocusProxy(grid);
    connect(grid, &FlexGrid::EnterCell, this, &ctlDataEntryGrid::grid_EnterCell);
    connect(grid, &FlexGrid::LeaveCell, this, &ctlDataEntryGrid::grid_LeaveCell);
    connect(grid, &FlexGrid::KeyPress, this, &ctlDataEntryGrid::grid_KeyPress);
    connect(grid, &FlexGrid::KeyDown, this, &ctlDataEntryGrid::grid_KeyDown);
    connect(grid, &FlexGrid::KeyUp, this, &ctlDataEntryGrid::KeyUp);
    connect(grid, &FlexGrid::DblClick, this, &ctlDataEntryGrid::DblClick);
    connect(grid, &FlexGrid::Click, this, &ctlDataEntryGrid::Click);
    connect(grid, &FlexGrid::SelChange, this, &ctlDataEntryGrid::SelChange);
    connect(grid, &FlexGrid::RowColChange, this, &ctlDataEntryGrid::RowColChange);
    connect(grid, &FlexGrid::MouseUp, this, &ctlDataEntryGrid::MouseUp);
    connect(grid, &FlexGrid::MouseMove, this, &ctlDataEntryGrid::MouseMove);
    connect(grid, &FlexGrid::MouseDown, this, &ctlDataEntryGrid::MouseDown);

    // The look a grid placed on a window starts with. The fixed colours and
    // the selection background keep the inner grid's own, which follow the
    // palette.
    grid->setForeColorSel(0);
    setCols(2);
    setRows(2);
}

void ctlDataEntryGrid::resizeEvent(QResizeEvent*)
{
    grid->setGeometry(rect());
    emit Resize();
}

// ---- typing -----------------------------------------------------------------

void ctlDataEntryGrid::grid_EnterCell()
{
    mFresh = true;
    if (!bLoading) {
        mSavedText = grid->Text();
        mSavedColor = grid->CellBackColor();
    }
    emit EnterCell();
}

void ctlDataEntryGrid::grid_LeaveCell()
{
    if (!bLoading) {
        grid->setCellBackColor(grid->Row(), grid->Col(), mSavedColor);
        grid->setCellForeColor(grid->Row(), grid->Col(), 0);
    }
    emit LeaveCell();
}

void ctlDataEntryGrid::markRow() { grid->setRowData(grid->Row(), 1); }

void ctlDataEntryGrid::setCurrentText(const QString& text) { grid->setTextMatrix(grid->Row(), grid->Col(), text); }

bool ctlDataEntryGrid::hasCells() const { return grid->Rows() > 0 && grid->Cols() > 0; }

void ctlDataEntryGrid::grid_KeyPress(int& KeyAscii)
{
    grid->setCurrentMarked(false);
    if (!hasCells()) {
        emit KeyPress(KeyAscii);
        return;
    }
    const bool editable = ColEditable(grid->Col());
    const QString text = grid->Text();
    if (KeyAscii == EscapeKeyAscii) {
        if (editable) {
            markRow();
            setCurrentText(mSavedText);
        }
    } else if (KeyAscii == 13) {
        // A slip ("3o") is kept for the window's check to refuse: only a
        // cell left blank stands for 0.
        if (editable && ColNumeric(grid->Col()) && text.trimmed().isEmpty()) {
            markRow();
            setCurrentText(QStringLiteral("0"));
        }
        MoveToNextCell();
    } else if (KeyAscii == 8) {
        if (editable && !text.trimmed().isEmpty()) {
            markRow();
            setCurrentText(text.chopped(1));
        }
    } else if (KeyAscii >= 32 && editable) {
        markRow();
        const QString typed = QString(QChar(char16_t(KeyAscii)));
        if (text != QStringLiteral("0") && !mFresh) {
            setCurrentText(text + typed);
        } else {
            setCurrentText(typed);
            mFresh = false;
        }
    }
    emit KeyPress(KeyAscii);
    // Escape that brought a cell's text back is spent; on a cell that
    // cannot be typed in, it is the dialog's.
    if (KeyAscii == EscapeKeyAscii && editable)
        KeyAscii = 0;
}

void ctlDataEntryGrid::copyCell()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(grid->Text());
}

void ctlDataEntryGrid::grid_KeyDown(int& KeyCode, int& Shift)
{
    if (hasCells() && ColEditable(grid->Col())) {
        if (KeyCode == 67 && Shift == 2) {
            copyCell();
        } else if (KeyCode == 86 && Shift == 2) {
            markRow();
            setCurrentText(QGuiApplication::clipboard()->text());
        } else if (KeyCode == 88 && Shift == 2) {
            copyCell();
            markRow();
            setCurrentText(QString());
        } else if (KeyCode == 46) {
            markRow();
            setCurrentText(QString());
        }
    }
    emit KeyDown(KeyCode, Shift);
}

// Data entry runs down the columns: after the last row, the top of the next
// shown column, and after the last column the first one again. A wrap that
// finds no shown column, or a grid without a first data row or column,
// leaves the current cell where it is.
void ctlDataEntryGrid::MoveToNextCell()
{
    if (grid->Row() + 1 <= grid->Rows() - 1) {
        grid->setRow(grid->Row() + 1);
    } else {
        long col = grid->Col() + 1 <= grid->Cols() - 1 ? GetNextVisibleCol(grid->Col() + 1) : -1;
        if (col < 0)
            col = GetNextVisibleCol(1);
        if (col >= 0 && grid->Rows() > 1) {
            grid->setCol(col);
            grid->setRow(1);
        }
    }
    scrollToCurrent();
    emit Click();
}

void ctlDataEntryGrid::scrollToCurrent()
{
    if (!grid->RowIsVisible(grid->Row()))
        grid->setTopRow(grid->Row());
    if (!grid->ColIsVisible(grid->Col()))
        grid->setLeftCol(grid->Col());
}

void ctlDataEntryGrid::ShowCell(long row, long col)
{
    grid->setCol(col);
    grid->setRow(row);
    scrollToCurrent();
    // Entered anew also when it was current already, with keys typed into
    // it: what is typed next replaces the text instead of adding to it, and
    // the cell shows so, as a box shows its text selected.
    mFresh = true;
    grid->setCurrentMarked(true);
    if (!bLoading)
        mSavedText = grid->Text();
}

long ctlDataEntryGrid::GetNextVisibleCol(long start) const
{
    for (long c = start; c < grid->Cols(); ++c) {
        if (grid->ColWidth(c) != 0)
            return c;
    }
    return -1;
}

// ---- column colours ---------------------------------------------------------

void ctlDataEntryGrid::checkColumnIndex(long Index) const
{
    if (Index < 0 || Index > grid->Cols() - 1)
        throw GridError(1, QStringLiteral("Invalid column index."));
}

// Paints the column's data cells. When the current cell is among them, the
// colour to give back on leaving it is the new one, else the cell would lose
// it as soon as the user moves on.
void ctlDataEntryGrid::paintColumn(long col, OleColor colour)
{
    for (long r = grid->FixedRows(); r < grid->Rows(); ++r)
        grid->setCellBackColor(r, col, colour);
    if (!bLoading && grid->Col() == col && grid->Row() >= grid->FixedRows() && grid->Row() < grid->Rows())
        mSavedColor = colour;
}

void ctlDataEntryGrid::setColBackColor(long Index, OleColor New_ColColor)
{
    checkColumnIndex(Index);
    const bool redraw = grid->Redraw();
    grid->setRedraw(false);
    if (grid->Rows() > grid->FixedRows()) {
        grid->setRow(grid->FixedRows());
        grid->setCol(Index);
    }
    paintColumn(Index, New_ColColor);
    mColColors[Index] = New_ColColor;
    grid->setFillStyle(0);
    grid->setRedraw(redraw);
}

void ctlDataEntryGrid::PaintColBackColors()
{
    if (grid->Rows() <= grid->FixedRows())
        return;
    for (long c = 0; c < grid->Cols(); ++c) {
        if (mColColors[c] != 0)
            paintColumn(c, mColColors[c]);
    }
    grid->setFillStyle(0);
    if (grid->Cols() > 0) {
        grid->setCol(0);
        grid->setRow(0);
    }
}

// ---- sorting ----------------------------------------------------------------

void ctlDataEntryGrid::Sort()
{
    grid->setRowSel(grid->Row());
    grid->Sort([this](long a, long b) { return CompRows(a, b, 0, false); });
}

Integer ctlDataEntryGrid::CompRows(long Row1, long Row2, Integer Column, bool bDescending) const
{
    const int order = CompareCellTexts(grid->TextMatrix(Row1, Column), grid->TextMatrix(Row2, Column));
    return Integer(bDescending ? -order : order);
}

// ---- members that reach the inner grid ----------------------------------------

long ctlDataEntryGrid::CellWidth() const { return grid->CellWidth(); }
long ctlDataEntryGrid::CellTop() const { return grid->CellTop(); }
long ctlDataEntryGrid::CellLeft() const { return grid->CellLeft(); }
long ctlDataEntryGrid::CellHeight() const { return grid->CellHeight(); }
OleColor ctlDataEntryGrid::BackColorSel() const { return grid->BackColorSel(); }
void ctlDataEntryGrid::setBackColorSel(OleColor v) { grid->setBackColorSel(v); }
OleColor ctlDataEntryGrid::CellForeColor() const { return grid->CellForeColor(); }
void ctlDataEntryGrid::setCellForeColor(OleColor v) { grid->setCellForeColor(v); }
OleColor ctlDataEntryGrid::BackColorFixed() const { return grid->BackColorFixed(); }
void ctlDataEntryGrid::setBackColorFixed(OleColor v) { grid->setBackColorFixed(v); }
OleColor ctlDataEntryGrid::BackColorBkg() const { return grid->BackColorBkg(); }
void ctlDataEntryGrid::setBackColorBkg(OleColor v) { grid->setBackColorBkg(v); }
long ctlDataEntryGrid::AllowUserResizing() const { return grid->AllowUserResizing(); }
void ctlDataEntryGrid::setAllowUserResizing(long v) { grid->setAllowUserResizing(v); }
bool ctlDataEntryGrid::AllowBigSelection() const { return grid->AllowBigSelection(); }
void ctlDataEntryGrid::setAllowBigSelection(bool v) { grid->setAllowBigSelection(v); }

void ctlDataEntryGrid::AddItem(const QString& Item)
{
    grid->AddItem(Item);
    PaintColBackColors();
}

void ctlDataEntryGrid::AddItem(const QString& Item, long Index)
{
    grid->AddItem(Item, Index);
    PaintColBackColors();
}

long ctlDataEntryGrid::GridLineWidth() const { return grid->GridLineWidth(); }
void ctlDataEntryGrid::setGridLineWidth(long v) { grid->setGridLineWidth(v); }
long ctlDataEntryGrid::GridLinesFixed() const { return grid->GridLinesFixed(); }
void ctlDataEntryGrid::setGridLinesFixed(long v) { grid->setGridLinesFixed(v); }
Integer ctlDataEntryGrid::FontSize() const { return Integer(std::lround(grid->font().pointSizeF())); }

void ctlDataEntryGrid::setFontSize(Integer New_FontSize)
{
    QFont f = grid->font();
    f.setPointSize(New_FontSize);
    grid->setFont(f);
}

long ctlDataEntryGrid::GridLines() const { return grid->GridLines(); }
void ctlDataEntryGrid::setGridLines(long v) { grid->setGridLines(v); }
OleColor ctlDataEntryGrid::GridColorFixed() const { return grid->GridColorFixed(); }
void ctlDataEntryGrid::setGridColorFixed(OleColor v) { grid->setGridColorFixed(v); }
OleColor ctlDataEntryGrid::GridColor() const { return grid->GridColor(); }
void ctlDataEntryGrid::setGridColor(OleColor v) { grid->setGridColor(v); }
OleColor ctlDataEntryGrid::ForeColorSel() const { return grid->ForeColorSel(); }
void ctlDataEntryGrid::setForeColorSel(OleColor v) { grid->setForeColorSel(v); }
OleColor ctlDataEntryGrid::ForeColorFixed() const { return grid->ForeColorFixed(); }
void ctlDataEntryGrid::setForeColorFixed(OleColor v) { grid->setForeColorFixed(v); }
OleColor ctlDataEntryGrid::ForeColor() const { return grid->ForeColor(); }
void ctlDataEntryGrid::setForeColor(OleColor v) { grid->setForeColor(v); }
long ctlDataEntryGrid::FocusRect() const { return grid->FocusRect(); }
void ctlDataEntryGrid::setFocusRect(long v) { grid->setFocusRect(v); }
long ctlDataEntryGrid::FixedRows() const { return grid->FixedRows(); }
void ctlDataEntryGrid::setFixedRows(long v) { grid->setFixedRows(v); }
long ctlDataEntryGrid::FixedCols() const { return grid->FixedCols(); }
void ctlDataEntryGrid::setFixedCols(long v) { grid->setFixedCols(v); }
Integer ctlDataEntryGrid::FixedAlignment(long Index) const { return Integer(grid->FixedAlignment(Index)); }
void ctlDataEntryGrid::setFixedAlignment(long Index, Integer v) { grid->setFixedAlignment(Index, v); }
long ctlDataEntryGrid::FillStyle() const { return grid->FillStyle(); }
void ctlDataEntryGrid::setFillStyle(long v) { grid->setFillStyle(v); }
long ctlDataEntryGrid::ColWidth(long Index) const { return grid->ColWidth(Index); }
void ctlDataEntryGrid::setColWidth(long Index, long v) { grid->setColWidth(Index, v); }
long ctlDataEntryGrid::Cols() const { return grid->Cols(); }

void ctlDataEntryGrid::setCols(long New_Cols)
{
    grid->setCols(New_Cols);
    mColColors.resize(New_Cols, 0);
    mColNumeric.resize(New_Cols, true);
}

bool ctlDataEntryGrid::ColIsVisible(long Index) const { return grid->ColIsVisible(Index); }
bool ctlDataEntryGrid::ColEditable(long Index) const { return grid->ColData(Index) == 1; }

void ctlDataEntryGrid::setColEditable(long Index, bool New_ColEditable)
{
    checkColumnIndex(Index);
    grid->setColData(Index, New_ColEditable ? 1 : 0);
}

bool ctlDataEntryGrid::ColNumeric(long Index) const
{
    if (Index < 0 || Index >= mColNumeric.size())
        throw GridError::SubscriptOutOfRange();
    return mColNumeric[Index];
}

void ctlDataEntryGrid::setColNumeric(long Index, bool New_ColNumeric)
{
    checkColumnIndex(Index);
    mColNumeric[Index] = New_ColNumeric;
}

Integer ctlDataEntryGrid::ColAlignment(long Index) const { return Integer(grid->ColAlignment(Index)); }
void ctlDataEntryGrid::setColAlignment(long Index, Integer v) { grid->setColAlignment(Index, v); }
void ctlDataEntryGrid::Clear() { grid->Clear(); }
QString ctlDataEntryGrid::TextMatrix(long Row, long Col) const { return grid->TextMatrix(Row, Col); }
void ctlDataEntryGrid::setTextMatrix(long Row, long Col, const QString& v) { grid->setTextMatrix(Row, Col, v); }
long ctlDataEntryGrid::SelectionMode() const { return grid->SelectionMode(); }
void ctlDataEntryGrid::setSelectionMode(long v) { grid->setSelectionMode(v); }
bool ctlDataEntryGrid::Wordwrap() const { return grid->Wordwrap(); }
void ctlDataEntryGrid::setWordwrap(bool v) { grid->setWordwrap(v); }
void ctlDataEntryGrid::setFixedRowsWordwrap(bool v) { grid->setFixedRowsWordwrap(v); }
long ctlDataEntryGrid::Rows() const { return grid->Rows(); }

void ctlDataEntryGrid::setRows(long New_Rows)
{
    grid->setRows(New_Rows);
    PaintColBackColors();
}

bool ctlDataEntryGrid::RowIsVisible(long Index) const { return grid->RowIsVisible(Index); }
long ctlDataEntryGrid::RowHeightMin() const { return grid->RowHeightMin(); }
void ctlDataEntryGrid::setRowHeightMin(long v) { grid->setRowHeightMin(v); }
long ctlDataEntryGrid::RowHeight(long Index) const { return grid->RowHeight(Index); }
void ctlDataEntryGrid::setRowHeight(long Index, long v) { grid->setRowHeight(Index, v); }
long ctlDataEntryGrid::RowChanged(long Index) const { return grid->RowData(Index); }
void ctlDataEntryGrid::setRowChanged(long Index, long v) { grid->setRowData(Index, v); }
void ctlDataEntryGrid::RemoveItem(long Index) { grid->RemoveItem(Index); }
bool ctlDataEntryGrid::Redraw() const { return grid->Redraw(); }
void ctlDataEntryGrid::setRedraw(bool v) { grid->setRedraw(v); }
long ctlDataEntryGrid::MouseRow() const { return grid->MouseRow(); }
long ctlDataEntryGrid::MouseCol() const { return grid->MouseCol(); }

namespace {

// The merge marks are only kept, but for the rows and columns there are.
void checkMergeIndex(long Index, long count)
{
    if (Index < 0 || Index >= count)
        throw GridError::SubscriptOutOfRange();
}

} // namespace

bool ctlDataEntryGrid::MergeRow(long Index) const
{
    checkMergeIndex(Index, grid->Rows());
    return mMergeRow.value(Index, false);
}

void ctlDataEntryGrid::setMergeRow(long Index, bool v)
{
    checkMergeIndex(Index, grid->Rows());
    mMergeRow[Index] = v;
}

bool ctlDataEntryGrid::MergeCol(long Index) const
{
    checkMergeIndex(Index, grid->Cols());
    return mMergeCol.value(Index, false);
}

void ctlDataEntryGrid::setMergeCol(long Index, bool v)
{
    checkMergeIndex(Index, grid->Cols());
    mMergeCol[Index] = v;
}

bool ctlDataEntryGrid::CellFontStrikeThrough() const { return grid->CellFontStrikeThrough(); }
void ctlDataEntryGrid::setCellFontStrikeThrough(bool v) { grid->setCellFontStrikeThrough(v); }
long ctlDataEntryGrid::Col() const { return grid->Col(); }
void ctlDataEntryGrid::setCol(long v) { grid->setCol(v); }
long ctlDataEntryGrid::Row() const { return grid->Row(); }
void ctlDataEntryGrid::setRow(long v) { grid->setRow(v); }
void ctlDataEntryGrid::SetBackColor(OleColor colour) { grid->setBackColor(colour); }
