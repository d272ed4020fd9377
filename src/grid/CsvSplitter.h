#pragma once
// Cutting one line of a grid file into cells, in the grid's three splitting
// modes, as stretches of the line: the grid keeps its lines and makes a cell's
// text only when it is shown, searched or copied.
#include "LineSplitter.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace quillon {

// IntStrToCsvIndex
enum class CsvMode : int {
    Automatic = 0, // the shared line splitter
    CommaEx1 = 1,  // 11,"22,22",33
    CommaEx2 = 2,  // 11,"22","3,3","4""4",55
};

struct CellSpan {
    int32_t start = 0;
    int32_t length = 0;
    friend bool operator==(const CellSpan &, const CellSpan &) = default;
};

// How the cells of one line turn into text (beyond the LF rule every mode has).
enum class CellForm : uint8_t {
    Plain,         // the stretch as it stands
    Quoted,        // comma modes: "" becomes ", and "x" loses its outer quotes
    CollapsedOnly, // comma modes, a quote left open: "" becomes ", quotes kept
};

class CsvSplitter {
public:
    CsvSplitter() = delete;

    // The separator status text for the first line: "TAB", "\",\"" or ",".
    [[nodiscard]] static QString GetSeparater(QStringView line);

    // Appends the cells of `line` as stretches; returns how their text is made.
    static CellForm splitSpans(QStringView line, CsvMode mode, std::vector<CellSpan> &spans);
    // The same with a caller's scratch list, for splitting many lines.
    static CellForm splitSpans(QStringView line, CsvMode mode, std::vector<CellSpan> &spans,
                               std::vector<FieldSpan> &scratch);
    // The text of one cell as splitting leaves it.
    [[nodiscard]] static QString splitCellText(QStringView line, CellSpan span, CellForm form);
    // The text of one cell as the grid stores it: every LF becomes CR LF.
    [[nodiscard]] static QString cellText(QStringView line, CellSpan span, CellForm form);

    // The two comma modes, appending the cells' texts (with LF as in the line).
    // Both cut by the same rule; the menu names them by their examples.
    static void StringToCsvListEx1(QStringView line, QStringList &cells);
    static void StringToCsvListEx2(QStringView line, QStringList &cells);

    // StrListLoadCsvFile from StrListLoadFile: every LF a TAB when asked.
    static void ConvertLfToTab(QStringList &lines, bool lfToTab);
};

} // namespace quillon
