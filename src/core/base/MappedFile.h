#pragma once
// A file's bytes, read whole into memory of their own (never a mapping of the
// file itself: a file that shrinks while it is mapped kills the reader with
// SIGBUS). The memory is a private mapping when the system gives one, so a
// reader that goes front to back can give back what it has finished with.
// Opening measures the file; loading gives its bytes, which stay valid while
// the object lives.
#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace quillon {

class MappedFile {
public:
    enum class Mapping : bool { Allowed, Never };

    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    // Opens the file for reading; false with errorString() when it cannot.
    bool open(const QString &path);
    // Reads the whole file (into a private mapping unless Never); a file that
    // shrank since it was opened gives what is left of it.
    bool load(Mapping mapping = Mapping::Allowed);

    // The size measured when the file was opened.
    [[nodiscard]] qint64 size() const { return m_size; }
    [[nodiscard]] QByteArrayView bytes() const { return m_bytes; }
    [[nodiscard]] bool isMapped() const { return m_mapped; }
    // Bytes of `part` (inside bytes()) will never be read again: the mapping
    // gives their whole pages back, which then read as zeros. Keeps a large
    // file from being held in memory whole beside its decoded text. Nothing
    // happens without a mapping.
    void release(QByteArrayView part) const;
    // Gives the whole pages inside [data, data + size) of any memory of ours
    // back to the system; their contents are gone.
    static void releasePages(const void *data, qsizetype size);
    [[nodiscard]] QString errorString() const { return m_file.errorString(); }

private:
    QFile m_file;
    qint64 m_size = 0;
    void *m_map = nullptr; // the private mapping holding the bytes
    qint64 m_mapSize = 0;
    QByteArray m_copy;
    QByteArrayView m_bytes;
    bool m_mapped = false;
};

} // namespace quillon
