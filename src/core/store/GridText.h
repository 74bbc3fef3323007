#pragma once

#include <QString>

// What an export reads of a grid: its size and the text of every cell, the
// fixed row and column included (addressed as row 0 and column 0). Both
// kinds of grid offer it, so one writer serves them.
class GridText {
public:
    virtual ~GridText() = default;

    virtual long Rows() const = 0;
    virtual long Cols() const = 0;
    virtual QString TextMatrix(long Row, long Col) const = 0;
};
