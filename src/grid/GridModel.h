#pragma once
// The grid as a table model over the parsed lines. Rows and columns are the
// data area only (line r, cell c); the two header rows and columns of the
// window are header data:
//   horizontal, DisplayRole: the column number "1", "2", ...
//   horizontal, TitleRole:   the title row's text of that column
//   vertical,   DisplayRole: the line number, at least five digits ("00001")
//   vertical,   TitleRole:   "00001:3" (line number and cell count), or the
//                            title column's text once it has been set
// Edited cells are kept beside the table; nothing else is copied per cell.
#include "ClipboardText.h"
#include "CsvTable.h"

#include <QAbstractTableModel>
#include <QHash>
#include <optional>

namespace quillon {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int TitleRole = Qt::UserRole + 1;

    explicit GridModel(QObject *parent = nullptr);

    // A new read. The title row is kept when keepTitleRow (a change of read
    // encoding); edits and the title column always go.
    void setTable(CsvTable table, bool keepTitleRow);
    [[nodiscard]] const CsvTable &table() const { return m_table; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    [[nodiscard]] QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    [[nodiscard]] QString lineNumberText(int row) const;
    [[nodiscard]] QString titleColumnText(int row) const;
    [[nodiscard]] bool titleColumnSet() const { return m_titleColumnSet; }
    [[nodiscard]] QString titleRowText(int column) const { return m_titleRow.value(column); }

    void setTitleRow(int row);    // copies a data row into the title row
    void clearTitleRow();
    void setTitleColumn(int column); // copies a data column into the title column
    void clearTitleColumn();

    // The next cell containing `word` (ASCII letters compared without case),
    // scanning from the cell after (forward) or before (backward) `row`,
    // `column`, row by row, without wrapping. An empty word finds nothing.
    struct Cell {
        int row = 0;
        int column = 0;
        friend bool operator==(const Cell &, const Cell &) = default;
    };
    [[nodiscard]] std::optional<Cell> find(const QString &word, int row, int column, bool forward) const;

    // The clipboard text of a rectangle of data cells.
    [[nodiscard]] QString copyText(int top, int left, int bottom, int right, ClipStyle style) const;
    // Every data row, every column.
    [[nodiscard]] QString copyAll(ClipStyle style) const;

private:
    [[nodiscard]] static quint64 key(int row, int column) { return quint64(quint32(row)) << 32 | quint32(column); }

    CsvTable m_table;
    QHash<quint64, QString> m_edits;
    QHash<int, QString> m_titleRow;
    bool m_titleColumnSet = false;
    QHash<int, QString> m_titleColumn;
};

// ASCII-only upper-casing: a to z become A to Z, nothing else changes.
[[nodiscard]] QString asciiUpper(QStringView s);

} // namespace quillon
