#include "gui/controls/FlexGrid.h"

#include "core/platform/Twips.h"
#include "gui/controls/FlexGridParts.h"

#include <QFontMetricsF>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

using namespace FlexGridParts;

// ---- cell alignment and spans -----------------------------------------------

int FlexGrid::CellAlignment(long Row, long Col) const
{
    const QVariant v = cellData(Row, Col, AlignmentRole);
    return v.isValid() ? v.toInt() : -1;
}

void FlexGrid::setCellAlignment(long Row, long Col, int New_CellAlignment)
{
    setCellData(Row, Col, AlignmentRole, New_CellAlignment);
}

long FlexGrid::CellSpan(long Row, long Col) const
{
    checkRow(Row);
    checkCol(Col);
    return std::max(1, columnSpan(int(Row), int(Col)));
}

void FlexGrid::setCellSpan(long Row, long Col, long New_Cols)
{
    checkRow(Row);
    checkCol(Col);
    const int span = int(std::clamp(New_Cols, 1L, Cols() - Col));
    if (span == CellSpan(Row, Col))
        return;
    // Each view keeps its own spans; the one that shows the row draws it.
    for (QTableView* v : views())
        v->setSpan(int(Row), int(Col), 1, span);
    updateAllViews();
}

// ---- room and fitting -------------------------------------------------------

long FlexGrid::InnerWidth() const
{
    const int frame = 2 * frameWidth();
    const int height = this->height() - frame - fixedHeightPixels();
    int rows = 0;
    for (long r = mFixedRows; r < Rows() && rows <= height; ++r)
        rows += rowPixels(r);
    const Qt::ScrollBarPolicy policy = verticalScrollBarPolicy();
    const bool bar = policy == Qt::ScrollBarAlwaysOn || (policy == Qt::ScrollBarAsNeeded && rows > height);
    const int barWidth = bar ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0;
    return PixelsToTwips(std::max(0, width() - frame - barWidth));
}

int FlexGrid::cellTextRoom(long row, long col) const
{
    int pixels = 0;
    for (long c = col; c < col + CellSpan(row, col) && c < Cols(); ++c)
        pixels += colPixels(c);
    return pixels - 2 * CellTextMargin;
}

bool FlexGrid::textsFit(const QFont& font, int wholeChars) const
{
    // Measured to the fraction of a pixel, as the painting decides whether
    // a text needs its ellipsis.
    const QFontMetricsF metrics(font);
    for (long c = 0; c < Cols(); ++c) {
        if (colPixels(c) == 0)
            continue;
        for (long r = 0; r < Rows(); ++r) {
            const QTableWidgetItem* it = item(int(r), int(c));
            if (!it || rowPixels(r) == 0)
                continue;
            const QString text = it->text();
            if (text.isEmpty())
                continue;
            const QString whole = text.size() > wholeChars ? text.left(wholeChars) + QChar(0x2026) : text;
            if (metrics.horizontalAdvance(whole) > cellTextRoom(r, c))
                return false;
        }
    }
    return true;
}

void FlexGrid::FitFont(int WholeChars, int MinPoints)
{
    QFont font = mWantedFont;
    const int wanted = font.pointSize();
    if (wanted <= 0)
        return;
    // The texts fit at every size below one that fits: the largest is
    // found by halving the range.
    int fits = std::min(MinPoints, wanted);
    int tooLarge = wanted + 1;
    font.setPointSize(wanted);
    if (textsFit(font, WholeChars))
        fits = wanted;
    else
        tooLarge = wanted;
    while (tooLarge - fits > 1) {
        const int size = (fits + tooLarge) / 2;
        font.setPointSize(size);
        (textsFit(font, WholeChars) ? fits : tooLarge) = size;
    }
    font.setPointSize(fits);
    if (font == this->font())
        return;
    const QScopedValueRollback<bool> fitting(mFitting, true);
    setFont(font);
}

void FlexGrid::setFont(const QFont& font)
{
    QTableWidget::setFont(font);
    if (!mFitting)
        mWantedFont = this->font();
}
