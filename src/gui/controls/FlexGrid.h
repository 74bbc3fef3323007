#pragma once

#include "core/store/GridText.h"
#include "gui/controls/OleColor.h"

#include <QHash>
#include <QTableWidget>
#include <QVector>
#include <functional>
#include <vector>

class QTableView;
class FlexGridDelegate;
class FlexGridEdgeHeader;

// The grid of every window: a table of text cells with a fixed header row
// and column, per-cell colours, a current cell and a selected range, and a
// number kept per row and per column for the window's own use.
//
// The fixed rows and columns are cells of the same table, addressed as rows
// 0.. and columns 0.. like any other, with texts, colours and sizes of their
// own; they stay in view while the data cells scroll. The user cannot make a
// fixed cell current (a click on one selects its column or row), code can.
//
// Sizes are in twips. A column width or row height of 0 hides it; -1 gives
// back the default. A cell colour of 0 means the grid's own colour.
// Indexes outside the grid raise GridError "Subscript out of range".
//
// The grid has no editor: keys, the mouse and every change of the current
// cell are reported through the signals, whose names are the events the
// windows handle. Arrows move the current cell, Tab leaves the grid.
class FlexGrid : public QTableWidget, public GridText {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    enum class SortKind { Numeric, Text };

    long Rows() const override { return long(mRowData.size()); }
    void setRows(long New_Rows); // fewer rows than FixedRows lowers FixedRows
    long Cols() const override { return long(mColData.size()); }
    void setCols(long New_Cols);
    long FixedRows() const { return mFixedRows; }
    void setFixedRows(long New_FixedRows);
    long FixedCols() const { return mFixedCols; }
    void setFixedCols(long New_FixedCols);

    // The current cell and the far corner of the selected range. Setting Row
    // or Col makes the range the current cell alone.
    long Row() const { return mRow; }
    void setRow(long New_Row);
    long Col() const { return mCol; }
    void setCol(long New_Col);
    long RowSel() const { return mRowSel; }
    void setRowSel(long New_RowSel);
    long ColSel() const { return mColSel; }
    void setColSel(long New_ColSel);
    // The first data row and column in view.
    long TopRow() const;
    void setTopRow(long New_TopRow);
    void setLeftCol(long New_LeftCol);

    QString Text() const; // the current cell
    void setText(const QString& New_Text); // FillStyle 1: every selected cell
    QString TextMatrix(long Row, long Col) const override;
    void setTextMatrix(long Row, long Col, const QString& New_Text);

    // Colours and strike-through of the current cell; setting them with
    // FillStyle 1 sets every selected cell.
    long FillStyle() const { return mFillStyle; }
    void setFillStyle(long New_FillStyle) { mFillStyle = New_FillStyle; }
    OleColor CellBackColor() const;
    void setCellBackColor(OleColor New_CellBackColor);
    OleColor CellForeColor() const;
    void setCellForeColor(OleColor New_CellForeColor);
    bool CellFontStrikeThrough() const;
    void setCellFontStrikeThrough(bool New_CellFontStrikeThrough);
    // The same by (row, column), whatever the current cell.
    OleColor CellBackColor(long Row, long Col) const;
    void setCellBackColor(long Row, long Col, OleColor New_CellBackColor);
    OleColor CellForeColor(long Row, long Col) const;
    void setCellForeColor(long Row, long Col, OleColor New_CellForeColor);
    bool CellFontStrikeThrough(long Row, long Col) const;
    void setCellFontStrikeThrough(long Row, long Col, bool New_CellFontStrikeThrough);

    // A cell's own alignment (codes as ColAlignment), -1 for its column's.
    int CellAlignment(long Row, long Col) const;
    void setCellAlignment(long Row, long Col, int New_CellAlignment);
    // A cell drawn across Cols columns from its own on (1: its own only).
    // The cells it covers show nothing; Clear ends every span.
    long CellSpan(long Row, long Col) const;
    void setCellSpan(long Row, long Col, long Cols);

    // Off: changes are not drawn until it is on again (bulk fills).
    bool Redraw() const { return mRedraw; }
    void setRedraw(bool New_Redraw);

    long RowData(long Row) const;
    void setRowData(long Row, long New_RowData);
    long ColData(long Col) const;
    void setColData(long Col, long New_ColData);

    long ColWidth(long Col) const;
    void setColWidth(long Col, long New_ColWidth);
    long RowHeight(long Row) const;
    void setRowHeight(long Row, long New_RowHeight);
    long RowHeightMin() const { return mRowHeightMin; }
    void setRowHeightMin(long New_RowHeightMin);
    // Pixels a row takes beyond its font's height (4 unless set).
    void setRowPadding(int pixels) { mRowPadding = pixels; }
    // 0-8: left, centre, right (by threes) x top, centre, bottom; 9 general
    // (numbers right, texts left). FixedAlignment follows ColAlignment until
    // set.
    int ColAlignment(long Col) const;
    void setColAlignment(long Col, int New_ColAlignment);
    int FixedAlignment(long Col) const;
    void setFixedAlignment(long Col, int New_FixedAlignment);

    // The room the columns have, in twips, with no horizontal scroll bar:
    // the width inside the grid's frame, less a vertical scroll bar when the
    // rows need one at the grid's size and font.
    long InnerWidth() const;
    // The width, in twips, at which every data cell of a column shows its
    // text whole on one line in the grid's font: its widest text with the
    // cell's margins.
    long WholeTextsWidth(long Col) const;
    // Draws in the largest size up to the font last given to the grid at
    // which every text of up to WholeChars characters shows whole in its
    // cell, header cells included; never below MinPoints. A longer text asks
    // the room of its first WholeChars characters and ends in an ellipsis
    // there, as does any text that still does not fit.
    void FitFont(int WholeChars, int MinPoints);
    // As FitFont, the column widths chosen anew at each size tried:
    // widthsFor gets what each column's texts need at that size, in twips
    // (its widest text, cut as FitFont cuts it, with the cell's margins and
    // SpareChars of a character; a text spanning columns counts for none),
    // and gives the widths, in twips. The widths of the size chosen stay.
    // StartPoints, when given, is the largest size tried instead of the
    // wanted font's.
    void FitFontAndWidths(int WholeChars, int MinPoints,
                          const std::function<QList<int>(const QList<int>& needs)>& widthsFor, int StartPoints = 0,
                          qreal SpareChars = 0.25);
    // The largest size from the wanted font's up to LargestPoints at which
    // every shown row fits the grid's height: the rows of a short grid use
    // its height. The wanted font's size when the rows do not fit at it.
    int SizeFillingHeight(int LargestPoints) const;
    // The font given from outside is the one FitFont starts from, even when
    // the grid already draws in it (Qt reports no change then).
    void setFont(const QFont& font);
    // The size of the font last given from outside.
    int WantedPoints() const { return mWantedFont.pointSize(); }

    // Wholly in view.
    bool RowIsVisible(long Row) const;
    bool ColIsVisible(long Col) const;
    // The current cell's place in the grid, in twips.
    long CellLeft() const;
    long CellTop() const;
    long CellWidth() const;
    long CellHeight() const;
    // Any cell's place in pixels, in this widget's coordinates; empty when
    // hidden.
    QRect CellRect(long Row, long Col) const;
    // The cell under the mouse at its last event; -1 outside the cells.
    long MouseRow() const { return mMouseRow; }
    long MouseCol() const { return mMouseCol; }

    // A new row from tab-separated texts, at the end or at Index.
    void AddItem(const QString& Item);
    void AddItem(const QString& Item, long Index);
    void RemoveItem(long Index);
    // Every cell's text and colours; sizes and the row and column numbers stay.
    void Clear();

    // Stable sorts of the data rows; rows move whole, with their colours and
    // RowData. Numeric: numbers by value first, then texts by character
    // code; Text: by character code. Compare answers <0, 0, >0 for two rows.
    void Sort(long Col, SortKind Kind, bool Descending);
    void Sort(const std::function<int(long Row1, long Row2)>& Compare);

    // The grid's colours (0x00BBGGRR, or system colours).
    OleColor BackColor() const { return mBackColor; }
    void setBackColor(OleColor New_BackColor);
    OleColor ForeColor() const { return mForeColor; }
    void setForeColor(OleColor New_ForeColor);
    OleColor BackColorFixed() const { return mBackColorFixed; }
    void setBackColorFixed(OleColor New_BackColorFixed);
    OleColor ForeColorFixed() const { return mForeColorFixed; }
    void setForeColorFixed(OleColor New_ForeColorFixed);
    OleColor BackColorSel() const { return mBackColorSel; }
    void setBackColorSel(OleColor New_BackColorSel);
    OleColor ForeColorSel() const { return mForeColorSel; }
    void setForeColorSel(OleColor New_ForeColorSel);
    OleColor BackColorBkg() const { return mBackColorBkg; }
    void setBackColorBkg(OleColor New_BackColorBkg);
    OleColor GridColor() const { return mGridColor; }
    void setGridColor(OleColor New_GridColor);
    OleColor GridColorFixed() const { return mGridColorFixed; }
    void setGridColorFixed(OleColor New_GridColorFixed);

    // Line styles: 0 none, 1 flat, 2 inset, 3 raised.
    long GridLines() const { return mGridLines; }
    void setGridLines(long New_GridLines);
    long GridLinesFixed() const { return mGridLinesFixed; }
    void setGridLinesFixed(long New_GridLinesFixed);
    long GridLineWidth() const { return mGridLineWidth; }
    void setGridLineWidth(long New_GridLineWidth);
    // Where texts wrap at word breaks: Wordwrap, in every cell;
    // FixedRowsWordwrap, in the fixed rows only (captions of two lines over
    // data that keeps to one). A text that does not wrap stays on one line
    // and, when wider than its cell, ends in an ellipsis.
    bool Wordwrap() const { return mWordwrap; }
    void setWordwrap(bool New_Wordwrap);
    bool FixedRowsWordwrap() const { return mFixedRowsWordwrap; }
    void setFixedRowsWordwrap(bool New_FixedRowsWordwrap);
    // A data row the grid shows only in part keeps its text back: no line of
    // half-cut letters at the foot of a grid read from across the room. Off
    // by default: a grid to work in shows what the row holds.
    bool HidePartlyShownRows() const { return mHidePartlyShownRows; }
    void setHidePartlyShownRows(bool New_HidePartlyShownRows);
    // The cell's text as the cell shows it: whole where it wraps, otherwise
    // on one line and cut to the cell's width with an ellipsis.
    QString ShownText(long Row, long Col) const;
    // Pixels kept clear at either side of a cell's text.
    static constexpr int CellTextMargin = 3;
    // 0 free, 1 whole rows, 2 whole columns.
    long SelectionMode() const { return mSelectionMode; }
    void setSelectionMode(long New_SelectionMode);
    // A click on a fixed cell selects its column or row.
    bool AllowBigSelection() const { return mAllowBigSelection; }
    void setAllowBigSelection(bool New_AllowBigSelection) { mAllowBigSelection = New_AllowBigSelection; }
    // 0 none, 1 light, 2 heavy: the frame of the current cell while focused.
    long FocusRect() const { return mFocusRect; }
    void setFocusRect(long New_FocusRect);
    // The current cell painted as selected, as a box shows the text that
    // typing will replace; moving to another cell ends it.
    bool CurrentMarked() const { return mCurrentMarked; }
    void setCurrentMarked(bool marked);
    // Kept only: the user does not resize rows or columns.
    long AllowUserResizing() const { return mAllowUserResizing; }
    void setAllowUserResizing(long New_AllowUserResizing) { mAllowUserResizing = New_AllowUserResizing; }

signals:
    void EnterCell();
    void LeaveCell();
    void RowColChange();
    void SelChange();
    void Scroll();
    void Click();
    void DblClick();
    // Buttons and shift state as in KeyCodes.h; X and Y in twips from the
    // grid's top left corner.
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    // By reference: a handler that sets KeyCode to 0 in KeyDown stops the
    // grid's own use of the key.
    void KeyDown(int& KeyCode, int& Shift);
    void KeyPress(int& KeyAscii);
    void KeyUp(int& KeyCode, int& Shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void updateGeometries() override;

private:
    friend class FlexGridDelegate;

    // Reshaping the table or moving its items past the grid's own members
    // would leave the row numbers, sizes and fixed cells behind.
    using QTableView::setColumnHidden;
    using QTableView::setColumnWidth;
    using QTableView::setRowHidden;
    using QTableView::setSortingEnabled;
    using QTableWidget::clear;
    using QTableWidget::clearContents;
    using QTableWidget::insertColumn;
    using QTableWidget::insertRow;
    using QTableWidget::removeColumn;
    using QTableWidget::removeRow;
    using QTableWidget::setColumnCount;
    using QTableWidget::setItem;
    using QTableWidget::setRowCount;
    using QTableWidget::sortItems;
    using QTableWidget::takeItem;

    // Which of the four views shows a cell: the data view (this) or the
    // fixed top strip, left strip and corner laid over its edges.
    QTableView* viewOf(long row, long col) const;
    QList<QTableView*> views() const;
    void paintCell(QPainter* painter, const QRect& rect, int row, int col) const;
    bool wrapsRow(long row) const;
    QString fitText(const QString& text, const QFont& font, int width, long row) const;

    void checkRow(long row) const;
    void checkCol(long col) const;
    QVariant cellData(long row, long col, int role) const;
    void setCellData(long row, long col, int role, const QVariant& value);
    template <typename F>
    void forEachTarget(F&& f); // the current cell, or the selected range with FillStyle 1
    void updateCell(long row, long col);
    void updateAllViews();

    void setCurrent(long row, long col, long rowSel, long colSel);
    void clampCurrent();
    void ensureVisible(long row, long col);
    void keyNavigate(int keyCode, int shift);
    void mouseOn(QTableView* view, QMouseEvent* event);
    void clickCell(long row, long col, bool extend);

    int defaultRowPixels() const;
    int rowPixels(long row) const; // 0 when hidden
    int colPixels(long col) const;
    int fixedHeightPixels() const;
    int fixedWidthPixels() const;
    void applyRow(long row);
    void applyCol(long col);
    void applyAllRows();
    void applyAllCols();
    void applyDefaultRowHeight();
    void syncScroll();
    // Keeps every view on whole rows and columns at the end of its scroll.
    void wholeSectionsAtTheEnd();
    void relayoutFixed();
    void permuteDataRows(const QVector<long>& order);

    // A text FitFont must show whole (a longer one counts as its first
    // wholeChars characters) and the room its cell gives it, in pixels.
    struct FitText {
        QString Text;
        int Room = 0;
    };
    static constexpr std::size_t DecidingTextsPerColumn = 3;
    // Every shown text of a column, cut to wholeChars characters where
    // longer, with its row and its width in the wanted font. A longer text
    // asks no more room than a whole one of wholeChars: its ellipsis takes
    // the place of its last letters there, so a few long names never make
    // every name smaller. With wholeAt (column widths, in twips), a longer
    // text that reads whole at those widths counts whole.
    struct ShownCellText {
        long Row = 0;
        QString Text;
        qreal Width = 0;
    };
    std::vector<ShownCellText> shownTexts(long col, int wholeChars, const QList<int>& wholeAt = {}) const;
    // A text and the cell it is in, for fitting the widths with the font.
    struct CellText {
        QString Text;
        long Col = 0;
        long Span = 1;
        bool AtRight = false; // painted against the cell's right side
    };
    bool paintedAtRight(long row, long col, const QString& text) const;
    std::vector<CellText> widestTexts(int wholeChars, const QList<int>& wholeAt = {}) const;
    std::vector<FitText> decidingTexts(int wholeChars) const;
    static bool textsFit(const QFont& font, const std::vector<FitText>& texts);
    // The room, in pixels, the cell's text is drawn in: its width (with the
    // columns it spans) less CellTextMargin on either side.
    int cellTextRoom(long row, long col) const;

    FlexGridDelegate* mDelegate;
    QFont mWantedFont; // the font last given from outside
    mutable QHash<QString, qreal> mWantedWidths; // texts' widths in mWidthsFont
    mutable QFont mWidthsFont;
    bool mFitting = false;
    FlexGridEdgeHeader* mTopEdge = nullptr;
    FlexGridEdgeHeader* mLeftEdge = nullptr;
    QTableView* mTop = nullptr;
    QTableView* mLeft = nullptr;
    QTableView* mCorner = nullptr;

    QVector<long> mRowData;
    QVector<long> mColData;
    QVector<long> mRowHeights; // twips, -1 default
    QVector<long> mColWidths; // twips, -1 default
    QVector<int> mColAlign;
    QVector<int> mFixedAlign; // -1: as the column
    long mFixedRows = 1;
    long mFixedCols = 1;
    long mRow = 1;
    long mCol = 1;
    long mRowSel = 1;
    long mColSel = 1;
    long mFillStyle = 0;
    bool mRedraw = true;
    long mRowHeightMin = 0;
    int mRowPadding = 4;
    long mMouseRow = -1;
    long mMouseCol = -1;
    bool mDragging = false;
    bool mSwallowRelease = false;

    OleColor mBackColor = WindowBackgroundColor;
    OleColor mForeColor = 0x80000008u;
    OleColor mBackColorFixed = ButtonFaceColor;
    OleColor mForeColorFixed = ButtonTextColor;
    OleColor mBackColorSel = 0x8000000Du;
    OleColor mForeColorSel = 0x8000000Eu;
    OleColor mBackColorBkg = 0x808080u;
    OleColor mGridColor = 0xC0C0C0u;
    OleColor mGridColorFixed = 0;
    long mGridLines = 1;
    long mGridLinesFixed = 2;
    long mGridLineWidth = 1;
    bool mWordwrap = false;
    bool mFixedRowsWordwrap = false;
    bool mHidePartlyShownRows = false;
    long mSelectionMode = 0;
    bool mAllowBigSelection = true;
    long mFocusRect = 1;
    bool mCurrentMarked = false;
    long mAllowUserResizing = 0;
};
