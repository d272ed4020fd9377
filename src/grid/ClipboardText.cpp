#include "ClipboardText.h"

namespace quillon {

namespace {
QString withLf(QString s)
{
    if (s.contains(u'\r'))
        s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}
} // namespace

QString ClipboardText::ConvertCellToCsvEx2(const QString &cell)
{
    QString s = withLf(cell);
    if (!s.contains(u',') && !s.contains(u'"') && !s.contains(u'\n'))
        return s;
    s.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + s + u'"';
}

QString ClipboardText::cellForm(const QString &cell, ClipStyle style)
{
    return style == ClipStyle::CsvEx2 ? ConvertCellToCsvEx2(cell) : withLf(cell);
}

QString ClipboardText::line(const QStringList &cells, ClipStyle style)
{
    if (cells.size() == 1)
        return cellForm(cells.front(), style);
    QStringList forms;
    forms.reserve(cells.size());
    for (const QString &c : cells)
        forms.append(cellForm(c, style));
    switch (style) {
    case ClipStyle::Tab: return forms.join(u'\t');
    case ClipStyle::Quoted: return u'"' + forms.join(QStringLiteral("\",\"")) + u'"';
    case ClipStyle::Comma:
    case ClipStyle::CsvEx2: return forms.join(u',');
    }
    return QString();
}

QString ClipboardText::rectangle(int top, int left, int bottom, int right, ClipStyle style,
                                 const std::function<QString(int, int)> &cell)
{
    QString text;
    QStringList cells;
    for (int r = top; r <= bottom; ++r) {
        cells.clear();
        for (int c = left; c <= right; ++c)
            cells.append(cell(r, c));
        text += line(cells, style);
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace quillon
