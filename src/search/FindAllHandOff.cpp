#include "FindAllHandOff.h"

namespace quillon {

QStringList FindAllHandOff::lines(const LineSource &numbers, const LineSource &list, const QString &separator)
{
    QStringList out;
    const int n = numbers.lineCount();
    out.reserve(n);
    QString a, b;
    for (int i = 0; i < n; ++i)
        out.append(numbers.line(i, a).toString() + separator + list.line(i, b).toString());
    return out;
}

WriteResult FindAllHandOff::write(const QString &path, const LineSource &numbers, const LineSource &list,
                                  const QString &separator)
{
    return Utf16TextFile::writeLines(path, lines(numbers, list, separator));
}

} // namespace quillon
