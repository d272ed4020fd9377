#include "HexRowSource.h"

#include "HexFileReader.h"
#include "HexRows.h"

#include <algorithm>
#include <limits>

namespace quillon {

HexRowSource::HexRowSource(std::shared_ptr<HexFileReader> reader, HexRange range)
    : m_reader(std::move(reader))
    , m_range(range)
{
    // Rows are counted in an int like every line of the view: enough for
    // 32 GiB of file, far beyond what the viewer loads.
    m_rows = std::min<qint64>(HexPaging::rowCount(range), std::numeric_limits<int>::max() - 1);
    // 2^31 rows end below 64 GiB, so offsets never need more than nine digits.
    constexpr qint64 Wide = qint64(1) << 32;
    m_firstWide = std::clamp<qint64>((Wide - m_range.start + HexRows::BytesPerRow - 1) / HexRows::BytesPerRow, 0, m_rows);
    m_length = m_rows > 0 ? lineStart(int(m_rows)) : 0;
}

TextPos HexRowSource::lineStart(int line) const
{
    if (line <= 0)
        return 0;
    if (line >= m_rows)
        return m_rows > 0 ? TextPos(m_rows) * Stride + std::max<qint64>(m_rows - m_firstWide, 0) - 2 : 0;
    return TextPos(line) * Stride + std::max<qint64>(line - m_firstWide, 0);
}

int HexRowSource::lineLength(int line) const
{
    if (line < 0 || line >= m_rows)
        return 0;
    return HexRows::RowLength + (line >= m_firstWide ? 1 : 0);
}

int HexRowSource::lineOf(TextPos pos) const
{
    if (pos <= 0 || m_rows == 0)
        return 0;
    const TextPos narrowEnd = TextPos(m_firstWide) * Stride;
    const qint64 line = pos < narrowEnd ? pos / Stride : m_firstWide + (pos - narrowEnd) / (Stride + 1);
    return int(std::min<qint64>(line, m_rows - 1));
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
