#include "CsvTable.h"

namespace quillon {

CsvTable CsvTable::build(CsvLines lines, CsvMode mode, const std::function<bool(int, int)> &keepGoing)
{
    CsvTable t;
    const int n = int(lines.size());
    t.m_first.reserve(size_t(n) + 1);
    t.m_forms.reserve(size_t(n));
    for (int r = 0; r < n; ++r) {
        if (keepGoing && (r & 4095) == 0 && !keepGoing(r, n)) {
            t = CsvTable();
            t.m_cancelled = true;
            return t;
        }
        t.m_first.push_back(qsizetype(t.m_spans.size()));
        t.m_forms.push_back(CsvSplitter::splitSpans(lines.line(r), mode, t.m_spans));
        t.m_maxCells = std::max(t.m_maxCells, int(qsizetype(t.m_spans.size()) - t.m_first.back()));
    }
    t.m_first.push_back(qsizetype(t.m_spans.size()));
    t.m_spans.shrink_to_fit();
    t.m_lines = std::move(lines);
    return t;
}

int CsvTable::cellCount(int row) const
{
    if (row < 0 || row >= rowCount())
        return 0;
    return int(m_first[size_t(row) + 1] - m_first[size_t(row)]);
}

QString CsvTable::cell(int row, int column) const
{
    if (column < 0 || column >= cellCount(row))
        return QString();
    return CsvSplitter::cellText(m_lines.line(row), m_spans[size_t(m_first[size_t(row)] + column)],
                                 m_forms[size_t(row)]);
}

} // namespace quillon
