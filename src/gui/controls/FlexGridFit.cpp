#include "gui/controls/FlexGrid.h"

#include "core/platform/Twips.h"
#include "core/store/FittingSize.h"
#include "core/store/Nz.h"
#include "gui/controls/FlexGridParts.h"

#include <QFontMetricsF>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

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

long FlexGrid::WholeTextsWidth(long Col) const
{
    checkCol(Col);
    // Measured to the fraction of a pixel and rounded up, as the painting
    // decides whether a text needs its ellipsis.
    const QFontMetricsF metrics(font());
    qreal widest = 0;
    for (long r = mFixedRows; r < Rows(); ++r) {
        if (const QTableWidgetItem* it = item(int(r), int(Col)))
            widest = std::max(widest, metrics.horizontalAdvance(it->text()));
    }
    return PixelsToTwips(int(std::ceil(widest)) + 2 * CellTextMargin);
}

int FlexGrid::cellTextRoom(long row, long col) const
{
    int pixels = 0;
    for (long c = col; c < col + CellSpan(row, col) && c < Cols(); ++c)
        pixels += colPixels(c);
    return pixels - 2 * CellTextMargin;
}

namespace {

// The n that score highest, highest first, appended to out.
template <typename T>
void keepHighest(std::vector<std::pair<qreal, T>>& scored, std::size_t n, std::vector<T>& out)
{
    const std::size_t kept = std::min(scored.size(), n);
    std::partial_sort(scored.begin(), scored.begin() + std::ptrdiff_t(kept), scored.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = 0; i < kept; ++i)
        out.push_back(std::move(scored[i].second));
}

} // namespace

std::vector<FlexGrid::ShownCellText> FlexGrid::shownTexts(long col, int wholeChars, const QList<int>& wholeAt) const
{
    // Widths in the wanted font are kept while that font stays, so a grid
    // filled again with the same names measures only what is new.
    if (!(mWidthsFont == mWantedFont) || mWantedWidths.size() > 20000) {
        mWantedWidths.clear();
        mWidthsFont = mWantedFont;
    }
    const QFontMetricsF metrics(mWantedFont);
    const auto widthOf = [&](const QString& text) {
        auto known = mWantedWidths.constFind(text);
        if (known == mWantedWidths.constEnd())
            known = mWantedWidths.insert(text, metrics.horizontalAdvance(text));
        return *known;
    };
    std::vector<ShownCellText> texts;
    for (long r = 0; r < Rows(); ++r) {
        const QTableWidgetItem* it = item(int(r), int(col));
        if (!it || rowPixels(r) == 0 || it->text().isEmpty())
            continue;
        const QString& text = it->text();
        ShownCellText t {r, text.left(wholeChars), 0};
        t.Width = widthOf(t.Text);
        if (t.Text.size() < text.size() && !wholeAt.isEmpty()) {
            int room = -2 * CellTextMargin;
            for (long c = col; c < col + CellSpan(r, col) && c < wholeAt.size(); ++c)
                room += TwipsToPixels(wholeAt[c]);
            if (widthOf(text) <= room) {
                t.Text = text;
                t.Width = widthOf(text);
            }
        }
        texts.push_back(std::move(t));
    }
    return texts;
}

std::vector<FlexGrid::FitText> FlexGrid::decidingTexts(int wholeChars) const
{
    std::vector<FitText> deciding;
    for (long c = 0; c < Cols(); ++c) {
        if (colPixels(c) == 0)
            continue;
        std::vector<std::pair<qreal, FitText>> column; // by how far each overruns its room
        for (ShownCellText& t : shownTexts(c, wholeChars)) {
            const int room = cellTextRoom(t.Row, c);
            column.emplace_back(t.Width - room, FitText {std::move(t.Text), room});
        }
        // Widths keep their order from one size to the next: the few that
        // overrun most in the wanted font decide for the whole column.
        keepHighest(column, DecidingTextsPerColumn, deciding);
    }
    return deciding;
}

bool FlexGrid::textsFit(const QFont& font, const std::vector<FitText>& texts)
{
    // Measured to the fraction of a pixel, as the painting decides whether
    // a text needs its ellipsis.
    const QFontMetricsF metrics(font);
    return std::all_of(texts.begin(), texts.end(),
                       [&](const FitText& t) { return metrics.horizontalAdvance(t.Text) <= t.Room; });
}

void FlexGrid::FitFont(int WholeChars, int MinPoints)
{
    QFont font = mWantedFont;
    const int wanted = font.pointSize();
    if (wanted <= 0)
        return;
    const std::vector<FitText> deciding = decidingTexts(WholeChars);
    const int fits = LargestFittingSize(std::min(MinPoints, wanted), wanted, [&](int size) {
        font.setPointSize(size);
        return textsFit(font, deciding);
    });
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

bool FlexGrid::paintedAtRight(long row, long col, const QString& text) const
{
    int code = CellAlignment(row, col);
    if (code < 0)
        code = row < mFixedRows ? FixedAlignment(col) : ColAlignment(col);
    if (code < 0 || code > 8)
        return ReadsAsNumber(QVariant(text));
    return code / 3 == 2;
}

std::vector<FlexGrid::CellText> FlexGrid::widestTexts(int wholeChars, const QList<int>& wholeAt) const
{
    std::vector<CellText> texts;
    for (long c = 0; c < Cols(); ++c) {
        std::vector<std::pair<qreal, CellText>> column; // widest first, in the wanted font
        for (ShownCellText& t : shownTexts(c, wholeChars, wholeAt)) {
            const bool atRight = t.Row >= mFixedRows && paintedAtRight(t.Row, c, t.Text);
            CellText cell {std::move(t.Text), c, CellSpan(t.Row, c), atRight};
            if (cell.Span > 1)
                texts.push_back(std::move(cell));
            else
                column.emplace_back(t.Width, std::move(cell));
        }
        keepHighest(column, DecidingTextsPerColumn, texts);
    }
    return texts;
}

void FlexGrid::FitFontAndWidths(int WholeChars, int MinPoints,
                                const std::function<QList<int>(const QList<int>& needs)>& widthsFor, int StartPoints,
                                qreal SpareChars)
{
    QFont font = mWantedFont;
    if (StartPoints > 0)
        font.setPointSize(StartPoints);
    const int wanted = font.pointSize();
    if (wanted <= 0)
        return;
    const std::vector<CellText> texts = widestTexts(WholeChars);
    const int own = mWantedFont.pointSize();
    std::vector<CellText> grown;
    const auto textsAt = [&](int size) -> const std::vector<CellText>& { return size > own ? grown : texts; };
    const auto widthsAt = [&](const QFont& f) {
        const QFontMetricsF metrics(f);
        const qreal margin = 2 * CellTextMargin + metrics.averageCharWidth() * SpareChars;
        // A figure at its cell's right side may meet the letters of the
        // cell before, which can reach that cell's right side: a figure's
        // width keeps the two apart where the room sees them side by side.
        const qreal clear = metrics.horizontalAdvance(u'0');
        const auto twips = [](qreal pixels) { return int(std::ceil(pixels * TwipsPerPixel)); };
        const std::vector<CellText>& shown = textsAt(f.pointSize());
        QList<bool> written(Cols(), false);
        for (const CellText& t : shown)
            written[t.Col] = true;
        QList<int> needs(Cols(), twips(margin));
        for (const CellText& t : shown)
            if (t.Span == 1) {
                const qreal apart = t.AtRight && t.Col > 0 && written[t.Col - 1] ? clear : 0;
                needs[t.Col] = std::max(needs[t.Col], twips(metrics.horizontalAdvance(t.Text) + margin + apart));
            }
        return widthsFor(needs);
    };
    // Above the grid's own size a text may only grow where it stays whole:
    // a name longer than WholeChars that reads whole at the own size is
    // never cut for a larger font. One already cut there holds nobody back.
    if (wanted > own)
        grown = widestTexts(WholeChars, widthsAt(mWantedFont));
    const auto fitsAt = [&](const QFont& f, const QList<int>& widths) {
        const QFontMetricsF metrics(f);
        const std::vector<CellText>& shown = textsAt(f.pointSize());
        return std::all_of(shown.begin(), shown.end(), [&](const CellText& t) {
            int room = -2 * CellTextMargin;
            for (long c = t.Col; c < t.Col + t.Span && c < widths.size(); ++c)
                room += TwipsToPixels(widths[c]);
            return metrics.horizontalAdvance(t.Text) <= room;
        });
    };
    const int fits = LargestFittingSize(std::min(MinPoints, wanted), wanted, [&](int size) {
        font.setPointSize(size);
        return fitsAt(font, widthsAt(font));
    });
    font.setPointSize(fits);
    const QList<int> widths = widthsAt(font);
    for (long c = 0; c < Cols() && c < widths.size(); ++c)
        setColWidth(c, widths[c]);
    if (font == this->font())
        return;
    const QScopedValueRollback<bool> fitting(mFitting, true);
    setFont(font);
}

int FlexGrid::SizeFillingHeight(int LargestPoints) const
{
    QFont font = mWantedFont;
    const int wanted = font.pointSize();
    if (wanted <= 0)
        return wanted;
    long shown = 0;
    for (long r = 0; r < Rows(); ++r)
        shown += rowPixels(r) > 0 ? 1 : 0;
    const int room = height() - 2 * frameWidth();
    return LargestFittingSize(wanted, std::max(wanted, LargestPoints), [&](int size) {
        font.setPointSize(size);
        const int row = std::max(QFontMetrics(font).height() + mRowPadding, TwipsToPixels(int(mRowHeightMin)));
        return shown * row <= room;
    });
}
