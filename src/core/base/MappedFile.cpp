#include "MappedFile.h"

#include <sys/mman.h>
#include <unistd.h>

namespace quillon {

bool MappedFile::open(const QString &path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    m_size = m_file.size();
    return true;
}

bool MappedFile::load(Mapping mapping)
{
    if (m_size == 0)
        return true;
    if (mapping == Mapping::Allowed) {
        if (uchar *p = m_file.map(0, m_size)) {
            m_bytes = QByteArrayView(reinterpret_cast<const char *>(p), m_size);
            m_mapped = true;
            return true;
        }
    }
    m_copy = QByteArray(m_size, Qt::Uninitialized);
    qint64 got = 0;
    while (got < m_size) {
        const qint64 step = m_file.read(m_copy.data() + got, m_size - got);
        if (step < 0)
            return false;
        if (step == 0)
            break; // the file shrank since it was measured
        got += step;
    }
    m_copy.truncate(got);
    m_bytes = QByteArrayView(m_copy);
    return true;
}

void MappedFile::release(QByteArrayView part) const
{
    if (!m_mapped || part.isEmpty())
        return;
    static const quintptr page = quintptr(::sysconf(_SC_PAGESIZE));
    const quintptr from = (quintptr(part.data()) + page - 1) & ~(page - 1);
    const quintptr to = (quintptr(part.data() + part.size())) & ~(page - 1);
    const quintptr begin = quintptr(m_bytes.data()), end = begin + quintptr(m_bytes.size());
    if (from < begin || to > end || to <= from)
        return;
    (void)::madvise(reinterpret_cast<void *>(from), to - from, MADV_DONTNEED);
}

} // namespace quillon
