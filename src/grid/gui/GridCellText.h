#pragma once
// Drawing a cell's text as a multi-line block: top-left, no margins, line
// breaks start new lines, a last line that does not fit whole is left out.
#include <QRect>
#include <QString>

class QPainter;

namespace quillon {

void drawCellText(QPainter &painter, const QRect &rect, const QString &text, bool wordWrap);

} // namespace quillon
