#include "CsvLines.h"

namespace quillon {

CsvLines::CsvLines(const QStringList &lines)
{
    for (const QString &l : lines) {
        m_ranges.push_back({int32_t(m_text.size()), int32_t(l.size())});
        m_text += l;
    }
}

QStringList CsvLines::toList() const
{
    QStringList out;
    out.reserve(size());
    for (int i = 0; i < size(); ++i)
        out.append(line(i).toString());
    return out;
}

void CsvLines::replaceLfByTab()
{
    // Only line text holds an LF: the stretches between lines hold nothing.
    if (m_text.contains(u'\n'))
        m_text.replace(u'\n', u'\t');
}

} // namespace quillon
