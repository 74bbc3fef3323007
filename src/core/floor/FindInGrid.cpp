#include "core/floor/FindInGrid.h"

std::optional<GridCell> FindInGrid(const GridText& Grid, const QString& Text)
{
    if (Text.isEmpty())
        return std::nullopt;
    const QString wanted = Text.toUpper();
    std::optional<GridCell> found;
    for (long r = 1; r < Grid.Rows(); ++r) {
        for (long c = 0; c < Grid.Cols(); ++c) {
            const QString cell = Grid.TextMatrix(r, c);
            if (cell.size() >= wanted.size() && cell.left(wanted.size()).toUpper() == wanted) {
                found = GridCell {r, c};
                break;
            }
        }
    }
    return found;
}
