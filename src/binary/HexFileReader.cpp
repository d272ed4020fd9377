#include "HexFileReader.h"

#include <algorithm>
#include <cstring>

namespace quillon {

HexFileReader::HexFileReader(const QString &path)
    : m_file(path)
{
    m_opened = m_file.open(QIODevice::ReadOnly);
    m_size = m_opened ? m_file.size() : 0;
}

const HexFileReader::Block &HexFileReader::block(qint64 index)
{
    Block *victim = &m_blocks[0];
    for (Block &b : m_blocks) {
        if (b.index == index) {
            b.lastUse = ++m_clock;
            return b;
        }
        if (b.lastUse < victim->lastUse)
            victim = &b;
    }
    victim->index = index;
    victim->lastUse = ++m_clock;
    victim->bytes.assign(size_t(BlockSize), 0);
    const qint64 start = index * BlockSize;
    const qint64 want = std::min(BlockSize, m_size - start);
    if (m_opened && want > 0 && m_file.seek(start)) {
        qint64 got = 0;
        while (got < want) {
            const qint64 n = m_file.read(reinterpret_cast<char *>(victim->bytes.data()) + got, want - got);
            if (n <= 0)
                break;
            got += n;
        }
    }
    return *victim;
}

void HexFileReader::read(qint64 offset, uchar *out, int count)
{
    while (count > 0) {
        if (offset < 0 || offset >= m_size) {
            std::memset(out, 0, size_t(count));
            return;
        }
        const qint64 index = offset / BlockSize;
        const qint64 within = offset % BlockSize;
        const int n = int(std::min<qint64>(count, BlockSize - within));
        std::memcpy(out, block(index).bytes.data() + within, size_t(n));
        out += n;
        offset += n;
        count -= n;
    }
}

} // namespace quillon
