#pragma once

#include "core/platform/ColorNumber.h"

#include <QHash>
#include <QPair>
#include <QString>
#include <algorithm>
#include <stdexcept>
#include <vector>

// Alignment codes of a display grid's columns.
inline constexpr int AlignLeftTop = 0;
inline constexpr int AlignRightTop = 6;
inline constexpr int AlignRightCentre = 7;
inline constexpr int AlignGeneral = 9; // numbers to the right, texts to the left

// The colours of one grid cell.
struct GridCellColors {
    OleColor Back = 0;
    OleColor Fore = 0;

    bool operator==(const GridCellColors&) const = default;
};

// What one display grid shows: rows (row 0 the header), columns, their
// alignment, the cell texts and the cells with colours of their own. The
// window copies it onto its grid with drawing switched off.
class ScreenGrid {
public:
    ScreenGrid(long rows, long cols)
        : mRows(rows < 0 ? 0 : rows)
        , mCols(cols < 0 ? 0 : cols)
        , mText(static_cast<std::size_t>(mRows * mCols))
        , mAlignment(static_cast<std::size_t>(mCols), AlignLeftTop)
    {
    }

    long Rows() const { return mRows; }
    long Cols() const { return mCols; }

    QString Text(long row, long col) const { return mText[slot(row, col)]; }
    // The rows down to the last one with a text (at least 1): below them
    // the grid holds only blank rows.
    long RowsInUse() const
    {
        for (long r = mRows - 1; r > 0; --r)
            for (long c = 0; c < mCols; ++c)
                if (!Text(r, c).isEmpty())
                    return r + 1;
        return std::min(1L, mRows);
    }
    void SetText(long row, long col, const QString& text) { mText[slot(row, col)] = text; }
    void SetRow(long row, const std::vector<QString>& texts)
    {
        for (std::size_t c = 0; c < texts.size(); ++c)
            SetText(row, static_cast<long>(c), texts[c]);
    }

    int Alignment(long col) const { return mAlignment[static_cast<std::size_t>(col)]; }
    void SetAlignment(long col, int code) { mAlignment[static_cast<std::size_t>(col)] = code; }

    // A cell drawn across several columns, its text aligned its own way.
    struct Span {
        long Cols = 1;
        int Alignment = AlignLeftTop;
    };
    const Span* SpanAt(long row, long col) const
    {
        const auto it = mSpans.constFind({row, col});
        return it == mSpans.constEnd() ? nullptr : &*it;
    }
    void SetSpan(long row, long col, Span span)
    {
        slot(row, col);
        mSpans.insert({row, col}, span);
    }
    const QHash<QPair<long, long>, Span>& Spans() const { return mSpans; }

    // Cells never coloured keep the grid's own colours.
    const GridCellColors* Colors(long row, long col) const
    {
        const auto it = mColors.constFind({row, col});
        return it == mColors.constEnd() ? nullptr : &*it;
    }
    void SetColors(long row, long col, GridCellColors colors) { mColors.insert({row, col}, colors); }

private:
    std::size_t slot(long row, long col) const
    {
        if (row < 0 || row >= mRows || col < 0 || col >= mCols)
            throw std::out_of_range("grid cell outside the grid");
        return static_cast<std::size_t>(row * mCols + col);
    }

    long mRows;
    long mCols;
    std::vector<QString> mText;
    std::vector<int> mAlignment;
    QHash<QPair<long, long>, GridCellColors> mColors;
    QHash<QPair<long, long>, Span> mSpans;
};
