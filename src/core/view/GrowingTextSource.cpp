#include "GrowingTextSource.h"

#include <algorithm>

namespace quillon {

GrowingTextSource::GrowingTextSource(std::shared_ptr<TextLoadJob> job)
    : m_job(std::move(job))
{
    refresh();
}

GrowingTextSource::Change GrowingTextSource::refresh()
{
    const TextShown shown = m_job->progress().shown();
    if (shown.era != m_shown.era) {
        m_shown = TextShown{};
        m_shown.era = shown.era;
        m_lines = 1;
        m_length = 0;
        m_longest = 0;
        takeIn(shown);
        return Change::Replaced;
    }
    return takeIn(shown) ? Change::Grew : Change::None;
}

bool GrowingTextSource::takeIn(const TextShown &shown)
{
    // Lines 0..whole-1 are ended; the last start is where the next one will begin.
    const int whole = shown.lines - 1;
    if (!shown.text || whole < 1 || (m_shown.text && whole <= m_lines))
        return false;
    const int from = m_shown.text ? m_lines : 0;
    m_shown = shown;
    m_lines = whole;
    m_length = shown.lineStarts[whole] - 2;
    for (int i = from; i < m_lines; ++i) {
        if (lineLength(i) > lineLength(m_longest))
            m_longest = i;
    }
    return true;
}

TextPos GrowingTextSource::lineStart(int line) const
{
    if (line <= 0 || !m_shown.text)
        return 0;
    if (line >= m_lines)
        return m_length;
    return m_shown.lineStarts[line];
}

int GrowingTextSource::lineLength(int line) const
{
    if (line < 0 || line >= m_lines || !m_shown.text)
        return 0;
    return m_shown.lineStarts[line + 1] - 2 - m_shown.lineStarts[line];
}

int GrowingTextSource::lineOf(TextPos pos) const
{
    if (pos <= 0 || !m_shown.text)
        return 0;
    const int32_t *starts = m_shown.lineStarts;
    const int32_t *at = std::upper_bound(starts, starts + m_lines, int32_t(std::min<TextPos>(pos, m_length)));
    return int(at - starts) - 1;
}

QStringView GrowingTextSource::line(int line, QString &) const
{
    if (line < 0 || line >= m_lines || !m_shown.text)
        return {};
    return QStringView(m_shown.text + lineStart(line), lineLength(line));
}

QString GrowingTextSource::text(TextPos start, TextPos length) const
{
    start = std::clamp<TextPos>(start, 0, m_length);
    length = std::clamp<TextPos>(length, 0, std::min(m_length - start, MaxTextLength));
    if (!m_shown.text || length == 0)
        return {};
    return QString(reinterpret_cast<const QChar *>(m_shown.text + start), qsizetype(length));
}

} // namespace quillon
