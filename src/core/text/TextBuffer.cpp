#include "TextBuffer.h"

#include "MappedFile.h"

#include <algorithm>

namespace quillon {

TextBuffer::TextBuffer()
    : m_lineStarts{0}
{
}

int TextBuffer::visibleLineCount() const
{
    const int n = lineCount();
    if (n > 0 && lineLength(n - 1) == 0)
        return n - 1;
    return n;
}

int TextBuffer::lineStart(int line) const
{
    if (line < 0)
        return 0;
    if (line >= lineCount())
        return length();
    return m_lineStarts[size_t(line)];
}

int TextBuffer::lineLength(int line) const
{
    if (line < 0 || line >= lineCount())
        return 0;
    const int start = m_lineStarts[size_t(line)];
    if (line + 1 < lineCount())
        return m_lineStarts[size_t(line) + 1] - 2 - start; // minus the CR LF
    return length() - start;
}

QStringView TextBuffer::line(int line) const
{
    if (line < 0 || line >= lineCount())
        return {};
    return QStringView(m_text).mid(lineStart(line), lineLength(line));
}

int TextBuffer::lineOf(int pos) const
{
    if (pos <= 0)
        return 0;
    auto it = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), int32_t(pos));
    return int(it - m_lineStarts.begin()) - 1;
}

TextSink::TextSink(qsizetype capacityHint)
{
    m_lineStarts.push_back(0);
    if (capacityHint > 0)
        grow(std::min<qsizetype>(capacityHint, TextBuffer::MaxLength));
}

bool TextSink::grow(qsizetype need)
{
    if (m_overflow)
        return false;
    if (m_pos + need > TextBuffer::MaxLength) {
        m_overflow = true;
        return false;
    }
    qsizetype cap = std::max<qsizetype>(m_cap * 2, 4096);
    cap = std::max(cap, m_pos + need);
    cap = std::min<qsizetype>(cap, TextBuffer::MaxLength);
    // Exactly this room (resize alone rounds it up to a power of two, which can
    // double the address space a large text asks for); the new units are left
    // uninitialised: untouched pages cost nothing.
    m_text.reserve(cap);
    m_text.resize(cap);
    m_data = reinterpret_cast<char16_t *>(m_text.data());
    m_cap = cap;
    return true;
}

void TextSink::putBreak(char16_t c)
{
    if (c == u'\n' && m_afterCr) {
        m_afterCr = false; // the LF of a CR LF already written
        return;
    }
    m_afterCr = (c == u'\r');
    if (m_cap - m_pos < 2 && !grow(2))
        return;
    m_data[m_pos++] = u'\r';
    m_data[m_pos++] = u'\n';
    m_lineStarts.push_back(int32_t(m_pos));
}

void TextSink::putPlain(const char16_t *s, qsizetype n)
{
    if (n <= 0)
        return;
    m_afterCr = false;
    if (m_cap - m_pos < n && !grow(n))
        return;
    std::copy(s, s + n, m_data + m_pos);
    m_pos += n;
}

void TextSink::putLatin1(const char *s, qsizetype n)
{
    qsizetype i = 0;
    while (i < n) {
        // Copy the run up to the next CR or LF in one go.
        qsizetype j = i;
        while (j < n && s[j] != '\r' && s[j] != '\n')
            ++j;
        if (j > i) {
            m_afterCr = false;
            const qsizetype run = j - i;
            if (m_cap - m_pos < run && !grow(run))
                return;
            char16_t *d = m_data + m_pos;
            for (qsizetype k = 0; k < run; ++k)
                d[k] = char16_t(uchar(s[i + k]));
            m_pos += run;
        }
        if (j < n)
            putBreak(char16_t(s[j]));
        i = j + 1;
    }
}

void TextSink::putCodePoint(char32_t cp)
{
    if (cp < 0x10000) {
        put(char16_t(cp));
    } else if (cp <= 0x10FFFF) {
        const char16_t pair[2] = {char16_t(0xD800 + ((cp - 0x10000) >> 10)),
                                  char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF))};
        putPlain(pair, 2);
    } else {
        put(u'\xFFFD');
    }
}

char16_t *TextSink::joinRoom(const std::vector<TextSink *> &pieces)
{
    qsizetype total = 0;
    size_t starts = 0;
    for (const TextSink *piece : pieces) {
        if (piece->m_overflow)
            m_overflow = true;
        total += piece->m_pos;
        starts += piece->m_lineStarts.size() - 1;
    }
    if (m_overflow || (m_cap - m_pos < total && !grow(total)))
        return nullptr;
    char16_t *room = m_data + m_pos;
    m_lineStarts.reserve(m_lineStarts.size() + starts);
    for (TextSink *piece : pieces) {
        // A piece's first line continues the text's last one.
        const int32_t base = int32_t(m_pos);
        for (size_t i = 1; i < piece->m_lineStarts.size(); ++i)
            m_lineStarts.push_back(base + piece->m_lineStarts[i]);
        std::vector<int32_t>().swap(piece->m_lineStarts); // taken over: not held twice
        m_pos += piece->m_pos;
        if (piece->m_pos > 0)
            m_afterCr = piece->m_afterCr;
    }
    return room;
}

void TextSink::moveUnits(qsizetype from, qsizetype to, char16_t *room)
{
    // A step at a time, each step's pages released behind it, so the two
    // copies are never held at once.
    constexpr qsizetype Step = qsizetype(1) << 19;
    for (qsizetype at = from; at < to; at += Step) {
        const qsizetype k = std::min(Step, to - at);
        std::copy(m_data + at, m_data + at + k, room + at);
        MappedFile::releasePages(m_data + at, k * qsizetype(sizeof(char16_t)));
    }
}

TextBuffer TextSink::finish()
{
    TextBuffer buffer;
    m_text.resize(m_pos); // shrinking keeps the allocation: no second copy
    buffer.m_text = std::move(m_text);
    buffer.m_lineStarts = std::move(m_lineStarts);
    int best = -1;
    for (int line = 0; line < buffer.lineCount(); ++line) {
        if (const int length = buffer.lineLength(line); length > best) {
            best = length;
            buffer.m_longestLine = line;
        }
    }
    m_text = QString();
    m_data = nullptr;
    m_pos = m_cap = 0;
    m_lineStarts = {0};
    return buffer;
}

} // namespace quillon
