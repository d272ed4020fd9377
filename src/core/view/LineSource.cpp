#include "LineSource.h"

#include <algorithm>

namespace quillon {

QString LineSource::text(int start, int length) const
{
    const int total = this->length();
    start = std::clamp(start, 0, total);
    const int end = int(std::clamp<qint64>(qint64(start) + std::max(length, 0), start, total));
    QString out;
    if (end == start)
        return out;
    out.reserve(end - start);
    QString scratch;
    const int count = lineCount();
    for (int l = lineOf(start); l < count; ++l) {
        const int ls = lineStart(l);
        if (ls >= end)
            break;
        // The line and its CR LF, cut to start..end.
        const QStringView body = line(l, scratch);
        const int from = std::max(start - ls, 0);
        const int to = std::min(end - ls, int(body.size()));
        if (to > from)
            out += body.mid(from, to - from);
        if (l + 1 < count) {
            const int cr = ls + int(body.size());
            if (start <= cr && cr < end)
                out += QLatin1Char('\r');
            if (start <= cr + 1 && cr + 1 < end)
                out += QLatin1Char('\n');
        }
    }
    return out;
}

int LineSource::longestLine() const
{
    int longest = 0;
    int best = -1;
    const int n = lineCount();
    for (int i = 0; i < n; ++i) {
        const int len = lineLength(i);
        if (len > best) {
            best = len;
            longest = i;
        }
    }
    return longest;
}

QString LineSource::lineText(int line) const
{
    QString scratch;
    return this->line(line, scratch).toString();
}

int LineSource::snapPosition(int pos) const
{
    pos = std::clamp(pos, 0, length());
    const int l = lineOf(pos);
    const int start = lineStart(l);
    const int len = lineLength(l);
    if (pos - start > len)
        return start + len; // between the CR and the LF
    const int column = pos - start;
    if (column > 0 && column < len) {
        QString scratch;
        const QStringView text = line(l, scratch);
        if (text[column - 1].isHighSurrogate() && text[column].isLowSurrogate())
            return pos - 1;
    }
    return pos;
}

int LineSource::nextPosition(int pos) const
{
    pos = snapPosition(pos);
    if (pos >= length())
        return length();
    const int l = lineOf(pos);
    const int column = pos - lineStart(l);
    QString scratch;
    const QStringView text = line(l, scratch);
    if (column >= int(text.size()))
        return pos + 2; // over the CR LF
    const bool pair = column + 1 < int(text.size()) && text[column].isHighSurrogate()
                      && text[column + 1].isLowSurrogate();
    return pos + (pair ? 2 : 1);
}

int LineSource::previousPosition(int pos) const
{
    pos = snapPosition(pos);
    if (pos <= 0)
        return 0;
    return snapPosition(pos - 1);
}

} // namespace quillon
