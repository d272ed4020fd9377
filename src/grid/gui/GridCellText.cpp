#include "GridCellText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringTokenizer>

namespace quillon {

void drawCellText(QPainter &painter, const QRect &rect, const QString &text, bool wordWrap)
{
    if (text.isEmpty())
        return;
    const QFontMetrics fm(painter.font());
    const int lineHeight = fm.height();
    int y = rect.top();
    qsizetype from = 0;
    // Whole lines only, except the first: a row a pixel or two lower than
    // the font still shows its text, clipped.
    while (from <= text.size() && (y == rect.top() || y + lineHeight <= rect.bottom() + 1)) {
        qsizetype end = from;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QString line = text.mid(from, end - from);
        if (wordWrap) {
            const QRect box(rect.left(), y, rect.width(), rect.bottom() + 1 - y);
            const QRect used = fm.boundingRect(box, Qt::TextWordWrap, line);
            const int lines = std::max(1, used.height() / lineHeight);
            const int fit = std::max(1, std::min(lines, box.height() / lineHeight));
            painter.drawText(QRect(box.left(), y, box.width(), fit * lineHeight),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
            y += lines * lineHeight;
        } else {
            painter.drawText(QPoint(rect.left(), y + fm.ascent()), line);
            y += lineHeight;
        }
        if (end >= text.size())
            break;
        from = end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
        if (from >= text.size())
            break; // a break at the very end starts no drawn line
    }
}

} // namespace quillon
