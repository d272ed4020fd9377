#pragma once
// One header of TMLStringGrid, holding two of the grid's fixed rows
// (horizontal: column numbers above the title row) or two fixed columns
// (vertical: line numbers beside the counts or the title column).
#include <QHeaderView>

namespace quillon {

class TMLStringGrid;

class GridHeaderView : public QHeaderView {
public:
    GridHeaderView(Qt::Orientation orientation, TMLStringGrid *grid);

    // The two parts of a section: the outer header row or column, and the title's.
    [[nodiscard]] QRect partRect(const QRect &section, int part) const;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    TMLStringGrid *m_grid;
};

} // namespace quillon
