#include "LineNumberSource.h"

#include "LineNumberText.h"
#include "TextBuffer.h"

#include <algorithm>

namespace quillon {

namespace {

constexpr int MinWidth = 6;
constexpr int BreakUnits = 2; // CR LF

// Units of the first `lines` numbers with a line end after each, walking the
// bands of equal width: 1..999999 take six places, then one more a decade.
qint64 unitsBefore(qint64 lines)
{
    qint64 total = 0;
    qint64 first = 1;
    qint64 last = 999999;
    int width = MinWidth;
    while (lines > 0) {
        const qint64 inBand = std::min(lines, last - first + 1);
        total += inBand * (width + BreakUnits);
        lines -= inBand;
        first = last + 1;
        last = last * 10 + 9;
        ++width;
    }
    return total;
}

int widthOf(qint64 number)
{
    int digits = 1;
    for (qint64 n = number; n >= 10; n /= 10)
        ++digits;
    return std::max(digits, MinWidth);
}

} // namespace

LineNumberSource::LineNumberSource(int count, int lineZero)
    : m_count(std::max(count, 0))
    , m_lineZero(lineZero)
{
    // Keep the joined text within the positions the view can address.
    auto fits = [](qint64 n) { return n == 0 || unitsBefore(n) - BreakUnits <= TextBuffer::MaxLength; };
    if (!fits(m_count)) {
        qint64 lo = 0, hi = m_count;
        while (lo < hi) {
            const qint64 mid = (lo + hi + 1) / 2;
            if (fits(mid))
                lo = mid;
            else
                hi = mid - 1;
        }
        m_count = int(lo);
    }
    m_length = m_count > 0 ? int(unitsBefore(m_count) - BreakUnits) : 0;
}

TextPos LineNumberSource::lineStart(int line) const
{
    if (line <= 0)
        return 0;
    if (line >= lineCount())
        return m_length;
    return unitsBefore(line);
}

int LineNumberSource::lineLength(int line) const
{
    if (line < 0 || line >= m_count)
        return 0;
    return widthOf(qint64(line) + 1);
}

int LineNumberSource::lineOf(TextPos pos) const
{
    if (pos <= 0 || m_count == 0)
        return 0;
    qint64 rest = pos;
    qint64 line = 0;
    qint64 first = 1;
    qint64 last = 999999;
    int width = MinWidth;
    for (;;) {
        const qint64 bandLines = last - first + 1;
        const qint64 bandUnits = bandLines * (width + BreakUnits);
        if (rest < bandUnits) {
            line += rest / (width + BreakUnits);
            break;
        }
        rest -= bandUnits;
        line += bandLines;
        if (line >= m_count)
            break;
        first = last + 1;
        last = last * 10 + 9;
        ++width;
    }
    return int(std::min<qint64>(line, m_count - 1));
}

QStringView LineNumberSource::line(int line, QString &scratch) const
{
    if (line < 0 || line >= m_count)
        return {};
    scratch = LineNumberText::format(line + 1, m_lineZero);
    return scratch;
}

} // namespace quillon
