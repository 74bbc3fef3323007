#include "gui/controls/FlexGridParts.h"

#include "gui/controls/FlexGrid.h"

using namespace FlexGridParts;

QVariant FlexGridCell::data(int role) const
{
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return mText.isNull() ? QVariant() : QVariant(mText);
    case BackColorRole:
        return mBackColor;
    case ForeColorRole:
        return mForeColor;
    case StrikeRole:
        return mStrike;
    case AlignmentRole:
        return mAlignment;
    default:
        return QTableWidgetItem::data(role);
    }
}

void FlexGridCell::setData(int role, const QVariant& value)
{
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        mText = value.toString();
        break;
    case BackColorRole:
        mBackColor = value.toUInt();
        break;
    case ForeColorRole:
        mForeColor = value.toUInt();
        break;
    case StrikeRole:
        mStrike = value.toBool();
        break;
    case AlignmentRole:
        mAlignment = value.toInt();
        break;
    default:
        QTableWidgetItem::setData(role, value);
    }
}

void FlexGridCell::clear()
{
    static const QTableWidgetItem blank;
    QTableWidgetItem::operator=(blank);
    mText = QString();
    mBackColor = 0;
    mForeColor = 0;
    mStrike = false;
    mAlignment = -1;
}

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
