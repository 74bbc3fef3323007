#pragma once

#include "core/platform/ModelTypes.h"
#include "core/store/GridText.h"
#include "gui/controls/OleColor.h"

#include <QHash>
#include <QVector>
#include <QWidget>

class FlexGrid;

// The grid for typing numbers and short texts into a table. Every cell lives
// in the inner FlexGrid "grid"; this control adds in-cell typing, Enter down
// the columns, Escape, clipboard keys, per-column editable and numeric marks,
// a per-row changed mark, column background colours that survive new rows,
// and a three-key sort. It raises the inner grid's events to its window
// after its own handling.
//
// Typing rules (columns marked editable only): the first printable key in a
// cell just entered replaces its text, later keys append; a "0" is always
// replaced. Backspace drops the last character, Escape brings back the text
// the cell had when it was entered, Delete empties it. Enter in a numeric
// column turns a blank cell into "0" (a text that is no number stays, for
// the window's check to refuse; a column marked not numeric keeps a blank),
// then moves down the column, wrapping to the top of the next shown column. Ctrl+C, Ctrl+V and Ctrl+X copy, paste and
// cut the cell's text. Any key that changes a cell marks its row.
class ctlDataEntryGrid : public QWidget, public GridText {
    Q_OBJECT
public:
    explicit ctlDataEntryGrid(QWidget* parent = nullptr);

    // While True, entering a cell keeps nothing and leaving one restores
    // nothing.
    bool bLoading = false;

    QString SaveKey() const { return mSaveKey; }
    void setSaveKey(const QString& sVal) { mSaveKey = sVal; }
    long CellWidth() const;
    long CellTop() const;
    long CellLeft() const;
    long CellHeight() const;
    OleColor BackColorSel() const;
    void setBackColorSel(OleColor New_BackColorSel);
    OleColor CellForeColor() const;
    void setCellForeColor(OleColor New_CellForeColor);
    OleColor BackColorFixed() const;
    void setBackColorFixed(OleColor New_BackColorFixed);
    OleColor BackColorBkg() const;
    void setBackColorBkg(OleColor New_BackColorBkg);
    long AllowUserResizing() const;
    void setAllowUserResizing(long New_AllowUserResizing);
    bool AllowBigSelection() const;
    void setAllowBigSelection(bool New_AllowBigSelection);
    bool Enabled() const { return isEnabled(); }
    void AddItem(const QString& Item);
    void AddItem(const QString& Item, long Index);
    long GridLineWidth() const;
    void setGridLineWidth(long New_GridLineWidth);
    long GridLinesFixed() const;
    void setGridLinesFixed(long New_GridLinesFixed);
    Integer FontSize() const; // rounded to whole points
    void setFontSize(Integer New_FontSize);
    long GridLines() const;
    void setGridLines(long New_GridLines);
    OleColor GridColorFixed() const;
    void setGridColorFixed(OleColor New_GridColorFixed);
    OleColor GridColor() const;
    void setGridColor(OleColor New_GridColor);
    OleColor ForeColorSel() const;
    void setForeColorSel(OleColor New_ForeColorSel);
    OleColor ForeColorFixed() const;
    void setForeColorFixed(OleColor New_ForeColorFixed);
    OleColor ForeColor() const;
    void setForeColor(OleColor New_ForeColor);
    long FocusRect() const;
    void setFocusRect(long New_FocusRect);
    long FixedRows() const;
    void setFixedRows(long New_FixedRows);
    long FixedCols() const;
    void setFixedCols(long New_FixedCols);
    Integer FixedAlignment(long Index) const;
    void setFixedAlignment(long Index, Integer New_FixedAlignment);
    long FillStyle() const;
    void setFillStyle(long New_FillStyle);
    long ColWidth(long Index) const;
    void setColWidth(long Index, long New_ColWidth);
    long Cols() const override;
    void setCols(long New_Cols);
    bool ColIsVisible(long Index) const;
    // An index outside the columns raises GridError 1 "Invalid column index."
    // from the lets of ColEditable, ColNumeric and ColBackColor.
    bool ColEditable(long Index) const;
    void setColEditable(long Index, bool New_ColEditable);
    // Whether Enter forces a number; True unless a window says otherwise.
    bool ColNumeric(long Index) const;
    void setColNumeric(long Index, bool New_ColNumeric);
    // The background of the column's data cells, now and in rows to come;
    // 0 gives the grid's own colour and is not remembered.
    void setColBackColor(long Index, OleColor New_ColColor);
    Integer ColAlignment(long Index) const;
    void setColAlignment(long Index, Integer New_ColAlignment);
    void Clear();
    QString TextMatrix(long Row, long Col) const override;
    void setTextMatrix(long Row, long Col, const QString& New_TextMatrix);
    long SelectionMode() const;
    void setSelectionMode(long New_SelectionMode);
    bool Wordwrap() const;
    void setWordwrap(bool New_Wordwrap);
    // Wraps the captions of the fixed rows only; typed values keep to one
    // line and end in an ellipsis where too long for their cell.
    void setFixedRowsWordwrap(bool New_FixedRowsWordwrap);
    long Rows() const override;
    void setRows(long New_Rows);
    bool RowIsVisible(long Index) const;
    long RowHeightMin() const;
    void setRowHeightMin(long New_RowHeightMin);
    long RowHeight(long Index) const;
    void setRowHeight(long Index, long New_RowHeight);
    long RowChanged(long Index) const;
    void setRowChanged(long Index, long New_RowChanged);
    void RemoveItem(long Index);
    bool Redraw() const;
    void setRedraw(bool New_Redraw);
    long MouseRow() const;
    long MouseCol() const;
    // Kept only; cells are never merged.
    bool MergeRow(long Index) const;
    void setMergeRow(long Index, bool New_MergeRow);
    bool MergeCol(long Index) const;
    void setMergeCol(long Index, bool New_MergeCol);
    long MergeCells() const { return mMergeCells; }
    void setMergeCells(long New_MergeCells) { mMergeCells = New_MergeCells; }
    bool CellFontStrikeThrough() const;
    void setCellFontStrikeThrough(bool New_CellFontStrikeThrough);
    long Col() const;
    void setCol(long New_Col);
    long Row() const;
    void setRow(long New_Row);
    // Makes the cell current and scrolls it into view with its whole text
    // selected, as in a cell just entered: what is typed next replaces it.
    void ShowCell(long row, long col);
    // Orders the data rows by column 0, ascending, stably.
    void Sort();
    // Numbers first by value, then texts by character code; the sign turned
    // round when descending.
    Integer CompRows(long Row1, long Row2, Integer Column, bool bDescending) const;
    void SetBackColor(OleColor colour);

signals:
    void EnterCell();
    void DblClick();
    void Click();
    void SelChange();
    void RowColChange();
    void Resize();
    void MouseUp(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseDown(int Button, int Shift, float X, float Y);
    void LeaveCell();
    void KeyUp(int& KeyCode, int& Shift);
    void KeyPress(int& KeyAscii);
    void KeyDown(int& KeyCode, int& Shift);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void grid_EnterCell();
    void grid_LeaveCell();
    void grid_KeyPress(int& KeyAscii);
    void grid_KeyDown(int& KeyCode, int& Shift);
    bool hasCells() const;
    void checkColumnIndex(long Index) const;
    void markRow();
    void setCurrentText(const QString& text);
    void copyCell();
    void MoveToNextCell();
    void scrollToCurrent();
    long GetNextVisibleCol(long start) const; // -1 when none
    void paintColumn(long col, OleColor colour);
    void PaintColBackColors();

    FlexGrid* grid;
    QString mSaveKey;
    QString mSavedText;
    OleColor mSavedColor = 0;
    bool mFresh = false;
    QVector<OleColor> mColColors;
    QVector<bool> mColNumeric;
    QHash<long, bool> mMergeRow;
    QHash<long, bool> mMergeCol;
    long mMergeCells = 0;
};
