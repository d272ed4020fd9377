#include "GridModel.h"

namespace quillon {

QString asciiUpper(QStringView s)
{
    QString out = s.toString();
    for (QChar &c : out) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 0x20);
    }
    return out;
}

GridModel::GridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void GridModel::setTable(CsvTable table, bool keepTitleRow)
{
    beginResetModel();
    m_table = std::move(table);
    m_edits.clear();
    if (!keepTitleRow)
        m_titleRow.clear();
    m_titleColumnSet = false;
    m_titleColumn.clear();
    endResetModel();
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount();
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.columnCount();
}

QString GridModel::cell(int row, int column) const
{
    if (!m_edits.isEmpty()) {
        const auto it = m_edits.constFind(key(row, column));
        if (it != m_edits.constEnd())
            return *it;
    }
    return m_table.cell(row, column);
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cell(index.row(), index.column());
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setCell(index.row(), index.column(), value.toString());
    return true;
}

void GridModel::setCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    if (cell(row, column) == text)
        return;
    m_edits.insert(key(row, column), text);
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}

QString GridModel::lineNumberText(int row) const
{
    return QStringLiteral("%1").arg(row + 1, 5, 10, QLatin1Char('0'));
}

QString GridModel::titleColumnText(int row) const
{
    if (m_titleColumnSet)
        return m_titleColumn.value(row);
    return lineNumberText(row) + u':' + QString::number(m_table.cellCount(row));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != TitleRole)
        return {};
    if (orientation == Qt::Horizontal)
        return role == TitleRole ? titleRowText(section) : QString::number(section + 1);
    return role == TitleRole ? titleColumnText(section) : lineNumberText(section);
}

void GridModel::setTitleRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    m_titleRow.clear();
    for (int c = 0; c < columnCount(); ++c)
        m_titleRow.insert(c, cell(row, c));
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void GridModel::clearTitleRow()
{
    m_titleRow.clear();
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void GridModel::setTitleColumn(int column)
{
    if (column < 0 || column >= columnCount())
        return;
    m_titleColumnSet = true;
    m_titleColumn.clear();
    for (int r = 0; r < rowCount(); ++r) {
        QString text = cell(r, column);
        if (!text.isEmpty())
            m_titleColumn.insert(r, std::move(text));
    }
    if (rowCount() > 0)
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void GridModel::clearTitleColumn()
{
    m_titleColumnSet = true;
    m_titleColumn.clear();
    if (rowCount() > 0)
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

std::optional<GridModel::Cell> GridModel::find(const QString &word, int row, int column, bool forward) const
{
    const int rows = rowCount(), columns = columnCount();
    if (word.isEmpty() || rows == 0 || columns == 0)
        return std::nullopt;
    const QString needle = asciiUpper(word);
    auto matches = [&](int r, int c) { return asciiUpper(cell(r, c)).contains(needle); };
    if (forward) {
        for (int r = std::max(row, 0), c = column + 1; r < rows; ++r, c = 0) {
            for (; c < columns; ++c) {
                if (matches(r, c))
                    return Cell{r, c};
            }
        }
    } else {
        for (int r = std::min(row, rows - 1), c = column - 1; r >= 0; --r, c = columns - 1) {
            for (; c >= 0; --c) {
                if (matches(r, c))
                    return Cell{r, c};
            }
        }
    }
    return std::nullopt;
}

QString GridModel::copyText(int top, int left, int bottom, int right, ClipStyle style) const
{
    top = std::max(top, 0);
    left = std::max(left, 0);
    bottom = std::min(bottom, rowCount() - 1);
    right = std::min(right, columnCount() - 1);
    if (top > bottom || left > right)
        return QString();
    return ClipboardText::rectangle(top, left, bottom, right, style,
                                    [this](int r, int c) { return cell(r, c); });
}

QString GridModel::copyAll(ClipStyle style) const
{
    return copyText(0, 0, rowCount() - 1, columnCount() - 1, style);
}

} // namespace quillon
