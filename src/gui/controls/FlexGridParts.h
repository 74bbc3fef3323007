#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableWidgetItem>
#include <functional>

class FlexGrid;

namespace FlexGridParts {
// Where a cell keeps its colours and strike-through beside its text.
constexpr int BackColorRole = Qt::UserRole + 1;
constexpr int ForeColorRole = Qt::UserRole + 2;
constexpr int StrikeRole = Qt::UserRole + 3;
constexpr int AlignmentRole = Qt::UserRole + 4; // -1: as the column
constexpr int DefaultColPixels = 65; // 975 twips
constexpr int GeneralAlignment = 9;
} // namespace FlexGridParts

// One cell of a FlexGrid: its text, colours and strike-through kept as plain
// fields. The grid repaints its own views after a change, so a write here
// tells the model nothing; a screen of a few thousand cells refills quickly.
class FlexGridCell final : public QTableWidgetItem {
public:
    FlexGridCell() = default;
    explicit FlexGridCell(const QString& text) { mText = text; }
    QVariant data(int role) const override;
    void setData(int role, const QVariant& value) override;
    QTableWidgetItem* clone() const override { return new FlexGridCell(*this); }
    // Back to a cell never written.
    void clear();

private:
    FlexGridCell(const FlexGridCell&) = default;

    QString mText;
    uint mBackColor = 0;
    uint mForeColor = 0;
    bool mStrike = false;
    int mAlignment = -1;
};

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
