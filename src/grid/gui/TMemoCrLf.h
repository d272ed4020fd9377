#pragma once
// The cell memo: a plain multi-line text control without wrapping that paints
// a "↓" at the end of every line that a line break ends.
#include <QColor>
#include <QPlainTextEdit>

namespace quillon {

class TMemoCrLf : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemoCrLf(QWidget *parent = nullptr);

    [[nodiscard]] QColor CrLfColor() const { return m_crLfColor; }
    void setCrLfColor(const QColor &color);
    [[nodiscard]] bool DarkMode() const { return m_darkMode; }
    void setDarkMode(bool on);
    [[nodiscard]] QColor DarkBackColor() const { return m_darkBackColor; }
    void setDarkBackColor(const QColor &color);

    // The text with the grid's line breaks (CR LF).
    [[nodiscard]] QString cellText() const;
    // Fills the memo and clears its modified flag.
    void setCellText(const QString &text);

    // Where each mark is drawn (viewport coordinates), for the visible lines.
    [[nodiscard]] QList<QPoint> markPositions() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_crLfColor = Qt::blue;
    bool m_darkMode = false;
    QColor m_darkBackColor = Qt::black;
};

} // namespace quillon
