#include "gui/controls/FlexGrid.h"

#include "core/platform/Twips.h"
#include "core/store/GridError.h"
#include "core/store/Nz.h"
#include "gui/controls/FlexGridParts.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

using namespace FlexGridParts;

namespace {

int alignmentFlags(int code, const QString& text)
{
    if (code < 0 || code > 8) // general: numbers to the right
        code = ReadsAsNumber(QVariant(text)) ? 7 : 1;
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return int(horizontal[code / 3] | vertical[code % 3]);
}

} // namespace

// ---- sizes ------------------------------------------------------------------

int FlexGrid::defaultRowPixels() const
{
    return std::max(fontMetrics().height() + mRowPadding, TwipsToPixels(int(mRowHeightMin)));
}

int FlexGrid::rowPixels(long row) const
{
    const long twips = mRowHeights.value(row, -1);
    if (twips == 0)
        return 0;
    if (twips < 0)
        return defaultRowPixels();
    return std::max({1, TwipsToPixels(int(twips)), TwipsToPixels(int(mRowHeightMin))});
}

int FlexGrid::colPixels(long col) const
{
    const long twips = mColWidths.value(col, -1);
    if (twips == 0)
        return 0;
    return twips < 0 ? DefaultColPixels : std::max(1, TwipsToPixels(int(twips)));
}

int FlexGrid::fixedHeightPixels() const
{
    int pixels = 0;
    for (long r = 0; r < std::min(mFixedRows, Rows()); ++r)
        pixels += rowPixels(r);
    return pixels;
}

int FlexGrid::fixedWidthPixels() const
{
    int pixels = 0;
    for (long c = 0; c < std::min(mFixedCols, Cols()); ++c)
        pixels += colPixels(c);
    return pixels;
}

long FlexGrid::ColWidth(long Col) const
{
    checkCol(Col);
    return mColWidths[Col] < 0 ? PixelsToTwips(DefaultColPixels) : mColWidths[Col];
}

void FlexGrid::setColWidth(long Col, long New_ColWidth)
{
    checkCol(Col);
    mColWidths[Col] = std::max(-1L, New_ColWidth);
    applyCol(Col);
    if (Col < mFixedCols)
        relayoutFixed();
}

long FlexGrid::RowHeight(long Row) const
{
    checkRow(Row);
    return mRowHeights[Row] < 0 ? PixelsToTwips(defaultRowPixels()) : mRowHeights[Row];
}

void FlexGrid::setRowHeight(long Row, long New_RowHeight)
{
    checkRow(Row);
    mRowHeights[Row] = std::max(-1L, New_RowHeight);
    applyRow(Row);
    if (Row < mFixedRows)
        relayoutFixed();
}

void FlexGrid::setRowHeightMin(long New_RowHeightMin)
{
    mRowHeightMin = std::max(0L, New_RowHeightMin);
    applyDefaultRowHeight();
    relayoutFixed();
}

int FlexGrid::ColAlignment(long Col) const
{
    checkCol(Col);
    return mColAlign[Col];
}

void FlexGrid::setColAlignment(long Col, int New_ColAlignment)
{
    checkCol(Col);
    mColAlign[Col] = New_ColAlignment;
    updateAllViews();
}

int FlexGrid::FixedAlignment(long Col) const
{
    checkCol(Col);
    return mFixedAlign[Col] < 0 ? mColAlign[Col] : mFixedAlign[Col];
}

void FlexGrid::setFixedAlignment(long Col, int New_FixedAlignment)
{
    checkCol(Col);
    mFixedAlign[Col] = New_FixedAlignment;
    updateAllViews();
}

// The data view shows rows and columns from the fixed ones on; the strips
// show the fixed ones. A zero size hides a row or column everywhere.
void FlexGrid::applyRow(long row)
{
    const int pixels = rowPixels(row);
    for (QTableView* v : views()) {
        const bool hide = pixels == 0 || ((v == this || v == mLeft) && row < mFixedRows);
        v->setRowHidden(int(row), hide);
        if (!hide)
            v->QTableView::setRowHeight(int(row), pixels);
    }
}

void FlexGrid::applyCol(long col)
{
    const int pixels = colPixels(col);
    for (QTableView* v : views()) {
        const bool hide = pixels == 0 || ((v == this || v == mTop) && col < mFixedCols);
        v->setColumnHidden(int(col), hide);
        if (!hide)
            v->setColumnWidth(int(col), pixels);
    }
}

void FlexGrid::applyAllRows()
{
    for (long r = 0; r < Rows(); ++r)
        applyRow(r);
}

void FlexGrid::applyAllCols()
{
    for (long c = 0; c < Cols(); ++c)
        applyCol(c);
}

void FlexGrid::applyDefaultRowHeight()
{
    // A new default resizes every shown row, so the rows with a height of
    // their own get it back.
    for (QTableView* v : views())
        v->verticalHeader()->setDefaultSectionSize(defaultRowPixels());
    for (long r = 0; r < Rows(); ++r) {
        if (mRowHeights[r] >= 0 || r < mFixedRows)
            applyRow(r);
    }
}

bool FlexGrid::RowIsVisible(long Row) const
{
    checkRow(Row);
    if (rowPixels(Row) == 0)
        return false;
    if (Row < mFixedRows)
        return true;
    const int top = rowViewportPosition(int(Row));
    return top >= 0 && top + rowPixels(Row) <= viewport()->height();
}

bool FlexGrid::ColIsVisible(long Col) const
{
    checkCol(Col);
    if (colPixels(Col) == 0)
        return false;
    if (Col < mFixedCols)
        return true;
    const int left = columnViewportPosition(int(Col));
    return left >= 0 && left + colPixels(Col) <= viewport()->width();
}

QTableView* FlexGrid::viewOf(long row, long col) const
{
    const bool fixedRow = row < mFixedRows;
    const bool fixedCol = col < mFixedCols;
    if (fixedRow && fixedCol)
        return mCorner;
    if (fixedRow)
        return mTop;
    if (fixedCol)
        return mLeft;
    return const_cast<FlexGrid*>(this);
}

QList<QTableView*> FlexGrid::views() const
{
    if (!mCorner) // still being built
        return {const_cast<FlexGrid*>(this)};
    return {const_cast<FlexGrid*>(this), mTop, mLeft, mCorner};
}

QRect FlexGrid::CellRect(long Row, long Col) const
{
    checkRow(Row);
    checkCol(Col);
    const QTableView* v = viewOf(Row, Col);
    const QRect r = v->visualRect(model()->index(int(Row), int(Col)));
    return QRect(v->viewport()->mapTo(this, r.topLeft()), r.size());
}

long FlexGrid::CellLeft() const { return PixelsToTwips(CellRect(mRow, mCol).x()); }
long FlexGrid::CellTop() const { return PixelsToTwips(CellRect(mRow, mCol).y()); }
long FlexGrid::CellWidth() const { return PixelsToTwips(CellRect(mRow, mCol).width()); }
long FlexGrid::CellHeight() const { return PixelsToTwips(CellRect(mRow, mCol).height()); }

// ---- layout of the fixed strips ---------------------------------------------

void FlexGrid::relayoutFixed()
{
    updateGeometries();
    updateAllViews();
}

void FlexGrid::updateGeometries()
{
    if (!mCorner) { // still being built
        QTableWidget::updateGeometries();
        return;
    }
    const int height = fixedHeightPixels();
    const int width = fixedWidthPixels();
    mTopEdge->setVisible(height > 0);
    mLeftEdge->setVisible(width > 0);
    QTableWidget::updateGeometries();
    const QRect data = viewport()->geometry();
    mTop->setGeometry(data.x(), data.y() - height, data.width(), height);
    mLeft->setGeometry(data.x() - width, data.y(), width, data.height());
    mCorner->setGeometry(data.x() - width, data.y() - height, width, height);
    mTop->setVisible(height > 0);
    mLeft->setVisible(width > 0);
    mCorner->setVisible(height > 0 && width > 0);
    syncScroll();
}

void FlexGrid::wholeSectionsAtTheEnd()
{
    // Scrolled to its end, a view scrolling by items lines its last row up
    // with its foot, and the row at its top shows cut in half under the
    // header. Here the top row stays whole, like every other stop, and the
    // room under the last row stays empty.
    const auto align = [](QTableView* v, QHeaderView* header, const QScrollBar* bar) {
        const int at = bar->value();
        if (at > 0 && at == bar->maximum() && header->count() > 0) {
            const int before = header->offset();
            header->setOffsetToSectionPosition(at);
            if (header->offset() != before)
                v->viewport()->update();
        }
    };
    for (QTableView* v : views()) {
        if (v->verticalScrollMode() == QAbstractItemView::ScrollPerItem)
            align(v, v->verticalHeader(), v->verticalScrollBar());
        if (v->horizontalScrollMode() == QAbstractItemView::ScrollPerItem)
            align(v, v->horizontalHeader(), v->horizontalScrollBar());
    }
}

void FlexGrid::syncScroll()
{
    const auto follow = [](QScrollBar* strip, const QScrollBar* data) {
        strip->setRange(data->minimum(), data->maximum());
        strip->setValue(data->value());
    };
    follow(mTop->horizontalScrollBar(), horizontalScrollBar());
    follow(mLeft->verticalScrollBar(), verticalScrollBar());
    wholeSectionsAtTheEnd();
}

// ---- drawing ----------------------------------------------------------------

void FlexGrid::setRedraw(bool New_Redraw)
{
    mRedraw = New_Redraw;
    setUpdatesEnabled(New_Redraw);
}

void FlexGrid::updateCell(long row, long col)
{
    if (!mRedraw)
        return;
    QTableView* v = viewOf(row, col);
    v->viewport()->update(v->visualRect(model()->index(int(row), int(col))));
}

void FlexGrid::updateAllViews()
{
    if (!mRedraw)
        return;
    for (QTableView* v : views())
        v->viewport()->update();
}

void FlexGrid::paintCell(QPainter* painter, const QRect& rect, int row, int col) const
{
    const bool fixed = row < mFixedRows || col < mFixedCols;
    const QPalette& pal = palette();
    const auto colour = [&](OleColor c) { return OleColorToQColor(c, pal); };
    const QTableWidgetItem* it = item(row, col);
    const OleColor back = it ? it->data(BackColorRole).toUInt() : 0;
    const OleColor fore = it ? it->data(ForeColorRole).toUInt() : 0;

    long r1 = std::min(mRow, mRowSel), r2 = std::max(mRow, mRowSel);
    long c1 = std::min(mCol, mColSel), c2 = std::max(mCol, mColSel);
    if (mSelectionMode == 1) {
        c1 = mFixedCols;
        c2 = Cols() - 1;
    } else if (mSelectionMode == 2) {
        r1 = mFixedRows;
        r2 = Rows() - 1;
    }
    const bool current = row == mRow && col == mCol;
    const bool highlighted = !fixed
        && ((row >= r1 && row <= r2 && col >= c1 && col <= c2 && (!current || mSelectionMode != 0))
            || (current && mCurrentMarked));

    painter->save();
    painter->fillRect(rect,
                      highlighted ? colour(mBackColorSel)
                                  : (back ? colour(back) : colour(fixed ? mBackColorFixed : mBackColor)));
    const QColor textColour
        = highlighted ? colour(mForeColorSel) : (fore ? colour(fore) : colour(fixed ? mForeColorFixed : mForeColor));
    QString text = it ? it->text() : QString();
    const bool partlyInView
        = mHidePartlyShownRows && row >= mFixedRows && rect.bottom() >= viewOf(row, col)->viewport()->height();
    if (!text.isEmpty() && !partlyInView) {
        QFont f = font();
        f.setStrikeOut(it->data(StrikeRole).toBool());
        painter->setFont(f);
        painter->setPen(textColour);
        const QVariant own = it->data(AlignmentRole);
        const int cellAlign = own.isValid() ? own.toInt() : -1;
        const int columnAlign = fixed ? (mFixedAlign[col] < 0 ? mColAlign[col] : mFixedAlign[col]) : mColAlign[col];
        const int align = cellAlign >= 0 ? cellAlign : columnAlign;
        const QRect inside = rect.adjusted(CellTextMargin, 1, -CellTextMargin, -1);
        painter->drawText(inside, alignmentFlags(align, text) | (wrapsRow(row) ? Qt::TextWordWrap : Qt::TextSingleLine),
                          fitText(text, f, inside.width(), row));
    }

    const long lines = fixed ? mGridLinesFixed : mGridLines;
    if (lines != 0) {
        const int w = int(std::max(1L, mGridLineWidth));
        const QColor line = colour(fixed ? mGridColorFixed : mGridColor);
        const QColor light = pal.color(QPalette::Light);
        const QColor farSide = lines == 2 ? light : line; // inset: lit from below
        painter->fillRect(rect.right() - w + 1, rect.top(), w, rect.height(), farSide);
        painter->fillRect(rect.left(), rect.bottom() - w + 1, rect.width(), w, farSide);
        if (lines >= 2) {
            const QColor nearSide = lines == 2 ? line : light;
            painter->fillRect(rect.left(), rect.top(), rect.width(), 1, nearSide);
            painter->fillRect(rect.left(), rect.top(), 1, rect.height(), nearSide);
        }
    }
    if (current && mFocusRect != 0 && hasFocus()) {
        QPen pen(textColour, mFocusRect == 2 ? 2 : 1, mFocusRect == 2 ? Qt::SolidLine : Qt::DotLine);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(1, 1, -2, -2));
    }
    painter->restore();
}

bool FlexGrid::wrapsRow(long row) const { return mWordwrap || (mFixedRowsWordwrap && row < mFixedRows); }

QString FlexGrid::fitText(const QString& text, const QFont& font, int width, long row) const
{
    if (wrapsRow(row))
        return text;
    QString line = text; // one line: breaks and tabs show as blanks
    for (QChar& c : line)
        if (c.isSpace())
            c = u' ';
    return QFontMetrics(font).elidedText(line, Qt::ElideRight, width);
}

QString FlexGrid::ShownText(long Row, long Col) const
{
    checkRow(Row);
    checkCol(Col);
    return fitText(TextMatrix(Row, Col), font(), cellTextRoom(Row, Col), Row);
}

void FlexGrid::setHidePartlyShownRows(bool New_HidePartlyShownRows)
{
    mHidePartlyShownRows = New_HidePartlyShownRows;
    updateAllViews();
}

void FlexGrid::setBackColor(OleColor c)
{
    mBackColor = c;
    updateAllViews();
}
void FlexGrid::setForeColor(OleColor c)
{
    mForeColor = c;
    updateAllViews();
}
void FlexGrid::setBackColorFixed(OleColor c)
{
    mBackColorFixed = c;
    updateAllViews();
}
void FlexGrid::setForeColorFixed(OleColor c)
{
    mForeColorFixed = c;
    updateAllViews();
}
void FlexGrid::setBackColorSel(OleColor c)
{
    mBackColorSel = c;
    updateAllViews();
}
void FlexGrid::setForeColorSel(OleColor c)
{
    mForeColorSel = c;
    updateAllViews();
}
void FlexGrid::setGridColor(OleColor c)
{
    mGridColor = c;
    updateAllViews();
}
void FlexGrid::setGridColorFixed(OleColor c)
{
    mGridColorFixed = c;
    updateAllViews();
}
void FlexGrid::setGridLines(long v)
{
    mGridLines = v;
    updateAllViews();
}
void FlexGrid::setGridLinesFixed(long v)
{
    mGridLinesFixed = v;
    updateAllViews();
}
void FlexGrid::setGridLineWidth(long v)
{
    mGridLineWidth = v;
    updateAllViews();
}
void FlexGrid::setWordwrap(bool v)
{
    mWordwrap = v;
    updateAllViews();
}
void FlexGrid::setFixedRowsWordwrap(bool v)
{
    mFixedRowsWordwrap = v;
    updateAllViews();
}
void FlexGrid::setSelectionMode(long v)
{
    mSelectionMode = v;
    updateAllViews();
}
void FlexGrid::setFocusRect(long v)
{
    mFocusRect = v;
    updateAllViews();
}

void FlexGrid::setCurrentMarked(bool marked)
{
    if (marked == mCurrentMarked)
        return;
    mCurrentMarked = marked;
    if (mRow < Rows() && mCol < Cols())
        updateCell(mRow, mCol);
}

void FlexGrid::setBackColorBkg(OleColor New_BackColorBkg)
{
    mBackColorBkg = New_BackColorBkg;
    for (QTableView* v : views()) {
        QPalette pal = v->viewport()->palette();
        pal.setColor(QPalette::Base, OleColorToQColor(mBackColorBkg, palette()));
        v->viewport()->setPalette(pal);
    }
}

void FlexGrid::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        if (!mFitting)
            mWantedFont = font();
        applyDefaultRowHeight();
        relayoutFixed();
    } else if (event->type() == QEvent::PaletteChange) {
        updateAllViews();
    }
}
