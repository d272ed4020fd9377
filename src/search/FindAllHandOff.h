#pragma once
// The files the find-all window leaves beside the program: the grid hand-off
// "Quillon-FindAll.txt" (number, separator, list line) and the multi-file
// result file. Both UTF-16 LE with the mark and CR LF after every line.
#include "LineSource.h"
#include "Utf16TextFile.h"

#include <QString>

namespace quillon {

class FindAllHandOff {
public:
    FindAllHandOff() = delete;

    static QString fileName() { return QStringLiteral("Quillon-FindAll.txt"); }
    // The "Separater" key of [Csv] when it has none.
    static QString defaultSeparator() { return QString(QChar(0x2261)); }

    // Line i: numbers' line i, the separator, list's line i, for every line
    // of the number column.
    [[nodiscard]] static QStringList lines(const LineSource &numbers, const LineSource &list,
                                           const QString &separator);
    [[nodiscard]] static WriteResult write(const QString &path, const LineSource &numbers,
                                           const LineSource &list, const QString &separator);
};

} // namespace quillon
