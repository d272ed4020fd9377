#pragma once
// The text the grid puts on the clipboard for a rectangle of cells, in the
// four separator styles of the Edit menu.
#include <QString>
#include <QStringList>
#include <functional>

namespace quillon {

enum class ClipStyle : int {
    Tab = 0,    // cell TAB cell
    Quoted = 1, // "cell","cell"
    Comma = 2,  // cell,cell
    CsvEx2 = 3, // 11,"22","3,3","4""4",55: quoted only where needed, quotes doubled
};

class ClipboardText {
public:
    ClipboardText() = delete;

    // One cell in the quoting comma style.
    [[nodiscard]] static QString ConvertCellToCsvEx2(const QString &cell);
    // One cell as a style writes it: CR LF as LF, and the comma-style quoting.
    [[nodiscard]] static QString cellForm(const QString &cell, ClipStyle style);
    // One row of cells (one cell: no separator and no quotes), without its line end.
    [[nodiscard]] static QString line(const QStringList &cells, ClipStyle style);
    // Rows top to bottom, columns left to right (inclusive), each line
    // followed by CR LF.
    [[nodiscard]] static QString rectangle(int top, int left, int bottom, int right, ClipStyle style,
                                           const std::function<QString(int row, int column)> &cell);
};

} // namespace quillon
