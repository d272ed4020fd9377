#include "HexRowSource.h"

#include "HexFileReader.h"
#include "HexRows.h"
#include "TextBuffer.h"

#include <algorithm>

namespace quillon {

HexRowSource::HexRowSource(std::shared_ptr<HexFileReader> reader, HexRange range)
    : m_reader(std::move(reader))
    , m_range(range)
{
    m_rows = HexPaging::rowCount(range);
    const qint64 maxRows = (TextBuffer::MaxLength + 2) / Stride;
    if (m_rows > maxRows) {
        m_rows = maxRows;
        m_cut = true;
    }
    m_length = m_rows > 0 ? int(m_rows * Stride - 2) : 0;
}

int HexRowSource::lineStart(int line) const
{
    if (line <= 0)
        return 0;
    if (line >= lineCount())
        return m_length;
    return line * Stride;
}

int HexRowSource::lineLength(int line) const
{
    return line >= 0 && line < m_rows ? HexRows::RowLength : 0;
}

int HexRowSource::lineOf(int pos) const
{
    if (pos <= 0 || m_rows == 0)
        return 0;
    return int(std::min<qint64>(pos / Stride, m_rows - 1));
}

QStringView HexRowSource::line(int line, QString &scratch) const
{
    if (line < 0 || line >= m_rows)
        return {};
    const qint64 offset = m_range.start + qint64(line) * HexRows::BytesPerRow;
    const int count = int(std::min<qint64>(HexRows::BytesPerRow, m_range.end - offset + 1));
    uchar bytes[HexRows::BytesPerRow];
    m_reader->read(offset, bytes, count);
    scratch.resize(HexRows::MaxRowLength);
    const int n = HexRows::format(reinterpret_cast<char16_t *>(scratch.data()), quint64(offset), bytes, count);
    return QStringView(scratch).left(n);
}

} // namespace quillon
