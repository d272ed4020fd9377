#pragma once
// Turns a fuzzer's bytes into the inputs a parser takes: option bits from the
// first bytes, then texts cut at a separator byte, read as UTF-16 LE so every
// code unit (lone surrogates, NUL, CR) can reach the parser.
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

namespace fuzz {

class Input {
public:
    Input(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    [[nodiscard]] uint8_t byte()
    {
        if (m_pos >= m_size)
            return 0;
        return m_data[m_pos++];
    }
    [[nodiscard]] uint16_t word() { return uint16_t(byte() | (byte() << 8)); }

    // UTF-16 LE up to the next pair 0xFF 0xFF (or the end).
    [[nodiscard]] QString text()
    {
        QString s;
        while (m_pos + 1 < m_size) {
            const uint16_t u = uint16_t(m_data[m_pos] | (m_data[m_pos + 1] << 8));
            m_pos += 2;
            if (u == 0xFFFF)
                break;
            s.append(QChar(u));
        }
        if (m_pos + 1 == m_size)
            ++m_pos;
        return s;
    }
    [[nodiscard]] QByteArrayView rest() const
    {
        return QByteArrayView(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(m_size - m_pos));
    }
    [[nodiscard]] bool atEnd() const { return m_pos >= m_size; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

inline QByteArrayView bytes(const uint8_t *data, size_t size)
{
    return QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace fuzz

#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond))                                                                               \
            __builtin_trap();                                                                      \
    } while (0)
