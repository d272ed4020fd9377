#include "StatusPanels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

namespace quillon {

namespace {
constexpr int fixedWidths[StatusPanels::PanelCount] = {0, 130, 90, 120, 210, 120, 20};
}

StatusPanels::StatusPanels(QWidget *parent)
    : QFrame(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->setSpacing(2);
    for (int i = 0; i < PanelCount; ++i) {
        auto *label = new QLabel(this);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        label->setMinimumWidth(0);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        layout->addWidget(label, i == 0 ? 1 : 0);
        m_panels[size_t(i)] = label;
    }
    layoutPanels(780);
}

void StatusPanels::setPanelText(int panel, const QString &text)
{
    if (panel >= 0 && panel < PanelCount)
        m_panels[size_t(panel)]->setText(text);
}

QString StatusPanels::panelText(int panel) const
{
    if (panel < 0 || panel >= PanelCount)
        return {};
    return m_panels[size_t(panel)]->text();
}

int StatusPanels::panelWidth(int panel) const
{
    if (panel == 0)
        return m_panels[0]->minimumWidth();
    return m_panels[size_t(panel)]->maximumWidth() < QWIDGETSIZE_MAX ? m_panels[size_t(panel)]->maximumWidth()
                                                                       : fixedWidths[panel];
}

void StatusPanels::layoutPanels(int windowWidth)
{
    m_panels[0]->setMinimumWidth(std::max(0, windowWidth - 690));
    for (int i = 1; i < PanelCount; ++i)
        m_panels[size_t(i)]->setFixedWidth(fixedWidths[i]);
}

void StatusPanels::layoutPanels(int windowWidth, const std::array<int, PanelCount> &widths, int reserve)
{
    m_panels[0]->setMinimumWidth(std::max(0, windowWidth - reserve));
    for (int i = 1; i < PanelCount; ++i)
        m_panels[size_t(i)]->setFixedWidth(widths[size_t(i)]);
}

void StatusPanels::mousePressEvent(QMouseEvent *event)
{
    emit pressed(int(event->position().x()));
    QFrame::mousePressEvent(event);
}

void StatusPanels::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

} // namespace quillon
