#pragma once
// One of the main window's two status bars: seven framed panels whose widths
// follow the window (panel 0 takes what the six fixed panels leave).
#include <QFrame>
#include <array>

class QLabel;

namespace quillon {

class StatusPanels : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelCount = 7;
    explicit StatusPanels(QWidget *parent = nullptr);

    void setPanelText(int panel, const QString &text);
    [[nodiscard]] QString panelText(int panel) const;
    // Panel 0 is the window width minus 690; panels 1 to 6 are fixed.
    void layoutPanels(int windowWidth);
    // Another window's widths: panel 0 is the window width minus reserve,
    // panels 1 to 6 take widths[1..6].
    void layoutPanels(int windowWidth, const std::array<int, PanelCount> &widths, int reserve);
    [[nodiscard]] int panelWidth(int panel) const;

signals:
    void pressed(int x);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::array<QLabel *, PanelCount> m_panels{};
};

} // namespace quillon
