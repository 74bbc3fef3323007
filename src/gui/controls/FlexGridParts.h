#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <functional>

class FlexGrid;

namespace FlexGridParts {
// Where a cell keeps its colours and strike-through beside its text.
constexpr int BackColorRole = Qt::UserRole + 1;
constexpr int ForeColorRole = Qt::UserRole + 2;
constexpr int StrikeRole = Qt::UserRole + 3;
constexpr int DefaultColPixels = 65; // 975 twips
constexpr int GeneralAlignment = 9;
} // namespace FlexGridParts

// Paints every cell of a FlexGrid, in each of its views, from the grid's own
// state (colours, current cell, selected range, alignment, lines).
class FlexGridDelegate : public QStyledItemDelegate {
public:
    explicit FlexGridDelegate(FlexGrid* grid);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    FlexGrid* mGrid;
};

// The data view's header, reduced to the room the fixed rows (or columns)
// need: it keeps the section sizes and makes the space in which the fixed
// cells are laid over, and draws nothing itself.
class FlexGridEdgeHeader : public QHeaderView {
public:
    FlexGridEdgeHeader(Qt::Orientation orientation, std::function<int()> extent, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override { }

private:
    std::function<int()> mExtent;
};
