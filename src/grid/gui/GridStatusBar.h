#pragma once
// A status bar of the grid window: framed panels of fixed widths, or of
// equal widths that follow the bar's width (the memo's bar).
#include <QFrame>
#include <QList>

class QLabel;

namespace quillon {

class GridStatusBar : public QFrame {
    Q_OBJECT
public:
    // widths: one per panel; empty: `count` panels of equal width.
    GridStatusBar(const QList<int> &widths, int count, QWidget *parent = nullptr);

    void setPanelText(int panel, const QString &text);
    [[nodiscard]] QString panelText(int panel) const;
    [[nodiscard]] int panelCount() const { return int(m_panels.size()); }
    [[nodiscard]] int panelWidth(int panel) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutPanels();
    QList<QLabel *> m_panels;
    QList<int> m_widths;
};

} // namespace quillon
