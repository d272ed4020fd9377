#include "GridTexts.h"

#include "GridModel.h"

namespace quillon {

QString GridTexts::position(int dataColumn, int dataRow, bool columnFirst)
{
    const int c = dataColumn + 1, r = dataRow + 1;
    return QStringLiteral("[%1,%2]").arg(columnFirst ? c : r).arg(columnFirst ? r : c);
}

QString GridTexts::editing(bool japanese)
{
    return japanese ? QString::fromUtf16(u"編集中") : QStringLiteral("Editting");
}

QString GridTexts::memoCaret(int line, int column, bool japanese)
{
    if (japanese)
        return QString::number(line) + QString::fromUtf16(u"行,") + QString::number(column) + QString::fromUtf16(u"桁");
    return QStringLiteral("Row:") + QString::number(line) + QStringLiteral("  Col:") + QString::number(column);
}

QString GridTexts::memoLines(int lines, bool japanese)
{
    return japanese ? QString::number(lines) + QString::fromUtf16(u"行") : QStringLiteral("Row:") + QString::number(lines);
}

QString GridTexts::caption(const QString &fileName, bool japanese)
{
    return fileName + (japanese ? QString::fromUtf16(u" - グリッド表示") : QStringLiteral(" - ViewGrid"));
}

qsizetype GridTexts::findInMemo(QStringView text, QStringView word, qsizetype from, bool forward)
{
    if (word.isEmpty())
        return -1;
    const QString hay = asciiUpper(text), needle = asciiUpper(word);
    if (forward)
        return hay.indexOf(needle, std::clamp<qsizetype>(from, 0, hay.size()));
    // The last occurrence that starts before `from`, one at the very start included.
    if (from <= 0)
        return -1;
    return hay.lastIndexOf(needle, from - 1);
}

} // namespace quillon
