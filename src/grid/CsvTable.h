#pragma once
// The grid's data: the lines it was built from (StrListLoadCsvFile) and where
// each of their cells lies. A cell's text is made when it is asked for, so a
// large file costs its decoded lines and eight bytes per cell.
#include "CsvLines.h"
#include "CsvSplitter.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace quillon {

class CsvTable {
public:
    CsvTable() = default;

    // Splits every line by mode; `keepGoing` is asked now and then and
    // stops the work when it returns false (the table is then empty).
    [[nodiscard]] static CsvTable build(CsvLines lines, CsvMode mode,
                                        const std::function<bool(int done, int total)> &keepGoing = {});

    [[nodiscard]] int rowCount() const { return int(m_lines.size()); }
    // The largest cell count of any line.
    [[nodiscard]] int columnCount() const { return m_maxCells; }
    [[nodiscard]] int cellCount(int row) const;
    // Cell `column` of line `row` as the grid stores it (LF as CR LF); empty
    // past the line's last cell.
    [[nodiscard]] QString cell(int row, int column) const;
    [[nodiscard]] const CsvLines &lines() const { return m_lines; }
    [[nodiscard]] bool cancelled() const { return m_cancelled; }

private:
    CsvLines m_lines;
    std::vector<qsizetype> m_first; // index of each line's first cell; one more at the end
    std::vector<CellSpan> m_spans;
    std::vector<CellForm> m_forms;
    int m_maxCells = 0;
    bool m_cancelled = false;
};

} // namespace quillon
