#include "LineSource.h"

#include <algorithm>

namespace quillon {

QString LineSource::text(TextPos start, TextPos length) const
{
    const TextPos total = this->length();
    start = std::clamp<TextPos>(start, 0, total);
    length = std::clamp<TextPos>(length, 0, MaxTextLength);
    const TextPos end = std::min(start + length, total);
    QString out;
    if (end == start)
        return out;
    out.reserve(qsizetype(end - start));
    QString scratch;
    const int count = lineCount();
    for (int l = lineOf(start); l < count; ++l) {
        const TextPos ls = lineStart(l);
        if (ls >= end)
            break;
        // The line and its CR LF, cut to start..end.
        const QStringView body = line(l, scratch);
        const TextPos from = std::max<TextPos>(start - ls, 0);
        const TextPos to = std::min<TextPos>(end - ls, body.size());
        if (to > from)
            out += body.mid(qsizetype(from), qsizetype(to - from));
        if (l + 1 < count) {
            const TextPos cr = ls + body.size();
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

TextPos LineSource::snapPosition(TextPos pos) const
{
    pos = std::clamp<TextPos>(pos, 0, length());
    const int l = lineOf(pos);
    const TextPos start = lineStart(l);
    const int len = lineLength(l);
    if (pos - start > len)
        return start + len; // between the CR and the LF
    const int column = int(pos - start);
    if (column > 0 && column < len) {
        QString scratch;
        const QStringView text = line(l, scratch);
        if (text[column - 1].isHighSurrogate() && text[column].isLowSurrogate())
            return pos - 1;
    }
    return pos;
}

TextPos LineSource::nextPosition(TextPos pos) const
{
    pos = snapPosition(pos);
    if (pos >= length())
        return length();
    const int l = lineOf(pos);
    const int column = int(pos - lineStart(l));
    QString scratch;
    const QStringView text = line(l, scratch);
    if (column >= int(text.size()))
        return pos + 2; // over the CR LF
    const bool pair = column + 1 < int(text.size()) && text[column].isHighSurrogate()
                      && text[column + 1].isLowSurrogate();
    return pos + (pair ? 2 : 1);
}

TextPos LineSource::previousPosition(TextPos pos) const
{
    pos = snapPosition(pos);
    if (pos <= 0)
        return 0;
    return snapPosition(pos - 1);
}

} // namespace quillon
