#pragma once
// Paints the data cells of TMLStringGrid (the view's own cell painting is not used).
#include <QStyledItemDelegate>

namespace quillon {

class TMLStringGrid;

class GridCellDelegate : public QStyledItemDelegate {
public:
    explicit GridCellDelegate(TMLStringGrid *grid);
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    TMLStringGrid *m_grid;
};

} // namespace quillon
