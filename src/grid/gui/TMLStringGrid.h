#pragma once
// The grid control: a table view over the grid model whose cells hold several
// lines. The two header rows (column numbers, title row) are the horizontal
// header and the two header columns (line numbers, counts or title column)
// the vertical one; each paints its two parts. Cells are drawn by the grid
// itself: the current and selected cells in CurrentBackColor, headers in
// FixedBackColor, and in dark mode only the text over the theme's background.
#include <QColor>
#include <QTableView>

namespace quillon {

class GridModel;
class GridHeaderView;

class TMLStringGrid : public QTableView {
    Q_OBJECT
public:
    explicit TMLStringGrid(QWidget *parent = nullptr);

    void setGridModel(GridModel *model);
    [[nodiscard]] GridModel *gridModel() const { return m_model; }

    [[nodiscard]] bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);
    [[nodiscard]] QColor CurrentBackColor() const { return m_currentBackColor; }
    void setCurrentBackColor(const QColor &color);
    [[nodiscard]] QColor FixedBackColor() const { return m_fixedBackColor; }
    void setFixedBackColor(const QColor &color);
    [[nodiscard]] bool DarkMode() const { return m_darkMode; }
    void setDarkMode(bool on);
    [[nodiscard]] QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &color);

    // IntTextHeight: header rows keep it, data rows are ratio times it.
    void setTextHeight(int height);
    [[nodiscard]] int textHeight() const { return m_textHeight; }
    void setRowHeightRatio(int ratio);
    [[nodiscard]] int rowHeightRatio() const { return m_ratio; }

    // Widths of the two header columns (line numbers; counts or title column).
    [[nodiscard]] int fixedColumnWidth(int which) const { return m_fixedWidth[which]; }
    void setFixedColumnWidth(int which, int width);
    // FixedColumnWidthAdjust: the two header columns fitted to their texts.
    void FixedColumnWidthAdjust();
    // Every column fitted: its widest text, as one line, plus 5 pixels.
    void fitAllColumns();
    [[nodiscard]] int textWidth(const QString &text) const;

    // The selection as a rectangle of data cells; false when there is none.
    bool selectionRect(int *top, int *left, int *bottom, int *right) const;

private:
    friend class GridCellDelegate;
    friend class GridHeaderView;
    void updateHeaderSizes();

    GridModel *m_model = nullptr;
    GridHeaderView *m_top = nullptr;
    GridHeaderView *m_side = nullptr;
    bool m_wordWrap = false;
    bool m_darkMode = false;
    QColor m_currentBackColor = QColor(0x00, 0x80, 0xFF);
    QColor m_fixedBackColor = QColor(0xA6, 0xCA, 0xF0);
    QColor m_backColor = Qt::white;
    int m_textHeight = 22;
    int m_ratio = 1;
    int m_fixedWidth[2] = {64, 64};
};

} // namespace quillon
