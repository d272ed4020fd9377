#include "MappedFile.h"

#include <cerrno>
#include <future>

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

MappedFile::~MappedFile()
{
    if (m_map)
        ::munmap(m_map, size_t(m_mapSize));
}

namespace {

// Reads up to size bytes; -1 on an error, fewer when the file shrank.
qint64 readAll(QFile &file, char *to, qint64 size)
{
    qint64 got = 0;
    while (got < size) {
        const qint64 step = file.read(to + got, size - got);
        if (step < 0)
            return -1;
        if (step == 0)
            break; // the file shrank since it was measured
        got += step;
    }
    return got;
}

// Reads up to size bytes at offset; -1 on an error, fewer at the file's end.
qint64 readAt(int fd, char *to, qint64 size, qint64 offset)
{
    qint64 got = 0;
    while (got < size) {
        const ssize_t step = ::pread(fd, to + got, size_t(size - got), off_t(offset + got));
        if (step < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (step == 0)
            break;
        got += step;
    }
    return got;
}

// A large file is read in two halves at once: most of a read into fresh
// memory is the kernel clearing its pages, and two cores clear twice as many.
constexpr qint64 SplitReadFrom = qint64(32) << 20;

qint64 readWhole(QFile &file, char *to, qint64 size)
{
    const int fd = file.handle();
    if (size < SplitReadFrom || fd < 0)
        return readAll(file, to, size);
    const qint64 mid = size / 2;
    auto back = std::async(std::launch::async, [=] { return readAt(fd, to + mid, size - mid, mid); });
    const qint64 front = readAt(fd, to, mid, 0);
    const qint64 rest = back.get();
    if (front < 0 || rest < 0)
        return -1;
    // A file that shrank since it was measured gives what is left of it.
    return front < mid ? front : mid + rest;
}

} // namespace

bool MappedFile::load(Mapping mapping)
{
    if (m_size == 0)
        return true;
    if (mapping == Mapping::Allowed) {
        void *p = ::mmap(nullptr, size_t(m_size), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p != MAP_FAILED) {
            m_map = p;
            m_mapSize = m_size;
            const qint64 got = readWhole(m_file, static_cast<char *>(p), m_size);
            if (got < 0)
                return false;
            m_bytes = QByteArrayView(static_cast<const char *>(p), got);
            m_mapped = true;
            return true;
        }
    }
    m_copy = QByteArray(m_size, Qt::Uninitialized);
    const qint64 got = readAll(m_file, m_copy.data(), m_size);
    if (got < 0)
        return false;
    m_copy.truncate(got);
    m_bytes = QByteArrayView(m_copy);
    return true;
}

void MappedFile::release(QByteArrayView part) const
{
    const char *begin = m_bytes.data();
    if (!m_mapped || part.isEmpty() || part.data() < begin || part.data() + part.size() > begin + m_bytes.size())
        return;
    releasePages(part.data(), part.size());
}

void MappedFile::releasePages(const void *data, qsizetype size)
{
    static const quintptr page = quintptr(::sysconf(_SC_PAGESIZE));
    const quintptr from = (quintptr(data) + page - 1) & ~(page - 1);
    const quintptr to = (quintptr(data) + quintptr(size)) & ~(page - 1);
    if (to > from)
        (void)::madvise(reinterpret_cast<void *>(from), to - from, MADV_DONTNEED);
}

} // namespace quillon
