#include "MarkLayout.h"

#include <algorithm>
#include <cmath>

namespace quillon {

int MarkLayout::lastMarkedLine(int firstLine, int clientHeight, int lineHeight, int lineCount)
{
    const int visible = lineHeight > 0 ? clientHeight / lineHeight : 0;
    const qint64 last = qint64(firstLine) + qint64(visible) * 16 / 10;
    return int(std::min<qint64>(last, lineCount - 1));
}

QPoint MarkLayout::placeAt(Kind kind, QPoint c, const Metrics &m, int cellWidth)
{
    const auto inCell = [&](int x) { return std::clamp(x, c.x(), c.x() + std::max(cellWidth - 1, 0)); };
    switch (kind) {
    case Kind::CrLf:
        return {std::max(c.x() + m.shiftRet - m.widthM, c.x()), c.y()};
    case Kind::Tab:
        return {inCell(c.x() + m.shiftTab - m.widthDot * 8 / 10), c.y()};
    case Kind::Space:
        return {inCell(c.x() + m.shiftDBCS - m.widthM), c.y()};
    case Kind::Eof:
        return {m.shiftEof, c.y() + m.lineHeight};
    }
    return c;
}

void MarkLayout::layoutSegment(QStringView segment, TextPos segStart, bool hasLineEnd, qreal originX, int y,
                               const TextViewGeometry &geometry, const Enabled &on, const Metrics &m,
                               TextPos textLength, qreal minX, qreal maxX, std::vector<Mark> &out)
{
    if (!on.any())
        return;
    const int n = int(segment.size());
    const TextPos lastPos = textLength - 1;
    // Jump to the first character near the left edge; the walk then stops at
    // the right edge, so a long line costs only what is in sight.
    const auto cur = geometry.seek(segment, std::max<qreal>(0, minX - originX));
    int i = cur.column;
    qreal x = cur.x;
    auto add = [&](Kind kind, TextPos pos, qreal cx, qreal width = 0) {
        const QPoint c(int(std::floor(originX + cx)), y);
        out.push_back({kind, pos, placeAt(kind, c, m, int(std::floor(width)))});
    };
    while (i < n && originX + x <= maxX) {
        const char16_t c = segment[i].unicode();
        const int len = TextViewGeometry::charLength(segment, i);
        const qreal advance = geometry.advanceAt(segment, i, x);
        if (c == u'\t' && on.tab)
            add(Kind::Tab, segStart + i, x, advance);
        else if (c == 0x3000 && on.space)
            add(Kind::Space, segStart + i, x, advance);
        if (on.eof && segStart + i + len - 1 == lastPos)
            add(Kind::Eof, segStart + i, x);
        x += advance;
        i += len;
    }
    const bool walkedAll = i >= n;
    const TextPos endPos = segStart + n; // the CR, when the segment ends a line
    if (hasLineEnd && on.crlf && walkedAll && endPos <= lastPos)
        add(Kind::CrLf, endPos, x);
    if (on.eof) {
        // The last character may be off screen to the right, or be the LF of
        // a final line end: the arrow still goes on the line below.
        const bool lastInRest = !walkedAll && segStart + n - 1 == lastPos;
        const bool lastIsLineEnd = hasLineEnd && (endPos == lastPos || endPos + 1 == lastPos);
        if (lastInRest || lastIsLineEnd)
            add(Kind::Eof, lastPos, walkedAll ? x : maxX - originX);
    }
}

} // namespace quillon
