#pragma once
// The hex dump as the main window shows it: a one-line header above the
// dump. The header never keeps the focus: a click or key on it hands the
// focus to the dump. It follows the dump's horizontal scrolling, so its
// column labels stay over their columns.
#include <QColor>
#include <QFont>
#include <QWidget>
#include <memory>

namespace quillon {

class HexRowSource;
class TMemoExDark;

class HexDumpView : public QWidget {
    Q_OBJECT
public:
    explicit HexDumpView(QWidget *parent = nullptr);

    // Shows rows (null: an empty dump); the caret goes inside the first
    // row's offset, the view to the top.
    void setRows(std::shared_ptr<const HexRowSource> rows);
    [[nodiscard]] const std::shared_ptr<const HexRowSource> &rows() const { return m_rows; }

    // The font of the dump and the header; the header is size x 20 / 14 pixels high.
    void setDumpFont(const QFont &font);
    void setColors(const QColor &text, const QColor &background);

    [[nodiscard]] TMemoExDark *dump() const { return m_dump; }
    [[nodiscard]] TMemoExDark *header() const { return m_header; }
    [[nodiscard]] static int headerHeight(int pointSize) { return pointSize * 20 / 14; }
    // The most units Ctrl+C copies (about 1.5 million rows).
    static constexpr qint64 MaxCopyUnits = qint64(1) << 27;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TMemoExDark *m_header;
    TMemoExDark *m_dump;
    std::shared_ptr<const HexRowSource> m_rows;
};

} // namespace quillon
