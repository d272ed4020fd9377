#pragma once
// Reads a file's bytes on demand for the hex dump, a block at a time with a
// few blocks kept, so a dump of any size costs the same little memory. The
// file is opened read-only and reopened when needed; bytes that cannot be
// read (the file vanished or shrank) read as 00, and nothing is read past the
// size the file had when the dump was built.
#include <QFile>
#include <QString>
#include <array>
#include <vector>

namespace quillon {

class HexFileReader {
public:
    explicit HexFileReader(const QString &path);
    HexFileReader(const HexFileReader &) = delete;
    HexFileReader &operator=(const HexFileReader &) = delete;

    // The size found at construction (0 for a file that could not be opened).
    [[nodiscard]] qint64 size() const { return m_size; }
    [[nodiscard]] bool opened() const { return m_opened; }

    // Copies count bytes from offset into out; what the file cannot give is 0.
    void read(qint64 offset, uchar *out, int count);

    static constexpr qint64 BlockSize = 65536;

private:
    struct Block {
        qint64 index = -1;
        quint64 lastUse = 0;
        std::vector<uchar> bytes;
    };
    const Block &block(qint64 index);

    QFile m_file;
    qint64 m_size = 0;
    bool m_opened = false;
    quint64 m_clock = 0;
    std::array<Block, 16> m_blocks;
};

} // namespace quillon
