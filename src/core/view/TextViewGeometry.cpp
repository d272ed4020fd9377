#include "TextViewGeometry.h"

#include <QChar>
#include <algorithm>
#include <cmath>

namespace quillon {

TextViewGeometry::TextViewGeometry(Measure measure)
{
    setMeasure(std::move(measure));
}

void TextViewGeometry::setMeasure(Measure measure)
{
    m_measure = std::move(measure);
    m_bmp.clear();
    m_astral.clear();
}

qreal TextViewGeometry::measure(char32_t cp) const
{
    if (!m_measure)
        return 0;
    if (cp < 0x10000) {
        if (m_bmp.empty())
            m_bmp.assign(0x10000, -1.0f);
        float &w = m_bmp[cp];
        if (w < 0)
            w = float(m_measure(cp));
        return w;
    }
    auto it = m_astral.find(cp);
    if (it != m_astral.end())
        return it->second;
    const float w = float(m_measure(cp));
    m_astral.emplace(cp, w);
    return w;
}

qreal TextViewGeometry::nextTabStop(qreal x, qreal tabWidth)
{
    if (tabWidth <= 0)
        return x;
    // A tab always moves: a pen exactly on a stop goes to the next one.
    return (std::floor(x / tabWidth + 1e-6) + 1) * tabWidth;
}

int TextViewGeometry::charLength(QStringView s, int i)
{
    if (i + 1 < s.size() && QChar::isHighSurrogate(s[i].unicode()) && QChar::isLowSurrogate(s[i + 1].unicode()))
        return 2;
    return 1;
}

char32_t TextViewGeometry::codePointAt(QStringView s, int i)
{
    if (charLength(s, i) == 2)
        return QChar::surrogateToUcs4(s[i], s[i + 1]);
    return s[i].unicode();
}

qreal TextViewGeometry::advanceAt(QStringView line, int i, qreal x) const
{
    const char16_t c = line[i].unicode();
    if (c == u'\t') {
        if (m_tabWidth <= 0)
            return advance(U' ');
        return nextTabStop(x, m_tabWidth) - x;
    }
    return advance(codePointAt(line, i));
}

qreal TextViewGeometry::xOfColumn(QStringView line, int column) const
{
    column = std::clamp(column, 0, int(line.size()));
    qreal x = 0;
    int i = 0;
    while (i < column) {
        x += advanceAt(line, i, x);
        i += charLength(line, i);
    }
    return x;
}

int TextViewGeometry::columnAtX(QStringView line, qreal x) const
{
    if (x <= 0)
        return 0;
    qreal pen = 0;
    int i = 0;
    const int n = int(line.size());
    while (i < n) {
        const qreal w = advanceAt(line, i, pen);
        if (x < pen + w)
            return x < pen + w / 2 ? i : i + charLength(line, i);
        pen += w;
        i += charLength(line, i);
    }
    return n;
}

TextViewGeometry::Cursor TextViewGeometry::seek(QStringView line, qreal x) const
{
    Cursor c;
    const int n = int(line.size());
    while (c.column < n) {
        const qreal w = advanceAt(line, c.column, c.x);
        if (c.x + w > x)
            break;
        c.x += w;
        c.column += charLength(line, c.column);
    }
    return c;
}

TextViewGeometry::LineRange TextViewGeometry::linesForRect(qreal top, qreal bottom, qreal textTop,
                                                           qreal lineHeight, int firstLine, int lineCount)
{
    LineRange r;
    if (lineHeight <= 0 || lineCount <= 0 || bottom <= top)
        return r;
    top = std::max(top, textTop);
    if (bottom <= top)
        return r;
    // Work in doubles: a million lines times a line height still fits easily.
    const double a = std::floor((top - textTop) / lineHeight);
    const double b = std::ceil((bottom - textTop) / lineHeight) - 1;
    const double first = std::max<double>(0, firstLine + a);
    const double last = std::min<double>(lineCount - 1, firstLine + b);
    if (last < first)
        return r;
    r.first = int(first);
    r.last = int(last);
    return r;
}

int TextViewGeometry::snapPosition(QStringView text, int pos)
{
    const int n = int(text.size());
    pos = std::clamp(pos, 0, n);
    if (pos > 0 && pos < n) {
        const char16_t before = text[pos - 1].unicode();
        const char16_t at = text[pos].unicode();
        if ((before == u'\r' && at == u'\n') || (QChar::isHighSurrogate(before) && QChar::isLowSurrogate(at)))
            return pos - 1;
    }
    return pos;
}

int TextViewGeometry::nextPosition(QStringView text, int pos)
{
    const int n = int(text.size());
    pos = snapPosition(text, pos);
    if (pos >= n)
        return n;
    if (text[pos] == u'\r' && pos + 1 < n && text[pos + 1] == u'\n')
        return pos + 2;
    return pos + charLength(text, pos);
}

int TextViewGeometry::previousPosition(QStringView text, int pos)
{
    pos = snapPosition(text, pos);
    if (pos <= 0)
        return 0;
    return snapPosition(text, pos - 1);
}

} // namespace quillon
