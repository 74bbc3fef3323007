#pragma once

#include "core/store/GridText.h"

#include <QString>
#include <optional>

struct GridCell {
    long Row = 0;
    long Col = 0;
};

// The players search: every data row is searched in every column, and a cell
// matches when it begins with the text, letter case aside. The answer is the
// last matching row, at its leftmost matching cell; nothing when no cell
// matches or the text is empty.
std::optional<GridCell> FindInGrid(const GridText& Grid, const QString& Text);
