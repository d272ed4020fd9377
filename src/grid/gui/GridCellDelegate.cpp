#include "GridCellDelegate.h"

#include "GridCellText.h"
#include "TMLStringGrid.h"

#include <QItemSelectionModel>
#include <QPainter>
#include <QStyle>

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
    // The table draws one pixel of grid line after each cell; the grid's
    // lines are two wide, so the cell gives up its last column and row too.
    const QColor line = QColor::fromRgba(
        QRgb(m_grid->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, m_grid)));
    const QRect r = option.rect;
    painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), line);
    painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), line);
    const QRect textRect = r.adjusted(0, 0, -1, -1);
    painter->setFont(option.font);
    painter->setPen(option.palette.color(QPalette::Text));
    painter->setClipRect(textRect);
    drawCellText(*painter, textRect, index.data(Qt::DisplayRole).toString(), m_grid->WordWrap());
    painter->restore();
}

} // namespace quillon
