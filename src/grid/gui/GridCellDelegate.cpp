#include "GridCellDelegate.h"

#include "GridCellText.h"
#include "TMLStringGrid.h"

#include <QItemSelectionModel>
#include <QPainter>

namespace quillon {

GridCellDelegate::GridCellDelegate(TMLStringGrid *grid)
    : QStyledItemDelegate(grid)
    , m_grid(grid)
{
}

void GridCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    if (!m_grid->DarkMode()) {
        const bool current = m_grid->currentIndex() == index;
        const bool selected = m_grid->selectionModel() && m_grid->selectionModel()->isSelected(index);
        painter->fillRect(option.rect, current || selected ? m_grid->CurrentBackColor() : m_grid->BackColor());
    }
    painter->setFont(option.font);
    painter->setPen(option.palette.color(QPalette::Text));
    painter->setClipRect(option.rect);
    drawCellText(*painter, option.rect, index.data(Qt::DisplayRole).toString(), m_grid->WordWrap());
    painter->restore();
}

} // namespace quillon
