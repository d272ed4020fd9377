#include "GridStatusBar.h"

#include <QLabel>

namespace quillon {

GridStatusBar::GridStatusBar(const QList<int> &widths, int count, QWidget *parent)
    : QFrame(parent)
    , m_widths(widths)
{
    const int n = widths.isEmpty() ? count : int(widths.size());
    for (int i = 0; i < n; ++i) {
        auto *label = new QLabel(this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setObjectName(QStringLiteral("Panel%1").arg(i));
        m_panels.append(label);
    }
    setFixedHeight(fontMetrics().height() + 8);
    layoutPanels();
}

void GridStatusBar::setPanelText(int panel, const QString &text)
{
    if (panel >= 0 && panel < m_panels.size())
        m_panels[panel]->setText(text);
}

QString GridStatusBar::panelText(int panel) const
{
    return panel >= 0 && panel < m_panels.size() ? m_panels[panel]->text() : QString();
}

int GridStatusBar::panelWidth(int panel) const
{
    return panel >= 0 && panel < m_panels.size() ? m_panels[panel]->width() : 0;
}

void GridStatusBar::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layoutPanels();
}

void GridStatusBar::layoutPanels()
{
    int x = 0;
    const int h = height();
    for (int i = 0; i < m_panels.size(); ++i) {
        // Equal panels: a sixth (or n-th) of the bar's width each.
        const int w = m_widths.isEmpty() ? width() / int(m_panels.size()) : m_widths[i];
        m_panels[i]->setGeometry(x, 0, w, h);
        x += w;
    }
}

} // namespace quillon
