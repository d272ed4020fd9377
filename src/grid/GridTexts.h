#pragma once
// Texts the grid window builds from numbers: the cell position of panel 0,
// the edit-mode mark, the memo's status panels; and the memo search.
#include <QString>
#include <QStringView>

namespace quillon {

class GridTexts {
public:
    GridTexts() = delete;
    // Grid column c and row r shown 1-based over the data area ("[c,r]" or "[r,c]").
    [[nodiscard]] static QString position(int dataColumn, int dataRow, bool columnFirst);
    [[nodiscard]] static QString editing(bool japanese);
    // Memo panel 0 (caret line and column) and panel 1 (line count).
    [[nodiscard]] static QString memoCaret(int line, int column, bool japanese);
    [[nodiscard]] static QString memoLines(int lines, bool japanese);
    // The caption: file name and " - グリッド表示" / " - ViewGrid".
    [[nodiscard]] static QString caption(const QString &fileName, bool japanese);

    // The next occurrence of `word` in `text` (ASCII letters without case):
    // forward from `from`, or backward the last one starting before `from`.
    // -1 when there is none or the word is empty.
    [[nodiscard]] static qsizetype findInMemo(QStringView text, QStringView word, qsizetype from, bool forward);
};

} // namespace quillon
