#include "TMLStringGrid.h"

#include "GridCellDelegate.h"
#include "GridHeaderView.h"
#include "GridModel.h"

#include <QFontMetrics>
#include <QScrollBar>

namespace quillon {

TMLStringGrid::TMLStringGrid(QWidget *parent)
    : QTableView(parent)
{
    m_top = new GridHeaderView(Qt::Horizontal, this);
    m_side = new GridHeaderView(Qt::Vertical, this);
    setHorizontalHeader(m_top);
    setVerticalHeader(m_side);
    m_top->setSectionResizeMode(QHeaderView::Interactive);
    m_top->setDefaultSectionSize(64);
    m_top->setMinimumSectionSize(5);
    m_side->setSectionResizeMode(QHeaderView::Fixed);
    m_side->setMinimumSectionSize(1);
    setItemDelegate(new GridCellDelegate(this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
    setCornerButtonEnabled(false);
    updateHeaderSizes();
}

void TMLStringGrid::setGridModel(GridModel *model)
{
    m_model = model;
    setModel(model);
    setRowHeightRatio(m_ratio);
}

void TMLStringGrid::setWordWrap(bool on)
{
    QTableView::setWordWrap(on);
    if (on == m_wordWrap)
        return;
    m_wordWrap = on;
    viewport()->update();
}

void TMLStringGrid::setCurrentBackColor(const QColor &color)
{
    if (color == m_currentBackColor)
        return;
    m_currentBackColor = color;
    viewport()->update();
}

void TMLStringGrid::setFixedBackColor(const QColor &color)
{
    if (color == m_fixedBackColor)
        return;
    m_fixedBackColor = color;
    m_top->viewport()->update();
    m_side->viewport()->update();
}

void TMLStringGrid::setDarkMode(bool on)
{
    if (on == m_darkMode)
        return;
    m_darkMode = on;
    viewport()->update();
    m_top->viewport()->update();
    m_side->viewport()->update();
}

void TMLStringGrid::setBackColor(const QColor &color)
{
    m_backColor = color;
    // In dark mode the theme's background shows behind the cells.
    if (!m_darkMode) {
        QPalette p = palette();
        p.setColor(QPalette::Base, color);
        setPalette(p);
    }
    viewport()->update();
}

void TMLStringGrid::setTextHeight(int height)
{
    m_textHeight = std::max(1, height);
    updateHeaderSizes();
    setRowHeightRatio(m_ratio);
}

void TMLStringGrid::setRowHeightRatio(int ratio)
{
    m_ratio = std::clamp(ratio, 1, 10);
    // Every data row at once: the header keeps one size for all sections
    // that were never sized one by one, however many rows there are.
    m_side->setDefaultSectionSize(m_textHeight * m_ratio);
}

void TMLStringGrid::setFixedColumnWidth(int which, int width)
{
    m_fixedWidth[which] = std::max(5, width);
    updateHeaderSizes();
}

void TMLStringGrid::updateHeaderSizes()
{
    m_top->setFixedHeight(m_textHeight * 2);
    m_side->setFixedWidth(m_fixedWidth[0] + m_fixedWidth[1]);
    m_side->viewport()->update();
}

int TMLStringGrid::textWidth(const QString &text) const
{
    return QFontMetrics(font()).horizontalAdvance(text);
}

void TMLStringGrid::FixedColumnWidthAdjust()
{
    if (!m_model)
        return;
    // Column 0 holds line numbers of at least five digits: the last row's is
    // the widest. Column 1 holds "number:count" texts or the title column.
    const int rows = m_model->rowCount();
    int w0 = 0, w1 = 0;
    if (rows > 0) {
        const QFontMetrics fm(font());
        int widestDigit = 0;
        for (char16_t d = u'0'; d <= u'9'; ++d)
            widestDigit = std::max(widestDigit, fm.horizontalAdvance(QChar(d)));
        w0 = int(m_model->lineNumberText(rows - 1).size()) * widestDigit;
        if (m_model->titleColumnSet()) {
            for (int r = 0; r < rows; ++r)
                w1 = std::max(w1, fm.horizontalAdvance(m_model->titleColumnText(r)));
        } else {
            // "number:count": digits and a colon; the most digits are the
            // last line's number and the widest line's count.
            const int digits = int(m_model->lineNumberText(rows - 1).size())
                + int(QString::number(m_model->columnCount()).size());
            w1 = digits * widestDigit + fm.horizontalAdvance(u':');
        }
    }
    m_fixedWidth[0] = w0 + 5;
    m_fixedWidth[1] = w1 + 5;
    updateHeaderSizes();
}

void TMLStringGrid::fitAllColumns()
{
    if (!m_model)
        return;
    setUpdatesEnabled(false);
    FixedColumnWidthAdjust();
    const QFontMetrics fm(font());
    const int rows = m_model->rowCount();
    for (int c = 0; c < m_model->columnCount(); ++c) {
        int w = std::max(fm.horizontalAdvance(m_model->headerData(c, Qt::Horizontal).toString()),
                         fm.horizontalAdvance(m_model->titleRowText(c)));
        for (int r = 0; r < rows; ++r) {
            QString text = m_model->cell(r, c);
            if (text.isEmpty())
                continue;
            // Measured as one line: the breaks are only characters here.
            w = std::max(w, fm.horizontalAdvance(text.replace(u'\r', u' ').replace(u'\n', u' ')));
        }
        m_top->resizeSection(c, w + 5);
    }
    setUpdatesEnabled(true);
    viewport()->update();
}

bool TMLStringGrid::selectionRect(int *top, int *left, int *bottom, int *right) const
{
    if (!m_model || m_model->rowCount() == 0 || m_model->columnCount() == 0)
        return false;
    const QItemSelection sel = selectionModel() ? selectionModel()->selection() : QItemSelection();
    if (sel.isEmpty()) {
        const QModelIndex cur = currentIndex();
        if (!cur.isValid())
            return false;
        *top = *bottom = cur.row();
        *left = *right = cur.column();
        return true;
    }
    *top = INT_MAX;
    *left = INT_MAX;
    *bottom = -1;
    *right = -1;
    for (const QItemSelectionRange &r : sel) {
        *top = std::min(*top, r.top());
        *left = std::min(*left, r.left());
        *bottom = std::max(*bottom, r.bottom());
        *right = std::max(*right, r.right());
    }
    return true;
}

} // namespace quillon
