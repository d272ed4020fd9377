#pragma once
// A file's bytes, read-only: mapped when the system allows it, so a large
// file is never copied, and read whole when it does not. Opening measures the
// file; loading gives its bytes, which stay valid while the object lives.
#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace quillon {

class MappedFile {
public:
    enum class Mapping : bool { Allowed, Never };

    MappedFile() = default;
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    // Opens the file for reading; false with errorString() when it cannot.
    bool open(const QString &path);
    // Maps the whole file, or reads it when mapping fails or is not allowed;
    // a file that shrank since it was opened gives what is left of it.
    bool load(Mapping mapping = Mapping::Allowed);

    // The size measured when the file was opened.
    [[nodiscard]] qint64 size() const { return m_size; }
    [[nodiscard]] QByteArrayView bytes() const { return m_bytes; }
    [[nodiscard]] bool isMapped() const { return m_mapped; }
    // Bytes of `part` (inside bytes()) will not be read again for a while: a
    // mapping gives their pages back (reading them later maps them in again
    // from the system's cache). Keeps a large file from being held in memory
    // whole beside its decoded text. Nothing happens to a copy.
    void release(QByteArrayView part) const;
    [[nodiscard]] QString errorString() const { return m_file.errorString(); }

private:
    QFile m_file; // unmaps when it closes
    qint64 m_size = 0;
    QByteArray m_copy;
    QByteArrayView m_bytes;
    bool m_mapped = false;
};

} // namespace quillon
