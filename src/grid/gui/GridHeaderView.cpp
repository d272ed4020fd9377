#include "GridHeaderView.h"

#include "GridCellText.h"
#include "GridModel.h"
#include "TMLStringGrid.h"

#include <QPainter>

namespace quillon {

GridHeaderView::GridHeaderView(Qt::Orientation orientation, TMLStringGrid *grid)
    : QHeaderView(orientation, grid)
    , m_grid(grid)
{
    // Header cells cannot be selected: a click on them selects nothing.
    setSectionsClickable(false);
    setHighlightSections(false);
}

QRect GridHeaderView::partRect(const QRect &section, int part) const
{
    if (orientation() == Qt::Horizontal) {
        const int h = m_grid->textHeight();
        return part == 0 ? QRect(section.left(), section.top(), section.width(), h)
                         : QRect(section.left(), section.top() + h, section.width(), section.height() - h);
    }
    const int w = m_grid->fixedColumnWidth(0);
    return part == 0 ? QRect(section.left(), section.top(), w, section.height())
                     : QRect(section.left() + w, section.top(), section.width() - w, section.height());
}

void GridHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    const GridModel *model = m_grid->gridModel();
    if (!model)
        return;
    painter->save();
    painter->setFont(m_grid->font());
    const QString texts[2] = {
        model->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString(),
        model->headerData(logicalIndex, orientation(), GridModel::TitleRole).toString(),
    };
    const QColor grid = palette().color(QPalette::Mid);
    for (int part = 0; part < 2; ++part) {
        const QRect box = partRect(rect, part);
        if (!m_grid->DarkMode())
            painter->fillRect(box, m_grid->FixedBackColor());
        // Grid lines two pixels wide, as between the cells.
        painter->fillRect(QRect(box.left(), box.bottom() - 1, box.width(), 2), grid);
        painter->fillRect(QRect(box.right() - 1, box.top(), 2, box.height()), grid);
        painter->setPen(m_grid->palette().color(QPalette::Text));
        painter->setClipRect(box.adjusted(0, 0, -2, -2));
        drawCellText(*painter, box.adjusted(0, 0, -2, -2), texts[part], m_grid->WordWrap());
        painter->setClipping(false);
    }
    painter->restore();
}

} // namespace quillon
