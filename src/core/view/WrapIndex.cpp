#include "WrapIndex.h"

#include <algorithm>

namespace quillon {

void WrapIndex::reset(const LineSource *source, const TextViewGeometry *geometry, qreal width)
{
    m_source = source;
    m_geometry = geometry;
    m_width = width;
    m_starts.clear();
    m_linesDone = 0;
}

std::vector<int> WrapIndex::breakLine(QStringView line, const TextViewGeometry &geometry, qreal width)
{
    std::vector<int> starts{0};
    if (width <= 0)
        return starts;
    const int n = int(line.size());
    int segStart = 0;
    int lastBreak = -1; // column after the last space or tab of this display line
    qreal x = 0;
    int i = 0;
    while (i < n) {
        const int len = TextViewGeometry::charLength(line, i);
        // x counts from the start of the display line, so tabs expand from there.
        const qreal w = geometry.advanceAt(line, i, x);
        if (x + w > width && i > segStart) {
            const int at = (lastBreak > segStart && lastBreak <= i) ? lastBreak : i;
            starts.push_back(at);
            segStart = at;
            lastBreak = -1;
            x = geometry.xOfColumn(line.mid(segStart), i - segStart);
            continue; // measure character i again on its new line
        }
        x += w;
        i += len;
        if (line[i - len] == u' ' || line[i - len] == u'\t' || line[i - len] == QChar(0x3000))
            lastBreak = i;
    }
    return starts;
}

void WrapIndex::breakThrough(int line) const
{
    if (!m_source || !m_geometry)
        return;
    line = std::min(line, m_source->lineCount() - 1);
    if (m_starts.capacity() < size_t(line) + 1)
        m_starts.reserve(std::max(size_t(line) + 1, m_starts.capacity() * 2));
    const TextViewGeometry &g = *m_geometry;
    QString scratch;
    while (m_linesDone <= line) {
        const int start = int(m_source->lineStart(m_linesDone));
        const QStringView text = m_source->line(m_linesDone, scratch);
        // Most lines fit: add up cached advances and stop at the first tab,
        // surrogate or overflow; only those lines take the full walk.
        bool fits = m_width > 0;
        qreal x = 0;
        for (const QChar ch : text) {
            const char16_t c = ch.unicode();
            if (c == u'\t' || QChar::isSurrogate(c)) {
                fits = false;
                break;
            }
            x += g.advance(c);
            if (x > m_width) {
                fits = false;
                break;
            }
        }
        if (fits || m_width <= 0) {
            m_starts.push_back(start);
        } else {
            for (int col : breakLine(text, g, m_width))
                m_starts.push_back(start + col);
        }
        ++m_linesDone;
    }
}

bool WrapIndex::isComplete() const
{
    return !m_source || m_linesDone >= m_source->lineCount();
}

bool WrapIndex::breakMore(int lines)
{
    if (isComplete())
        return true;
    breakThrough(int(std::min<qint64>(qint64(m_linesDone) + std::max(lines, 1) - 1, m_source->lineCount() - 1)));
    return isComplete();
}

int WrapIndex::displayLineCountSoFar() const
{
    if (!m_source)
        return 1;
    return int(m_starts.size()) + (m_source->lineCount() - m_linesDone);
}

int WrapIndex::displayLineCount() const
{
    if (!m_source)
        return 1;
    breakThrough(m_source->lineCount() - 1);
    return int(m_starts.size());
}

int WrapIndex::displayLineOf(int pos) const
{
    if (!m_source)
        return 0;
    pos = int(std::clamp<TextPos>(pos, 0, m_source->length()));
    breakThrough(m_source->lineOf(pos));
    auto it = std::upper_bound(m_starts.begin(), m_starts.end(), int32_t(pos));
    return int(it - m_starts.begin()) - 1;
}

int WrapIndex::displayLineStart(int dl) const
{
    if (!m_source || dl <= 0)
        return 0;
    while (int(m_starts.size()) <= dl && m_linesDone < m_source->lineCount())
        breakThrough(m_linesDone);
    dl = std::min(dl, int(m_starts.size()) - 1);
    return m_starts[size_t(dl)];
}

int WrapIndex::displayLineLength(int dl) const
{
    if (!m_source)
        return 0;
    const int start = displayLineStart(dl);
    const int line = m_source->lineOf(start);
    breakThrough(line); // every display line of this source line is known now
    dl = displayLineOf(start);
    int end = int(m_source->lineStart(line)) + m_source->lineLength(line);
    if (size_t(dl) + 1 < m_starts.size())
        end = std::min(end, int(m_starts[size_t(dl) + 1]));
    return end - start;
}

} // namespace quillon
