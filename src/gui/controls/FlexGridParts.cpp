#include "gui/controls/FlexGridParts.h"

#include "gui/controls/FlexGrid.h"

FlexGridDelegate::FlexGridDelegate(FlexGrid* grid)
    : QStyledItemDelegate(grid)
    , mGrid(grid)
{
}

void FlexGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    mGrid->paintCell(painter, option.rect, index.row(), index.column());
}

FlexGridEdgeHeader::FlexGridEdgeHeader(Qt::Orientation orientation, std::function<int()> extent, QWidget* parent)
    : QHeaderView(orientation, parent)
    , mExtent(std::move(extent))
{
    setMinimumSectionSize(0);
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
}

QSize FlexGridEdgeHeader::sizeHint() const
{
    const int extent = mExtent();
    return orientation() == Qt::Horizontal ? QSize(0, extent) : QSize(extent, 0);
}
